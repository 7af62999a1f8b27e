// Line breaks and TABs turn into blanks wherever they stand in a long text,
// in the blocks read sixteen characters at a time and in the tail alike.
#include <gtest/gtest.h>

#include "clean_pgn.h"

TEST(CleanPGN, BreaksAndTabsBecomeBlanksAnywhereInALongText)
{
    std::string text;
    std::string blanked;
    for (int i = 0; i < 41; ++i) {
        text += "Nf3";
        text += "\t\r\n"[i % 3];
        blanked += "Nf3 ";
    }
    EXPECT_EQ(morvane::CleanPGN(text).text, blanked);
}
