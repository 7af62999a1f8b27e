#include "move_list.h"

#include <gtest/gtest.h>

using morvane::ListMoves;
using morvane::moveFields;

namespace {

struct Listed {
    std::vector<std::string> lines;
    std::string result = "unchanged";
};

Listed list(const std::string& text, const std::string& resultTag = "")
{
    Listed out;
    ListMoves(text, out.lines, out.result, resultTag);
    return out;
}

TEST(MoveLines, FieldLayout)
{
    const auto l = list("1. e4 e5 2. Nf3 Nc6 3. Bb5 1-0 ");
    ASSERT_EQ(l.lines.size(), 3u);
    EXPECT_EQ(l.lines[0], "1. e4            e5");
    EXPECT_EQ(l.lines[1], "2. Nf3          Nc6");
    EXPECT_EQ(l.lines[2], "3. Bb5          1-0");
    EXPECT_EQ(l.result, "1-0");
}

TEST(MoveLines, EndAfterBlackLeavesTheMarkerOutOfTheLines)
{
    const auto l = list("1. e4 e5 2. Nf3 Nc6 0-1 ");
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_EQ(moveFields(l.lines[1]).black, "Nc6");
    EXPECT_EQ(l.result, "0-1");
}

TEST(MoveLines, ResultTagStandsInForAMissingMarker)
{
    EXPECT_EQ(list("1. e4 e5 ", "1/2-1/2").result, "1/2-1/2");
    EXPECT_EQ(list("1. e4 e5 *", "1-0").result, "*");
    EXPECT_EQ(list("1. e4 e5 ").result, "e5");
}

TEST(MoveLines, TwoDigitNumbers)
{
    std::string text;
    for (int n = 1; n <= 12; ++n)
        text += std::to_string(n) + ". a3 a6 ";
    const auto l = list(text);
    ASSERT_EQ(l.lines.size(), 12u);
    EXPECT_EQ(l.lines[9], "10. a3            a6");
    EXPECT_EQ(moveFields(l.lines[11]).white, "a3");
    EXPECT_EQ(moveFields(l.lines[11]).black, "a6");
}

TEST(MoveLines, MoveWrittenAgainstThePeriod)
{
    const auto l = list("1.e4 e5 2.Nf3 Nc6 ");
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_EQ(l.lines[0], "1. e4            e5");
    EXPECT_EQ(l.lines[1], "2. Nf3          Nc6");
}

TEST(MoveLines, ContinuationAfterARemovedComment)
{
    const auto l = list("1. e4   1... e5 2. Nf3      2... Nc6 ");
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_EQ(l.lines[0], "1. e4            e5");
    EXPECT_EQ(l.lines[1], "2. Nf3          Nc6");
}

TEST(MoveLines, TwoDigitContinuation)
{
    std::string text;
    for (int n = 1; n <= 11; ++n)
        text += std::to_string(n) + ". a3 a6 ";
    text += "12. Nf3     12... Nc6 13. Bb5 1-0 ";
    const auto l = list(text);
    ASSERT_EQ(l.lines.size(), 13u);
    EXPECT_EQ(l.lines[11], "12. Nf3          Nc6");
    EXPECT_EQ(l.lines[12], "13. Bb5          1-0");
}

TEST(MoveLines, MissingNumberEndsTheList)
{
    const auto l = list("1. e4 e5 2. d4 d5 3. c4 c6 4. Nc3 Nf6 6. Bg5 Be7 1-0 ");
    EXPECT_EQ(l.lines.size(), 4u);
}

TEST(MoveLines, ManyBlanksAfterThePeriod)
{
    const auto l = list("1.     e4   e5 ");
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0], "1. e4            e5");
}

TEST(MoveLines, TextEndingInsideAWhiteMoveEndsQuietly)
{
    const auto l = list("1. e4 e5 2. Nf3");
    EXPECT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.result, "unchanged");
}

TEST(MoveLines, BlankOrEmptyTextGivesNoLines)
{
    EXPECT_TRUE(list("").lines.empty());
    EXPECT_TRUE(list("      ").lines.empty());
}

TEST(MoveFields, LongMovesKeepTheirWholeText)
{
    // Fields of up to eight characters keep the fixed layout; longer ones grow the line.
    const std::string line = morvane::moveLine(7, "exd8=Q+!!", "Kxd8");
    EXPECT_EQ(line, "7. exd8=Q+!!    Kxd8");
    EXPECT_EQ(moveFields(line).white, "exd8=Q+!!");
    EXPECT_EQ(moveFields(line).black, "Kxd8");
    const std::string black = morvane::moveLine(7, "Qh5", "Nbxd7+!?!");
    EXPECT_EQ(moveFields(black).white, "Qh5");
    EXPECT_EQ(moveFields(black).black, "Nbxd7+!?!");
    EXPECT_EQ(moveFields(morvane::moveLine(3, "", "e5")).white, "");
    EXPECT_EQ(moveFields(morvane::moveLine(3, "", "e5")).black, "e5");
    EXPECT_EQ(moveFields(morvane::moveLine(123, "Rxa8+", "")).white, "Rxa8+");
}

} // namespace
