// A game set up from a FEN in the Game Entry tab: numbered from its move
// number, handed to the program's editor with its start (else the editor
// numbers from 1), and saved with its SetUp, FEN and Variant tags.

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include "dialog_harness.h"
#include "move_list.h"

using namespace testutil;

TEST(FenEntry, AFenGameKeepsItsStartThroughEditorAndSave)
{
    DialogHarness h;
    const std::string file = h.path("puzzle.pgn");
    writeBytes(file, "[Event \"P\"]\n[Site \"S\"]\n[Date \"D\"]\n[White \"W\"]\n[Black \"B\"]\n[Result \"1-0\"]\n"
                     "[Variant \"From Position\"]\n[SetUp \"1\"]\n"
                     "[FEN \"r1bqkbnr/pppp1ppp/2n5/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR b KQkq - 3 3\"]\n\n"
                     "3... Nf6 4. Qxf7# 1-0\n");
    auto dialog = h.open();
    h.dialogs.files.push_back(file);
    click(dialog.get(), "Command9");
    click(dialog.get(), "Command6");
    EXPECT_EQ(textOf(dialog.get(), "MoveNum"), "5.");

    // The editor replays the game from its FEN and hands the same lines back.
    bool sawEditor = false;
    QTimer::singleShot(0, [&sawEditor] {
        QWidget* editor = QApplication::activeModalWidget();
        if (!editor || editor->objectName() != "frmGE")
            return;
        auto* blackMoves = editor->findChild<QListWidget*>("List2");
        for (int waited = 0; blackMoves && blackMoves->count() < 2 && waited < 5000; waited += 20)
            QTest::qWait(20);
        sawEditor = true;
        QTest::mouseClick(editor->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    click(dialog.get(), "Command14");
    ASSERT_TRUE(sawEditor);

    click(dialog.get(), "Save");
    EXPECT_EQ(readBytes(file),
              "\r\n\r\n[Event \"P\"]\r\n[Site \"S\"]\r\n[Date \"D\"]\r\n[White \"W\"]\r\n[Black \"B\"]\r\n"
              "[Result \"1-0\"]\r\n[SetUp \"1\"]\r\n[FEN \"r1bqkbnr/pppp1ppp/2n5/4p2Q/2B1P3/8/"
              "PPPP1PPP/RNB1K1NR b KQkq - 3 3\"]\r\n[Variant \"From Position\"]\r\n" +
                  morvane::moveLine(3, "", "Nf6") + "\r\n" + morvane::moveLine(4, "Qxf7#", "") + "\r\n 1-0\r\n\r\n");
}
