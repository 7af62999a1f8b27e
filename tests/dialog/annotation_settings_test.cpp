// The Setup tab's captions and clock pace: what Apply stores and what the tab
// shows again, including a factor that is no factor.
#include "dialog_harness.h"

using namespace testutil;

TEST(SetupTab, CommentsAndClockPaceAreStoredAndShownAgain)
{
    const struct {
        bool tick;
        const char* factor;
        const char* stored;
    } rows[] = {{true, "4", "4"}, {true, "soon", "0"}, {true, "-2", "0"}, {false, "4", "0"}};
    for (const auto& row : rows) {
        DialogHarness h;
        auto dialog = h.open();
        click(dialog.get(), "ShowComments");
        if (row.tick)
            click(dialog.get(), "PaceByClock");
        type(dialog.get(), "txtPaceFactor", row.factor);
        click(dialog.get(), "CmdApply");
        EXPECT_EQ(h.stored("ShowComments"), "1");
        EXPECT_EQ(h.stored("PaceByClock"), row.stored) << row.factor;
        auto again = h.open();
        EXPECT_EQ(textOf(again.get(), "txtPaceFactor"), row.stored == std::string("0") ? "10" : row.stored);
    }
}
