#include <gtest/gtest.h>

#include <string>

#include "board_model.h"

using namespace quill;

namespace {

// A board from a FEN-like placement: rank 8 first, digits for empty runs, "x" a code that is no piece (0),
// "" the initial position.
BoardModel boardOf(const std::string& placement)
{
    BoardModel board;
    if (placement.empty())
        board.NewGame();
    int index = 1;
    for (const char c : placement) {
        if (c >= '1' && c <= '8')
            index += c - '0';
        else if (c != '/')
            board.SetSquare(static_cast<PieceNum>(std::string(".prnbqkPRNBQK").find(c) + 1), index++);
    }
    return board;
}

} // namespace

TEST(MoveRules, PatternTable)
{
    const struct {
        const char* name;
        const char* board;
        std::int16_t fromCol, fromRow, toCol, toRow;
        bool legal;
    } rows[] = {
        {"white pawn double step", "", 5, 7, 5, 5, true},
        {"white pawn triple step", "", 5, 7, 5, 4, false},
        {"white pawn backwards", "", 5, 7, 5, 8, false},
        {"black pawn single step", "", 5, 2, 5, 3, true},
        {"black pawn double step", "", 5, 2, 5, 4, true},
        {"knight onto own pawn", "", 2, 8, 4, 7, false},
        {"knight jumps over pieces", "", 7, 1, 6, 3, true},
        {"rook blocked by own pawn", "", 1, 8, 1, 6, false},
        {"empty square moves nowhere", "", 1, 4, 1, 5, false},
        {"double step over a piece", "8/8/8/8/8/4n3/4P3/8", 5, 7, 5, 5, false},
        {"double step not from start row", "8/8/8/8/8/4P3/8/8", 5, 6, 5, 4, false},
        {"pawn cannot capture straight", "8/8/8/8/4p3/4P3/8/8", 5, 6, 5, 5, false},
        {"white pawn captures black", "8/8/8/8/8/1p6/P7/8", 1, 7, 2, 6, true},
        {"white pawn onto white piece", "8/8/8/8/8/1N6/P7/8", 1, 7, 2, 6, false},
        {"white pawn diagonal onto empty", "8/8/8/8/8/8/P7/8", 1, 7, 2, 6, false},
        {"black pawn captures white", "8/1p6/2R5/8/8/8/8/8", 2, 2, 3, 3, true},
        {"black pawn onto black piece", "8/1p6/2n5/8/8/8/8/8", 2, 2, 3, 3, false},
        {"no en passant", "8/8/8/3Pp3/8/8/8/8", 4, 4, 5, 3, false},
        {"pawn may reach the last row", "8/P7/8/8/8/8/8/8", 1, 2, 1, 1, true},
        {"king captures enemy", "8/8/8/3Kr3/8/8/8/8", 4, 4, 5, 4, true},
        {"king onto own piece", "8/8/8/3KR3/8/8/8/8", 4, 4, 5, 4, false},
        {"king two columns is no castling", "8/8/8/8/8/8/8/4K2R", 5, 8, 7, 8, false},
        {"knight odd shape", "8/8/8/3N4/8/8/8/8", 4, 4, 6, 6, false},
        {"bishop long diagonal", "B7/8/8/8/8/8/8/7r", 1, 1, 8, 8, true},
        {"bishop blocked midway", "B7/8/2p5/8/8/8/8/8", 1, 1, 5, 5, false},
        {"bishop captures the blocker", "B7/8/2p5/8/8/8/8/8", 1, 1, 3, 3, true},
        {"bishop straight", "8/8/8/3B4/8/8/8/8", 4, 4, 4, 6, false},
        {"rook along row", "r6R/8/8/8/8/8/8/8", 8, 1, 1, 1, true},
        {"rook along row blocked", "r2n3R/8/8/8/8/8/8/8", 8, 1, 1, 1, false},
        {"rook along column", "R7/8/8/8/8/8/8/r7", 1, 1, 1, 8, true},
        {"rook diagonal", "R7/8/8/8/8/8/8/8", 1, 1, 3, 3, false},
        {"black rook onto black", "r6b/8/8/8/8/8/8/8", 1, 1, 8, 1, false},
        {"queen diagonal", "8/8/8/3q4/8/8/8/7R", 4, 4, 8, 8, true},
        {"queen column blocked", "3P4/8/3p4/3Q4/8/8/8/8", 4, 4, 4, 1, false},
        {"queen knight shape", "8/8/8/3Q4/8/8/8/8", 4, 4, 5, 6, false},
        {"same square, even off the board", "", 9, 9, 9, 9, false},
        {"a code that is no piece", "8/8/8/3x4/8/8/8/8", 4, 4, 4, 5, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(boardOf(r.board).IsLegalMove(r.fromCol, r.fromRow, r.toCol, r.toRow), r.legal) << r.name;
    EXPECT_THROW(boardOf("").IsLegalMove(1, 1, 1, 9), ControlError);
}

TEST(KingCheck, AttacksFollowThePatterns)
{
    const struct {
        const char* name;
        const char* board;
        PieceNum king;
        bool checked;
    } rows[] = {
        {"rook on open file", "4r3/8/8/8/8/8/8/4K3", wking, true},
        {"rook file blocked", "4r3/8/8/4n3/8/8/8/4K3", wking, false},
        {"black pawn diagonal", "8/8/8/8/8/8/3p4/4K3", wking, true},
        {"black pawn in front", "8/8/8/8/8/8/4p3/4K3", wking, false},
        {"white pawn behind king", "3P4/4k3/8/8/8/8/8/8", Bking, false},
        {"white pawn attacks", "8/4k3/5P2/8/8/8/8/8", Bking, true},
        {"knight", "4k3/8/3N4/8/8/8/8/8", Bking, true},
        {"bishop blocked", "4k3/8/2P5/1B6/8/8/8/8", Bking, false},
        {"enemy king adjacent", "8/8/3kK3/8/8/8/8/8", wking, true},
        {"own pieces do not check", "4R3/8/8/8/8/8/8/4K3", wking, false},
        {"no king at all", "8/8/8/8/8/8/8/8", wking, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(boardOf(r.board).IsKingChecked(r.king), r.checked) << r.name;
    // A missing king is looked for at no square: the first attacker's range check fails. (Asking for a piece that
    // is no king: MemberDispatch.MisuseIsReportedWithTheRightNumber.)
    EXPECT_THROW((void)boardOf("4k3/3r4/8/8/8/8/8/8").IsKingChecked(wking), ControlError);
}
