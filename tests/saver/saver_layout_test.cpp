// The load handler's layout rules, in twips, for the screens people have, and for
// windows smaller than 640 x 480: the board as large as the window allows, nothing over it.
#include <gtest/gtest.h>

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

bool overlap(const morvane::TwipRect& a, const morvane::TwipRect& b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

} // namespace

TEST(SaverLayout, PlacesTheFrameNamesAndListForEachScreen)
{
    const struct {
        int w, h;
        double frameLeft, frameTop, blackTop, whiteTop, eventLeft, eventTop, dateTop, listLeft, listTop;
    } rows[] = {
        // 640: frame at (70, 270), names at the left margin, event at 5000.
        {640, 480, 70, 270, 0, 6880, 5000, 60, 360, 6800, 1500},
        {800, 600, 2700, 1200, 720, 7810, 1500, 60, 360, 9200, 1500},
        {1024, 768, 4380, 2460, 1300, 9070, 3180, 500, 900, 12560, 3550},
        // Wider: the 1024 layout on a form measured at the screen's zoom (1080 / 768).
        {1920, 1080, 6940, 2460, 1300, 9070, 5740, 500, 900, 17680, 3550},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.w);
        const SaverLayout l(screen(r.w, r.h));
        EXPECT_EQ(
            std::vector<double>({l.picture1().left, l.picture1().top, l.label(1).top, l.label(2).top, l.label(3).left,
                                 l.label(3).top, l.label(4).top, l.picture2().left, l.picture2().top}),
            std::vector<double>({r.frameLeft, r.frameTop, r.blackTop, r.whiteTop, r.eventLeft, r.eventTop, r.dateTop,
                                 r.listLeft, r.listTop}));
        EXPECT_DOUBLE_EQ(l.label(2).top, l.picture1().bottom() + 10);
        EXPECT_DOUBLE_EQ(l.picture2().right(), l.formWidth()) << "the list is flush with the right edge";
        EXPECT_EQ(l.appliesBackColor(), r.w != 640);
        EXPECT_EQ(l.namesFitText(), r.w == 640);
        // The headers stand over the two halves of the list.
        EXPECT_DOUBLE_EQ(l.label(7).left, l.picture2().left);
        EXPECT_DOUBLE_EQ(l.label(6).left, l.picture2().left + l.picture2().width / 2);
        EXPECT_LT(l.label(6).bottom(), l.picture2().top);
        for (int n = 1; n <= 4 && r.w != 640; ++n)
            EXPECT_DOUBLE_EQ(l.label(n).left + l.label(n).width / 2, l.formWidth() / 2) << "centred Label" << n;
    }
}

TEST(SaverLayout, WideScreensZoomTheReferenceLayoutToFitBothWays)
{
    const struct {
        int w, h;
        double scale;
    } rows[] = {{1024, 768, 1.0}, {1280, 1024, 1.25}, {1920, 1080, 1.40625}, {2560, 1440, 1.875}, {1366, 768, 1.0}};
    for (const auto& r : rows) {
        const SaverLayout l(screen(r.w, r.h));
        EXPECT_DOUBLE_EQ(l.scale().scale(), r.scale) << r.w;
        EXPECT_EQ(l.scale().toPixels(l.formWidth()), r.w);
        EXPECT_EQ(l.scale().toPixels(l.formHeight()), r.h);
        EXPECT_LE(l.label(5).bottom(), l.formHeight()) << "the status line stays on the screen";
    }
    const SaverLayout preview(screen(1920, 1080, 285, true));
    EXPECT_DOUBLE_EQ(preview.scale().scale(), 1.0);
    EXPECT_FALSE(preview.appliesBackColor());
    // Pulled up and left by 350, the frame puts the board in the window's corner.
    EXPECT_DOUBLE_EQ(SaverLayout::kPreviewFrameOffset + preview.board().left, 0);
    EXPECT_DOUBLE_EQ(SaverLayout::kPreviewFrameOffset + preview.board().top, 0);
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

TEST(SaverLayout, ListIsTwelveLinesOfTheTextFontWithHeadersAboveAndStatusBelow)
{
    for (const double line : {285.0, 555.0}) { // 12 and 24 points
        const SaverLayout l(screen(1024, 768, line));
        EXPECT_DOUBLE_EQ(l.picture2().height, 12 * line);
        EXPECT_DOUBLE_EQ(l.picture2().top, 3550) << "centred by its designed height, whatever the font";
        EXPECT_DOUBLE_EQ(l.label(5).top, l.picture2().bottom() + 120);
        EXPECT_LT(l.label(8).bottom(), l.label(7).top);
    }
}

TEST(FittedLayout, SmallWindowsFitWithNothingOverTheBoard)
{
    const struct {
        int width, height;
        double lineTwips;
    } rows[] = {{400, 300, 285}, {320, 200, 285}, {639, 479, 285}, {1280, 300, 285},
                {640, 400, 285}, {500, 300, 450}, {200, 150, 345}};
    for (const auto& row : rows) {
        const SaverLayout layout(screen(row.width, row.height, row.lineTwips));
        const std::string name = std::to_string(row.width) + "x" + std::to_string(row.height);
        ASSERT_TRUE(layout.isFitted()) << name;
        const morvane::TwipScale s = layout.scale();
        morvane::TwipRect board = layout.board();
        board.left += layout.picture1().left;
        board.top += layout.picture1().top;
        EXPECT_GE(board.left, 0) << name;
        EXPECT_GE(board.top, 0) << name;
        const morvane::TwipRect& nameBelow = layout.label(2);
        EXPECT_LE(s.toPixels(nameBelow.bottom()), row.height) << name;
        EXPECT_LE(s.toPixels(layout.picture2().right()), row.width) << name;
        // As large as the window allows: the height or the width is used up.
        EXPECT_TRUE(s.toPixels(nameBelow.bottom()) >= row.height - 2 || s.toPixelsF(9600) >= row.width - 2) << name;
        for (int n = 1; n < SaverLayout::kLabels; ++n)
            EXPECT_FALSE(overlap(layout.label(n), board)) << name << " Label" << n;
        EXPECT_FALSE(overlap(layout.picture2(), board)) << name << " move list";
    }
    for (const auto& [w, h] : {std::pair{640, 480}, std::pair{1024, 768}, std::pair{800, 600}})
        EXPECT_FALSE(SaverLayout(screen(w, h)).isFitted()) << w << "x" << h;
    EXPECT_FALSE(SaverLayout(screen(152, 112, 285, true)).isFitted());
}
