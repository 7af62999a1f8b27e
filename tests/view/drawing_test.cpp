// What the board shows: squares, where pictures sit in each style, the selection
// stipple, rotation, resizing and zoom.

#include <gtest/gtest.h>

#include "board_look.h"

using namespace quill;
using namespace boardlook;

namespace {

TEST(BoardDrawing, NewBoardIsEmptyAndCheckered)
{
    Varnel board;
    const QImage image = grab(board);
    ASSERT_EQ(image.size(), QSize(392, 392));
    const QColor light = image.pixelColor(24, 24), dark = image.pixelColor(24 + 49, 24);
    EXPECT_NE(light, dark);
    for (int index = 1; index <= 64; ++index) {
        const QRect square = cell(colOfIndex(index) - 1, rowOfIndex(index) - 1);
        EXPECT_EQ(image.pixelColor(square.left() + 3, square.bottom() - 3),
                  (colOfIndex(index) + rowOfIndex(index)) % 2 == 0 ? light : dark)
            << index;
    }
}

TEST(BoardDrawing, KingPictureSitsWhereTheStyleSays)
{
    const struct {
        std::int32_t style;
        int pictureSide;
        QRect expected; // square (5,8) is at (196,343)
    } rows[] = {{Modern, 37, QRect(202, 349, 37, 37)},
                {Classic, 49, QRect(196, 343, 49, 49)},
                {3, 37, QRect(196, 343, 37, 37)}};
    for (const auto& r : rows) {
        Varnel board;
        board.NewGame();
        board.setBoardStyle(r.style);
        board.setPicture(wking, solidIcon(kRed, r.pictureSide));
        board.RefreshBoard();
        EXPECT_EQ(boxOf(grab(board), kRed), r.expected) << "style " << r.style;
    }
}

TEST(BoardDrawing, NewPicturesShowOnRedrawAndEachStyleRedrawsWithItsOwnSet)
{
    Varnel board;
    board.NewGame();
    const QImage modern = grab(board);
    board.setPicture(Wpawn, solidIcon(kRed, 37));
    EXPECT_TRUE(boxOf(grab(board), kRed).isNull());
    board.RefreshBoard();
    const QImage refreshed = grab(board);
    for (int col = 0; col < 8; ++col)
        EXPECT_EQ(boxOf(refreshed, kRed, cell(col, 6)), QRect(col * 49 + 6, 6 * 49 + 6, 37, 37)) << col;

    board.setBoardStyle(Classic);
    const QImage classic = grab(board);
    EXPECT_TRUE(boxOf(classic, kRed).isNull());
    for (int index = 1; index <= 64; ++index) {
        const QRect square = cell(colOfIndex(index) - 1, rowOfIndex(index) - 1);
        if (board.piece(static_cast<qint16>(colOfIndex(index)), static_cast<qint16>(rowOfIndex(index))) != None) {
            EXPECT_NE(modern.copy(square), classic.copy(square)) << index;
        }
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
    Varnel twips;
    EXPECT_THROW(twips.ChangeBoardSize(-1), ControlError);
    twips.ChangeBoardSize(1600); // twips by default
    EXPECT_EQ(twips.size(), QSize(107, 107));
    Varnel board;
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

TEST(BoardDrawing, ZoomScalesSquaresAndPictures)
{
    Varnel board;
    board.NewGame();
    board.setPicture(wking, solidIcon(kRed, 37));
    board.RefreshBoard();
    board.resize(784, 784);
    const QImage image = grab(board);
    EXPECT_EQ(boxOf(image, kRed), QRect(2 * 202, 2 * 349, 74, 74));
    EXPECT_EQ(image.pixelColor(97, 200), image.pixelColor(2, 200));
    EXPECT_NE(image.pixelColor(99, 200), image.pixelColor(2, 200));
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
