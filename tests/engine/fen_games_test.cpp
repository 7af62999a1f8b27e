// Games set up from a FEN, Chess960 games among them, replayed as the
// screensaver does: each ends on the placement worked out by hand beside the
// file, and a FEN that cannot be read is reported and the game skipped.
#include <gtest/gtest.h>

#include <fstream>

#include "engine_fixture.h"
#include "replay_report.h"
#include "test_data.h"

namespace {

// The replay tool's report of a test data file, line by line.
std::vector<std::string> reportLines(const std::string& name)
{
    std::vector<std::string> lines;
    std::istringstream in(replayReport(testdata::pgnFolder() / name));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(FenGames, EachEndsOnItsPlacementAndABrokenFenIsSkipped)
{
    std::ifstream in(testdata::pgnFolder() / "fen_and_960.expected.tsv");
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) // the report has "ok" before the placement
        expected.push_back(line.insert(line.rfind('\t'), "\tok"));
    ASSERT_EQ(expected.size(), 7u);
    EXPECT_EQ(reportLines("fen_and_960.pgn"), expected);
    EXPECT_EQ(reportLines("fen_broken.pgn"),
              (std::vector<std::string>{"1\t0\tThere is an error found in this game. / Please open the PGN file in a "
                                        "text editor and fix this error. / if you press Enter, Morvane will play the "
                                        "next game.\trnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",
                                        "2\t2\tok\t8/3k4/8/8/4P3/8/8/4K3"}));
}

TEST(FenGames, TheMoveListIsPrintedFromTheSetUpMove)
{
    enginetest::Rig rig;
    rig.usePgn("b.pgn", "[Event \"x\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 30\"]\n\n30... Kd7 31. e4 *\n");
    rig.engine.Timer2_Timer();
    rig.playGame();
    EXPECT_EQ(rig.screen.printed, (std::vector<std::string>{"30. ", "Kd7", "31. e4", "*"}));
}

} // namespace
