// Games and indexes written to hurt: each must leave the replay sound, with the
// board right and the program running (hostile movetext is among the game endings).
#include <climits>

#include "clean_pgn.h"
#include "engine_fixture.h"
#include "move_list.h"
#include "placement.h"

using enginetest::game;
using enginetest::Rig;

namespace {

const std::string kRuyLopez = "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR";

// Fields of up to eight characters keep the fixed layout; longer ones grow the line.
TEST(MoveLines, TwoLongMovesReadBackAsTwo)
{
    EXPECT_EQ(morvane::moveLine(7, "exd8=Q+!!", "Kxd8"), "7. exd8=Q+!!    Kxd8");
    const struct {
        std::string white, black;
    } rows[] = {{"Bxc6+!?!", "dxc6!?!?"},
                {"Bxc6+!?!", "dxc6!?!?!"},
                {"Bxc6+!?!?", "dxc6!?!?"},
                {"Bxc6+!?!?", "dxc6!?!?!?"},
                {"Nbd7!?!?!?!?", "e5"},
                {"e4", "Nbd7!?!?!?!?"},
                {"", "e5"},
                {"Rxa8+", ""}};
    for (const auto& r : rows) {
        const morvane::MoveFields fields = morvane::moveFields(morvane::moveLine(4, r.white, r.black));
        EXPECT_EQ(fields.white, r.white);
        EXPECT_EQ(fields.black, r.black);
    }
}

TEST(Loader, AnIndexBeyondTheFileReadsWhatTheFileHolds)
{
    Rig rig;
    rig.usePgn("g.pgn", game("W", "B", "1. e4 e5 *"));
    rig.settings.save("MatchEnd1", "1E12");
    rig.engine.Timer2_Timer();
    rig.playGame();
    EXPECT_EQ(morvane::piecePlacement(rig.board), kRuyLopez);
}

// A hole in a sparse file makes a game of 17 MB without writing it.
TEST(Loader, AGameBeyondTheSizeLimitIsAnEmptyGame)
{
    Rig rig;
    const std::string head = "[Event \"big\"]\n\n1. e4 e5 {";
    const std::string tail = "} *\n";
    ASSERT_TRUE(rig.dir.writeAt("big.pgn", 0, head) && rig.dir.writeAt("big.pgn", morvane::kMaxGameBytes, tail));
    rig.usePgn("small.pgn", game("W", "B", "1. d4 d5 *"));
    rig.settings.save("PGNFile", rig.dir.file("big.pgn"));
    rig.settings.save("MatchEnd1", std::to_string(morvane::kMaxGameBytes + 1 + tail.size()));
    rig.engine.Timer2_Timer();
    EXPECT_TRUE(rig.engine.moveLines().empty());
    EXPECT_TRUE(rig.screen.timer1) << "the replay goes on to the next game";
}

TEST(Loader, AFileChangedWhileRunningIsIndexedAgain)
{
    Rig rig;
    rig.usePgn("c.pgn", game("Ann", "Bob", "1. e4 e5 *") + game("Cid", "Dee", "1. d4 d5 *"));
    rig.engine.Timer2_Timer();
    rig.playGame();
    rig.dir.write("c.pgn", game("New", "Game", "1. c4 c5 *") + game("Eve", "Fay", "1. Nf3 Nf6 2. g3 g6 *"));
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.screen.labels[1], "  Eve ");
    rig.playGame();
    EXPECT_TRUE(rig.dialogs.messages.empty()) << rig.dialogs.messages[0].text;
    EXPECT_EQ(morvane::piecePlacement(rig.board), "rnbqkb1r/pppppp1p/5np1/8/8/5NP1/PPPPPP1P/RNBQKB1R");
}

TEST(Loader, AHugeFirstGameDoesNotWrapRound)
{
    Rig rig;
    rig.usePgn("g.pgn", game("W", "B", "1. e4 e5 *"));
    rig.engine.GameNumber = INT_MAX; // FirstGame 2,147,483,649 or more
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.engine.GameNumber, INT_MAX);
}

} // namespace
