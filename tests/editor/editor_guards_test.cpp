// What the game editor must not lose or garble: a click-then-drag, moves left
// behind by Esc, a replay clicked or dragged into, a big window.

#include <QApplication>
#include <QChildEvent>
#include <QScrollBar>
#include <functional>
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace {

using edtest::Editor;
using edtest::lines;

// Runs `onDrag` when the board begins a drag that the window system would carry out.
class DragWatch : public QObject {
public:
    DragWatch(QWidget* board, std::function<void()> onDrag) : onDrag_(std::move(onDrag))
    {
        board->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The drag object is still being built here, so it is known only as no widget.
        if (event->type() == QEvent::ChildAdded && !static_cast<QChildEvent*>(event)->child()->isWidgetType())
            onDrag_();
        return false;
    }

private:
    std::function<void()> onDrag_;
};

TEST(EditorGuards, ASecondPressThatArrivesAsADoubleClickStillDrags)
{
    Editor e;
    e.form->show();
    quill::Varnel& board = e.form->board();
    const QPoint e2 = board.squareGeometry(edtest::squareOf("e2")).center().toPoint();
    QTest::mouseClick(&board, Qt::LeftButton, {}, e2);
    // The drag the window system runs for the second press ends on e4.
    const DragWatch watch(&board, [&board] { board.reportDrop(edtest::squareOf("e4")); });
    QTest::mouseDClick(&board, Qt::LeftButton, {}, e2);
    EXPECT_EQ(e.white(1), "1. e4");
}

TEST(EditorGuards, ClosingAsksBeforeChangedMovesAreLost)
{
    const std::vector<std::pair<const char*, std::function<void(Editor&)>>> ways = {
        {"Esc", [](Editor& e) { QTest::keyClick(e.form.get(), Qt::Key_Escape); }},
        {"close box", [](Editor& e) { e.form->close(); }},
        {"Cancel", [](Editor& e) { e.click(e.button("Command2")); }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        Editor e;
        e.load(lines("e4 e5"));
        e.form->show();
        close(e); // nothing changed: no question
        EXPECT_FALSE(e.form->isVisible());
        EXPECT_TRUE(e.dialogs.messages.empty());

        e.form->show();
        e.drag("g1", "f3");
        e.dialogs.answers = {morvane::MsgAnswer::No};
        close(e);
        ASSERT_EQ(e.dialogs.messages.size(), 1u);
        EXPECT_EQ(e.dialogs.messages[0].buttons, morvane::MsgButtons::YesNo);
        EXPECT_TRUE(e.form->isVisible());
        close(e); // Yes
        EXPECT_FALSE(e.form->isVisible());
    }
}

TEST(EditorGuards, BoardMoveLabelsAndTheirScrollBarWaitForTheReplay)
{
    Editor e;
    e.form->loadMoveLines(lines("e4 e5 Nf3 Nc6 Bb5 a6"));
    e.form->Timer2_Timer();
    e.form->Timer2_Timer();
    EXPECT_TRUE(e.form->isLoading());
    EXPECT_FALSE(e.form->findChild<QScrollBar*>("ListScroll")->isEnabled());
    QTest::mouseClick(e.label(true, 1), Qt::LeftButton);
    e.drag("d2", "d4");
    e.form->finishLoading();
    EXPECT_EQ(e.placement(), "r1bqkbnr/1ppp1ppp/p1n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R");
    e.click(e.button("Undo"));
    EXPECT_EQ(e.placement(), "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R");
    e.drag("a7", "a6");
    EXPECT_EQ(e.black(3), "3. a6");
}

TEST(EditorGuards, TheBoardGrowsWithTheWindow)
{
    Editor e;
    e.form->show();
    const quill::Varnel& board = e.form->board();
    const double designed = board.zoom();
    e.form->resize(e.form->width() + 400, e.form->height() + 400);
    QApplication::processEvents();
    EXPECT_GE(board.zoom(), designed + 400.0 / 392 - 0.01);
    EXPECT_EQ(board.width(), board.height());
}

} // namespace
