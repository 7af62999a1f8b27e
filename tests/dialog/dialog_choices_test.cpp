// What the user chose in the settings dialog stays chosen: the game played first,
// the answer to the close question, the name a game is saved under; and Enter in
// a text box presses nothing.

#include <QListView>
#include <QMessageBox>
#include <QTimer>

#include <filesystem>

#include "dialog_harness.h"
#include "qt_dialogs.h"

using namespace testutil;

namespace {

TEST(DialogChoices, OpensOnTheStoredFirstGameWhenTheListHasIt)
{
    // The stored number, and the row then selected (of 100); one within is the Apply test's.
    for (const auto& [stored, selected] : std::vector<std::pair<std::string, int>>{{"100", 99}, {"101", 0}, {"0", 0}}) {
        DialogHarness h;
        h.config().save("FirstGame", stored);
        auto dialog = h.open();
        EXPECT_EQ(child<QListView>(dialog.get(), "List1")->currentIndex().row(), selected) << stored;
        click(dialog.get(), "CmdOk");
        EXPECT_EQ(h.stored("FirstGame"), std::to_string(selected + 1)) << stored;
    }
}

// The program's own message box, answered with Return as soon as it shows.
TEST(DialogChoices, ReturnOnTheCloseQuestionKeepsTheGame)
{
    DialogHarness h;
    morvane::QtDialogs real;
    auto dialog = h.open(&real);
    enterMoves(dialog.get(), "e4", "e5");
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            QTest::keyClick(box, Qt::Key_Return);
    });
    answer.start(20);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OpenDialog, EnterInATimeBoxPressesNoButton)
{
    int pressed = 0;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        QObject::connect(b, &QPushButton::clicked, [&pressed] { ++pressed; });
    for (const char* box : {"Text1", "Text2"}) {
        click(d, box);
        QTest::keyClick(child(d, box), Qt::Key_Return);
        EXPECT_EQ(pressed, 0) << box;
    }
}

// Save asks for a name while the game has no file; Save As always asks.
TEST_F(OpenDialog, ASaveNameWithoutExtensionGetsPgn)
{
    enterMoves(d, "e4", "e5");
    h.dialogs.files = {h.path("newgame"), h.path("other"), h.path("notes.txt")};
    for (const char* button : {"Save", "SaveAs", "SaveAs"})
        click(d, button);
    for (const char* written : {"newgame.pgn", "other.pgn", "notes.txt"})
        EXPECT_TRUE(std::filesystem::exists(h.path(written))) << written;
    EXPECT_FALSE(std::filesystem::exists(h.path("newgame")));
    EXPECT_FALSE(std::filesystem::exists(h.path("other")));
}

} // namespace
