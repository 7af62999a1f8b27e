// Move lines on the cases their description singles out; the differential test holds
// the builder to the literal model on everything else.
#include "move_list.h"

#include <gtest/gtest.h>

TEST(MoveLines, FieldsNumbersAndTheResult)
{
    const struct {
        const char* text;
        const char* resultTag;
        std::vector<std::string> lines;
        const char* result;
    } rows[] = {
        {"1. e4 e5 2. Nf3 Nc6 3. Bb5 1-0 ",
         "",
         {"1. e4            e5", "2. Nf3          Nc6", "3. Bb5          1-0"},
         "1-0"},
        {"1. e4 e5 2. Nf3 Nc6 0-1 ", "", {"1. e4            e5", "2. Nf3          Nc6"}, "0-1"},
        {"1. e4 e5 ", "1/2-1/2", {"1. e4            e5"}, "1/2-1/2"},
        {"1. e4 e5 *", "1-0", {"1. e4            e5"}, "*"},
        {"1.e4   1... e5 2. Nf3", "", {"1. e4            e5"}, "unchanged"},
        {"1. e4 e5 3. d4 d5 1-0", "", {"1. e4            e5"}, "1-0"},
    };
    for (const auto& r : rows) {
        std::vector<std::string> lines{"old"};
        std::string result = "unchanged";
        morvane::ListMoves(r.text, lines, result, r.resultTag);
        EXPECT_EQ(lines, r.lines) << r.text;
        EXPECT_EQ(result, r.result) << r.text;
    }
}

TEST(MoveFields, LongMovesKeepTheirWholeText)
{
    // Fields of up to eight characters keep the fixed layout; longer ones grow the line.
    const std::string line = morvane::moveLine(7, "exd8=Q+!!", "Kxd8");
    EXPECT_EQ(line, "7. exd8=Q+!!    Kxd8");
    EXPECT_EQ(morvane::moveFields(line).white, "exd8=Q+!!");
    EXPECT_EQ(morvane::moveFields(line).black, "Kxd8");
    EXPECT_EQ(morvane::moveFields(morvane::moveLine(7, "Qh5", "Nbxd7+!?!")).black, "Nbxd7+!?!");
    EXPECT_EQ(morvane::moveFields(morvane::moveLine(3, "", "e5")).black, "e5");
    EXPECT_EQ(morvane::moveFields(morvane::moveLine(123, "Rxa8+", "")).white, "Rxa8+");
}
