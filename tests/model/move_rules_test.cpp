#include <gtest/gtest.h>

#include "board_fixture.h"

using namespace quill;
using testutil::setUp;

namespace {

struct MoveCase {
    const char* name;
    const char* board; // 64 squares, rank 8 first; "" = initial position
    int fromCol, fromRow, toCol, toRow;
    bool legal;
};

// Named rows, each a rule that a decoder or the editor depends on.
const MoveCase kMoves[] = {
    {"white pawn single step", "", 5, 7, 5, 6, true},
    {"white pawn double step", "", 5, 7, 5, 5, true},
    {"white pawn triple step", "", 5, 7, 5, 4, false},
    {"white pawn backwards", "", 5, 7, 5, 8, false},
    {"black pawn double step", "", 5, 2, 5, 4, true},
    {"black pawn single step", "", 5, 2, 5, 3, true},
    {"knight b1-c3", "", 2, 8, 3, 6, true},
    {"knight onto own pawn", "", 2, 8, 4, 7, false},
    {"rook blocked by own pawn", "", 1, 8, 1, 6, false},
    {"bishop blocked", "", 6, 8, 3, 5, false},
    {"empty square moves nowhere", "", 1, 4, 1, 5, false},
    {"double step over a piece", "........ ........ ........ ........ ........ ....n... ....P... ........", 5, 7, 5, 5,
     false},
    {"double step not from start row", "........ ........ ........ ........ ........ ....P... ........ ........", 5, 6,
     5, 4, false},
    {"pawn cannot capture straight", "........ ........ ........ ........ ....p... ....P... ........ ........", 5, 6, 5,
     5, false},
    {"white pawn captures black", "........ ........ ........ ........ ........ .p...... P....... ........", 1, 7, 2, 6,
     true},
    {"white pawn onto white piece", "........ ........ ........ ........ ........ .N...... P....... ........", 1, 7, 2,
     6, false},
    {"white pawn diagonal onto empty", "........ ........ ........ ........ ........ ........ P....... ........", 1, 7,
     2, 6, false},
    {"no en passant", "........ ........ ........ ...Pp... ........ ........ ........ ........", 4, 4, 5, 3, false},
    {"black pawn captures white", "........ .p...... ..R..... ........ ........ ........ ........ ........", 2, 2, 3, 3,
     true},
    {"pawn may reach the last row", "........ P....... ........ ........ ........ ........ ........ ........", 1, 2, 1,
     1, true},
    {"king one step", "........ ........ ........ ...K.... ........ ........ ........ ........", 4, 4, 5, 5, true},
    {"king two columns is no castling", "........ ........ ........ ........ ........ ........ ........ ....K..R", 5, 8,
     7, 8, false},
    {"king captures enemy", "........ ........ ........ ...Kr... ........ ........ ........ ........", 4, 4, 5, 4,
     true},
    {"king onto own piece", "........ ........ ........ ...KR... ........ ........ ........ ........", 4, 4, 5, 4,
     false},
    {"knight jumps over pieces", "", 7, 1, 6, 3, true},
    {"knight odd shape", "........ ........ ........ ...N.... ........ ........ ........ ........", 4, 4, 6, 6, false},
    {"bishop long diagonal", "B....... ........ ........ ........ ........ ........ ........ .......r", 1, 1, 8, 8,
     true},
    {"bishop blocked midway", "B....... ........ ..p..... ........ ........ ........ ........ ........", 1, 1, 5, 5,
     false},
    {"bishop captures the blocker", "B....... ........ ..p..... ........ ........ ........ ........ ........", 1, 1, 3,
     3, true},
    {"bishop straight", "........ ........ ........ ...B.... ........ ........ ........ ........", 4, 4, 4, 6, false},
    {"rook along row", "r......R ........ ........ ........ ........ ........ ........ ........", 8, 1, 1, 1, true},
    {"rook along row blocked", "r..n...R ........ ........ ........ ........ ........ ........ ........", 8, 1, 1, 1,
     false},
    {"rook along column", "R....... ........ ........ ........ ........ ........ ........ r.......", 1, 1, 1, 8, true},
    {"rook diagonal", "R....... ........ ........ ........ ........ ........ ........ ........", 1, 1, 3, 3, false},
    {"black rook onto black", "r......b ........ ........ ........ ........ ........ ........ ........", 1, 1, 8, 1,
     false},
    {"queen diagonal", "........ ........ ........ ...q.... ........ ........ ........ .......R", 4, 4, 8, 8, true},
    {"queen column blocked", "...P.... ........ ...p.... ...Q.... ........ ........ ........ ........", 4, 4, 4, 1,
     false},
    {"queen knight shape", "........ ........ ........ ...Q.... ........ ........ ........ ........", 4, 4, 5, 6,
     false},
    {"queen adjacent", "........ ........ ........ ...Qp... ........ ........ ........ ........", 4, 4, 5, 4, true},
};

} // namespace

TEST(MoveRules, PatternTable)
{
    for (const MoveCase& c : kMoves) {
        BoardModel board;
        if (*c.board)
            setUp(board, c.board);
        else
            board.NewGame();
        EXPECT_EQ(board.IsLegalMove(static_cast<std::int16_t>(c.fromCol), static_cast<std::int16_t>(c.fromRow),
                                    static_cast<std::int16_t>(c.toCol), static_cast<std::int16_t>(c.toRow)),
                  c.legal)
            << c.name;
    }
}

TEST(MoveRules, SameSquareIsFalseBeforeTheRangeCheck)
{
    BoardModel board;
    board.NewGame();
    EXPECT_FALSE(board.IsLegalMove(3, 3, 3, 3));
    EXPECT_FALSE(board.IsLegalMove(9, 9, 9, 9));
    EXPECT_THROW(board.IsLegalMove(0, 1, 1, 1), ControlError);
    EXPECT_THROW(board.IsLegalMove(1, 1, 1, 9), ControlError);
    board.Clear();
    EXPECT_FALSE(board.IsLegalMove(1, 1, 1, 2));
}

TEST(MoveRules, OddCodesMoveNowhere)
{
    BoardModel board;
    board.setPiece(4, 4, static_cast<PieceNum>(14));
    board.setPiece(5, 5, static_cast<PieceNum>(0));
    EXPECT_FALSE(board.IsLegalMove(4, 4, 4, 5));
    EXPECT_FALSE(board.IsLegalMove(5, 5, 5, 4));
}

TEST(KingCheck, AttacksFollowThePatterns)
{
    struct Case {
        const char* name;
        const char* board;
        PieceNum king;
        bool checked;
    } cases[] = {
        {"rook on open file", "....r... ........ ........ ........ ........ ........ ........ ....K...", wking, true},
        {"rook file blocked", "....r... ........ ........ ....n... ........ ........ ........ ....K...", wking, false},
        {"black pawn diagonal", "........ ........ ........ ........ ........ ........ ...p.... ....K...", wking, true},
        {"black pawn in front", "........ ........ ........ ........ ........ ........ ....p... ....K...", wking,
         false},
        {"white pawn behind king", "...P.... ....k... ........ ........ ........ ........ ........ ........", Bking,
         false},
        {"white pawn attacks", "........ ....k... .....P.. ........ ........ ........ ........ ........", Bking, true},
        {"knight", "....k... ........ ...N.... ........ ........ ........ ........ ........", Bking, true},
        {"bishop blocked", "....k... ........ ..P..... .B...... ........ ........ ........ ........", Bking, false},
        {"enemy king adjacent", "........ ........ ...kK... ........ ........ ........ ........ ........", wking, true},
        {"own pieces do not check", "....R... ........ ........ ........ ........ ........ ........ ....K...", wking,
         false},
    };
    for (const Case& c : cases) {
        BoardModel board;
        setUp(board, c.board);
        EXPECT_EQ(board.IsKingChecked(c.king), c.checked) << c.name;
    }
}

TEST(KingCheck, MisuseAndMissingKings)
{
    BoardModel board;
    EXPECT_FALSE(board.IsKingChecked(wking)); // empty board
    try {
        (void)board.IsKingChecked(WQueen);
        FAIL();
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number(), error::NotAKing);
        EXPECT_EQ(e.description(), "The specified piece is not a king");
    }
    setUp(board, "....k... ...r.... ........ ........ ........ ........ ........ ........");
    try {
        (void)board.IsKingChecked(wking);
        FAIL();
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number(), error::InvalidSquare);
    }
}

TEST(KingCheck, AskingChangesNothing)
{
    BoardModel board;
    board.NewGame();
    board.setSelected(1, 1, true);
    (void)board.IsKingChecked(wking);
    (void)board.IsLegalMove(5, 7, 5, 5);
    BoardModel fresh;
    fresh.NewGame();
    for (int k = 1; k <= 64; ++k)
        EXPECT_EQ(board.codeAt(k), fresh.codeAt(k));
    EXPECT_TRUE(board.IsSelected(1, 1));
}
