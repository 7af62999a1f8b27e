// The load handler's layout rules, in twips, for the screens people have.
#include <gtest/gtest.h>

#include "saver_layout.h"

using morvane::LayoutInput;
using morvane::SaverLayout;
using morvane::TwipRect;

namespace {

LayoutInput screen(int w, int h)
{
    LayoutInput in;
    in.screenWidth = w;
    in.screenHeight = h;
    return in;
}

} // namespace

TEST(SaverLayout, PlacesTheFrameNamesAndListForEachScreen)
{
    const struct {
        const char* name;
        int w, h;
        double frameLeft, frameTop;
        double blackTop, whiteTop, eventLeft, eventTop, dateTop;
        double listLeft, listTop;
        bool backColor;
    } rows[] = {
        // 640: frame at (70, 270), names at the left margin, event at 5000.
        {"640x480", 640, 480, 70, 270, 0, 6880, 5000, 60, 360, 6800, 1500, false},
        // 800: everything centred, Black's name at 720.
        {"800x600", 800, 600, 2700, 1200, 720, 7810, 1500, 60, 360, 9200, 1500, true},
        // 1024: event 500, date 900, Black's name 1300, list 500 above the middle.
        {"1024x768", 1024, 768, 4380, 2460, 1300, 9070, 3180, 500, 900, 12560, 3550, true},
        // Wider: the 1024 layout on a form measured at the screen's zoom (1080 / 768).
        {"1920x1080", 1920, 1080, 6940, 2460, 1300, 9070, 5740, 500, 900, 17680, 3550, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const SaverLayout l(screen(r.w, r.h));
        EXPECT_DOUBLE_EQ(l.picture1().left, r.frameLeft);
        EXPECT_DOUBLE_EQ(l.picture1().top, r.frameTop);
        EXPECT_DOUBLE_EQ(l.label(1).top, r.blackTop);
        EXPECT_DOUBLE_EQ(l.label(2).top, r.whiteTop);
        EXPECT_DOUBLE_EQ(l.label(2).top, l.picture1().bottom() + 10);
        EXPECT_DOUBLE_EQ(l.label(3).left, r.eventLeft);
        EXPECT_DOUBLE_EQ(l.label(3).top, r.eventTop);
        EXPECT_DOUBLE_EQ(l.label(4).top, r.dateTop);
        EXPECT_DOUBLE_EQ(l.picture2().left, r.listLeft);
        EXPECT_DOUBLE_EQ(l.picture2().top, r.listTop);
        EXPECT_DOUBLE_EQ(l.picture2().right(), l.formWidth()) << "the list is flush with the right edge";
        EXPECT_EQ(l.appliesBackColor(), r.backColor);
        EXPECT_EQ(l.namesFitText(), r.w == 640);
        // The headers stand over the two halves of the list.
        EXPECT_DOUBLE_EQ(l.label(7).left, l.picture2().left);
        EXPECT_DOUBLE_EQ(l.label(6).left, l.picture2().left + l.picture2().width / 2);
        EXPECT_LT(l.label(6).bottom(), l.picture2().top);
    }
}

TEST(SaverLayout, CentresNamesEventAndDateOnScreensOtherThan640)
{
    for (const int w : {800, 1024, 1280, 1920, 2560}) {
        SCOPED_TRACE(w);
        const SaverLayout l(screen(w, w * 3 / 4));
        for (int n = 1; n <= 4; ++n)
            EXPECT_DOUBLE_EQ(l.label(n).left + l.label(n).width / 2, l.formWidth() / 2) << "Label" << n;
        EXPECT_DOUBLE_EQ(l.picture1().left + l.picture1().width / 2, l.formWidth() / 2);
    }
}

TEST(SaverLayout, WideScreensZoomTheReferenceLayoutToFitBothWays)
{
    const struct {
        int w, h;
        double scale;
    } rows[] = {{1024, 768, 1.0},    {1280, 1024, 1.25}, {1920, 1080, 1.40625},
                {2560, 1440, 1.875}, {1366, 768, 1.0},   {800, 600, 1.0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.w) + "x" + std::to_string(r.h));
        const SaverLayout l(screen(r.w, r.h));
        EXPECT_DOUBLE_EQ(l.scale().scale(), r.scale);
        EXPECT_EQ(l.scale().toPixels(l.formWidth()), r.w);
        EXPECT_EQ(l.scale().toPixels(l.formHeight()), r.h);
        EXPECT_LE(l.label(5).bottom(), l.formHeight()) << "the status line stays on the screen";
    }
    // At 1920 x 1080 the 5880-twip board is 551 pixels: 392 zoomed by 1080 / 768.
    const SaverLayout hd(screen(1920, 1080));
    EXPECT_NEAR(hd.scale().toPixelsF(hd.board().width), 551.25, 1e-9);
}

TEST(SaverLayout, PreviewKeepsTheDesignedScaleAndBackground)
{
    LayoutInput in = screen(1920, 1080);
    in.preview = true;
    const SaverLayout l(in);
    EXPECT_DOUBLE_EQ(l.scale().scale(), 1.0);
    EXPECT_FALSE(l.appliesBackColor());
    // Pulled up and left by 350, the frame puts the board in the window's corner.
    EXPECT_DOUBLE_EQ(SaverLayout::kPreviewFrameOffset + l.board().left, 0);
    EXPECT_DOUBLE_EQ(SaverLayout::kPreviewFrameOffset + l.board().top, 0);
}

TEST(SaverLayout, RanksReadEightToOneFromTheTopUntilTurned)
{
    SaverLayout l(screen(1024, 768));
    EXPECT_EQ(l.orientation(), 1);
    EXPECT_DOUBLE_EQ(l.coordinate(15).top, 600); // "8"
    EXPECT_DOUBLE_EQ(l.coordinate(8).top, 5640); // "1"
    EXPECT_DOUBLE_EQ(l.coordinate(0).left, 350); // "a" under the first file
    EXPECT_LT(l.coordinate(0).left, l.coordinate(7).left);
    // Every rank label's middle lies on its row of squares, within a few pixels.
    for (int i = 8; i < 16; ++i) {
        const double row = 16 - i; // "8" is row 1
        const double squareMiddle = l.board().top + (row - 0.5) * 735;
        const TwipRect& c = l.coordinate(i);
        EXPECT_NEAR(c.top + c.height / 2, squareMiddle, 60) << "rank " << i - 7;
    }
}

TEST(SaverLayout, TurningMovesNamesAndCoordinatesAndTurningBackRestoresThem)
{
    for (const int w : {640, 800, 1024, 1920}) {
        SCOPED_TRACE(w);
        const SaverLayout first(screen(w, w == 1920 ? 1080 : w * 3 / 4));
        SaverLayout l = first;
        l.rotateLabels();
        EXPECT_EQ(l.orientation(), 2);
        EXPECT_DOUBLE_EQ(l.label(2).top, first.label(1).top) << "White's name goes above the board";
        EXPECT_DOUBLE_EQ(l.label(1).top, first.label(2).top);
        EXPECT_DOUBLE_EQ(l.coordinate(8).top, 600);   // "1" at the top
        EXPECT_DOUBLE_EQ(l.coordinate(15).top, 5640); // "8" at the bottom
        EXPECT_DOUBLE_EQ(l.coordinate(7).left, first.coordinate(0).left) << "file h on the left";
        l.rotateLabels();
        EXPECT_EQ(l.orientation(), 1);
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(l.label(n), first.label(n)) << "Label" << n;
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(l.coordinate(i), first.coordinate(i)) << "Label(" << i << ")";
    }
}

TEST(SaverLayout, ListIsTwelveLinesOfTheTextFontWithHeadersAboveAndStatusBelow)
{
    for (const double line : {285.0, 555.0}) { // 12 and 24 points
        LayoutInput in = screen(1024, 768);
        in.lineTwips = line;
        const SaverLayout l(in);
        EXPECT_DOUBLE_EQ(l.picture2().height, 12 * line);
        // The list is centred by its designed height, whatever the font.
        EXPECT_DOUBLE_EQ(l.picture2().top, 3550);
        EXPECT_DOUBLE_EQ(l.label(5).top, l.picture2().bottom() + 120);
        EXPECT_LT(l.label(8).bottom(), l.label(7).top);
    }
}
