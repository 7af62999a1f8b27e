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

TEST(Loader, GameNumbersStepAndWrapOnlyRightAfterTheLast)
{
    Rig rig;
    rig.usePgn("m.pgn", threeGames());
    rig.settings.save("Timer2", "7");
    std::vector<int> numbers;
    for (int i = 0; i < 5; ++i) {
        rig.engine.Timer2_Timer();
        numbers.push_back(rig.engine.GameNumber);
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 1, 2}));
    EXPECT_EQ(rig.screen.labels[1], "  C "); // White of game 2
    EXPECT_EQ(rig.screen.timer2Interval, 7000);
    EXPECT_TRUE(rig.screen.timer1);
    EXPECT_FALSE(rig.screen.timer2);
    EXPECT_EQ(rig.engine.SideToMove(), 2);

    // A first game beyond the file (the list was shorter than the stored choice)
    // does not wrap: there is no such game and no default file to fall back on.
    rig.engine.GameNumber = 4;
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.engine.GameNumber, 5);
    EXPECT_EQ(rig.dialogs.texts(), std::vector<std::string>{kNoDefault});
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

// Where the loader turns when the chosen file, or any file, is missing.
TEST(Loader, FallsBackToTheDefaultFileOrShowsTheSettings)
{
    struct Row {
        const char* name;
        const char* defaultFile; // nullptr: none in the data folder
        bool chosenMissing;      // PGNFile names a file that is gone
        std::vector<std::string> messages;
        std::vector<std::string> calls; // none: the game plays
    };
    const std::vector<Row> rows = {
        {"nothing chosen plays the default", "games", false, {}, {}},
        {"a missing file is reported, then the default plays", "games", true, {kNotFound}, {}},
        {"a default without games shows the settings", "none", false, {}, {"hide", "cursor", "settings"}},
        {"no file at all", nullptr, true, {kNotFound, kNoDefault}, {"cursor", "settings", "unload"}},
        {"nothing chosen and no default", nullptr, false, {kNoDefault}, {"cursor", "settings", "unload"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Rig rig;
        if (row.defaultFile)
            rig.dir.write("default.pgn", row.defaultFile == std::string("games") ? threeGames() : "no games\n");
        if (row.chosenMissing) {
            rig.settings.save("PGNFile", rig.dir.file("gone.pgn"));
            rig.settings.save("MatchBegin1", "1");
            rig.settings.save("MatchEnd1", "50");
        }
        rig.engine.Timer2_Timer();
        EXPECT_EQ(rig.dialogs.texts(), row.messages);
        EXPECT_EQ(rig.screen.calls, row.calls.empty() ? std::vector<std::string>{"clear"} : row.calls);
        EXPECT_EQ(rig.screen.timer1, row.calls.empty());
        if (row.calls.empty()) {
            EXPECT_EQ(rig.settings.get("PGNFile", ""), rig.dir.file("default.pgn"));
            EXPECT_EQ(rig.settings.get("NumOfGames", ""), "3");
            EXPECT_EQ(rig.engine.moveLines().size(), 1u);
        }
    }
}

TEST(Loader, TagsGoToTheLabelsAndTheResultTagSurvivesAGameWithoutOne)
{
    Rig rig;
    rig.usePgn("m.pgn", game("A", "B", "1. e4 e5 1-0", "1-0") + "[Event \"x\"]\n\n1. e4 e5\n");
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.screen.labels[0], "  B ");
    EXPECT_EQ(rig.screen.labels[1], "  A ");
    EXPECT_EQ(rig.screen.labels[2], "Event  Test ");
    EXPECT_EQ(rig.screen.labels[3], "Date  2024.01.01 ");
    EXPECT_EQ(rig.engine.ResultTag, "1-0");
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.screen.labels[1], "");
    EXPECT_EQ(rig.engine.ResultTag, "1-0");
    EXPECT_EQ(rig.engine.GameResult, "1-0");
}

TEST(MoveTimer, PrintsPlaysAndSoundsEachHalfMove)
{
    Rig rig;
    rig.usePgn("m.pgn", "[Event \"x\"]\n\n1. e4 d5 2. exd5 1-0\n");
    rig.engine.Timer2_Timer();
    rig.engine.Timer1_Timer();
    EXPECT_EQ(rig.screen.printed, std::vector<std::string>{"1. e4"});
    EXPECT_EQ(rig.engine.MoveIndex, 0);
    rig.engine.Timer1_Timer();
    EXPECT_EQ(rig.engine.MoveIndex, 1);
    rig.engine.Timer1_Timer();
    rig.engine.Timer1_Timer(); // Black's field holds the marker
    EXPECT_EQ(rig.screen.printed, (std::vector<std::string>{"1. e4", "d5", "2. exd5", "1-0"}));
    EXPECT_EQ(rig.screen.status(), "White wins");
    EXPECT_TRUE(rig.screen.timer1);
    rig.engine.Timer1_Timer(); // the end of the game
    EXPECT_FALSE(rig.screen.timer1);
    EXPECT_TRUE(rig.screen.timer2);
    EXPECT_EQ(rig.screen.status(), "White wins");
    EXPECT_EQ(morvane::piecePlacement(rig.board), "rnbqkbnr/ppp1pppp/8/3P4/8/8/PPPP1PPP/RNBQKBNR");
    EXPECT_EQ(rig.sound.played, (std::vector<std::string>{rig.dir.file("move.wav"), rig.dir.file("move.wav"),
                                                          rig.dir.file("capture.wav")}));
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

TEST(DefaultIndex, StoresExactPositionsAndTheCountAndReadsThemInExponentForm)
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

    rig.settings.save("PGNFile", path);
    rig.settings.save("MatchBegin1", "6.0E+00");
    rig.settings.save("MatchEnd1", "2.5E+01");
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.engine.moveLines().size(), 1u);
    EXPECT_EQ(rig.screen.labels[2], "Event  a ");
}

} // namespace
