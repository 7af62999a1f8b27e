// The game-entry tab as a user drives it: loading a listed game, typing moves,
// and the writer's exact bytes on disk.

#include <QListView>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "dialog_harness.h"

using namespace testutil;
using morvane::MsgAnswer;
namespace fs = std::filesystem;

namespace {

const std::string kTwoGames =
    "[Event \"A\"]\n[Site \"S\"]\n[Date \"2020.01.01\"]\n[White \"W\"]\n[Black \"B\"]\n[Result \"1-0\"]\n\n"
    "1. e4 {best} e5 2. Nf3 1-0\n\n"
    "[Event \"Second\"]\n[Site \"S2\"]\n[Date \"D2\"]\n[White \"W2\"]\n[Black \"B2\"]\n[Result \"0-1\"]\n\n"
    "1. d4 d5 0-1\n";
const std::string kClubTags = "[Event \"Club\"]\r\n[Site \"Here\"]\r\n[Date \"2024.05.01\"]\r\n[White \"Ann\"]\r\n"
                              "[Black \"Bob\"]\r\n";

class GameEntry : public ::testing::Test {
protected:
    // Writes `bytes` into `name` (unless empty), imports it through PGN Import and
    // returns the open dialog.
    std::unique_ptr<morvane::FrmSettings> openOn(const std::string& name, const std::string& bytes = kTwoGames)
    {
        file = h.path(name);
        if (!bytes.empty())
            writeBytes(file, bytes);
        auto dialog = openImported(h, file);
        d = dialog.get();
        return dialog;
    }
    // Makes game `row` of the list current and presses Edit.
    void edit(int row)
    {
        auto* list = child<QListView>(d, "List1");
        list->setCurrentIndex(list->model()->index(row, 0));
        click(d, "Command6");
    }
    bool enabled(const char* name) { return child(d, name)->isEnabled(); }

    DialogHarness h;
    std::string file;
    QWidget* d = nullptr;
};

// Through a link, which stays one: the file it points to is rewritten.
TEST_F(GameEntry, EditingTheFirstOfTwoGamesRewritesItInPlace)
{
    writeBytes(h.path("real.pgn"), kTwoGames);
    fs::create_symlink(h.path("real.pgn"), h.path("link.pgn"));
    auto dialog = openOn("link.pgn", "");
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(file, shared);
    edit(0);
    EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::GameEntryPage);
    EXPECT_EQ(textOf(d, "EventNM"), "A");
    EXPECT_EQ(textOf(d, "DateNM"), "2020.01.01");
    EXPECT_EQ(textOf(d, "cmbResult"), "White Wins");
    EXPECT_EQ(textOf(d, "FileName2"), QString::fromStdString("File name : " + file));
    EXPECT_EQ(listed(d), (std::vector<std::string>{"1. e4            e5", "2. Nf3     "}));
    EXPECT_EQ(textOf(d, "MoveNum"), "3.");
    EXPECT_FALSE(enabled("Save")) << "nothing changed yet";

    type(d, "White", "Wx");
    enterMoves(d, "Bc4", "Nc6");
    click(d, "Save");
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text.substr(0, 8), "Caution.");
    EXPECT_EQ(readBytes(file), "\r\n\r\n[Event \"A\"]\r\n[Site \"S\"]\r\n[Date \"2020.01.01\"]\r\n[White \"Wx\"]\r\n"
                               "[Black \"B\"]\r\n[Result \"1-0\"]\r\n"
                               "1. e4            e5\r\n2. Nf3     \r\n3. Bc4          Nc6\r\n 1-0\r\n" +
                                   kTwoGames.substr(kTwoGames.find("\n[Event \"Second\"]")) + "\r\n");
    EXPECT_EQ(fs::status(file).permissions(), shared) << "the replaced file keeps who may read it";
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_FALSE(enabled("Save"));
    EXPECT_TRUE(enabled("SaveAs"));

    // The list follows the file it was saved into, so the second game is cut right.
    edit(1);
    EXPECT_EQ(textOf(d, "Black"), "B2");
    EXPECT_EQ(listed(d), (std::vector<std::string>{"1. d4            d5"}));
}

// A new game goes after the file's last, with Save into the listed file or with
// Save As into a new one, and is listed again.
TEST_F(GameEntry, ANewGameIsAppendedAfterTheFileAndListedAgain)
{
    struct Row {
        const char* button;
        int result; // the result list's row; none chosen (-1) writes an empty result without asking
        const char* written;
    };
    for (const Row& row : {Row{"Save", 2, "1/2-1/2"}, Row{"SaveAs", -1, ""}}) {
        SCOPED_TRACE(row.button);
        h.dialogs.messages.clear();
        auto dialog = openOn("crlf.pgn", withCrLf(kTwoGames));
        click(d, "Command7");
        for (const auto& [field, text] : std::vector<std::pair<const char*, QString>>{
                 {"EventNM", "Club"}, {"Site", "Here"}, {"DateNM", "2024.05.01"}, {"White", "Ann"}, {"Black", "Bob"}})
            type(d, field, text);
        EXPECT_EQ(textOf(d, "MoveNum"), "1.");
        enterMoves(d, "e4", "e5");
        enterMoves(d, "Qh5", "Nc6");
        if (row.result >= 0)
            child<QComboBox>(d, "cmbResult")->setCurrentIndex(row.result);
        if (std::string(row.button) == "SaveAs")
            h.dialogs.files.push_back(file = h.path("fresh.pgn"));
        click(d, row.button);
        EXPECT_EQ(readBytes(file), withCrLf(kTwoGames) + "\r\n\r\n" + kClubTags + "[Result \"" + row.written +
                                       "\"]\r\n1. e4            e5\r\n2. Qh5          Nc6\r\n " + row.written +
                                       "\r\n\r\n");
        EXPECT_EQ(h.dialogs.messages.size(), std::string(row.button) == "Save" ? 1u : 0u) << "Save cautions only";
        EXPECT_EQ(textOf(d, "FileName2"), QString::fromStdString("File name : " + file));
        if (std::string(row.button) == "SaveAs")
            continue; // the list stays on the file it was read from
        EXPECT_EQ(textOf(d, "lblNumImported"), "3 games found");
        edit(2);
        EXPECT_EQ(textOf(d, "White"), "Ann");
        EXPECT_EQ(listed(d), (std::vector<std::string>{"1. e4            e5", "2. Qh5          Nc6"}));
    }
}

TEST_F(GameEntry, TypedMovesAreCheckedListedAndEditable)
{
    auto dialog = h.open();
    d = dialog.get();
    click(d, "Command7");
    enterMoves(d, "", "e5");
    EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{"  Invalid Move           "});
    EXPECT_TRUE(listed(d).empty());
    enterMoves(d, "e4", "e5");
    enterMoves(d, "Qh4xe1+!", "Kxe1");
    EXPECT_EQ(listed(d), (std::vector<std::string>{"1. e4            e5", "2. Qh4xe1+!    Kxe1"}));
    EXPECT_TRUE(child(d, "WhiteMove")->hasFocus());

    // Clicking a line brings it back for correction; Update replaces it in place.
    auto* list = child<QListWidget>(d, "List2");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(textOf(d, "MoveNum"), "2.");
    EXPECT_EQ(textOf(d, "WhiteMove"), "Qh4xe1+!");
    type(d, "BlackMove", "Kxe2");
    click(d, "Update");
    EXPECT_EQ(listed(d), (std::vector<std::string>{"1. e4            e5", "2. Qh4xe1+!    Kxe2"}));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    click(d, "New");
    EXPECT_EQ(textOf(d, "MoveNum"), "3.");
    EXPECT_EQ(textOf(d, "WhiteMove"), "");
}

TEST_F(GameEntry, RefusalsWriteNothing)
{
    auto dialog = openOn("two.pgn");
    click(d, "Command7");
    EXPECT_FALSE(enabled("SaveAs")) << "nothing entered yet";
    enterMoves(d, "e4", "e5");
    h.dialogs.answers = {MsgAnswer::No}; // the caution question
    click(d, "Save");
    h.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::No}; // caution, then incomplete information
    click(d, "Save");
    EXPECT_EQ(readBytes(file), kTwoGames);
    ASSERT_EQ(h.dialogs.messages.size(), 3u);
    EXPECT_EQ(h.dialogs.messages[2].text, "Games Information is incomplete, are you sure you want to save it?");

    // New Game drops the moves of the game before: they are not written under new tags.
    click(d, "Command7");
    h.dialogs.files.push_back(h.path("other.pgn"));
    click(d, "SaveAs");
    EXPECT_EQ(h.dialogs.messages.back().text, "There are no moves in this game, it can't be saved");
    EXPECT_FALSE(fs::exists(h.path("other.pgn")));
}

// Edit finds no game to load: the import tab comes to the front with a message
// (a file changed since the listing: file_changes_test.cpp).
TEST_F(GameEntry, EditWithoutAGameToLoadGoesBackToTheImport)
{
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"empty", "No games to edit. Please select \"New Game\" or \"PGN import\""},
        {"gone", "The PGN file could not be read:\r\n"},
    };
    for (const auto& [name, message] : rows) {
        SCOPED_TRACE(name);
        h.dialogs.messages.clear();
        auto dialog = openOn(name + ".pgn", name == "empty" ? "no games here\n" : kTwoGames);
        if (name == "gone")
            fs::remove(file);
        click(d, "Command6");
        ASSERT_EQ(h.dialogs.messages.size(), 1u);
        EXPECT_NE(h.dialogs.messages[0].text.find(message), std::string::npos);
        EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::PgnImportPage);
        EXPECT_TRUE(listed(d).empty());
    }
}

// A write that fails part-way, or into a folder that does not exist: the old
// file survives byte for byte, nothing is left behind, and the game stays unsaved.
TEST_F(GameEntry, AFailingWriteLeavesTheFileAsItWas)
{
    const std::string original = readBytes(dataPgn("Fischer.pgn"));
    auto dialog = openOn("big.pgn", original);
    edit(0);
    enterMoves(d, "e4", "e5");
    // Files may grow to 4 KiB only, as on a full disk; the new text is far longer.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    click(d, "Save");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(readBytes(file), original);
    ASSERT_EQ(h.dialogs.messages.size(), 2u);
    EXPECT_NE(h.dialogs.messages[1].text.find("could not be saved"), std::string::npos);
    EXPECT_EQ(h.dialogs.messages[1].icon, morvane::MsgIcon::Critical);
    EXPECT_TRUE(enabled("Save"));
    for (const auto& entry : fs::directory_iterator(h.path("")))
        EXPECT_TRUE(entry.path().filename() == "big.pgn" || !entry.path().filename().string().starts_with("big"))
            << "left behind: " << entry.path();

    h.dialogs.files.push_back(h.path("missing/folder/game.pgn"));
    click(d, "SaveAs");
    EXPECT_FALSE(fs::exists(h.path("missing")));
    EXPECT_NE(h.dialogs.messages.back().text.find("could not be saved"), std::string::npos);
}

} // namespace
