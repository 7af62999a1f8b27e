// The Setup tab's choices for how moves are shown: off at first, stored on Apply
// and shown again at the next opening.

#include "dialog_harness.h"

using namespace testutil;

TEST(SettingsDialog, HighlightAndAnimationChoicesAreStoredOnApply)
{
    DialogHarness h;
    const char* const boxes[] = {"HighlightMove", "AnimateMoves"};
    {
        auto dialog = h.open();
        for (const char* box : boxes) {
            EXPECT_FALSE(child<QCheckBox>(dialog.get(), box)->isChecked()) << box;
            click(dialog.get(), box);
        }
        click(dialog.get(), "CmdApply");
    }
    auto dialog = h.open();
    for (const char* box : boxes) {
        EXPECT_EQ(h.stored(box), "1") << box;
        EXPECT_TRUE(child<QCheckBox>(dialog.get(), box)->isChecked()) << box;
    }
}
