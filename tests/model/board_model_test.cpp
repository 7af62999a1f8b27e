#include <gtest/gtest.h>

#include <functional>

#include "board_model.h"

using namespace quill;

namespace {

std::int32_t errorNumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ControlError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(BoardModel, MisuseCarriesItsNumberAndChangesNothing)
{
    BoardModel board;
    board.NewGame();
    EXPECT_EQ(errorNumberOf([&] { (void)board.piece(0, 1); }), error::InvalidSquareOnRead);
    EXPECT_EQ(errorNumberOf([&] { board.setPiece(0, 1, Wpawn); }), error::InvalidSquare);
    EXPECT_EQ(errorNumberOf([&] { (void)board.IsSelected(1, 9); }), error::InvalidSquare);
    EXPECT_EQ(errorNumberOf([&] { board.setSelected(9, 1, true); }), error::InvalidSquare);
    // Both squares are checked before anything moves.
    EXPECT_EQ(errorNumberOf([&] { board.MovePiece(1, 1, 9, 1); }), error::InvalidSquare);
    EXPECT_EQ(board.piece(1, 1), Brook);
    board.setDesignMode(true);
    EXPECT_EQ(errorNumberOf([&] { board.setPiece(1, 1, Wpawn); }), 382);
    EXPECT_EQ(board.piece(1, 1), Brook);
}

TEST(BoardModel, MovePieceMovesExactlyOneCodeAndLeavesSelectionAlone)
{
    BoardModel board;
    board.setSelected(2, 3, true);
    board.NewGame();
    board.setPiece(6, 8, None);
    board.setPiece(7, 8, None);
    board.MovePiece(5, 8, 7, 8); // a king's two steps are not castling here
    EXPECT_EQ(board.piece(7, 8), wking);
    EXPECT_EQ(board.piece(8, 8), Wrook);
    board.MovePiece(2, 1, 2, 1); // onto itself: the square ends empty
    EXPECT_EQ(board.piece(2, 1), None);
    board.setPiece(3, 3, static_cast<PieceNum>(0)); // any value is stored
    EXPECT_EQ(board.piece(3, 3), 0);
    board.Clear();
    EXPECT_TRUE(board.IsSelected(2, 3));
}
