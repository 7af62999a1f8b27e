// PGN Import: what the list shows and the positions Apply stores, on real game
// files as LF and as CR LF; a missing file, a file without games; tooltips.

#include <QListView>
#include <QTextDocumentFragment>

#include <filesystem>
#include <tuple>

#include "dialog_harness.h"
#include "game_index.h"
#include "match_list_model.h"

using namespace testutil;

namespace {

// The second, shorter file's Apply leaves no pairs of the first behind.
TEST(PgnImport, RealFilesListAndStoreExactlyTheirGames)
{
    DialogHarness h;
    const std::pair<const char*, bool> files[] = {{"Fischer.pgn", false}, {"100_best_games.pgn", true}};
    for (const auto& [name, crlf] : files) {
        SCOPED_TRACE(name);
        const std::string bytes = crlf ? withCrLf(readBytes(dataPgn(name))) : readBytes(dataPgn(name));
        const std::string file = h.path(name);
        writeBytes(file, bytes);
        const auto spans = morvane::IndexGames(bytes); // checked against a literal scan in the notation tests
        ASSERT_GT(spans.size(), 1u);
        auto dialog = openImported(h, file);
        EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), QString::number(spans.size()) + " games found");
        EXPECT_EQ(textOf(dialog.get(), "Location"), QString::fromStdString(file));
        auto* list = child<QListView>(dialog.get(), "List1");
        ASSERT_EQ(list->model()->rowCount(), static_cast<int>(spans.size()));
        EXPECT_EQ(textOf(dialog.get(), "Match"), "Match 1 will be played first");

        // Then a click on the third game names it to be played first.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
        EXPECT_EQ(textOf(dialog.get(), "Match"), "Match 3 will be played first");
        click(dialog.get(), "CmdApply");
        ASSERT_EQ(h.stored("NumOfGames"), std::to_string(spans.size()));
        EXPECT_EQ(h.stored("FirstGame"), "3");
        EXPECT_EQ(h.stored("PGNFile"), file);
        for (std::size_t i = 0; i < spans.size(); ++i) {
            ASSERT_EQ(h.stored("MatchBegin" + std::to_string(i + 1)), std::to_string(spans[i].begin)) << i + 1;
            ASSERT_EQ(h.stored("MatchEnd" + std::to_string(i + 1)), std::to_string(spans[i].end)) << i + 1;
        }
        EXPECT_EQ(h.stored("MatchBegin" + std::to_string(spans.size() + 1)), "<absent>");
        EXPECT_EQ(h.stored("MatchEnd" + std::to_string(spans.size() + 1)), "<absent>");
    }
}

TEST_F(OpenDialog, ImportingAFileWithoutGamesOrACancelChangesNothingAndTheFolderIsRemembered)
{
    writeBytes(h.path("notes.pgn"), "[event \"lower case is no game\"]\n1. e4 e5 *\n");
    h.dialogs.files = {std::nullopt, h.path("notes.pgn")};
    click(d, "Command9");
    EXPECT_EQ(h.dialogs.fileDialogStartDirs.back(), h.appPath) << "the first import starts in the data folder";
    EXPECT_EQ(h.stored("LastDir"), "<absent>");
    click(d, "Command9");
    EXPECT_EQ(child<QListView>(d, "List1")->model()->rowCount(), 0);
    EXPECT_EQ(textOf(d, "lblNumImported"), "100 games found") << "the count stays";
    EXPECT_FALSE(child(d, "CmdApply")->isEnabled()) << "Apply waits for a file with games";
    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_EQ(h.stored("LastDir"), h.path("")) << "stored before any Apply";
    h.dialogs.files.push_back(std::nullopt);
    click(d, "Command9");
    EXPECT_EQ(h.dialogs.fileDialogStartDirs.back(), h.path(""));
}

TEST(PgnImport, AMissingFileFallsBackToTheDefaultAndWithoutOneTheListStaysEmpty)
{
    const std::string notFound = "The specfied PGN file is not found, Loading Default";
    const std::tuple<bool, std::vector<std::string>, QString> rows[] = {
        {true, {notFound}, "100 games found"},
        {false, {notFound, "Default File Not found, please specify a PGN file"}, ""}};
    for (const auto& [withDefault, said, count] : rows) {
        DialogHarness h;
        h.config().save("PGNFile", h.path("gone.pgn"));
        if (!withDefault)
            std::filesystem::remove(h.appPath + "default.pgn");
        auto dialog = h.open();
        EXPECT_EQ(h.dialogs.texts(), said);
        EXPECT_EQ(textOf(dialog.get(), "Location").toStdString(), withDefault ? h.appPath + "default.pgn" : "");
        EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), count);
        EXPECT_EQ(child<QListView>(dialog.get(), "List1")->model()->rowCount(), withDefault ? 100 : 0);
        EXPECT_EQ(child(dialog.get(), "Match")->isHidden(), !withDefault);
    }
}

// Texts taken from a PGN file are shown as written, never as markup.
TEST(MatchList, TooltipsShowTagsAsWritten)
{
    DialogHarness h;
    const std::string text = "[Event \"<b>Open</b>\"]\n[White \"<img src=x width=20000>\"]\n[Black \"B\"]\n\n1. e4 *\n";
    writeBytes(h.path("markup.pgn"), text);
    morvane::MatchListModel model;
    model.setGames(h.path("markup.pgn"), {{1, static_cast<std::int64_t>(text.size())}});
    const QString tip = model.data(model.index(0), Qt::ToolTipRole).toString();
    const QString shown = Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
    EXPECT_TRUE(shown.contains(QStringLiteral("<b>Open</b>"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("<img src=x width=20000>"))) << shown.toStdString();
}

} // namespace
