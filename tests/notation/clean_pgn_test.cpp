#include "clean_pgn.h"

#include <gtest/gtest.h>

#include <ostream>

using morvane::CleanPGN;
using morvane::Imbalance;
using morvane::imbalanceMessage;

namespace {

struct CleanCase {
    const char* name;
    std::string input;
    std::string output;
    Imbalance imbalance;
};

void PrintTo(const CleanCase& c, std::ostream* os)
{
    *os << c.name;
}

class CleanStages : public testing::TestWithParam<CleanCase> {};

TEST_P(CleanStages, GivesTheMovetextOrTheImbalance)
{
    const CleanCase& c = GetParam();
    const auto result = CleanPGN(c.input);
    EXPECT_EQ(result.imbalance, c.imbalance);
    EXPECT_EQ(result.text, c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Cleaning, CleanStages,
    testing::Values(
        CleanCase{"TagCommentVariationNag", "[Event \"x\"]\n1. e4 {best} e5 (1... c5) 2. Nf3 $1 Nc6",
                  " 1. e4  e5  2. Nf3    Nc6", Imbalance::None},
        CleanCase{"NestedVariationsGoWhole", "1. e4 (1. d4 (1. c4 c5) d5) e5", "1. e4  e5", Imbalance::None},
        CleanCase{"BraceInsideCommentLeavesTheRest", "1. e4 {a {b} c} e5", "1. e4  c} e5", Imbalance::None},
        CleanCase{"OpenBraceWithoutClose", "1. e4 { e5", "", Imbalance::Braces},
        CleanCase{"ClosingBracketFirstEvenWhenCountsAgree", "] [Event \"x\"", "", Imbalance::Brackets},
        CleanCase{"ClosingBracketWithNoOpeningStays", "1. e4 ] e5", "1. e4 ] e5", Imbalance::None},
        CleanCase{"OpenBracketWithoutClose", "[Event \"x\"\n1. e4", "", Imbalance::Brackets},
        CleanCase{"ClosingParenthesisFirst", "1. e4 ) e5 (x)", "", Imbalance::Parentheses},
        CleanCase{"OpenParenthesisWithoutClose", "1. e4 (1. d4 (1. c4) e5", "", Imbalance::Parentheses},
        CleanCase{"CrLfKeepsTheLength", "1. e4\r\ne5\r\n", "1. e4  e5  ", Imbalance::None},
        CleanCase{"PlainTextUnchanged", "1. e4 e5 2. Nf3 Nc6 1-0", "1. e4 e5 2. Nf3 Nc6 1-0", Imbalance::None},
        CleanCase{"NagAtTheVeryEnd", "1. e4 $14", "1. e4    ", Imbalance::None},
        CleanCase{"NagBeforeLineBreak", "1. e4 $2\n", "1. e4    ", Imbalance::None},
        CleanCase{"RestOfLineCommentPassesThrough", "; note\n1. e4", "; note 1. e4", Imbalance::None},
        // Brackets inside a quoted tag value belong to the value.
        CleanCase{"BracketsInsideTagValue", "[Site \"LAT-ch [Tal]\"]\n[Event \"a]b\"]\n1. e4", "  1. e4",
                  Imbalance::None},
        CleanCase{"EscapedQuoteInsideTagValue", "[Event \"say \\\"x]\\\"\"]1. e4", "1. e4", Imbalance::None},
        CleanCase{"QuoteNotClosedOnItsLineIsOrdinary", "[Event \"x]\n1. e4", " 1. e4", Imbalance::None},
        CleanCase{"QuotesOutsideGroupsAreOrdinary", "1. e4 \"]\" e5", "1. e4 \"]\" e5", Imbalance::None}),
    [](const testing::TestParamInfo<CleanCase>& info) { return std::string(info.param.name); });

TEST(CleanMessages, NameTheStage)
{
    EXPECT_EQ(imbalanceMessage(Imbalance::Brackets), "- There is an error in this PGN file.\r\n"
                                                     "- number of left brackets are not equal to number of right "
                                                     "brackets");
    EXPECT_EQ(imbalanceMessage(Imbalance::Braces), "- There is an error in this PGN file.\r\n"
                                                   "- number of left braces '{' are not equal to number of right "
                                                   "braces '}'");
    EXPECT_EQ(imbalanceMessage(Imbalance::Parentheses), "- There is an error in this PGN file.\r\n"
                                                        "- number of left parenthesis are not equal to number of "
                                                        "right parenthesis");
    EXPECT_EQ(imbalanceMessage(Imbalance::None), "");
}

} // namespace
