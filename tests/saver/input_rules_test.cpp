// What ends the screensaver, what turns the board, and what the preview ignores.
#include <gtest/gtest.h>

#include <vector>

#include "input_rules.h"

using morvane::InputRules;
using Action = InputRules::Action;

namespace {

struct Move {
    double x, y;
    Action expected;
};

} // namespace

TEST(InputRules, MouseMovementEndsOnlyAfterAPositionWasRecorded)
{
    const struct {
        const char* name;
        std::vector<Move> moves;
    } rows[] = {
        {"first report only records", {{1500, 900, Action::None}}},
        {"a second position ends", {{1500, 900, Action::None}, {1500, 915, Action::End}}},
        {"the same position twice does not", {{1500, 900, Action::None}, {1500, 900, Action::None}}},
        {"after a zero the next only records",
         {{0, 900, Action::None}, {15, 900, Action::None}, {30, 900, Action::End}}},
        {"the top left corner only records", {{0, 0, Action::None}, {0, 0, Action::None}, {15, 15, Action::None}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        InputRules rules(false);
        for (const Move& m : row.moves)
            EXPECT_EQ(rules.mouseMoved(m.x, m.y), m.expected) << m.x << "," << m.y;
    }
}
