// The load handler's layout rules, in twips, for the screens people have, and for
// windows smaller than 640 x 480: the board as large as the window allows, nothing over it.
#include <gtest/gtest.h>

#include <cmath>

#include "saver_layout.h"

using morvane::LayoutInput;
using morvane::SaverLayout;

namespace {

LayoutInput screen(int w, int h, double lineTwips = 285, bool preview = false)
{
    LayoutInput in;
    in.screenWidth = w;
    in.screenHeight = h;
    in.lineTwips = lineTwips;
    in.preview = preview;
    return in;
}

} // namespace

TEST(SaverLayout, PlacesTheFrameNamesAndListForEachScreen)
{
    const struct {
        int w, h;
        double frameLeft, frameTop, blackTop, whiteTop, eventLeft, eventTop, dateTop, listLeft, listTop;
        double line = 285; // the text font's line: 12 points
    } rows[] = {
        // 640: frame at (70, 270), names at the left margin, event at 5000.
        {640, 480, 70, 270, 0, 6880, 5000, 30, 325, 6800, 1500},
        {1024, 768, 4380, 2460, 1300, 9070, 3180, 500, 900, 12560, 3550},
        // Shorter: the 1024 layout on a form measured at the screen's zoom (600 / 768).
        {1024, 600, 6530, 2460, 1300, 9070, 5330, 500, 900, 16861, 3550},
        // 16 points: the same places, the list centred by its designed height whatever the font.
        {1024, 768, 4380, 2460, 1300, 9070, 3180, 500, 900, 12560, 3550, 380},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.w << " line " << r.line);
        const SaverLayout l(screen(r.w, r.h, r.line));
        const auto rounded = [](std::vector<double> v) {
            for (double& x : v)
                x = std::round(x);
            return v;
        };
        EXPECT_EQ(rounded({l.picture1().left, l.picture1().top, l.label(1).top, l.label(2).top, l.label(3).left,
                           l.label(3).top, l.label(4).top, l.picture2().left, l.picture2().top}),
                  std::vector<double>({r.frameLeft, r.frameTop, r.blackTop, r.whiteTop, r.eventLeft, r.eventTop,
                                       r.dateTop, r.listLeft, r.listTop}));
        EXPECT_DOUBLE_EQ(l.label(2).top, l.picture1().bottom() + 10);
        EXPECT_DOUBLE_EQ(l.picture2().right(), l.formWidth()) << "the list is flush with the right edge";
        EXPECT_EQ(l.appliesBackColor(), r.w != 640);
        EXPECT_EQ(l.namesFitText(), r.w == 640);
        // The headers stand over the two halves of the list.
        EXPECT_DOUBLE_EQ(l.label(7).left, l.picture2().left);
        EXPECT_DOUBLE_EQ(l.label(6).left, l.picture2().left + l.picture2().width / 2);
        EXPECT_LT(l.label(6).bottom(), l.picture2().top);
        // Twelve lines of the text font, the status line under them.
        EXPECT_DOUBLE_EQ(l.picture2().height, 12 * r.line);
        EXPECT_DOUBLE_EQ(l.label(5).top, l.picture2().bottom() + 120);
        EXPECT_LT(l.label(8).bottom(), l.label(7).top);
        for (int n = 1; n <= 4 && r.w != 640; ++n)
            EXPECT_DOUBLE_EQ(l.label(n).left + l.label(n).width / 2, l.formWidth() / 2) << "centred Label" << n;
    }
}

TEST(SaverLayout, TurningMovesNamesAndCoordinatesAndTurningBackRestoresThem)
{
    for (const int w : {640, 1024}) {
        const SaverLayout first(screen(w, w * 3 / 4));
        EXPECT_DOUBLE_EQ(first.coordinate(15).top, 600); // "8"
        EXPECT_LT(first.coordinate(0).left, first.coordinate(7).left);
        // Every rank label's middle lies on its row of squares, within a few pixels.
        for (int i = 8; i < 16; ++i)
            EXPECT_NEAR(first.coordinate(i).top + first.coordinate(i).height / 2,
                        first.board().top + (16 - i - 0.5) * 735, 60)
                << "rank " << i - 7;
        SaverLayout l = first;
        l.rotateLabels();
        EXPECT_EQ(l.orientation(), 2);
        EXPECT_DOUBLE_EQ(l.label(2).top, first.label(1).top) << "White's name goes above the board";
        EXPECT_DOUBLE_EQ(l.label(1).top, first.label(2).top);
        EXPECT_DOUBLE_EQ(l.coordinate(8).top, 600); // "1" at the top
        EXPECT_DOUBLE_EQ(l.coordinate(7).left, first.coordinate(0).left) << "file h on the left";
        l.rotateLabels();
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(l.label(n), first.label(n)) << "Label" << n;
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(l.coordinate(i), first.coordinate(i)) << "Label(" << i << ")";
    }
}
