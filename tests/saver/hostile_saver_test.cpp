// The Saver form fed hostile games and settings: boxes that must not pile up,
// markup that must stay text (colours that are no colour: saver_window_test).
#include <QTest>

#include "replay_timer.h"
#include "saver_fixture.h"

using savertest::SaverTest;

namespace {

// Records how deep message boxes nest while each one waits like a person would.
class WaitingDialogs : public testutil::ScriptedDialogs {
public:
    int depth = 0;
    int deepest = 0;
    morvane::MsgAnswer message(const std::string& text, morvane::MsgIcon icon, morvane::MsgButtons buttons) override
    {
        const morvane::MsgAnswer answer = ScriptedDialogs::message(text, icon, buttons);
        deepest = std::max(deepest, ++depth);
        if (depth < 3)
            QTest::qWait(100); // the box is open; timers of 10 ms would fire now
        --depth;
        return answer;
    }
};

TEST_F(SaverTest, MessageBoxesNeverOpenOverEachOther)
{
    const std::string broken = "[Event \"b\"]\n\n1. e4 { e5 *\n\n";
    data.write("default.pgn", broken + broken + broken);
    settings.save("Timer", "0.01");
    settings.save("Timer2", "0.01");
    WaitingDialogs boxes;
    saver =
        std::make_unique<morvane::SaverWindow>(morvane::RunMode::FullScreen, QSize(1024, 768),
                                               morvane::SaverWindow::Services{settings, boxes, nullptr, data.path()});
    saver->Timer2_Timer();
    for (int i = 0; i < 50 && boxes.messages.size() < 3; ++i)
        QTest::qWait(100);
    EXPECT_EQ(boxes.deepest, 1);
    EXPECT_GE(boxes.messages.size(), 2u) << "after a box closes the replay goes on";
}

TEST_F(SaverTest, TagsAreShownAsPlainText)
{
    data.write("default.pgn", "[Event \"e\"]\n[White \"<b>x</b>\"]\n[Black \"<img src=x width=20000>\"]\n\n1. e4 *\n");
    makeSaver();
    saver->Timer2_Timer();
    for (const char* name : {"Label1", "Label2"})
        EXPECT_EQ(child<QLabel>(name)->textFormat(), Qt::PlainText) << name;
    EXPECT_LT(child<QLabel>("Label1")->sizeHint().width(), 1024);
}

} // namespace
