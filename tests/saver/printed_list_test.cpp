// The printed move list: one line per move number, Black beside White, and a
// scroll by one line from the thirteenth White move on.
#include <gtest/gtest.h>

#include "printed_list.h"

TEST(PrintedList, BlackBesideWhiteAndAScrollFromTheThirteenthWhiteMove)
{
    constexpr double kLine = 285;
    morvane::PrintedList list(12 * kLine, kLine);
    for (int n = 1; n <= 12; ++n) {
        EXPECT_FALSE(list.printWhite(std::to_string(n) + ". w"));
        list.printBlack("b" + std::to_string(n));
    }
    EXPECT_EQ(list.items()[1].text, "b1");
    EXPECT_EQ(list.items()[1].x, 1400);
    EXPECT_EQ(list.items()[1].y, 0);
    EXPECT_EQ(list.items().back().y, 11 * kLine);
    EXPECT_TRUE(list.printWhite("13. w"));
    EXPECT_EQ(list.items().front().text, "2. w") << "move 1 left the top";
    EXPECT_EQ(list.items().front().y, 0);
    EXPECT_EQ(list.items().back().y, 11 * kLine);
    list.printBlack("b13");
    EXPECT_EQ(list.items().back().y, 11 * kLine);
    EXPECT_TRUE(list.printWhite("14. w"));
    EXPECT_EQ(list.items().front().text, "3. w");
    list.clear();
    EXPECT_FALSE(list.printWhite("1. d4"));
    EXPECT_EQ(list.items().size(), 1u);
    EXPECT_EQ(list.items().front().y, 0);
}
