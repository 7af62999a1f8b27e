// PGN Import on the shared game files, as LF and as CR LF: what the list shows and
// the positions Apply stores, checked against the scan written out step by step.

#include <QElapsedTimer>
#include <QListView>
#include <QScrollBar>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "dialog_harness.h"
#include "game_index.h"
#include "match_list_model.h"
#include "qt_dialogs.h"

using namespace testutil;

namespace {

// The list entries, from the scan over T = file & CR LF with 1-based InStr searches.
std::vector<std::string> literalEntries(const std::string& file)
{
    const std::string t = file + "\r\n";
    auto inStr = [&t](std::int64_t start, const std::string& what) -> std::int64_t {
        const auto pos = t.find(what, static_cast<std::size_t>(start - 1));
        return pos == std::string::npos ? 0 : static_cast<std::int64_t>(pos) + 1;
    };
    std::vector<std::string> entries;
    for (std::int64_t e = inStr(1, "[Event "); e != 0; e = inStr(e + 1, "[Event ")) {
        const std::int64_t b = inStr(e + 1, "[Black ");
        const std::int64_t c = inStr(b + 1, "]");
        std::string tags = t.substr(static_cast<std::size_t>(e - 1), static_cast<std::size_t>(c - e + 1));
        for (char& ch : tags)
            if (ch == '[' || ch == ']' || ch == '"')
                ch = ' ';
        entries.push_back(std::to_string(entries.size() + 1) + "- " + tags);
    }
    return entries;
}

struct FileRow {
    const char* file;
    bool crlf;
};

class RealFiles : public ::testing::TestWithParam<FileRow> {};

TEST_P(RealFiles, ListAndStoredPositionsCutExactlyTheGames)
{
    DialogHarness h;
    const std::string original = readBytes(dataPgn(GetParam().file));
    ASSERT_FALSE(original.empty());
    const std::string bytes = GetParam().crlf ? withCrLf(original) : original;
    const std::string file = h.path("games.pgn");
    writeBytes(file, bytes);
    const std::vector<std::string> entries = literalEntries(bytes);
    ASSERT_GT(entries.size(), 1u);

    auto dialog = h.open();
    h.dialogs.files.push_back(file);
    click(dialog.get(), "Command9");

    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), QString::number(entries.size()) + QStringLiteral(" games found"));
    EXPECT_EQ(textOf(dialog.get(), "Location"), QString::fromStdString(file));
    auto* list = child<QListView>(dialog.get(), "List1");
    ASSERT_EQ(list->model()->rowCount(), static_cast<int>(entries.size()));
    for (int i = 0; i < list->model()->rowCount(); ++i) {
        const QString entry = list->model()->index(i, 0).data(morvane::MatchListModel::EntryTextRole).toString();
        // The shared files are ASCII apart from a few names; compare as the bytes were decoded.
        ASSERT_EQ(entry, morvane::displayText(entries[static_cast<std::size_t>(i)])) << "entry " << i;
    }
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_EQ(textOf(dialog.get(), "Match"), "Match 1 will be played first");
    EXPECT_TRUE(child(dialog.get(), "Match")->isVisible());
    EXPECT_TRUE(child(dialog.get(), "CmdApply")->isEnabled());

    click(dialog.get(), "CmdApply");
    // The spans come from the index, checked against its own literal scan in the notation tests.
    const auto spans = morvane::IndexGames(bytes);
    ASSERT_EQ(h.stored("NumOfGames"), std::to_string(spans.size()));
    EXPECT_EQ(h.stored("FirstGame"), "1");
    EXPECT_EQ(h.stored("PGNFile"), file);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        ASSERT_EQ(h.stored("MatchBegin" + n), std::to_string(spans[i].begin)) << "game " << n;
        ASSERT_EQ(h.stored("MatchEnd" + n), std::to_string(spans[i].end)) << "game " << n;
    }
    EXPECT_EQ(h.stored("MatchBegin" + std::to_string(spans.size() + 1)), "<absent>");
}

INSTANTIATE_TEST_SUITE_P(SharedGames, RealFiles,
                         ::testing::Values(FileRow{"100_best_games.pgn", false}, FileRow{"100_best_games.pgn", true},
                                           FileRow{"Fischer.pgn", false}, FileRow{"Fischer.pgn", true},
                                           FileRow{"1001_minis.pgn", false}, FileRow{"lichess_2019.pgn", true}),
                         [](const auto& info) {
                             std::string n = info.param.file;
                             n = n.substr(0, n.find('.'));
                             return "f" + n + (info.param.crlf ? "_crlf" : "_lf");
                         });

TEST(PgnImport, ChoosingAnotherGameNamesItToBePlayedFirst)
{
    DialogHarness h;
    auto dialog = h.open();
    auto* list = child<QListView>(dialog.get(), "List1");
    list->scrollTo(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
    EXPECT_EQ(textOf(dialog.get(), "Match"), "Match 3 will be played first");
    click(dialog.get(), "CmdApply");
    EXPECT_EQ(h.stored("FirstGame"), "3");
}

TEST(PgnImport, AFileWithoutGamesEmptiesTheListAndKeepsTheCount)
{
    DialogHarness h;
    auto dialog = h.open();
    const QString countBefore = textOf(dialog.get(), "lblNumImported");
    EXPECT_EQ(countBefore, "100 games found");

    const std::string file = h.path("notes.pgn");
    writeBytes(file, "[event \"lower case is no game\"]\n1. e4 e5 *\n");
    h.dialogs.files.push_back(file);
    click(dialog.get(), "Command9");
    EXPECT_EQ(child<QListView>(dialog.get(), "List1")->model()->rowCount(), 0);
    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), countBefore);
    EXPECT_FALSE(child(dialog.get(), "CmdApply")->isEnabled()) << "Apply waits for a file with games";
    EXPECT_TRUE(h.dialogs.messages.empty());
}

TEST(PgnImport, TheChosenFoldersIsRememberedAtOnceAndACancelChangesNothing)
{
    DialogHarness h;
    auto dialog = h.open();
    h.dialogs.files.push_back(std::nullopt);
    click(dialog.get(), "Command9");
    EXPECT_EQ(h.dialogs.fileDialogStartDirs.back(), h.appPath) << "the first import starts in the data folder";
    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), "100 games found");
    EXPECT_FALSE(child(dialog.get(), "CmdApply")->isEnabled());
    EXPECT_EQ(h.stored("LastDir"), "<absent>");

    const std::string folder = h.path("pgn");
    std::filesystem::create_directory(folder);
    writeBytes(folder + "/games.pgn", readBytes(dataPgn("lichess_2019.pgn")));
    h.dialogs.files.push_back(folder + "/games.pgn");
    click(dialog.get(), "Command9");
    EXPECT_EQ(h.stored("LastDir"), folder + "/") << "stored before any Apply";
    h.dialogs.files.push_back(std::nullopt);
    click(dialog.get(), "Command9");
    EXPECT_EQ(h.dialogs.fileDialogStartDirs.back(), folder + "/");
}

TEST(PgnImport, AMissingFileFallsBackToTheDefaultAndWithoutOneTheListStaysEmpty)
{
    const std::string notFound = "The specfied PGN file is not found, Loading Default";
    {
        DialogHarness h;
        h.config().save("PGNFile", h.path("gone.pgn"));
        auto dialog = h.open();
        EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{notFound});
        EXPECT_EQ(textOf(dialog.get(), "Location"), QString::fromStdString(h.appPath + "default.pgn"));
        EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), "100 games found");
    }
    DialogHarness h;
    std::filesystem::remove(h.appPath + "default.pgn");
    auto dialog = h.open();
    EXPECT_EQ(h.dialogs.texts(),
              (std::vector<std::string>{notFound, "Default File Not found, please specify a PGN file"}));
    EXPECT_EQ(child<QListView>(dialog.get(), "List1")->model()->rowCount(), 0);
    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), "");
    EXPECT_FALSE(child(dialog.get(), "Match")->isVisible());
}

// Hundreds of thousands of games: the list must appear at once and scroll freely.
TEST(PgnImport, AHugeFileListsWithoutFreezing)
{
    DialogHarness h;
    constexpr int kGames = 300000;
    std::string big;
    big.reserve(kGames * 80);
    for (int i = 1; i <= kGames; ++i)
        big += "[Event \"Blitz " + std::to_string(i) + "\"]\n[White \"A\"]\n[Black \"B\"]\n\n1. e4 e5 *\n\n";
    const std::string file = h.path("huge.pgn");
    writeBytes(file, big);
    auto dialog = h.open();

    QElapsedTimer clock;
    clock.start();
    h.dialogs.files.push_back(file);
    click(dialog.get(), "Command9");
    auto* list = child<QListView>(dialog.get(), "List1");
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    QApplication::processEvents();
    const qint64 importMs = clock.elapsed();
    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), QString::number(kGames) + " games found");
    EXPECT_EQ(list->model()->index(kGames - 1, 0).data().toString(),
              "300000-  Event  Blitz 300000    White  A    Black  B  ");
    EXPECT_LT(importMs, 3000) << "import and scroll took " << importMs << " ms";

    clock.restart();
    click(dialog.get(), "CmdApply");
    const qint64 applyMs = clock.elapsed();
    EXPECT_EQ(h.stored("MatchEnd300000"), std::to_string(big.size() + 1));
    std::printf("[ measure  ] %d games: import and scroll %lld ms, apply %lld ms\n", kGames,
                static_cast<long long>(importMs), static_cast<long long>(applyMs));
}

} // namespace
