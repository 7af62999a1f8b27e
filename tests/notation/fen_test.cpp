// Reading set-up positions and the move lines of games that start from them.
#include "fen.h"

#include <gtest/gtest.h>

#include "move_list.h"

namespace {

using morvane::parseFen;

TEST(Fen, ReadsSideMoveNumberAndCastlingRooks)
{
    struct Case {
        const char* fen;
        bool variant;
        int side, firstMove;
        bool chess960;
        std::array<std::int16_t, 2> white, black;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", false, 1, 1, false, {8, 1}, {0, 0}},
        {"4k3/8/8/8/8/8/8/4K3 b - - 0 40", false, 2, 40, false, {0, 0}, {0, 0}},
        {"4k3/8/8/8/8/8/8/4K3 w - e6", false, 1, 1, false, {0, 0}, {0, 0}}, // short FEN: defaults
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 0", false, 1, 1, false, {0, 0}, {0, 0}},
        // Shredder style: files name the rooks and make the game Chess960.
        {"nrbkqbrn/pppppppp/8/8/8/8/PPPPPPPP/NRBKQBRN w GBgb - 0 1", false, 1, 1, true, {7, 2}, {7, 2}},
        // X-FEN letters take the outermost rook on each side of the king.
        {"rrkb4/8/8/8/8/8/8/BBQNRKRN w KQq - 0 1", true, 1, 1, true, {7, 5}, {0, 1}},
    };
    for (const Case& c : cases) {
        const auto start = parseFen(c.fen, c.variant);
        ASSERT_TRUE(start) << c.fen;
        EXPECT_EQ(start->sideToMove, c.side) << c.fen;
        EXPECT_EQ(start->firstMove, c.firstMove) << c.fen;
        EXPECT_EQ(start->chess960, c.chess960) << c.fen;
        EXPECT_EQ(start->rooks.white, c.white) << c.fen;
        EXPECT_EQ(start->rooks.black, c.black) << c.fen;
    }
}

TEST(Fen, RefusesWhatCannotBeRead)
{
    for (const char* fen :
         {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN w KQkq - 0 1",  // seven squares
          "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1",          // seven ranks
          "rnbqkbnr/ppppxppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", // unknown letter
          "rnbq1bnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1",   // no black king
          "4k3/8/8/8/8/8/8/4KK2 w - - 0 1",                           // two white kings
          "P3k3/8/8/8/8/8/8/4K3 w - - 0 1",                           // pawn on the last rank
          "4k3/8/8/8/8/8/8/4K3 x - - 0 1", "4k3/8/8/8/8/8/8/4K3",     // side to move
          "4k3/8/8/8/8/8/8/4K3 w KX - 0 1", "4k3/8/8/8/8/8/8/4K3 w - e4 0 1", "4k3/8/8/8/8/8/8/4K3 w - - x 1",
          "4k3/8/8/8/8/8/8/4K3 w - - 0 99999999999", "4k3/8/8/8/8/8/8/4K3 w - - 0 1 extra", ""}) {
        EXPECT_FALSE(parseFen(fen)) << fen;
    }
}

TEST(Fen, GameStartFromTags)
{
    using morvane::StartKind;
    EXPECT_EQ(morvane::gameStart("[Event \"x\"]\n1. e4 *").kind, StartKind::Initial);
    EXPECT_EQ(morvane::gameStart("[FEN \"8/8 w\"]\n*").kind, StartKind::BrokenFen);
    const auto fen = morvane::gameStart("[Variant \"chess960\"]\n[FEN \"bbqnrkrn/8/8/8/8/8/8/BBQNRKRN b - - 0 7\"]\n*");
    EXPECT_EQ(fen.kind, StartKind::FromFen);
    EXPECT_TRUE(fen.start.chess960);
    EXPECT_EQ(fen.start.firstMove, 7);
    EXPECT_FALSE(morvane::gameStart("[Variant \"Standard\"][FEN \"8/8/8/8/8/8/8/Kk6 w - - 0 1\"]").start.chess960);
}

TEST(Fen, MoveLinesBeginAtTheSetUpMove)
{
    struct Case {
        const char* movetext;
        int side, firstMove;
        std::vector<std::string> lines;
    };
    const auto L = morvane::moveLine;
    const Case cases[] = {
        {" 40. e4 Kd6 41. Kd4 *", 1, 40, {L(40, "e4", "Kd6"), L(41, "Kd4", "*")}},
        {" 11... Qxf2+ 12. Kh1 Qf1# 0-1", 2, 11, {L(11, "", "Qxf2+"), L(12, "Kh1", "Qf1#")}},
        {" 11. ... Qxf2+ 12. Kh1 *", 2, 11, {L(11, "", "Qxf2+"), L(12, "Kh1", "*")}},
        {" Qxf2+ 12. Kh1 *", 2, 11, {L(11, "", "Qxf2+"), L(12, "Kh1", "*")}},
        // Numbered from 1 whatever the FEN says.
        {" 1. Qh7# 1-0", 1, 40, {L(1, "Qh7#", "1-0")}},
        {" 1... Qxf2+ 2. Kh1 *", 2, 30, {L(1, "", "Qxf2+"), L(2, "Kh1", "*")}},
        {" *", 2, 5, {}},
    };
    for (const Case& c : cases) {
        morvane::GameStart start;
        start.sideToMove = c.side;
        start.firstMove = c.firstMove;
        std::vector<std::string> lines;
        std::string result;
        morvane::ListStartMoves(c.movetext, start, lines, result, "");
        EXPECT_EQ(lines, c.lines) << c.movetext;
    }
}

} // namespace
