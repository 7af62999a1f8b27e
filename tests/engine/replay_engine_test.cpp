#include "replay_engine.h"

#include "decoder_host.h"
#include "engine_fixture.h"
#include "placement.h"

using enginetest::game;
using enginetest::Rig;
using morvane::MsgIcon;

namespace {

constexpr const char* kNotFound = "The specfied PGN file is not found, Loading Default";
constexpr const char* kNoDefault = "Default File Not found, please specify a PGN file";

std::string threeGames()
{
    return game("A", "B", "1. e4 e5 1-0") + game("C", "D", "1. d4 d5 0-1") + game("E", "F", "1. c4 c5 1/2-1/2");
}

TEST(Loader, GameNumbersStepAndWrap)
{
    Rig rig;
    rig.usePgn("m.pgn", threeGames());
    std::vector<int> numbers;
    for (int i = 0; i < 5; ++i) {
        rig.engine.Timer2_Timer();
        numbers.push_back(rig.engine.GameNumber);
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 1, 2}));
    EXPECT_EQ(rig.screen.labels[1], "  C "); // White of game 2
}

TEST(Loader, RandomOrderStaysInTheMatch)
{
    Rig rig;
    rig.usePgn("m.pgn", threeGames());
    rig.settings.save("Random", "1");
    double next = 0.999;
    rig.engine.setRandomSource([&next] { return next; });
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.engine.GameNumber, 3);
    next = 0.0;
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.engine.GameNumber, 1);
}

TEST(Loader, PauseAndTimers)
{
    Rig rig;
    rig.usePgn("m.pgn", threeGames());
    rig.settings.save("Timer2", "7");
    rig.screen.timer2 = true;
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.screen.timer2Interval, 7000);
    EXPECT_TRUE(rig.screen.timer1);
    EXPECT_FALSE(rig.screen.timer2);
    EXPECT_EQ(rig.engine.SideToMove(), 2);
}

TEST(Loader, NoFileChosenFallsBackToTheDefaultFile)
{
    Rig rig;
    rig.dir.write("default.pgn", threeGames());
    rig.engine.Timer2_Timer();
    EXPECT_TRUE(rig.dialogs.messages.empty());
    EXPECT_EQ(rig.settings.get("PGNFile", ""), rig.dir.file("default.pgn"));
    EXPECT_EQ(rig.settings.get("NumOfGames", ""), "3");
    EXPECT_EQ(rig.engine.moveLines().size(), 1u);
    EXPECT_TRUE(rig.screen.timer1);
}

TEST(Loader, MissingFileIsReportedThenTheDefaultPlays)
{
    Rig rig;
    rig.dir.write("default.pgn", threeGames());
    rig.settings.save("PGNFile", rig.dir.file("gone.pgn"));
    rig.settings.save("MatchBegin1", "1");
    rig.settings.save("MatchEnd1", "50");
    rig.engine.Timer2_Timer();
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0].text, kNotFound);
    EXPECT_EQ(rig.dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(rig.settings.get("PGNFile", ""), rig.dir.file("default.pgn"));
    EXPECT_TRUE(rig.screen.timer1);
}

TEST(Loader, WithoutAnyFileTheSettingsAreShownAndTheSaverUnloaded)
{
    for (const bool chosen : {true, false}) {
        Rig rig;
        if (chosen) {
            rig.settings.save("PGNFile", rig.dir.file("gone.pgn"));
            rig.settings.save("MatchBegin1", "1");
        }
        rig.engine.Timer2_Timer();
        EXPECT_EQ(rig.dialogs.texts(),
                  chosen ? (std::vector<std::string>{kNotFound, kNoDefault}) : std::vector<std::string>{kNoDefault});
        EXPECT_EQ(rig.screen.calls, (std::vector<std::string>{"cursor", "settings", "unload"}));
        EXPECT_FALSE(rig.screen.timer1);
    }
}

TEST(Loader, DefaultFileWithoutGames)
{
    Rig rig;
    rig.dir.write("default.pgn", "no games here\n");
    rig.engine.Timer2_Timer();
    EXPECT_TRUE(rig.dialogs.messages.empty());
    EXPECT_EQ(rig.screen.calls, (std::vector<std::string>{"hide", "cursor", "settings"}));
    EXPECT_FALSE(rig.screen.timer1);
}

TEST(Loader, TagsGoToTheLabelsAndAMissingOneLeavesItsLabelEmpty)
{
    Rig rig;
    rig.usePgn("m.pgn", game("A", "B", "1. e4 e5 1-0") + "[Event \"x\"]\n\n1. e4 e5 *\n");
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.screen.labels[0], "  B ");
    EXPECT_EQ(rig.screen.labels[1], "  A ");
    EXPECT_EQ(rig.screen.labels[2], "Event  Test ");
    EXPECT_EQ(rig.screen.labels[3], "Date  2024.01.01 ");
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.screen.labels[1], "");
}

TEST(Loader, ResultTagSurvivesAGameWithoutOne)
{
    Rig rig;
    rig.usePgn("m.pgn", game("A", "B", "1. e4 e5 1-0", "1-0") + game("C", "D", "1. d4 d5"));
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.engine.ResultTag, "1-0");
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.engine.ResultTag, "1-0");
    EXPECT_EQ(rig.engine.GameResult, "1-0");
}

TEST(Loader, UnbalancedCommentShowsItsMessageAndAnEmptyGame)
{
    Rig rig;
    rig.usePgn("m.pgn", "[Event \"x\"]\n\n1. e4 {oops e5 *\n");
    rig.engine.Timer2_Timer();
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0].text, "- There is an error in this PGN file.\r\n- number of left braces '{' are "
                                            "not equal to number of right braces '}'");
    EXPECT_TRUE(rig.engine.moveLines().empty());
}

TEST(MoveTimer, PrintsAndPlaysEachHalfMove)
{
    Rig rig;
    rig.usePgn("m.pgn", "[Event \"x\"]\n\n1. e4 e5 2. Nf3 1-0\n");
    rig.engine.Timer2_Timer();
    rig.engine.Timer1_Timer();
    EXPECT_EQ(rig.screen.printed, std::vector<std::string>{"1. e4"});
    EXPECT_EQ(rig.engine.MoveIndex, 0);
    rig.engine.Timer1_Timer();
    EXPECT_EQ(rig.engine.MoveIndex, 1);
    rig.engine.Timer1_Timer();
    rig.engine.Timer1_Timer(); // Black's field holds the marker
    EXPECT_EQ(rig.screen.printed, (std::vector<std::string>{"1. e4", "e5", "2. Nf3", "1-0"}));
    EXPECT_EQ(rig.screen.status(), "White wins");
    EXPECT_TRUE(rig.screen.timer1);
    rig.engine.Timer1_Timer(); // the end of the game
    EXPECT_FALSE(rig.screen.timer1);
    EXPECT_TRUE(rig.screen.timer2);
    EXPECT_EQ(rig.screen.status(), "White wins");
    EXPECT_EQ(morvane::piecePlacement(rig.board), "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R");
}

TEST(MoveTimer, UnfinishedGameEndsWithMatchFinished)
{
    Rig rig;
    rig.usePgn("m.pgn", "[Event \"x\"]\n\n1. e4 e5 *\n");
    rig.engine.Timer2_Timer();
    rig.playGame();
    EXPECT_EQ(rig.screen.status(), "Match finished or stopped");
}

TEST(MoveTimer, CheckNoticeOfTheLastMoveStays)
{
    Rig rig;
    rig.usePgn("m.pgn", "[Event \"x\"]\n\n1. e4 e5 2. Qh5 Nc6 3. Qxf7+ Kxf7 4. d4 Kg6+ *\n");
    rig.engine.Timer2_Timer();
    rig.playGame();
    EXPECT_EQ(rig.screen.status(), "white King Checked");
}

TEST(MoveTimer, IllegalMoveIsReportedAndSkipped)
{
    Rig rig;
    rig.usePgn("m.pgn", "[Event \"x\"]\n\n1. e4 Nd5 2. d4 e5 *\n");
    rig.engine.Timer2_Timer();
    rig.playGame();
    EXPECT_EQ(rig.dialogs.texts(), std::vector<std::string>{"Illegal move"});
    EXPECT_EQ(rig.dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(morvane::piecePlacement(rig.board), "rnbqkbnr/pppp1ppp/8/4p3/3PP3/8/PPP2PPP/RNBQKBNR");
}

TEST(MoveTimer, UnreadableMoveLoadsTheNextGame)
{
    Rig rig;
    rig.usePgn("m.pgn", game("A", "B", "1. e4 e9 2. d4 d5 *") + game("C", "D", "1. c4 c5 *"));
    rig.engine.Timer2_Timer();
    rig.engine.Timer1_Timer();
    rig.engine.Timer1_Timer();
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0].text, morvane::kDecodeFailedText);
    EXPECT_EQ(rig.dialogs.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(rig.engine.GameNumber, 2);
    EXPECT_EQ(rig.engine.MoveIndex, 0);
    EXPECT_EQ(rig.engine.SideToMove(), 2);
    EXPECT_TRUE(rig.screen.printed.empty());
    rig.engine.Timer1_Timer();
    EXPECT_EQ(rig.screen.printed, std::vector<std::string>{"1. c4"});
}

TEST(MoveTimer, InvalidMoveEndsTheProgram)
{
    Rig rig;
    rig.usePgn("m.pgn", "[Event \"x\"]\n\n1. e4 Zz5 2. d4 *\n");
    rig.engine.Timer2_Timer();
    rig.playGame();
    EXPECT_EQ(rig.dialogs.texts(), std::vector<std::string>{"Invalid Move"});
    EXPECT_EQ(rig.screen.calls.back(), "end");
}

TEST(MoveTimer, SoundsFollowTheMoves)
{
    Rig rig;
    rig.usePgn("m.pgn", "[Event \"x\"]\n\n1. e4 d5 2. exd5 *\n");
    rig.engine.Timer2_Timer();
    rig.playGame();
    const std::string folder = rig.dir.path() + "/";
    EXPECT_EQ(rig.sound.played,
              (std::vector<std::string>{folder + "move.wav", folder + "move.wav", folder + "capture.wav"}));
}

TEST(DefaultIndex, StoresExactPositionsAndTheCount)
{
    Rig rig;
    const std::string text = "junk\n[Event \"a\"]\n1. e4 *\n[Event \"b\"]\n1. d4 *\n";
    std::string path = "  " + rig.dir.write("d.pgn", text) + " ";
    ASSERT_TRUE(rig.engine.EnumDefault(path));
    EXPECT_EQ(path, rig.dir.file("d.pgn"));
    EXPECT_EQ(rig.settings.get("NumOfGames", ""), "2");
    EXPECT_EQ(rig.settings.get("MatchBegin1", ""), "6");
    EXPECT_EQ(rig.settings.get("MatchEnd1", ""), "25");
    EXPECT_EQ(rig.settings.get("MatchBegin2", ""), "26");
    EXPECT_EQ(rig.settings.get("MatchEnd2", ""), std::to_string(text.size() + 1));
    std::string gone = rig.dir.file("none.pgn");
    EXPECT_FALSE(rig.engine.EnumDefault(gone));
}

TEST(DefaultIndex, PositionsInExponentFormAreRead)
{
    Rig rig;
    rig.usePgn("m.pgn", threeGames());
    const std::string end = rig.settings.get("MatchEnd1", "");
    rig.settings.save("MatchBegin1", "1.0E+00");
    rig.settings.save("MatchEnd1", std::to_string(std::stod(end) / 10) + "E+01");
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.engine.moveLines().size(), 1u);
    EXPECT_EQ(rig.screen.labels[1], "  A ");
}

} // namespace
