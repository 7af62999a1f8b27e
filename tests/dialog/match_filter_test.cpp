// Finding games by their tags: the filter over real files, and the PGN Import
// tab storing and editing the games it shows.
#include <QListView>

#include "dialog_harness.h"
#include "game_index.h"
#include "match_filter.h"

using namespace testutil;

namespace {

TEST(MatchFilter, KeepsTheGamesWhoseTagsHoldEveryWord)
{
    struct Case {
        const char* file;
        const char* typed;
        std::size_t games; // counted with awk over the tag lines
    };
    const Case cases[] = {
        {"Fischer.pgn", "spassky", 56},
        {"Fischer.pgn", " SPASSKY   1972 ", 21}, // every word, any case, any of the six tags
        {"Fischer.pgn", "", 827},
        {"lichess_2019.pgn", "chessbrahs bullet", 40},
        {"lichess_2019.pgn", "2898", 0}, // an Elo is no searched tag
        {"100_best_games.pgn", "kasparov", 6},
    };
    for (const Case& c : cases) {
        const std::string path = dataPgn(c.file);
        const auto games = morvane::IndexGames(readBytes(path));
        // Blocks far smaller than the file cut tag sections at every kind of place.
        for (const std::int64_t block : {std::int64_t{4} << 20, std::int64_t{700}}) {
            morvane::MatchFilter filter;
            ASSERT_TRUE(filter.load(path, games, block));
            EXPECT_EQ(filter.matching(QString::fromLatin1(c.typed)).size(), c.games) << c.file << c.typed << block;
        }
    }
}

TEST(PgnImport, TheFilterNarrowsTheListAndApplyAndEditTakeTheShownGames)
{
    DialogHarness h;
    const std::string bytes = readBytes(dataPgn("Fischer.pgn"));
    const std::string file = h.path("fischer.pgn");
    writeBytes(file, bytes);
    auto dialog = openImported(h, file);
    type(dialog.get(), "txtFilter", "spassky 1972");
    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), "21 games found");
    auto* list = child<QListView>(dialog.get(), "List1");
    ASSERT_EQ(list->model()->rowCount(), 21);
    EXPECT_EQ(list->model()->index(1, 0).data().toString(),
              "2- Fischer, Robert James - Spassky, Boris V, World Championship 28th, 1972.??.??");

    list->setCurrentIndex(list->model()->index(1, 0));
    click(dialog.get(), "CmdApply");
    const auto spans = morvane::IndexGames(bytes);
    EXPECT_EQ(h.stored("NumOfGames"), "21");
    EXPECT_EQ(h.stored("FirstGame"), "2");
    EXPECT_EQ(h.stored("MatchBegin2"), std::to_string(spans[774].begin)); // game 775 of the file
    EXPECT_EQ(h.stored("MatchEnd21"), std::to_string(spans[793].end));
    click(dialog.get(), "Command6");
    EXPECT_EQ(textOf(dialog.get(), "White"), "Fischer, Robert James");

    type(dialog.get(), "txtFilter", "nobody");
    EXPECT_EQ(textOf(dialog.get(), "lblNumImported"), "0 games found");
    EXPECT_FALSE(child(dialog.get(), "CmdApply")->isEnabled()) << "a match of no games is not stored";
    click(dialog.get(), "CmdOk");
    EXPECT_EQ(h.stored("NumOfGames"), "21") << "nor by OK";
}

} // namespace
