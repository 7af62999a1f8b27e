// The game-entry tab as a user drives it: loading a listed game, typing moves,
// the game editor's round trip, and the writer's exact bytes on disk.

#include <QListView>
#include <QListWidget>
#include <QTimer>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "board_model.h"
#include "dialog_harness.h"
#include "game_index.h"
#include "headless_replay.h"
#include "match_list_model.h"
#include "replay_engine.h"
#include "store_settings.h"

using namespace testutil;
using morvane::MsgAnswer;

namespace {

const std::string kTwoGames =
    "[Event \"A\"]\n[Site \"S\"]\n[Date \"2020.01.01\"]\n[White \"W\"]\n[Black \"B\"]\n[Result \"1-0\"]\n\n"
    "1. e4 {best} e5 2. Nf3 1-0\n\n"
    "[Event \"Second\"]\n[Site \"S2\"]\n[Date \"D2\"]\n[White \"W2\"]\n[Black \"B2\"]\n[Result \"0-1\"]\n\n"
    "1. d4 d5 0-1\n";

std::vector<std::string> listed(QWidget* dialog)
{
    std::vector<std::string> lines;
    auto* list = child<QListWidget>(dialog, "List2");
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

class GameEntry : public ::testing::Test {
protected:
    // Imports `file` through the PGN Import button and returns the open dialog.
    std::unique_ptr<morvane::FrmSettings> openOn(const std::string& file)
    {
        auto dialog = h.open();
        h.dialogs.files.push_back(file);
        click(dialog.get(), "Command9");
        return dialog;
    }

    void selectGame(QWidget* dialog, int row)
    {
        auto* list = child<QListView>(dialog, "List1");
        list->setCurrentIndex(list->model()->index(row, 0));
    }

    // Types one move pair and presses Update.
    void enterMoves(QWidget* dialog, const QString& white, const QString& black)
    {
        type(dialog, "WhiteMove", white);
        type(dialog, "BlackMove", black);
        click(dialog, "Update");
    }

    void fillTags(QWidget* dialog)
    {
        type(dialog, "EventNM", "Club");
        type(dialog, "Site", "Here");
        type(dialog, "DateNM", "2024.05.01");
        type(dialog, "White", "Ann");
        type(dialog, "Black", "Bob");
    }

    DialogHarness h;
};

TEST_F(GameEntry, EditingTheFirstOfTwoGamesRewritesItInPlace)
{
    const std::string file = h.path("two.pgn");
    writeBytes(file, kTwoGames);
    namespace fs = std::filesystem;
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(file, shared);
    auto dialog = openOn(file);
    click(dialog.get(), "Command6");

    EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::GameEntryPage);
    EXPECT_EQ(textOf(dialog.get(), "EventNM"), "A");
    EXPECT_EQ(textOf(dialog.get(), "White"), "W");
    EXPECT_EQ(textOf(dialog.get(), "DateNM"), "2020.01.01");
    EXPECT_EQ(textOf(dialog.get(), "cmbResult"), "White Wins");
    EXPECT_EQ(textOf(dialog.get(), "FileName2"), QString::fromStdString("File name : " + file));
    EXPECT_EQ(listed(dialog.get()), (std::vector<std::string>{"1. e4            e5", "2. Nf3     "}));
    EXPECT_EQ(textOf(dialog.get(), "MoveNum"), "3.");
    EXPECT_FALSE(child(dialog.get(), "Save")->isEnabled()) << "nothing changed yet";

    type(dialog.get(), "White", "Wx");
    enterMoves(dialog.get(), "Bc4", "Nc6");
    click(dialog.get(), "Save");

    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text.substr(0, 8), "Caution.");
    const std::string expected = "\r\n\r\n[Event \"A\"]\r\n[Site \"S\"]\r\n[Date \"2020.01.01\"]\r\n[White \"Wx\"]\r\n"
                                 "[Black \"B\"]\r\n[Result \"1-0\"]\r\n"
                                 "1. e4            e5\r\n2. Nf3     \r\n3. Bc4          Nc6\r\n 1-0\r\n"
                                 "\n[Event \"Second\"]\n[Site \"S2\"]\n[Date \"D2\"]\n[White \"W2\"]\n[Black \"B2\"]\n"
                                 "[Result \"0-1\"]\n\n1. d4 d5 0-1\n\r\n";
    EXPECT_EQ(readBytes(file), expected);
    EXPECT_EQ(fs::status(file).permissions(), shared) << "the replaced file keeps who may read it";
    EXPECT_FALSE(child(dialog.get(), "Save")->isEnabled());
    EXPECT_TRUE(child(dialog.get(), "SaveAs")->isEnabled());

    // The list follows the file it was saved into, so the second game is cut right.
    selectGame(dialog.get(), 1);
    click(dialog.get(), "Command6");
    EXPECT_EQ(textOf(dialog.get(), "EventNM"), "Second");
    EXPECT_EQ(textOf(dialog.get(), "Black"), "B2");
    EXPECT_EQ(listed(dialog.get()), (std::vector<std::string>{"1. d4            d5"}));
}

TEST_F(GameEntry, SavingThroughALinkWritesTheFileItPointsTo)
{
    const std::string real = h.path("real.pgn");
    const std::string link = h.path("link.pgn");
    writeBytes(real, kTwoGames);
    std::filesystem::create_symlink(real, link);
    auto dialog = openOn(link);
    click(dialog.get(), "Command6");
    type(dialog.get(), "Site", "Elsewhere");
    enterMoves(dialog.get(), "Bc4", "Nc6");
    click(dialog.get(), "Save");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_NE(readBytes(real).find("[Site \"Elsewhere\"]"), std::string::npos);
}

TEST_F(GameEntry, ANewGameIsAppendedAfterTheFile)
{
    const std::string file = h.path("crlf.pgn");
    const std::string original = withCrLf(kTwoGames);
    writeBytes(file, original);
    auto dialog = openOn(file);
    click(dialog.get(), "Command7");
    EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::GameEntryPage);
    EXPECT_EQ(textOf(dialog.get(), "EventNM"), "");
    EXPECT_EQ(textOf(dialog.get(), "MoveNum"), "1.");

    fillTags(dialog.get());
    enterMoves(dialog.get(), "e4", "e5");
    enterMoves(dialog.get(), "Qh5", "Nc6");
    child<QComboBox>(dialog.get(), "cmbResult")->setCurrentIndex(2);
    click(dialog.get(), "Save");

    const std::string game = "[Event \"Club\"]\r\n[Site \"Here\"]\r\n[Date \"2024.05.01\"]\r\n[White \"Ann\"]\r\n"
                             "[Black \"Bob\"]\r\n[Result \"1/2-1/2\"]\r\n"
                             "1. e4            e5\r\n2. Qh5          Nc6\r\n 1/2-1/2\r\n";
    EXPECT_EQ(readBytes(file), original + "\r\n\r\n" + game + "\r\n");

    // The saved game is found again as the third of the file.
    h.dialogs.files.push_back(file);
    click(dialog.get(), "Command9");
    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), "3 games found");
    selectGame(dialog.get(), 2);
    click(dialog.get(), "Command6");
    EXPECT_EQ(textOf(dialog.get(), "White"), "Ann");
    EXPECT_EQ(textOf(dialog.get(), "cmbResult"), "Drawn Game");
    EXPECT_EQ(listed(dialog.get()), (std::vector<std::string>{"1. e4            e5", "2. Qh5          Nc6"}));
}

// The whole loop: a game typed in, saved into the file, listed again, applied,
// and then played by the screensaver's own replay from what Apply stored.
TEST_F(GameEntry, ASavedGameIsPlayedFromWhatApplyStored)
{
    const std::string file = h.path("club.pgn");
    writeBytes(file, kTwoGames);
    auto dialog = openOn(file);
    click(dialog.get(), "Command7");
    fillTags(dialog.get());
    enterMoves(dialog.get(), "e4", "e5");
    enterMoves(dialog.get(), "Bc4", "Nc6");
    enterMoves(dialog.get(), "Qh5", "Nf6");
    type(dialog.get(), "WhiteMove", "Qxf7#");
    type(dialog.get(), "BlackMove", "1-0");
    click(dialog.get(), "Update");
    child<QComboBox>(dialog.get(), "cmbResult")->setCurrentIndex(0);
    click(dialog.get(), "Save");
    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), "3 games found") << "the list follows the saved file";
    auto* list = child<QListView>(dialog.get(), "List1");
    list->setCurrentIndex(list->model()->index(2, 0));
    click(dialog.get(), "CmdApply");
    ASSERT_EQ(h.stored("FirstGame"), "3");

    quill::BoardModel board;
    morvane::StoreSettings settings(*h.store);
    char* report = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&report, &size);
    {
        morvane::HeadlessReplay replay(out);
        morvane::ReplayEngine engine(board, replay, replay, settings, nullptr, h.appPath);
        replay.run(engine, board, 3);
        std::fflush(out);
        EXPECT_EQ(replay.summary().ok, 3);
    }
    std::fclose(out);
    const std::string lines(report, size);
    std::free(report);
    EXPECT_NE(lines.find("3\t7\tok\tr1bqkb1r/pppp1Qpp/2n2n2/4p3/2B1P3/8/PPPP1PPP/RNB1K1NR"), std::string::npos)
        << lines;
}

TEST_F(GameEntry, WithNoResultChosenTheResultIsEmpty)
{
    auto dialog = h.open();
    click(dialog.get(), "Command7");
    fillTags(dialog.get());
    enterMoves(dialog.get(), "d4", "Nf6");
    const std::string target = h.path("fresh.pgn");
    h.dialogs.files.push_back(target);
    click(dialog.get(), "SaveAs");
    const std::string before = readBytes(h.appPath + "default.pgn");
    EXPECT_EQ(readBytes(target), before + "\r\n\r\n[Event \"Club\"]\r\n[Site \"Here\"]\r\n[Date \"2024.05.01\"]\r\n"
                                          "[White \"Ann\"]\r\n[Black \"Bob\"]\r\n[Result \"\"]\r\n"
                                          "1. d4           Nf6\r\n \r\n\r\n");
    EXPECT_TRUE(h.dialogs.messages.empty()) << "Save As asks no caution question";
    EXPECT_EQ(textOf(dialog.get(), "FileName2"), QString::fromStdString("File name : " + target));
}

TEST_F(GameEntry, TypedMovesAreCheckedListedAndEditable)
{
    auto dialog = h.open();
    click(dialog.get(), "Command7");
    type(dialog.get(), "BlackMove", "e5");
    click(dialog.get(), "Update");
    EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{"  Invalid Move           "});
    EXPECT_TRUE(listed(dialog.get()).empty());

    enterMoves(dialog.get(), "e4", "e5");
    enterMoves(dialog.get(), "Qh4xe1+!", "Kxe1");
    EXPECT_EQ(listed(dialog.get()), (std::vector<std::string>{"1. e4            e5", "2. Qh4xe1+!    Kxe1"}));
    EXPECT_EQ(textOf(dialog.get(), "MoveNum"), "3.");
    EXPECT_TRUE(child(dialog.get(), "WhiteMove")->hasFocus());

    // Clicking a line brings it back for correction; Update replaces it in place.
    auto* list = child<QListWidget>(dialog.get(), "List2");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(textOf(dialog.get(), "MoveNum"), "2.");
    EXPECT_EQ(textOf(dialog.get(), "WhiteMove"), "Qh4xe1+!");
    EXPECT_EQ(textOf(dialog.get(), "BlackMove"), "Kxe1");
    type(dialog.get(), "BlackMove", "Kxe2");
    click(dialog.get(), "Update");
    EXPECT_EQ(listed(dialog.get()), (std::vector<std::string>{"1. e4            e5", "2. Qh4xe1+!    Kxe2"}));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    click(dialog.get(), "New");
    EXPECT_EQ(textOf(dialog.get(), "MoveNum"), "3.");
    EXPECT_EQ(textOf(dialog.get(), "WhiteMove"), "");
}

TEST_F(GameEntry, GraphicalEntryHandsOverTheLinesAndTakesTheEditorsBack)
{
    const std::string file = h.path("two.pgn");
    writeBytes(file, kTwoGames);
    auto dialog = openOn(file);
    click(dialog.get(), "Command6");

    h.editorAnswer = std::nullopt; // the editor is cancelled
    click(dialog.get(), "Command14");
    ASSERT_EQ(h.editorGot.size(), 1u);
    EXPECT_EQ(h.editorGot[0], listed(dialog.get()));
    EXPECT_FALSE(child(dialog.get(), "Save")->isEnabled()) << "a cancelled editor changes nothing";

    h.editorAnswer = std::vector<std::string>{"1. c4            e5", "2. g3                "};
    click(dialog.get(), "Command14");
    EXPECT_EQ(listed(dialog.get()), *h.editorAnswer);
    EXPECT_TRUE(child(dialog.get(), "Save")->isEnabled());
    EXPECT_TRUE(child(dialog.get(), "SaveAs")->isEnabled());
    EXPECT_EQ(textOf(dialog.get(), "MoveNum"), "3.");

    click(dialog.get(), "Save");
    EXPECT_NE(readBytes(file).find("1. c4            e5\r\n2. g3                \r\n 1-0\r\n"), std::string::npos);
}

TEST_F(GameEntry, TheProgramsEditorReplaysTheLinesAndHandsThemBack)
{
    h.realEditor = true;
    const std::string file = h.path("two.pgn");
    writeBytes(file, kTwoGames);
    auto dialog = openOn(file);
    selectGame(dialog.get(), 1);
    click(dialog.get(), "Command6");

    bool sawEditor = false;
    QTimer::singleShot(0, [&sawEditor] {
        QWidget* editor = QApplication::activeModalWidget();
        if (!editor || editor->objectName() != "frmGE")
            return;
        sawEditor = true;
        auto* blackMoves = editor->findChild<QListWidget*>("List2");
        for (int waited = 0; blackMoves && blackMoves->count() < 1 && waited < 5000; waited += 20)
            QTest::qWait(20);
        QTest::mouseClick(editor->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    click(dialog.get(), "Command14");
    ASSERT_TRUE(sawEditor) << "Graphical Entry opens the editor modally";
    EXPECT_EQ(listed(dialog.get()), (std::vector<std::string>{"1. d4            d5"}));
    EXPECT_TRUE(child(dialog.get(), "Save")->isEnabled());
    EXPECT_EQ(textOf(dialog.get(), "MoveNum"), "2.");
}

TEST_F(GameEntry, RefusalsWriteNothing)
{
    const std::string file = h.path("two.pgn");
    writeBytes(file, kTwoGames);
    auto dialog = openOn(file);

    click(dialog.get(), "Command7");
    EXPECT_FALSE(child(dialog.get(), "SaveAs")->isEnabled()) << "nothing entered yet";
    enterMoves(dialog.get(), "e4", "e5");

    h.dialogs.answers = {MsgAnswer::No}; // the caution question
    click(dialog.get(), "Save");
    h.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::No}; // caution, then incomplete information
    click(dialog.get(), "Save");
    EXPECT_EQ(readBytes(file), kTwoGames);
    ASSERT_EQ(h.dialogs.messages.size(), 3u);
    EXPECT_EQ(h.dialogs.messages[2].text, "Games Information is incomplete, are you sure you want to save it?");

    // New Game drops the moves of the game before: they are not written under new tags.
    click(dialog.get(), "Command7");
    h.dialogs.files.push_back(h.path("other.pgn"));
    click(dialog.get(), "SaveAs");
    EXPECT_EQ(h.dialogs.messages.back().text, "There are no moves in this game, it can't be saved");
    EXPECT_FALSE(std::filesystem::exists(h.path("other.pgn")));
}

TEST_F(GameEntry, EditWithAnEmptyListAsksForANewGameOrAnImport)
{
    const std::string empty = h.path("none.pgn");
    writeBytes(empty, "no games here\n");
    auto dialog = openOn(empty);
    click(dialog.get(), "Command6");
    EXPECT_EQ(h.dialogs.texts(),
              std::vector<std::string>{"No games to edit. Please select \"New Game\" or \"PGN import\""});
    EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::PgnImportPage);
}

TEST_F(GameEntry, AFileChangedBehindTheListIsListedAgainNotCutWrongly)
{
    const std::string file = h.path("two.pgn");
    writeBytes(file, kTwoGames);
    auto dialog = openOn(file);
    writeBytes(file, "; a comment line added by another program\n" + kTwoGames);
    click(dialog.get(), "Command6");
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_NE(h.dialogs.messages[0].text.find("has changed"), std::string::npos);
    EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::PgnImportPage);
    click(dialog.get(), "Command6");
    EXPECT_EQ(textOf(dialog.get(), "EventNM"), "A") << "after the new listing the game loads";
}

TEST_F(GameEntry, AFileGoneSinceItWasListedIsReportedAndNothingIsLoaded)
{
    const std::string file = h.path("two.pgn");
    writeBytes(file, kTwoGames);
    auto dialog = openOn(file);
    std::filesystem::remove(file);
    click(dialog.get(), "Command6");
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text.rfind("The PGN file could not be read:\r\n" + file, 0), 0u);
    EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::PgnImportPage);
    EXPECT_EQ(textOf(dialog.get(), "FileName2"), "File name : ");
    EXPECT_TRUE(listed(dialog.get()).empty());
}

// A write that fails part-way: the old file must survive byte for byte.
TEST_F(GameEntry, AFailingWriteLeavesTheFileAsItWas)
{
    const std::string file = h.path("big.pgn");
    const std::string original = readBytes(dataPgn("Fischer.pgn"));
    writeBytes(file, original);
    auto dialog = openOn(file);
    click(dialog.get(), "Command6");
    enterMoves(dialog.get(), "e4", "e5");

    // Files may grow to 4 KiB only, as on a full disk; the new text is far longer.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    click(dialog.get(), "Save");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(readBytes(file), original);
    ASSERT_EQ(h.dialogs.messages.size(), 2u);
    EXPECT_NE(h.dialogs.messages[1].text.find("could not be saved"), std::string::npos);
    EXPECT_EQ(h.dialogs.messages[1].icon, morvane::MsgIcon::Critical);
    EXPECT_TRUE(child(dialog.get(), "Save")->isEnabled()) << "the game is still unsaved";
    for (const auto& entry : std::filesystem::directory_iterator(h.path("")))
        EXPECT_TRUE(entry.path().filename() == "big.pgn" || entry.path().filename().string().rfind("big", 0) != 0)
            << "left behind: " << entry.path();

    // A folder that does not exist: reported, nothing created.
    const std::string nowhere = h.path("missing/folder/game.pgn");
    h.dialogs.files.push_back(nowhere);
    click(dialog.get(), "SaveAs");
    EXPECT_FALSE(std::filesystem::exists(nowhere));
    EXPECT_NE(h.dialogs.messages.back().text.find("could not be saved"), std::string::npos);
}

} // namespace
