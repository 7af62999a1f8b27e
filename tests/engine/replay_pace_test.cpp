// Waits taken from the players' clocks, captions held long enough to read, and
// the replay that shows both.
#include <tuple>

#include "engine_fixture.h"
#include "game_index.h"
#include "move_pace.h"
#include "test_data.h"

namespace {

using morvane::halfMoveKey;
using morvane::pacedWait;
using morvane::readableWait;

// The replay test below checks the clocks' drops; here the edges of the rules.
TEST(ReplayPace, ClocksGiveEachMoveItsTime)
{
    const std::string text = testdata::annotatedPgn();
    const auto spans = morvane::IndexGames(text);
    ASSERT_EQ(spans.size(), 3u);
    const auto notes = [&](std::size_t game) { return morvane::readMoveNotes(morvane::GameText(text, spans[game])); };
    EXPECT_EQ(morvane::secondsSpent(notes(0), "180+2").at(halfMoveKey(1, false)), 2) << "from the base time";
    EXPECT_FALSE(morvane::secondsSpent(notes(0), "-").contains(halfMoveKey(1, false))) << "no base, no time";
    const auto club = morvane::secondsSpent(notes(2), "900+10");
    EXPECT_EQ(club.at(halfMoveKey(2, false)), 70);
    EXPECT_EQ(club.at(halfMoveKey(2, true)), 0);
}

TEST(ReplayPace, WaitsStayWithinTheirBounds)
{
    const std::tuple<std::optional<double>, double, std::int32_t> paced[] = {
        {27, 10, 2700}, {70, 1, 30000}, {0, 10, 500}, {std::nullopt, 10, 2000}, {27, 0, 2000}, {27, -3, 2000},
    };
    for (const auto& [spent, factor, wait] : paced)
        EXPECT_EQ(pacedWait(spent, factor, 2000), wait) << factor;

    const std::string longText(400, 'x');
    const std::pair<std::string, std::int32_t> read[] = {
        {"", 2000},
        {"twenty characters!!!", 3000},
        {"\xC3\xA9t\xC3\xA9", 2150},
        {longText, 15000},
    };
    for (const auto& [caption, wait] : read)
        EXPECT_EQ(readableWait(2000, caption), wait) << caption;
    EXPECT_EQ(readableWait(20000, "long wait anyway"), 20000);
}

// The annotated games at a Timer of 2 s, played through.
void playAnnotated(enginetest::Rig& rig)
{
    rig.usePgn("annotated.pgn", testdata::annotatedPgn());
    rig.settings.save("Timer", "2");
    rig.engine.Timer2_Timer();
    rig.playGame(200);
}

TEST(ReplayPace, TheReplayShowsCaptionsAndFollowsClocks)
{
    enginetest::Rig rig;
    rig.settings.save("ShowComments", "1");
    rig.settings.save("PaceByClock", "10");
    playAnnotated(rig);
    const auto& s = rig.screen;
    // The load clears the caption; then one per half-move, fourteen in all.
    ASSERT_EQ(s.captions.size(), 15u);
    EXPECT_EQ(s.captions[0], "");
    EXPECT_EQ(s.captions[6], "Inaccuracy. Nf6 was best.");
    EXPECT_EQ(s.captions[7], "Blunder. Nxd4 was best.");
    // Before 1.e4: 2 s / 10, raised to half a second; before 3...Nd4: 27 s / 10;
    // after it (25 characters) 4.Nxe5's 7 s / 10 grows by 1.25 s; after 4.Nxe5
    // (23 characters) 4...Qg5's 12 s / 10 by 1.15 s.
    const std::vector<std::int32_t> expected = {500, 500, 500, 700, 1000, 2700, 1950, 2350, 1700};
    ASSERT_GE(s.intervals.size(), expected.size());
    EXPECT_EQ(std::vector<std::int32_t>(s.intervals.begin(), s.intervals.begin() + 9), expected);
}

TEST(ReplayPace, NothingChangesWhenBothAreOff)
{
    enginetest::Rig rig;
    playAnnotated(rig);
    EXPECT_TRUE(rig.screen.captions.empty());
    EXPECT_TRUE(rig.screen.intervals.empty());
}

} // namespace
