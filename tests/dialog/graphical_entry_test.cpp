// The game-entry tab and the program's own game editor together: a game's
// moves keep their pairs, their result and a FEN start through the editor,
// and the editor's promotion sound reaches the program's sound output.

#include <QTimer>

#include "dialog_harness.h"
#include "editor_fixture.h"
#include "memory_settings.h"
#include "move_list.h"
#include "move_sounds.h"

using namespace testutil;

namespace {

class RecordingOutput : public morvane::SoundOutput {
public:
    std::vector<std::string> played;
    void play(const std::string& path) override { played.push_back(path); }
};

class GraphicalEntry : public ::testing::Test {
protected:
    GraphicalEntry()
    {
        h.playMoveSound = [this](int kind) { sounds.PlayMoveSound(kind); };
    }

    // Graphical Entry: lets the editor replay the listed moves, drags "e2e4 ..."
    // on its board and presses its OK (or `button`).
    void graphicalEntry(QWidget* dialog, const std::string& drags, const char* button = "OK")
    {
        bool opened = false;
        QTimer::singleShot(0, [&, button] {
            auto* editor = qobject_cast<morvane::FrmGE*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            opened = true;
            editor->finishLoading();
            std::istringstream in(drags);
            for (std::string m; in >> m;) {
                editor->board().reportPress(edtest::squareOf(m.substr(0, 2)), quill::Varnel::kLeftButton, 0);
                editor->board().reportDrop(edtest::squareOf(m.substr(2, 2)));
            }
            QTest::mouseClick(editor->findChild<QPushButton*>(button), Qt::LeftButton);
        });
        click(dialog, "Command14");
        EXPECT_TRUE(opened);
    }

    RecordingOutput output;
    morvane::MemorySettings settings;
    morvane::MoveSounds sounds{settings, output, "/data/"};
    DialogHarness h;
};

TEST_F(GraphicalEntry, MovesTypedAfterAWhiteOnlyLineKeepTheirPairsThroughTheEditor)
{
    const std::string file = h.path("best.pgn");
    writeBytes(file, readBytes(dataPgn("100_best_games.pgn")));
    auto dialog = openImported(h, file);
    click(dialog.get(), "Command7");
    graphicalEntry(dialog.get(), "e2e4 e7e5 g1f3 b8c6 f1b5");
    enterMoves(dialog.get(), "d3", "Nf6");
    const std::vector<std::string> entered = listed(dialog.get());
    ASSERT_EQ(entered.size(), 4u);
    EXPECT_EQ(entered[3], "4. d3           Nf6");

    graphicalEntry(dialog.get(), "");
    EXPECT_EQ(listed(dialog.get()), entered);
    graphicalEntry(dialog.get(), "a2a3", "Command2");
    EXPECT_EQ(listed(dialog.get()), entered) << "a cancelled editor changes nothing";
    click(dialog.get(), "Save");
    std::string movetext;
    for (const std::string& line : entered)
        movetext += line + "\r\n";
    EXPECT_NE(readBytes(file).find(movetext + " \r\n"), std::string::npos);
}

// A game edited in the editor and saved in place, as written from the start: one
// that ended after White's move (the result shown from the marker, Black to move
// in the editor, the marker written once) and one set up from a FEN (numbered
// from its move number, handed to the editor with its start, its SetUp, FEN and
// Variant tags kept).
TEST_F(GraphicalEntry, AGameKeepsItsEndAndItsStartThroughEditorAndSave)
{
    const std::string tags = "[Event \"E\"]\n[Site \"S\"]\n[Date \"D\"]\n[White \"W\"]\n[Black \"B\"]\n";
    const std::string fen = "r1bqkbnr/pppp1ppp/2n5/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR b KQkq - 3 3";
    const std::string written = "\r\n\r\n[Event \"E\"]\r\n[Site \"S\"]\r\n[Date \"D\"]\r\n[White \"W\"]\r\n[Black "
                                "\"B\"]\r\n[Result \"1-0\"]\r\n";
    const struct {
        std::string pgn;
        const char* moveNumber; // for the next typed line
        const char* drags;
        std::string saved;
    } rows[] = {
        {tags + "\n1. e4 e5 2. Nf3 1-0\n", "3.", "b8c6",
         written + "1. e4            e5\r\n2. Nf3          Nc6\r\n 1-0\r\n\r\n"},
        {tags + "[Result \"1-0\"]\n[Variant \"From Position\"]\n[SetUp \"1\"]\n[FEN \"" + fen +
             "\"]\n\n3... Nf6 4. Qxf7# 1-0\n",
         "5.", "",
         written + "[SetUp \"1\"]\r\n[FEN \"" + fen + "\"]\r\n[Variant \"From Position\"]\r\n" +
             morvane::moveLine(3, "", "Nf6") + "\r\n" + morvane::moveLine(4, "Qxf7#", "") + "\r\n 1-0\r\n\r\n"},
    };
    for (const auto& row : rows) {
        const std::string file = h.path("game.pgn");
        writeBytes(file, row.pgn);
        auto dialog = openImported(h, file);
        click(dialog.get(), "Command6");
        EXPECT_EQ(textOf(dialog.get(), "MoveNum"), row.moveNumber);
        graphicalEntry(dialog.get(), row.drags);
        click(dialog.get(), "Save");
        EXPECT_EQ(readBytes(file), row.saved);
    }
}

TEST_F(GraphicalEntry, TheEditorsPromotionSoundIsTheProgramsMoveSound)
{
    auto dialog = h.open();
    click(dialog.get(), "Command7");
    for (const auto& [white, black] : std::vector<std::pair<QString, QString>>{
             {"h4", "g5"}, {"hxg5", "h6"}, {"gxh6", "e6"}, {"h7", "Be7"}, {"hxg8=Q", "Rxg8"}})
        enterMoves(dialog.get(), white, black);
    graphicalEntry(dialog.get(), "");
    EXPECT_EQ(output.played, std::vector<std::string>{"/data/move.wav"});
}

} // namespace
