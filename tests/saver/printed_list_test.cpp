// The printed move list: one line per move number, Black beside White, and a
// scroll by one line from the thirteenth White move on.
#include <gtest/gtest.h>

#include "printed_list.h"

using morvane::PrintedList;

namespace {

constexpr double kLine = 285;

std::string texts(const PrintedList& list)
{
    std::string s;
    for (const auto& item : list.items())
        s += item.text + "@" + std::to_string(static_cast<int>(item.x)) + "," +
             std::to_string(static_cast<int>(item.y / kLine)) + " ";
    return s;
}

void playMoves(PrintedList& list, int from, int to)
{
    for (int n = from; n <= to; ++n) {
        list.printWhite(std::to_string(n) + ". w");
        list.printBlack("b" + std::to_string(n));
    }
}

} // namespace

TEST(PrintedList, BlackStandsBesideWhiteOnTheSameLine)
{
    PrintedList list(12 * kLine, kLine);
    list.printWhite("1. e4");
    list.printBlack("e5");
    list.printWhite("2. Nf3");
    EXPECT_EQ(texts(list), "1. e4@0,0 e5@1400,0 2. Nf3@0,1 ");
}

TEST(PrintedList, TwelveLinesFitAndTheThirteenthWhiteMoveScrolls)
{
    PrintedList list(12 * kLine, kLine);
    playMoves(list, 1, 12);
    EXPECT_EQ(list.items().front().text, "1. w");
    EXPECT_EQ(list.items().back().y, 11 * kLine);

    EXPECT_TRUE(list.printWhite("13. w"));
    EXPECT_EQ(list.items().front().text, "2. w") << "move 1 left the top";
    EXPECT_EQ(list.items().front().y, 0);
    EXPECT_EQ(list.items().back().text, "13. w");
    EXPECT_EQ(list.items().back().y, 11 * kLine);
    list.printBlack("b13");
    EXPECT_EQ(list.items().back().y, 11 * kLine);

    // Every later White move scrolls by one line again.
    EXPECT_TRUE(list.printWhite("14. w"));
    EXPECT_EQ(list.items().front().text, "3. w");
    EXPECT_EQ(list.items().size(), 23u);
}

TEST(PrintedList, ClearStartsAgainAtTheTop)
{
    PrintedList list(12 * kLine, kLine);
    playMoves(list, 1, 20);
    list.clear();
    EXPECT_TRUE(list.items().empty());
    EXPECT_FALSE(list.printWhite("1. d4"));
    EXPECT_EQ(texts(list), "1. d4@0,0 ");
}
