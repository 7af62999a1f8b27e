// The cleaner's behaviour on the cases its description singles out; the differential
// test holds it to the literal model on everything else.
#include "clean_pgn.h"

#include <gtest/gtest.h>

using morvane::Imbalance;

TEST(CleanPGN, GivesTheMovetextOrTheImbalance)
{
    const struct {
        std::string input, output;
        Imbalance imbalance;
    } rows[] = {
        {"[Event \"x\"]\n1. e4 {best} e5 (1... c5) 2. Nf3 $1 Nc6", " 1. e4  e5  2. Nf3    Nc6", Imbalance::None},
        {"] [Event \"x\"", "", Imbalance::Brackets},
        {"1. e4 { e5", "", Imbalance::Braces},
        {"1. e4 ) e5 (x)", "", Imbalance::Parentheses},
        // Brackets inside a quoted tag value belong to the value, unless the quote is not closed on its line.
        {"[Site \"LAT-ch [Tal]\"]\n[Event \"a]b\"]\n1. e4", "  1. e4", Imbalance::None},
        {"[Event \"say \\\"x]\\\"\"]1. e4", "1. e4", Imbalance::None},
        {"[Event \"x]\n1. e4", " 1. e4", Imbalance::None},
    };
    for (const auto& r : rows) {
        const auto result = morvane::CleanPGN(r.input);
        EXPECT_EQ(result.imbalance, r.imbalance) << r.input;
        EXPECT_EQ(result.text, r.output) << r.input;
    }
}

// Line breaks and TABs turn into blanks wherever they stand in a long text,
// in the blocks read sixteen characters at a time and in the tail alike.
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
