// What the board shows: squares, where pictures sit in each style, the selection
// stipple, rotation, resizing and zoom.

#include <gtest/gtest.h>

#include "board_look.h"

using namespace quill;
using namespace boardlook;

namespace {

// Square (5,8) is at (196,343); a board resized to 784 pixels draws at zoom 2.
TEST(BoardDrawing, KingPictureSitsWhereTheStyleSaysAndScalesWithTheZoom)
{
    const struct {
        std::int32_t style;
        int pictureSide, widgetSide;
        QRect expected;
    } rows[] = {{Modern, 37, 392, QRect(202, 349, 37, 37)},
                {Classic, 49, 392, QRect(196, 343, 49, 49)},
                {3, 37, 392, QRect(196, 343, 37, 37)},
                {Modern, 37, 784, QRect(404, 698, 74, 74)}};
    for (const auto& r : rows) {
        Varnel board;
        board.NewGame();
        board.setBoardStyle(r.style);
        board.setPicture(wking, solidIcon(kRed, r.pictureSide));
        board.RefreshBoard();
        board.resize(r.widgetSide, r.widgetSide);
        EXPECT_EQ(boxOf(grab(board), kRed), r.expected) << "style " << r.style << " at " << r.widgetSide;
    }
}

TEST(BoardDrawing, PictureAcceptsOnlyIconsAndNotInDesignMode)
{
    QImage raster(37, 37, QImage::Format_ARGB32);
    Varnel board;
    const Picture before = board.Picture(Wpawn);
    const auto set = [&](const Picture& p) { return errorNumberOf([&] { board.setPicture(Wpawn, p); }); };
    EXPECT_EQ(set(Picture::fromImage(raster, Picture::Type::Bitmap)), error::NotAnIcon);
    EXPECT_EQ(set(Picture()), error::NotAnIcon);
    board.setDesignMode(true);
    EXPECT_EQ(set(solidIcon(kRed, 37)), error::SetNotSupportedAtDesignTime);
    EXPECT_EQ(board.Picture(Wpawn), before);
}

TEST(BoardDrawing, SelectionStippleCoversTheSquareUntilItIsRedrawn)
{
    Varnel board;
    board.NewGame();
    board.setSelectionColor(0x0000FF); // red, as 0x00BBGGRR
    board.SelectSquare(5, 7);
    const QRect square = cell(4, 6);
    const QImage selected = grab(board);
    int wrong = 0;
    for (int y = 0; y < 49; ++y) {
        for (int x = 0; x < 49; ++x)
            wrong += (selected.pixelColor(square.left() + x, square.top() + y) == kRed) != ((x + y) % 2 == 0);
    }
    EXPECT_EQ(wrong, 0);
    board.MovePiece(5, 7, 5, 5);
    EXPECT_TRUE(boxOf(grab(board), kRed, square).isNull());
    EXPECT_TRUE(board.IsSelected(5, 7));
}

TEST(BoardDrawing, ChangeBoardSizeAndRotationLaySquaresOnTheNewSide)
{
    Varnel board; // in twips by default: the Saver's preview board checks 1600 twips
    EXPECT_THROW(board.ChangeBoardSize(-1), ControlError);
    board.setHostUnitsPerUnit(2); // so that 1600 gives an inner drawing width of 800
    board.setPicture(Wrook, solidIcon(kRed, 37));
    board.setPiece(1, 8, Wrook);
    board.ChangeBoardSize(1600);
    EXPECT_EQ(board.size(), QSize(800, 800));
    QImage image = grab(board);
    EXPECT_EQ(boxOf(image, kRed), QRect(6, 706, 37, 37)); // (1,8) at 0,700
    // Pictures keep their natural size: the rest of the square is margin.
    EXPECT_EQ(image.pixelColor(60, 760), board.palette().color(QPalette::Window));
    board.RotateBoard();
    EXPECT_EQ(boxOf(grab(board), kRed), QRect(706, 6, 37, 37));
    board.RotateBoard();
    EXPECT_EQ(boxOf(grab(board), kRed), QRect(6, 706, 37, 37));
}

TEST(BoardDrawing, CodeWithoutAPictureIsStoredReportedAndLeavesTheRestDrawn)
{
    Varnel board;
    board.NewGame();
    const QImage before = grab(board);
    EXPECT_THROW(board.setPiece(3, 3, static_cast<PieceNum>(0)), ControlError);
    EXPECT_EQ(board.piece(3, 3), 0);
    EXPECT_EQ(grab(board).copy(cell(2, 2)), before.copy(cell(2, 2))); // a plain square
    // A whole-board redraw finishes every square before it reports the one it could not draw.
    board.setPicture(Wpawn, solidIcon(kRed, 37));
    EXPECT_THROW(board.RefreshBoard(), ControlError);
    EXPECT_EQ(boxOf(grab(board), kRed, cell(7, 6)), QRect(7 * 49 + 6, 6 * 49 + 6, 37, 37));
}

} // namespace
