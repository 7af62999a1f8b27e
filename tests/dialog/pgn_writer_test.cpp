// The text rules under the game-entry tab: move lines typed and taken apart again,
// the Result tag as the tab reads it, a game's list entry and its cut for editing.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game_text.h"
#include "move_line.h"

using namespace morvane;

namespace {

struct LineRow {
    const char* name;
    const char* caption;
    const char* white;
    const char* black;
    const char* line;
};

const LineRow kLines[] = {
    {"short moves", "1.", "e4", "e5", "1. e4            e5"},
    {"two-digit number", "10.", "Nf3", "Nc6", "10. Nf3          Nc6"},
    {"white fills its field", "7.", "Qh4xe1+!", "Kxe1", "7. Qh4xe1+!    Kxe1"},
    {"black fills its field", "7.", "Kxe1", "Qh4xe1+!", "7. Kxe1    Qh4xe1+!"},
    {"no black move", "3.", "O-O", "", "3. O-O     "},
};

class MoveLines : public ::testing::TestWithParam<LineRow> {};

TEST_P(MoveLines, AreLaidOutAndReadBack)
{
    const LineRow& row = GetParam();
    const std::string line = MoveLine(row.caption, row.white, row.black);
    EXPECT_EQ(line, row.line);
    const MoveLineFields fields = SplitMoveLine(line);
    EXPECT_EQ(fields.numberCaption, row.caption);
    EXPECT_EQ(fields.white, row.white) << "a move that fills its field must come back whole";
    EXPECT_EQ(fields.black, row.black);
    EXPECT_EQ(fields.number, std::stol(row.caption));
}

INSTANTIATE_TEST_SUITE_P(Layouts, MoveLines, ::testing::ValuesIn(kLines), [](const auto& info) {
    std::string n = info.param.name;
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return n;
});

TEST(MoveLines, LinesOfTheReplayFormatSplitLikeTyped)
{
    // The replay's lines keep an eight-blank Black field when Black has no move.
    const MoveLineFields fields = SplitMoveLine("12. Rxe8+         ");
    EXPECT_EQ(fields.white, "Rxe8+");
    EXPECT_EQ(fields.black, "");
    EXPECT_EQ(fields.number, 12);
}

struct ResultRow {
    const char* name;
    const char* game;
    std::optional<std::string> result;
};

TEST(ResultTag, IsReadUpToTheClosingBracket)
{
    const ResultRow rows[] = {
        {"plain", "[Event \"x\"]\n[Result \"1/2-1/2\"]\n1. e4 *", "1/2-1/2"},
        {"blank inside quotes", "[Result \" 0-1 \"]", "0-1"},
        {"empty value", "[Result \"\"]", ""},
        {"no result tag", "[Event \"x\"]\n1. e4 *", std::nullopt},
        {"no closing bracket", "[Result \"1-0\"", std::nullopt},
        {"bracket right after the name", "[Result]", ""},
    };
    for (const ResultRow& row : rows)
        EXPECT_EQ(ResultTagValue(row.game), row.result) << row.name;
}

TEST(QuotedTag, TakesTheTextBetweenTheQuotes)
{
    const std::string game = "[Event \"Open\"]\n[Whiteelo \"2500\"]\n[White \"Tal, M\"]\n[Site \"Riga";
    EXPECT_EQ(QuotedTagValue(game, "[White \""), "Tal, M");
    EXPECT_EQ(QuotedTagValue(game, "[Black \""), "") << "absent tag";
    EXPECT_EQ(QuotedTagValue(game, "[Site \""), "") << "tag without its closing quote";
}

TEST(MatchEntry, RunsIntoTheNextGameWhenBlackIsMissing)
{
    const std::string file = "[Event \"A\"]\n[White \"W\"]\n1. e4 *\n[Event \"B\"]\n[Black \"K\"]\n1. d4 *\n";
    const auto games = IndexGames(file);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(MatchEntryText(file, games[0]), " Event  A  \n White  W  \n1. e4 *\n Event  B  \n Black  K  ");
    EXPECT_EQ(MatchEntryText(file, games[1]), " Event  B  \n Black  K  ");
    // No Black tag after the last game's Event at all: the entry ends with the file.
    EXPECT_EQ(MatchEntryText("[Event \"C\"]\n1. c4 *", IndexGames("[Event \"C\"]\n1. c4 *")[0]),
              " Event  C  \n1. c4 *");
}

TEST(GameCut, RefusesSpansThatNoLongerFitTheFile)
{
    const std::string file = "junk\n[Event \"A\"]\n1. e4 *\n\n[Event \"B\"]\n1. d4 *\n";
    const auto games = IndexGames(file);
    const auto cut = CutGame(file, games[0]);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->before + cut->game + cut->after, file);
    EXPECT_EQ(cut->before, "junk\n");
    EXPECT_EQ(cut->after.substr(0, 8), "\n[Event ") << "the byte before the next game goes with the text after";
    EXPECT_FALSE(CutGame(file.substr(3), games[0])) << "shifted file";
    EXPECT_FALSE(CutGame(file.substr(0, 20), games[1])) << "shortened file";
}

} // namespace
