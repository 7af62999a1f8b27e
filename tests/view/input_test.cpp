// Input: square reports and real mouse input turned into events, drag and drop with
// its three drag styles, and no input at all while the control is disabled.

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "board_look.h"
#include "event_log.h"

using namespace quill;

namespace {

int sq(int col, int row)
{
    return SquareIndex(col, row);
}

struct DropCase {
    const char* name;
    std::int32_t dragStyle;
    bool openDFile; // clear d2 and d7 so the queens see each other
    int from, to;
    const char* event; // expected, or "" for none
    PieceNum fromAfter, toAfter;
};

void PrintTo(const DropCase& c, std::ostream* os)
{
    *os << c.name;
}

class PieceDropping : public ::testing::TestWithParam<DropCase> {};

TEST_P(PieceDropping, DropChangesTheBoardThenReports)
{
    const DropCase& c = GetParam();
    Varnel board;
    board.NewGame();
    if (c.openDFile) {
        board.setPiece(4, 2, None);
        board.setPiece(4, 7, None);
    }
    board.setEnableDrag(true);
    board.setDragStyle(c.dragStyle);
    EventLog log(board);
    board.reportPress(c.from, Varnel::kLeftButton, 0);
    board.reportDrop(c.to);

    EXPECT_EQ(log.events, c.event[0] ? QStringList{QString::fromLatin1(c.event)} : QStringList());
    EXPECT_EQ(board.piece(colOfIndex(c.from), rowOfIndex(c.from)), c.fromAfter);
    EXPECT_EQ(board.piece(colOfIndex(c.to), rowOfIndex(c.to)), c.toAfter);
    EXPECT_FALSE(board.isDragging());
}

INSTANTIATE_TEST_SUITE_P(
    Drops, PieceDropping,
    ::testing::Values(DropCase{"legal_pawn_double_step", DragMove, false, sq(5, 7), sq(5, 5),
                               "PieceDrop 5 7 5 5 1 8 True target 8", None, Wpawn},
                      DropCase{"illegal_pawn_triple_step", DragMove, false, sq(5, 7), sq(5, 4),
                               "PieceDrop 5 7 5 4 1 8 False target 8", None, Wpawn},
                      DropCase{"queen_takes_queen", DragMove, true, sq(4, 8), sq(4, 1),
                               "PieceDrop 4 8 4 1 6 12 True target 12", None, WQueen},
                      DropCase{"copy_keeps_source", DragCopy, false, sq(5, 7), sq(5, 5),
                               "PieceDrop 5 7 5 5 1 8 True target 8", Wpawn, Wpawn},
                      DropCase{"nothing_changes_nothing", DragNothing, false, sq(5, 7), sq(5, 5), "", Wpawn, None},
                      DropCase{"back_on_source", DragMove, false, sq(5, 7), sq(5, 7), "", Wpawn, Wpawn}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoardInput, PressRaisesMouseDownOnlyWithoutDrag)
{
    Varnel board;
    board.NewGame();
    EventLog log(board);
    board.reportPress(sq(5, 7), Varnel::kRightButton, Varnel::kShiftMask, QPointF(3.5, 4));
    EXPECT_EQ(log.events, QStringList{"MouseDown 5 7 b2 s1 @3.5,4"});

    board.setEnableDrag(true);
    board.reportPress(sq(5, 5), Varnel::kLeftButton, 0); // empty: nothing starts
    EXPECT_FALSE(board.isDragging());
    board.reportPress(sq(5, 7), Varnel::kLeftButton, 0);
    EXPECT_TRUE(board.isDragging());
    EXPECT_EQ(board.dragIcon(), board.Picture(Wpawn));
    board.reportMove(sq(5, 6), Varnel::kLeftButton, 0, QPointF(1, 2)); // moves still report during a drag
    EXPECT_EQ(log.events.size(), 2);
    EXPECT_EQ(log.events.last(), "MouseMove 5 6 b1 s0 @1,2");
}

TEST(BoardInput, DragThatEndsOffTheBoardLeavesNothingBehind)
{
    Varnel board;
    board.NewGame();
    board.setEnableDrag(true);
    EventLog log(board);
    board.reportPress(sq(5, 7), Varnel::kLeftButton, 0);
    board.reportDragAbandoned();
    EXPECT_FALSE(board.isDragging());
    EXPECT_TRUE(board.dragIcon().isNull());
    board.reportDrop(sq(5, 5));
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_EQ(board.piece(5, 7), Wpawn);
}

TEST(BoardInput, MousePressWithDragRunsAPlatformDragThatEndsCleanly)
{
    Varnel board;
    board.NewGame();
    board.setEnableDrag(true);
    EventLog log(board);
    // No screen to drop on here: the platform drag ends at once, off the board.
    QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(220, 320));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(220, 320));
    EXPECT_FALSE(board.isDragging());
    EXPECT_TRUE(log.events.filter("MouseDown").isEmpty());
    EXPECT_EQ(board.piece(5, 7), Wpawn);
}

TEST(BoardInput, DisabledBoardRaisesNothing)
{
    Varnel board;
    board.NewGame();
    EventLog log(board);
    board.setEnabled(false);
    board.reportPress(sq(5, 7), Varnel::kLeftButton, 0);
    board.reportMove(sq(5, 7), 0, 0);
    board.reportRelease(sq(5, 7), Varnel::kLeftButton, 0);
    board.reportClick(sq(5, 7));
    board.reportDoubleClick(sq(5, 7));
    board.setEnableDrag(true);
    board.reportPress(sq(5, 7), Varnel::kLeftButton, 0);
    board.reportDrop(sq(5, 5));
    QTest::mouseClick(&board, Qt::LeftButton, {}, QPoint(220, 320));
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_FALSE(board.isDragging());
    EXPECT_EQ(board.piece(5, 7), Wpawn);
}

struct ClickCase {
    const char* name;
    bool rotated;
    int widgetPixels;    // 0: as ChangeBoardSize leaves it
    int boardSizeHalves; // ChangeBoardSize argument at 2 host units per drawing unit, or 0
    QPoint at;
    const char* square;   // the model square reported, "col row"
    const char* position; // units into the square
};

void PrintTo(const ClickCase& c, std::ostream* os)
{
    *os << c.name;
}

class MouseClicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(MouseClicks, ReportModelSquaresWhateverTheRotationAndSize)
{
    const ClickCase& c = GetParam();
    Varnel board;
    board.setHostUnitsPerUnit(2);
    if (c.boardSizeHalves != 0)
        board.ChangeBoardSize(c.boardSizeHalves);
    if (c.widgetPixels != 0)
        board.resize(c.widgetPixels, c.widgetPixels);
    if (c.rotated)
        board.RotateBoard();
    EventLog log(board);
    QTest::mouseClick(&board, Qt::LeftButton, Qt::ShiftModifier, c.at);
    const QString mouse = QStringLiteral(" %1 b1 s1 @%2").arg(c.square, c.position);
    EXPECT_EQ(log.events, (QStringList{"MouseDown" + mouse, "MouseUp" + mouse, QStringLiteral("Click ") + c.square}));
}

// (20, 30) pixels at zoom 2 are (10, 15) units into the square.
INSTANTIATE_TEST_SUITE_P(
    Clicks, MouseClicks,
    ::testing::Values(ClickCase{"rotated_zoom2_top_left_is_h1", true, 784, 0, QPoint(20, 30), "8 8", "10,15"},
                      ClickCase{"unrotated_bottom_right_is_h1", false, 0, 0, QPoint(390, 385), "8 8", "47,42"},
                      ClickCase{"resized_rotated_top_right_is_a1", true, 0, 1600, QPoint(750, 50), "1 8", "50,50"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoardInput, DoubleClickReportsItsSquare)
{
    Varnel board;
    board.RotateBoard();
    EventLog log(board);
    // What the window system sends for a double-click.
    const QPoint at(392 - 10, 392 - 10);
    QTest::mousePress(&board, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&board, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, at);
    EXPECT_EQ(log.events, (QStringList{"MouseDown 1 1 b1 s0 @39,39", "MouseUp 1 1 b1 s0 @39,39", "Click 1 1",
                                       "DblClick 1 1", "MouseUp 1 1 b1 s0 @39,39"}));
}

TEST(BoardInput, PressedSquareKeepsTheMouseUntilRelease)
{
    Varnel board;
    EventLog log(board);
    QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(60, 10));
    // Released over (2,1): the release belongs to (1,1), and it is no click.
    EXPECT_EQ(log.events, (QStringList{"MouseDown 1 1 b1 s0 @10,10", "MouseUp 1 1 b1 s0 @60,10"}));
}

TEST(BoardInput, PieceDropHandlerMayChangeTheBoard)
{
    Varnel board;
    board.NewGame();
    board.setEnableDrag(true);
    // A host that refuses illegal moves puts the piece back from inside its handler.
    QObject::connect(&board, &Varnel::PieceDrop, &board,
                     [&board](qint16 fc, qint16 fr, qint16 tc, qint16 tr, qint32 oldPiece, qint32, bool legal) {
                         if (!legal) {
                             board.MovePiece(tc, tr, fc, fr);
                             board.setPiece(tc, tr, static_cast<PieceNum>(oldPiece));
                         }
                     });
    board.reportPress(sq(2, 8), Varnel::kLeftButton, 0);
    board.reportDrop(sq(2, 7));
    EXPECT_EQ(board.piece(2, 8), Wknight);
    EXPECT_EQ(board.piece(2, 7), Wpawn);
}

} // namespace
