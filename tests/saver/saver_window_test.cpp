// The Saver form as a user sees it: colours and fonts from the settings, turning the
// board, the input that ends it, and the replay driving labels, the list and the timers.
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "cursor_visibility.h"
#include "move_list_view.h"
#include "replay_timer.h"
#include "saver_fixture.h"
#include <quillboard/varnel.h>

using morvane::RunMode;
using savertest::SaverTest;

TEST_F(SaverTest, ColoursAndFontComeFromTheSettingsAndNonsenseKeepsTheDefaults)
{
    settings.save("TextColor", "255");      // red
    settings.save("BackColor", "16711680"); // blue
    settings.save("FontName", "DejaVu Serif");
    settings.save("FontSize", "16");
    makeSaver(1024, 768);
    const QImage shot = saver->grab().toImage();
    EXPECT_EQ(shot.pixelColor(3, 3), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(rect("Picture2").center()), QColor(0, 0, 255)) << "the list takes the background";
    for (const char* name : {"Label1", "Label5", "Label8"}) {
        EXPECT_EQ(child(name)->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << name;
        EXPECT_EQ(child(name)->font().family(), "DejaVu Serif") << name;
        EXPECT_EQ(child(name)->font().pointSizeF(), 16) << name;
    }
    // Twelve lines of the 16-point text before the list scrolls.
    EXPECT_EQ(rect("Picture2").height(), 12 * QFontMetrics(child("lblTextSize")->font()).height());

    settings.save("FontSize", "12");
    makeSaver(640, 480);
    EXPECT_EQ(saver->grab().toImage().pixelColor(3, 470), QColor(Qt::black)) << "no background colour at 640";

    settings.save("FontSize", "big");       // reads as 0: the designed 12 points stay
    settings.save("BackColor", "16777471"); // red, were it masked: no colour, the default black
    settings.save("Timer", "0");            // a pace of 0 stops the replay instead of racing
    for (const char* noColour : {"1e30", "-1"}) {
        settings.save("TextColor", noColour); // the default green
        makeSaver();
        EXPECT_EQ(child("Label1")->font().pointSizeF(), 12);
        EXPECT_EQ(child("Label1")->palette().color(QPalette::WindowText), QColor(0, 255, 0)) << noColour;
        EXPECT_EQ(saver->grab().toImage().pixelColor(3, 3), QColor(Qt::black));
    }
    saver->Timer2_Timer();
    EXPECT_FALSE(saver->findChild<morvane::ReplayTimer*>("Timer1")->isRunning());
}

TEST_F(SaverTest, RKeyTurnsBoardAndLabelsAndTurnsThemBack)
{
    makeSaver(1024, 768);
    saver->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(saver.get()));
    auto* board = child<quill::Varnel>("Board");
    const QRect black = rect("Label1"), rank1 = onForm("Label(8)");
    board->setFocus(); // keys reach the form whatever control has the focus
    QTest::keyClick(saver->windowHandle(), 'r');
    EXPECT_TRUE(board->isRotated());
    EXPECT_EQ(rect("Label2").top(), black.top()) << "White's name goes above the board";
    QTest::keyClick(saver->windowHandle(), 'r');
    EXPECT_FALSE(board->isRotated());
    EXPECT_EQ(onForm("Label(8)"), rank1);

    settings.save("rotate", "1");
    makeSaver(800, 600);
    EXPECT_TRUE(child<quill::Varnel>("Board")->isRotated());
    EXPECT_LT(rect("Label2").top(), rect("Label1").top());
}

// The end-to-end scripts cover the rest: lower-case keys, Shift, mouse moves and clicks, and moves and keys
// inside XScreenSaver's window, which follows the preview's rules.
TEST_F(SaverTest, InputThatEndsTheSaverAndInputThatDoesNot)
{
    const struct {
        const char* name;
        RunMode mode;
        std::function<void(QWindow*)> input;
        bool ends;
    } rows[] = {
        {"R", RunMode::FullScreen, [](QWindow* w) { QTest::keyClick(w, 'R'); }, true},
        {"F1", RunMode::FullScreen, [](QWindow* w) { QTest::keyClick(w, Qt::Key_F1); }, false},
        {"a click in the preview", RunMode::Preview,
         [](QWindow* w) {
             QTest::mouseClick(w, Qt::RightButton, {}, {5, 5});
         },
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        makeSaver(1024, 768, row.mode);
        saver->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(saver.get()));
        QSignalSpy ended(saver.get(), &morvane::SaverWindow::endRequested);
        morvane::CursorVisibility::hide();
        row.input(saver->windowHandle());
        EXPECT_EQ(ended.count(), row.ends ? 1 : 0);
        // Ending shows the pointer again; anything else leaves it hidden.
        EXPECT_EQ(QGuiApplication::overrideCursor() == nullptr, row.ends);
        morvane::CursorVisibility::show();
    }
}

TEST_F(SaverTest, HideMoveListAndBoardStyleSettings)
{
    settings.save("HideMoveList", "1");
    makeSaver(800, 600);
    saver->show();
    for (const char* name : {"Picture2", "Label6", "Label7"})
        EXPECT_FALSE(child(name)->isVisible()) << name;
    EXPECT_TRUE(child("Label8")->isVisible());

    const struct {
        const char* style;
        std::int32_t boardStyle;
        bool ownPieces;
    } rows[] = {{"1", quill::Modern, true},
                {"2", quill::Classic, true},
                {"4", quill::Classic, false},
                {"7", quill::Modern, true}};
    for (const auto& row : rows) {
        settings.save("style", row.style);
        makeSaver();
        auto* board = child<quill::Varnel>("Board");
        EXPECT_EQ(board->BoardStyle(), row.boardStyle) << row.style;
        const quill::ImageSet& own =
            row.boardStyle == quill::Modern ? quill::ImageSet::modern() : quill::ImageSet::classic();
        for (int code = quill::Bpawn; code <= quill::wking; ++code) {
            const quill::Picture p = board->Picture(static_cast<quill::PieceNum>(code));
            EXPECT_FALSE(p.isNull()) << row.style << " " << code;
            EXPECT_EQ(p == own.at(code), row.ownPieces) << row.style << " " << code;
        }
    }
}

TEST_F(SaverTest, AGameIsShownPlayedToItsResultAndFollowedByTheNextAfterThePause)
{
    settings.save("Timer", "3");
    settings.save("Timer2", "4");
    makeSaver();
    saver->Timer2_Timer();
    EXPECT_TRUE(text("Label2").contains("Amber, A.")) << text("Label2").toStdString();
    EXPECT_TRUE(text("Label1").contains("Basil, B."));
    EXPECT_EQ(child<QListWidget>("List1")->count(), 2) << "two move lines";
    auto* timer1 = saver->findChild<morvane::ReplayTimer*>("Timer1");
    auto* timer2 = saver->findChild<morvane::ReplayTimer*>("Timer2");
    ASSERT_TRUE(timer1 && timer2);
    EXPECT_TRUE(timer1->isRunning());
    EXPECT_EQ(timer1->interval(), 3000);
    for (int tick = 0; tick < 4; ++tick)
        saver->Timer1_Timer();
    EXPECT_EQ(child<quill::Varnel>("Board")->piece(8, 5), quill::BQueen) << "Qh4 stands on the board";
    saver->Timer1_Timer(); // the moves have run out
    EXPECT_EQ(text("Label5"), "Black wins");
    EXPECT_FALSE(timer1->isRunning());
    EXPECT_TRUE(timer2->isRunning()) << "the pause before the next game";
    EXPECT_EQ(timer2->interval(), 4000);
    saver->Timer2_Timer();
    EXPECT_TRUE(text("Label2").contains("Cato, C."));
    EXPECT_TRUE(child<morvane::MoveListView>("Picture2")->printed().items().empty());
}

TEST_F(SaverTest, NoPlayableFileOpensTheSettingsDialog)
{
    std::filesystem::remove(data.path() + "default.pgn");
    makeSaver();
    saver->show();
    QSignalSpy settingsWanted(saver.get(), &morvane::SaverWindow::settingsDialogRequested);
    saver->Timer2_Timer();
    EXPECT_EQ(settingsWanted.count(), 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Default File Not found, please specify a PGN file");
    EXPECT_FALSE(saver->isVisible());
}

TEST_F(SaverTest, PreviewPutsASmallBoardInTheCorner)
{
    makeSaver(1920, 1080, RunMode::Preview);
    saver->setUpPreview();
    saver->NewGame();
    EXPECT_EQ(onForm("Board"), QRect(0, 0, 107, 107)) << "1600 twips";
    EXPECT_EQ(child<quill::Varnel>("Board")->BoardStyle(), quill::Classic);
    EXPECT_EQ(saver->palette().color(QPalette::Window), QColor(Qt::black));
}
