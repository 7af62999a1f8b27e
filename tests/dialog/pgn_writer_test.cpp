// The text rules under the game-entry tab that its widget tests do not reach:
// lines of the replay's format, the Result tag, a list entry without its Black tag.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game_text.h"
#include "move_line.h"

using namespace morvane;

namespace {

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

TEST(MatchEntry, EndsAtItsOwnGameWhenBlackIsMissing)
{
    const std::string file = "[Event \"A\"]\n[White \"W\"]\n1. e4 *\n[Event \"B\"]\n[Black \"K\"]\n1. d4 *\n";
    const auto games = IndexGames(file);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(MatchEntryText(file, games[0]), " Event  A  \n White  W  \n1. e4 *");
    EXPECT_EQ(MatchEntryText(file, games[1]), " Event  B  \n Black  K  ");
    // No Black tag after the last game's Event at all: the entry ends with the file.
    EXPECT_EQ(MatchEntryText("[Event \"C\"]\n1. c4 *", IndexGames("[Event \"C\"]\n1. c4 *")[0]),
              " Event  C  \n1. c4 *");
}

} // namespace
