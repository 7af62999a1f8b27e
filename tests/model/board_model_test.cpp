#include <gtest/gtest.h>

#include <vector>

#include "board_model.h"

using namespace quill;

namespace {

struct RecordingObserver : BoardObserver {
    std::vector<int> redrawn;
    std::vector<std::string> properties;
    void squareChanged(int index) override { redrawn.push_back(index); }
    void propertyChanged(const char* name) override { properties.emplace_back(name); }
};

template <typename F> std::int32_t errorNumberOf(F&& f)
{
    try {
        f();
    } catch (const ControlError& e) {
        EXPECT_EQ(e.description(), "Invalid column or row");
        return e.number();
    }
    return 0;
}

} // namespace

TEST(BoardModel, StartsEmptyAndNewGameSetsTheInitialPosition)
{
    BoardModel board;
    for (int k = 1; k <= 64; ++k)
        EXPECT_EQ(board.codeAt(k), None);
    board.NewGame();
    const PieceNum black[8] = {Brook, Bknight, Bbishop, BQueen, Bking, Bbishop, Bknight, Brook};
    const PieceNum white[8] = {Wrook, Wknight, Wbishop, WQueen, wking, Wbishop, Wknight, Wrook};
    for (std::int16_t col = 1; col <= 8; ++col) {
        EXPECT_EQ(board.piece(col, 1), black[col - 1]);
        EXPECT_EQ(board.piece(col, 2), Bpawn);
        for (std::int16_t row = 3; row <= 6; ++row)
            EXPECT_EQ(board.piece(col, row), None);
        EXPECT_EQ(board.piece(col, 7), Wpawn);
        EXPECT_EQ(board.piece(col, 8), white[col - 1]);
    }
}

TEST(BoardModel, EveryChangeGoesThroughOneSquareRedraw)
{
    BoardModel board;
    RecordingObserver view;
    board.setObserver(&view);
    board.NewGame();
    EXPECT_EQ(view.redrawn.size(), 64u + 32u);
    view.redrawn.clear();
    board.MovePiece(5, 7, 5, 5);
    EXPECT_EQ(view.redrawn, (std::vector<int>{SquareIndex(5, 5), SquareIndex(5, 7)}));
    view.redrawn.clear();
    board.setPiece(3, 3, Wknight);
    EXPECT_EQ(view.redrawn, std::vector<int>{SquareIndex(3, 3)});
    EXPECT_EQ(view.properties, std::vector<std::string>{"Piece"});
    EXPECT_EQ(board.persistedPieceValue(), Wknight);
}

TEST(BoardModel, RangeErrorsCarryTheirNumbersAndChangeNothing)
{
    BoardModel board;
    board.NewGame();
    EXPECT_EQ(errorNumberOf([&] { (void)board.piece(0, 1); }), error::InvalidSquareOnRead);
    EXPECT_EQ(errorNumberOf([&] { board.setPiece(0, 1, Wpawn); }), error::InvalidSquare);
    EXPECT_EQ(errorNumberOf([&] { (void)board.IsSelected(1, 9); }), error::InvalidSquare);
    EXPECT_EQ(errorNumberOf([&] { board.setSelected(9, 1, true); }), error::InvalidSquare);
    // Both squares are checked before anything moves.
    EXPECT_EQ(errorNumberOf([&] { board.MovePiece(9, 1, 1, 1); }), error::InvalidSquare);
    EXPECT_EQ(errorNumberOf([&] { board.MovePiece(1, 1, 9, 1); }), error::InvalidSquare);
    EXPECT_EQ(board.piece(1, 1), Brook);
}

TEST(BoardModel, PieceLetStoresAnyValueAndIsRefusedInDesignMode)
{
    BoardModel board;
    board.setPiece(3, 3, static_cast<PieceNum>(0));
    EXPECT_EQ(board.piece(3, 3), 0);
    board.setDesignMode(true);
    try {
        board.setPiece(3, 3, Wpawn);
        FAIL() << "no error in design mode";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number(), 382);
    }
    EXPECT_EQ(board.piece(3, 3), 0);
}

TEST(BoardModel, MovePieceMovesExactlyOneCode)
{
    BoardModel board;
    board.NewGame();
    board.MovePiece(5, 7, 5, 5);
    EXPECT_EQ(board.piece(5, 7), None);
    EXPECT_EQ(board.piece(5, 5), Wpawn);

    board.MovePiece(1, 3, 1, 4); // empty onto empty
    EXPECT_EQ(board.piece(1, 3), None);
    EXPECT_EQ(board.piece(1, 4), None);

    board.setPiece(6, 8, None);
    board.setPiece(7, 8, None);
    board.MovePiece(5, 8, 7, 8); // a king's two steps are not castling here
    EXPECT_EQ(board.piece(7, 8), wking);
    EXPECT_EQ(board.piece(8, 8), Wrook);

    board.MovePiece(2, 1, 2, 1); // onto itself: the square ends empty
    EXPECT_EQ(board.piece(2, 1), None);
}

TEST(BoardModel, SelectionFlagsAreLeftAloneByPositionChanges)
{
    BoardModel board;
    board.setSelected(2, 3, true);
    EXPECT_TRUE(board.IsSelected(2, 3));
    board.NewGame();
    board.MovePiece(2, 2, 2, 3);
    board.Clear();
    EXPECT_TRUE(board.IsSelected(2, 3));
    board.setSelected(2, 3, false);
    EXPECT_FALSE(board.IsSelected(2, 3));
}
