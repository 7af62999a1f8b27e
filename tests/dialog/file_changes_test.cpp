// A real PGN file changed by another program while the dialog holds positions or
// text read from it: nothing is cut or written from the stale reading, the list
// follows the file, and what the user typed stays.

#include <QListView>

#include <filesystem>

#include "dialog_harness.h"
#include "game_entry_tab.h"
#include "game_index.h"

using namespace testutil;

namespace {

struct OutsideChange {
    const char* name;
    std::string (*change)(std::string bytes);
    bool keepTime = false; // the file's time is put back, so only its bytes tell
};

std::string replaced(std::string bytes, const std::string& from, const std::string& to)
{
    bytes.replace(bytes.find(from), from.size(), to);
    return bytes;
}

std::size_t gamesIn(const std::string& bytes)
{
    return morvane::IndexGames(bytes).size();
}

bool saidChanged(const ScriptedDialogs& dialogs)
{
    return !dialogs.messages.empty() && dialogs.messages.back().text.find("changed") != std::string::npos;
}

class FileChanges : public OpenDialog {
protected:
    void SetUp() override
    {
        writeBytes(file, readBytes(dataPgn("100_best_games.pgn")));
        h.dialogs.files.push_back(file);
        click(d, "Command9");
    }

    // Another program rewrites the file; returns what it now holds.
    std::string changeOutside(const OutsideChange& c)
    {
        namespace fs = std::filesystem;
        const auto time = fs::last_write_time(file);
        const std::string changed = c.change(readBytes(file));
        writeBytes(file, changed);
        fs::last_write_time(file, c.keepTime ? time : time + std::chrono::seconds(2));
        return changed;
    }

    std::string file = h.path("games.pgn");
};

class EditAfterChange : public FileChanges, public ::testing::WithParamInterface<OutsideChange> {};

const OutsideChange kEditChanges[] = {
    {"CommentInGameOne", [](std::string b) { return replaced(std::move(b), "2. Nf3", "{seen} 2. Nf3"); }},
    {"TagLineRemoved", [](std::string b) { return replaced(std::move(b), "[Round \"?\"]\r\n", ""); }},
    {"SameSizeAndTime", [](std::string b) { return replaced(std::move(b), "Estrin", "Estrim"); }, true},
};

TEST_P(EditAfterChange, IsRefusedAndTheListFollowsTheFile)
{
    const std::string changed = changeOutside(GetParam());
    click(d, "Command6");
    EXPECT_TRUE(saidChanged(h.dialogs));
    EXPECT_NE(dialog->currentTab(), morvane::FrmSettings::GameEntryPage);
    EXPECT_EQ(textOf(d, "lblNumImported"), QString::number(gamesIn(changed)) + " games found");

    // Listed again, the game is cut where it now lies and saving keeps every other game.
    click(d, "Command6");
    ASSERT_EQ(dialog->currentTab(), morvane::FrmSettings::GameEntryPage);
    enterMoves(d, "Kh1", "Kc1");
    click(d, "Save");
    const std::string saved = readBytes(file);
    EXPECT_EQ(gamesIn(saved), gamesIn(changed));
    const std::string secondGame = changed.substr(changed.find("[Event \"Ch RSFSR\"]"));
    EXPECT_NE(saved.find(secondGame), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Outside, EditAfterChange, ::testing::ValuesIn(kEditChanges),
                         [](const auto& info) { return std::string(info.param.name); });

struct Start {
    const char* name;
    const char* button;
};

class SaveAfterChange : public FileChanges, public ::testing::WithParamInterface<Start> {};

TEST_P(SaveAfterChange, WritesNothingAndKeepsWhatWasTyped)
{
    click(d, GetParam().button);
    type(d, "White", "Typed");
    enterMoves(d, "e4", "e5");
    const std::string changed =
        changeOutside({"GameAppended",
                       [](std::string b) { return b + "\r\n[Event \"Later\"]\r\n[White \"X\"]\r\n\r\n1. d4 *\r\n"; }});
    click(d, "Save");
    EXPECT_TRUE(saidChanged(h.dialogs));
    EXPECT_EQ(readBytes(file), changed);
    EXPECT_EQ(textOf(d, "lblNumImported"), QString::number(gamesIn(changed)) + " games found");
    EXPECT_EQ(textOf(d, "White"), "Typed");
    EXPECT_FALSE(dialog->findChild<morvane::GameEntryTab*>()->isGameSaved());
}

INSTANTIATE_TEST_SUITE_P(Outside, SaveAfterChange,
                         ::testing::Values(Start{"EditGame", "Command6"}, Start{"NewGame", "Command7"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
