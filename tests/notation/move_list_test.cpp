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

TEST(MoveLines, FieldsNumbersAndTheResult)
{
    struct Row {
        const char* name;
        const char* text;
        const char* resultTag;
        std::vector<std::string> lines;
        const char* result; // nullptr: not checked
    };
    const std::string e4e5 = "1. e4            e5";
    const std::string nf3nc6 = "2. Nf3          Nc6";
    const Row rows[] = {
        {"field layout", "1. e4 e5 2. Nf3 Nc6 3. Bb5 1-0 ", "", {e4e5, nf3nc6, "3. Bb5          1-0"}, "1-0"},
        {"an end after Black stays out of the lines", "1. e4 e5 2. Nf3 Nc6 0-1 ", "", {e4e5, nf3nc6}, "0-1"},
        {"the Result tag stands in for a missing marker", "1. e4 e5 ", "1/2-1/2", {e4e5}, "1/2-1/2"},
        {"a marker wins over the Result tag", "1. e4 e5 *", "1-0", {e4e5}, "*"},
        {"without either the last move is the result", "1. e4 e5 ", "", {e4e5}, "e5"},
        {"moves written against the period", "1.e4 e5 2.Nf3 Nc6 ", "", {e4e5, nf3nc6}, nullptr},
        {"continuation after a removed comment", "1. e4   1... e5 2. Nf3      2... Nc6 ", "", {e4e5, nf3nc6}, nullptr},
        {"a missing number ends the list",
         "1. e4 e5 2. d4 d5 3. c4 c6 4. Nc3 Nf6 6. Bg5 Be7 1-0 ",
         "",
         {e4e5, "2. d4            d5", "3. c4            c6", "4. Nc3          Nf6"},
         nullptr},
        {"many blanks after the period", "1.     e4   e5 ", "", {e4e5}, nullptr},
        {"text ending inside a White move ends quietly", "1. e4 e5 2. Nf3", "", {e4e5}, "unchanged"},
        {"empty text", "", "", {}, nullptr},
        {"blank text", "      ", "", {}, nullptr},
    };
    for (const Row& row : rows) {
        const Listed l = list(row.text, row.resultTag);
        EXPECT_EQ(l.lines, row.lines) << row.name;
        if (row.result) {
            EXPECT_EQ(l.result, row.result) << row.name;
        }
    }
}

TEST(MoveLines, TwoDigitNumbersAndContinuation)
{
    std::string text;
    for (int n = 1; n <= 11; ++n)
        text += std::to_string(n) + ". a3 a6 ";
    text += "12. Nf3     12... Nc6 13. Bb5 1-0 ";
    const auto l = list(text);
    ASSERT_EQ(l.lines.size(), 13u);
    EXPECT_EQ(l.lines[9], "10. a3            a6");
    EXPECT_EQ(l.lines[11], "12. Nf3          Nc6");
    EXPECT_EQ(l.lines[12], "13. Bb5          1-0");
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
