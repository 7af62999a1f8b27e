// What the board shows: squares, where pictures sit in each style, the selection
// stipple, rotation, resizing and zoom.

#include <gtest/gtest.h>

#include "board_look.h"

using namespace quill;
using boardlook::at;
using boardlook::boxOf;
using boardlook::cell;
using boardlook::grab;
using boardlook::solidIcon;

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

TEST(BoardDrawing, NewBoardIsEmptyAndCheckered)
{
    Varnel board;
    const QImage image = grab(board);
    ASSERT_EQ(image.size(), QSize(392, 392));
    const QColor light = at(image, 24, 24);     // (1,1), a8
    const QColor dark = at(image, 24 + 49, 24); // (2,1)
    EXPECT_NE(light, dark);
    for (int row = 1; row <= 8; ++row) {
        for (int col = 1; col <= 8; ++col) {
            const QRect square = cell(col - 1, row - 1);
            const QColor expected = (col + row) % 2 == 0 ? light : dark;
            EXPECT_EQ(at(image, square.center().x(), square.center().y()), expected) << col << "," << row;
            EXPECT_EQ(at(image, square.left() + 3, square.bottom() - 3), expected) << col << "," << row;
        }
    }
}

struct StyleCase {
    const char* name;
    std::int32_t style;
    int pictureSide;
    QRect expected; // where the white king's picture shows, square (5,8) being at (196,343)
};

void PrintTo(const StyleCase& c, std::ostream* os)
{
    *os << c.name;
}

class PiecePlacement : public ::testing::TestWithParam<StyleCase> {};

TEST_P(PiecePlacement, KingPictureSitsWhereTheStyleSays)
{
    const StyleCase& c = GetParam();
    Varnel board;
    board.NewGame();
    board.setBoardStyle(c.style);
    board.setPicture(wking, solidIcon(kRed, c.pictureSide));
    board.RefreshBoard();
    const QImage image = grab(board);
    EXPECT_EQ(boxOf(image, kRed, image.rect()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Styles, PiecePlacement,
                         ::testing::Values(StyleCase{"Modern_at_6_6", Modern, 37, QRect(202, 349, 37, 37)},
                                           StyleCase{"Classic_at_0_0", Classic, 49, QRect(196, 343, 49, 49)},
                                           StyleCase{"OtherStyle_at_0_0", 3, 37, QRect(196, 343, 37, 37)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BoardDrawing, ClassicStyleRedrawsEveryPieceFromItsOwnSet)
{
    Varnel board;
    board.NewGame();
    const QImage modern = grab(board);
    board.setBoardStyle(Classic);
    const QImage classic = grab(board);
    for (int index = 1; index <= 64; ++index) {
        const int col = colOfIndex(index);
        const int row = rowOfIndex(index);
        const QRect square = cell(col - 1, row - 1);
        const bool same = modern.copy(square) == classic.copy(square);
        // Pieces change their look; empty squares may or may not.
        if (board.piece(static_cast<qint16>(col), static_cast<qint16>(row)) != None) {
            EXPECT_FALSE(same) << col << "," << row;
        }
    }
}

TEST(BoardDrawing, NewPictureShowsOnlyOnRedrawnSquaresUntilTheStyleIsSetAgain)
{
    Varnel board;
    board.NewGame();
    board.setPicture(Wpawn, solidIcon(kRed, 37));
    EXPECT_TRUE(boxOf(grab(board), kRed, QRect(0, 0, 392, 392)).isNull());

    board.RefreshBoard();
    const QImage refreshed = grab(board);
    for (int col = 1; col <= 8; ++col)
        EXPECT_EQ(boxOf(refreshed, kRed, cell(col - 1, 6)), QRect((col - 1) * 49 + 6, 6 * 49 + 6, 37, 37)) << col;

    board.setBoardStyle(Modern);
    EXPECT_TRUE(boxOf(grab(board), kRed, QRect(0, 0, 392, 392)).isNull());
}

TEST(BoardDrawing, PictureAcceptsOnlyIcons)
{
    struct Case {
        const char* name;
        Picture picture;
        bool designMode;
        std::int32_t number;
    };
    QImage raster(37, 37, QImage::Format_ARGB32);
    raster.fill(kRed);
    const Case cases[] = {
        {"bitmap", Picture::fromImage(raster, Picture::Type::Bitmap), false, error::NotAnIcon},
        {"no picture", Picture(), false, error::NotAnIcon},
        {"icon in design mode", solidIcon(kRed, 37), true, error::SetNotSupportedAtDesignTime},
    };
    for (const Case& c : cases) {
        Varnel board;
        board.setDesignMode(c.designMode);
        const Picture before = board.Picture(Wpawn);
        try {
            board.setPicture(Wpawn, c.picture);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.number(), c.number) << c.name;
            if (c.number == error::NotAnIcon) {
                EXPECT_EQ(e.description(), "Invalid Picture, The picture Property accepts only icons");
            }
        }
        EXPECT_EQ(board.Picture(Wpawn), before) << c.name;
    }
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
        for (int x = 0; x < 49; ++x) {
            const bool red = at(selected, square.left() + x, square.top() + y) == kRed;
            wrong += red != ((x + y) % 2 == 0);
        }
    }
    EXPECT_EQ(wrong, 0);

    board.MovePiece(5, 7, 5, 5);
    EXPECT_TRUE(boxOf(grab(board), kRed, square).isNull());
    EXPECT_TRUE(board.IsSelected(5, 7));
    board.UnSelectSquare(5, 7);
    EXPECT_FALSE(board.IsSelected(5, 7));
    EXPECT_THROW(board.SelectSquare(0, 7), ControlError);
}

TEST(BoardDrawing, RotationTurnsTheCornersAndTwiceReturns)
{
    Varnel board;
    board.setPicture(Brook, solidIcon(kRed, 37));
    board.setPicture(Wrook, solidIcon(kGreen, 37));
    board.setPiece(1, 1, Brook);
    board.setPiece(8, 8, Wrook);
    const QRect topLeft = cell(0, 0);
    const QRect bottomRight = cell(7, 7);
    for (int turns = 0; turns <= 2; ++turns) {
        const QImage image = grab(board);
        const bool rotated = turns % 2 == 1;
        EXPECT_FALSE(boxOf(image, rotated ? kGreen : kRed, topLeft).isNull()) << turns;
        EXPECT_FALSE(boxOf(image, rotated ? kRed : kGreen, bottomRight).isNull()) << turns;
        board.RotateBoard();
    }
}

TEST(BoardDrawing, ChangeBoardSizeLaysSquaresOnTheNewSideInEitherOrientation)
{
    Varnel board;
    board.setHostUnitsPerUnit(2); // so that 1600 gives an inner drawing width of 800
    board.NewGame();
    board.setPicture(Wrook, solidIcon(kRed, 37));
    board.RefreshBoard();
    board.ChangeBoardSize(1600);
    EXPECT_EQ(board.size(), QSize(800, 800));
    EXPECT_DOUBLE_EQ(board.squareSide(), 100.0);

    QImage image = grab(board);
    EXPECT_EQ(boxOf(image, kRed, cell(7, 7, 100)), QRect(706, 706, 37, 37)); // (8,8) at 700,700
    EXPECT_EQ(boxOf(image, kRed, cell(0, 7, 100)), QRect(6, 706, 37, 37));
    // Pictures keep their natural size: the rest of the square is margin.
    EXPECT_EQ(at(image, 760, 760), board.palette().color(QPalette::Window));

    board.RotateBoard();
    image = grab(board);
    EXPECT_EQ(boxOf(image, kRed, cell(0, 0, 100)), QRect(6, 6, 37, 37));
    EXPECT_EQ(boxOf(image, kRed, cell(7, 0, 100)), QRect(706, 6, 37, 37));
}

TEST(BoardDrawing, ChangeBoardSizeTakesTwipsByDefault)
{
    Varnel board;
    board.ChangeBoardSize(5880);
    EXPECT_EQ(board.size(), QSize(392, 392));
    EXPECT_DOUBLE_EQ(board.squareSide(), 49.0);
    board.ChangeBoardSize(1600);
    EXPECT_NEAR(board.squareSide(), 13.333, 0.001);
    EXPECT_EQ(board.size(), QSize(107, 107));
    EXPECT_THROW(board.ChangeBoardSize(-1), ControlError);
}

TEST(BoardDrawing, ZoomScalesSquaresAndPictures)
{
    Varnel board;
    board.NewGame();
    board.setPicture(wking, solidIcon(kRed, 37));
    board.RefreshBoard();
    board.resize(784, 784);
    const QImage image = grab(board);
    EXPECT_EQ(boxOf(image, kRed, image.rect()), QRect(2 * 202, 2 * 349, 74, 74));
    const QColor light = at(image, 2, 200); // (1,3)
    EXPECT_EQ(at(image, 97, 200), light);
    EXPECT_NE(at(image, 99, 200), light);
}

TEST(BoardDrawing, CodeWithoutAPictureIsStoredReportedAndLeavesTheRestDrawn)
{
    Varnel board;
    board.NewGame();
    const QImage before = grab(board);
    try {
        board.setPiece(3, 3, static_cast<PieceNum>(0));
        ADD_FAILURE() << "accepted";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number(), 9);
    }
    EXPECT_EQ(board.piece(3, 3), 0);
    EXPECT_EQ(grab(board).copy(cell(2, 2)), before.copy(cell(2, 2))); // a plain square

    // A whole-board redraw finishes every square before it reports the one it could not draw.
    board.setPicture(Wpawn, solidIcon(kRed, 37));
    EXPECT_THROW(board.RefreshBoard(), ControlError);
    EXPECT_EQ(boxOf(grab(board), kRed, cell(7, 6)), QRect(7 * 49 + 6, 6 * 49 + 6, 37, 37));
}

} // namespace
