// What mouse movement ends the screensaver.
#include <gtest/gtest.h>

#include <vector>

#include "input_rules.h"

using Action = morvane::InputRules::Action;

TEST(InputRules, MouseMovementEndsOnlyAfterAPositionWasRecorded)
{
    const struct {
        const char* name;
        std::vector<std::pair<double, double>> moves;
        std::vector<Action> expected;
    } rows[] = {
        {"a second position ends", {{1500, 900}, {1500, 915}}, {Action::None, Action::End}},
        {"the same position twice does not", {{1500, 900}, {1500, 900}}, {Action::None, Action::None}},
        {"after a zero the next only records",
         {{0, 900}, {15, 900}, {30, 900}},
         {Action::None, Action::None, Action::End}},
        {"the top left corner only records", {{0, 0}, {0, 0}, {15, 15}}, {Action::None, Action::None, Action::None}},
    };
    for (const auto& row : rows) {
        morvane::InputRules rules(false);
        std::vector<Action> actions;
        for (const auto& [x, y] : row.moves)
            actions.push_back(rules.mouseMoved(x, y));
        EXPECT_EQ(actions, row.expected) << row.name;
    }
}
