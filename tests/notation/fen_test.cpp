// Reading set-up positions and the move lines of games that start from them.
#include "fen.h"

#include <gtest/gtest.h>

#include "move_list.h"

namespace {

TEST(Fen, ReadsSideMoveNumberAndCastling)
{
    struct Case {
        const char* fen;
        int side, firstMove;
        bool chess960;
        std::array<std::int16_t, 2> whiteRooks;
        std::array<bool, 2> mayCastle;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", 1, 1, false, {8, 1}, {true, false}},
        {"4k3/8/8/8/8/8/8/4K3 b - - 0 40", 2, 40, false, {0, 0}, {false, false}},
        {"4k3/8/8/8/8/8/8/4K3 w", 1, 1, false, {0, 0}, {true, true}}, // short FEN: defaults
        // Files name the rooks and make the game Chess960; K and Q take the outermost.
        {"rrkb4/8/8/8/8/8/8/BRQNRKRN w BKq - 0 0", 1, 1, true, {7, 2}, {true, true}},
    };
    for (const Case& c : cases) {
        const auto start = morvane::parseFen(c.fen);
        ASSERT_TRUE(start) << c.fen;
        EXPECT_EQ(start->sideToMove, c.side) << c.fen;
        EXPECT_EQ(start->firstMove, c.firstMove) << c.fen;
        EXPECT_EQ(start->chess960, c.chess960) << c.fen;
        EXPECT_EQ(start->rooks.white, c.whiteRooks) << c.fen;
        EXPECT_EQ(start->mayCastle, c.mayCastle) << c.fen;
    }
}

TEST(Fen, RefusesWhatCannotBeRead)
{
    for (const char* fen : {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN w", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w",
                            "4k3/8/8/8/8/8/3x4/4K3 w", "8/8/8/8/8/8/8/4K3 w", "4k3/8/8/8/8/8/8/4KK2 w",
                            "P3k3/8/8/8/8/8/8/4K3 w", "4k3/8/8/8/8/8/8/4K3 x", "4k3/8/8/8/8/8/8/4K3",
                            "4k3/8/8/8/8/8/8/4K3 w KX", "4k3/8/8/8/8/8/8/4K3 w - e4", "4k3/8/8/8/8/8/8/4K3 w - - x 1",
                            "4k3/8/8/8/8/8/8/4K3 w - - 0 99999999999", "4k3/8/8/8/8/8/8/4K3 w - - 0 1 extra", ""})
        EXPECT_FALSE(morvane::parseFen(fen)) << fen;
}

TEST(Fen, MoveLinesBeginAtTheSetUpMove)
{
    const auto L = morvane::moveLine;
    struct Case {
        const char* movetext;
        int side, firstMove;
        std::vector<std::string> lines;
    };
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
