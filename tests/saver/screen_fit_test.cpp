// The layout at the screens people have, with large fonts and turned: no text
// on the board or on another text, nothing off the screen, and a large board.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saver_layout.h"

using morvane::LayoutInput;
using morvane::SaverLayout;
using morvane::TwipRect;

namespace {

// Boxes that only touch, up to rounding, are apart.
bool overlap(const TwipRect& a, const TwipRect& b)
{
    constexpr double e = 1e-6;
    return a.left < b.right() - e && b.left < a.right() - e && a.top < b.bottom() - e && b.top < a.bottom() - e;
}

// Every text box, the board and the coordinates, on the form.
std::vector<TwipRect> drawn(const SaverLayout& l)
{
    std::vector<TwipRect> rects = l.occupied();
    for (int i = 0; i < SaverLayout::kCoordinates; ++i) {
        TwipRect c = l.coordinate(i);
        c.left += l.picture1().left;
        c.top += l.picture1().top;
        rects.push_back(c);
    }
    return rects;
}

} // namespace

TEST(ScreenFit, EveryScreenAndFontKeepsTheTextsApartAndOnTheScreen)
{
    const struct {
        int w, h;
    } screens[] = {{640, 480},   {800, 480},   {1024, 600}, {1024, 768}, {1366, 768}, {1920, 1080},
                   {3840, 2160}, {1280, 1024}, {800, 600},  {200, 150},  {768, 1024}, {1280, 300}};
    const double lines[] = {285, 475, 570, 22000}; // 12, 20, 24 and 999 points
    for (const auto& s : screens) {
        for (const double line : lines) {
            for (const bool rotate : {false, true}) {
                LayoutInput in;
                in.screenWidth = s.w;
                in.screenHeight = s.h;
                in.lineTwips = line;
                in.listWidthTwips = 2800 * line / 285;
                in.rotate = rotate;
                const SaverLayout l(in);
                const std::string name = std::to_string(s.w) + "x" + std::to_string(s.h) + " line " +
                                         std::to_string(line) + (rotate ? " turned" : "");
                const std::vector<TwipRect> rects = drawn(l);
                for (std::size_t i = 0; i < rects.size(); ++i) {
                    const TwipRect& r = rects[i];
                    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= l.formWidth() + 1e-6 &&
                                r.bottom() <= l.formHeight() + 1e-6)
                        << name << " rect " << i << " leaves the screen";
                    for (std::size_t j = i + 1; j < rects.size(); ++j)
                        EXPECT_FALSE(overlap(r, rects[j])) << name << " rects " << i << " and " << j;
                }
                const double boardShare = l.scale().toPixelsF(l.board().height) / s.h;
                if (s.w >= 1280 && s.h >= 600) {
                    EXPECT_GE(boardShare, 0.70) << name;
                    // Names at their own side, event and date above, status under, list at the edge.
                    const TwipRect board = rects[0];
                    const double rank = board.height / 8;
                    EXPECT_LE(l.label(rotate ? 2 : 1).bottom(), board.top + rank) << name;
                    EXPECT_GE(l.label(rotate ? 1 : 2).top, board.bottom() - rank) << name;
                    EXPECT_LE(l.label(4).bottom(), board.top) << name;
                    EXPECT_GE(l.statusLine().top, board.bottom()) << name;
                    EXPECT_GT(l.picture2().left, board.right()) << name;
                    EXPECT_GT(l.picture2().right(), l.formWidth() * 0.97) << name;
                }
                const bool designed = line == 285 && ((s.w == 640 && s.h == 480) || s.w == 1024);
                EXPECT_EQ(l.isFitted(), !designed) << name;
            }
        }
    }
}
