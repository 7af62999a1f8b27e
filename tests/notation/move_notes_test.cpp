// Comments tied to the half-moves they follow, on exported annotated games.
#include <gtest/gtest.h>

#include "game_index.h"
#include "move_comments.h"
#include "test_data.h"

namespace {

using morvane::halfMoveKey;

std::vector<morvane::MoveNotes> annotatedNotes()
{
    const std::string text = testdata::annotatedPgn();
    std::vector<morvane::MoveNotes> notes;
    for (const morvane::GameSpan& span : morvane::IndexGames(text))
        notes.push_back(morvane::readMoveNotes(morvane::GameText(text, span)));
    return notes;
}

std::string captionOf(const morvane::MoveNotes& notes, int number, bool black)
{
    const auto it = notes.find(halfMoveKey(number, black));
    return it == notes.end() ? "(none)" : it->second.caption;
}

TEST(MoveNotes, CaptionsFollowTheirHalfMove)
{
    const auto games = annotatedNotes();
    ASSERT_EQ(games.size(), 3u);
    struct Case {
        int game;
        int number;
        bool black;
        const char* caption;
    };
    const Case cases[] = {
        {0, 1, false, ""},                                     // commands only
        {0, 3, true, "Inaccuracy. Nf6 was best."},             // a variation follows
        {0, 4, false, "Blunder. Nxd4 was best."},              // after the variation, second comment
        {1, 1, false, "(none)"},                               // the note before the moves is no move's
        {1, 3, true, "The pin is a little loose here."},       // after Black's move
        {1, 4, true, "(none)"},                                // the variation's own words stay there
        {1, 5, false, "White already leads in development."},  // after White's, past the variation
        {1, 10, false, "A sacrifice to keep the initiative."}, // before an explicit "10..."
        {2, 3, true, "Missing the threat on f7."},             // broken over two lines
    };
    for (const Case& c : cases)
        EXPECT_EQ(captionOf(games[c.game], c.number, c.black), c.caption) << c.game << ": " << c.number;
}

TEST(MoveNotes, ClockTimesGiveSeconds)
{
    // The clocks of the annotated games give the waits in ReplayPace.
    const std::pair<const char*, std::optional<double>> times[] = {
        {"0:03:12", 192.0},   {"1:02:03.5", 3723.5},  {"12:30", 750.0},          {"45", 45.0},
        {"", std::nullopt},   {"1::2", std::nullopt}, {"1:2:3:4", std::nullopt}, {"0:1.5:00", std::nullopt},
        {"-1", std::nullopt}, {"2:", std::nullopt},
    };
    for (const auto& [text, seconds] : times)
        EXPECT_EQ(morvane::clockSeconds(text), seconds) << text;
}

} // namespace
