// Input: square reports and real mouse input turned into events, drag and drop with
// its three drag styles, and no input at all while the control is disabled.

#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "board_look.h"
#include "event_log.h"

using namespace quill;

namespace {

int sq(int col, int row)
{
    return SquareIndex(col, row);
}

TEST(BoardInput, DropChangesTheBoardThenReports)
{
    const struct {
        const char* name;
        std::int32_t dragStyle;
        int from, to;
        const char* event; // expected, or "" for none
        PieceNum fromAfter, toAfter;
    } rows[] = {
        {"legal pawn double step", DragMove, sq(5, 7), sq(5, 5), "PieceDrop 5 7 5 5 1 8 True target 8", None, Wpawn},
        {"illegal pawn triple step", DragMove, sq(5, 7), sq(5, 4), "PieceDrop 5 7 5 4 1 8 False target 8", None, Wpawn},
        {"queen takes queen", DragMove, sq(4, 8), sq(4, 1), "PieceDrop 4 8 4 1 6 12 True target 12", None, WQueen},
        {"copy keeps the source", DragCopy, sq(5, 7), sq(5, 5), "PieceDrop 5 7 5 5 1 8 True target 8", Wpawn, Wpawn},
        {"nothing changes nothing", DragNothing, sq(5, 7), sq(5, 5), "", Wpawn, None},
        {"back on the source", DragMove, sq(5, 7), sq(5, 7), "", Wpawn, Wpawn},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Varnel board;
        board.NewGame();
        board.setPiece(4, 2, None); // the queens see each other
        board.setPiece(4, 7, None);
        board.setEnableDrag(true);
        board.setDragStyle(r.dragStyle);
        EventLog log(board);
        board.reportPress(r.from, Varnel::kLeftButton, 0);
        board.reportDrop(r.to);
        EXPECT_EQ(log.events, r.event[0] ? QStringList{QString::fromLatin1(r.event)} : QStringList());
        EXPECT_EQ(board.piece(colOfIndex(r.from), rowOfIndex(r.from)), r.fromAfter);
        EXPECT_EQ(board.piece(colOfIndex(r.to), rowOfIndex(r.to)), r.toAfter);
        EXPECT_FALSE(board.isDragging());
    }
}

TEST(BoardInput, PressRaisesMouseDownOnlyWithoutDragAndAnAbandonedDragLeavesNothing)
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
    EXPECT_EQ(board.dragIcon(), board.Picture(Wpawn));
    board.reportMove(sq(5, 6), Varnel::kLeftButton, 0, QPointF(1, 2)); // moves still report during a drag
    EXPECT_EQ(log.events, (QStringList{"MouseDown 5 7 b2 s1 @3.5,4", "MouseMove 5 6 b1 s0 @1,2"}));
    board.reportDragAbandoned();
    EXPECT_FALSE(board.isDragging());
    EXPECT_TRUE(board.dragIcon().isNull());
    board.reportDrop(sq(5, 5));
    EXPECT_EQ(log.events.size(), 2);
    EXPECT_EQ(board.piece(5, 7), Wpawn);
    // A real press starts a platform drag; with no screen to drop on it ends at once, off the board.
    QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(220, 320));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(220, 320));
    EXPECT_FALSE(board.isDragging());
    EXPECT_EQ(log.events.filter("MouseDown").size(), 1);
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
    EXPECT_EQ(board.piece(5, 7), Wpawn);
}

TEST(BoardInput, ClicksReportModelSquaresWhateverTheRotationAndSize)
{
    // The events of a Shift-click at `at` on a turned board of 2 host units per drawing unit, sized by `size`.
    const auto click = [](const std::function<void(Varnel&)>& size, QPoint at) {
        Varnel board;
        board.setHostUnitsPerUnit(2);
        size(board);
        board.RotateBoard();
        EventLog log(board);
        QTest::mouseClick(&board, Qt::LeftButton, Qt::ShiftModifier, at);
        return log.events;
    };
    // At zoom 2 the top left is h1, and (20, 30) pixels are (10, 15) units into it.
    EXPECT_EQ(click([](Varnel& b) { b.resize(784, 784); }, {20, 30}),
              (QStringList{"MouseDown 8 8 b1 s1 @10,15", "MouseUp 8 8 b1 s1 @10,15", "Click 8 8"}));
    // Resized by ChangeBoardSize, the top right is a1.
    EXPECT_EQ(click([](Varnel& b) { b.ChangeBoardSize(1600); }, {750, 50}),
              (QStringList{"MouseDown 1 8 b1 s1 @50,50", "MouseUp 1 8 b1 s1 @50,50", "Click 1 8"}));
}

TEST(BoardInput, DoubleClickAndAReleaseElsewhere)
{
    Varnel board;
    EventLog log(board);
    // What the window system sends for a double-click.
    const QPoint at(382, 382);
    QTest::mousePress(&board, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&board, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, at);
    EXPECT_EQ(log.events, (QStringList{"MouseDown 8 8 b1 s0 @39,39", "MouseUp 8 8 b1 s0 @39,39", "Click 8 8",
                                       "DblClick 8 8", "MouseUp 8 8 b1 s0 @39,39"}));
    // Released over (2,1): the release belongs to (1,1), and it is no click.
    log.events.clear();
    QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(log.events, (QStringList{"MouseDown 1 1 b1 s0 @10,10", "MouseUp 1 1 b1 s0 @60,10"}));
}

} // namespace
