// Small games replayed end to end through the loader and the move timer: where
// the replay reads valid PGN differently from a literal reading, and how a game
// ends, with the messages it shows on the way.
#include "engine_fixture.h"
#include "placement.h"

using enginetest::Rig;

namespace {

TEST(GameEndings, EndOnThePlacementAndStatus)
{
    const char* const kRuyLopez = "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR";
    struct Ending {
        const char* pgn;
        const char* placement;
        const char* status;
        const char* message; // the only one shown, or empty
    };
    const Ending rows[] = {
        // 5. gxh8Q: a capturing promotion written without "=".
        {"1. h4 g5 2. hxg5 h6 3. gxh6 Bg7 4. hxg7 Nf6 5. gxh8Q *", "rnbqk2Q/pppppp2/5n2/8/8/8/PPPPPPP1/RNBQKBNR",
         "Game was not completed", ""},
        {"1. e4 e5 *", kRuyLopez, "Match finished or stopped", ""},
        {"1. e4! e5? 2. Qh5!? Nc6?! 3. Bc4!! Nf6?? 4. Qxf7#! 1-0",
         "r1bqkb1r/pppp1Qpp/2n2n2/4p3/2B1P3/8/PPPP1PPP/RNB1K1NR", "White wins", ""},
        // Brackets inside a tag value.
        {"[Site \"Riga [Tal]\"]\n[Result \"0-1\"]\n\n1. f3 e5 2. g4 Qh4# 0-1",
         "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR", "Black wins", ""},
        // The check notice of the last move stays.
        {"1. e4 e5 2. Qh5 Nc6 3. Qxf7+ Kxf7 4. d4 Kg6+ *", "r1bq1bnr/pppp2pp/2n3k1/4p3/3PP3/8/PPP2PPP/RNB1KBNR",
         "white King Checked", ""},
        {"1. e4 Nd5 2. d4 e5 *", "rnbqkbnr/pppp1ppp/8/4p3/3PP3/8/PPP2PPP/RNBQKBNR", "Match finished or stopped",
         "Illegal move"},
        // Hostile but valid: two annotated moves of eight characters or more (Black's must survive), tabs
        // between tokens, a quote that closes only after the one "]".
        {"1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6!?!?!? dxc6!?!?!? *",
         "r1bqkbnr/1pp2ppp/p1p5/4p3/4P3/5N2/PPPP1PPP/RNBQK2R", "Match finished or stopped", ""},
        {"1.\te4\te5\t*", kRuyLopez, "Match finished or stopped", ""},
        {"[Annotator \"Joe]\"\n\n1. e4 e5 *", kRuyLopez, "Match finished or stopped", ""},
        // An unbalanced comment makes the game empty.
        {"1. e4 {oops e5 *", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", "Match finished or stopped",
         "- There is an error in this PGN file.\r\n- number of left braces '{' are not equal to number of right "
         "braces '}'"},
        // The program ends: 2. d4 is never played.
        {"1. e4 Zz5 2. d4 *", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR", "", "Invalid Move"},
    };
    for (const Ending& g : rows) {
        SCOPED_TRACE(g.pgn);
        Rig rig;
        // The file ends in its last game's marker and a single line feed.
        rig.usePgn("m.pgn", std::string("[Event \"x\"]\n") + (g.pgn[0] == '[' ? "" : "\n") + g.pgn + "\n");
        rig.engine.Timer2_Timer();
        rig.playGame();
        EXPECT_EQ(rig.dialogs.texts(), *g.message ? std::vector<std::string>{g.message} : std::vector<std::string>{});
        EXPECT_EQ(morvane::piecePlacement(rig.board), g.placement);
        EXPECT_EQ(rig.screen.status(), g.status);
    }
}

// A game beyond 4 GB in a sparse file: the loader reads the game's own bytes,
// not the whole file, and positions are exact 64-bit integers.
TEST(Loader, ReadsOnlyTheGamesOwnBytes)
{
    Rig rig;
    const std::string text = "[Event \"far\"]\n[White \"W\"]\n\n1. d4 d5 1/2-1/2\n";
    const std::int64_t offset = 5'000'000'000;
    if (!rig.dir.writeAt("huge.pgn", offset, text))
        GTEST_SKIP() << "no sparse files here";
    rig.settings.save("PGNFile", rig.dir.file("huge.pgn"));
    rig.settings.save("NumOfGames", "1");
    rig.settings.save("MatchBegin1", std::to_string(offset + 1));
    rig.settings.save("MatchEnd1", std::to_string(offset + 1 + static_cast<std::int64_t>(text.size())));
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.screen.labels[1], "  W ");
    rig.playGame();
    EXPECT_EQ(rig.screen.status(), "Drawn game");
    EXPECT_TRUE(rig.dialogs.messages.empty());
}

} // namespace
