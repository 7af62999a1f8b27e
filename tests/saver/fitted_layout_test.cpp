// Windows smaller than 640 x 480: the board as large as the window allows,
// and nothing over it.
#include <gtest/gtest.h>

#include "saver_layout.h"

using namespace morvane;

namespace {

bool overlap(const TwipRect& a, const TwipRect& b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

} // namespace

TEST(FittedLayout, SmallWindowsFitWithNothingOverTheBoard)
{
    const struct {
        int width, height;
        double lineTwips;
    } rows[] = {{400, 300, 285}, {320, 200, 285}, {639, 479, 285}, {1280, 300, 285},
                {640, 400, 285}, {500, 300, 450}, {200, 150, 345}};
    for (const auto& row : rows) {
        LayoutInput in;
        in.screenWidth = row.width;
        in.screenHeight = row.height;
        in.lineTwips = row.lineTwips;
        const SaverLayout layout(in);
        const std::string name = std::to_string(row.width) + "x" + std::to_string(row.height);
        ASSERT_TRUE(layout.isFitted()) << name;
        const TwipScale s = layout.scale();
        TwipRect board = layout.board();
        board.left += layout.picture1().left;
        board.top += layout.picture1().top;
        EXPECT_GE(board.left, 0) << name;
        EXPECT_GE(board.top, 0) << name;
        const TwipRect& nameBelow = layout.label(2);
        EXPECT_LE(s.toPixels(nameBelow.bottom()), row.height) << name;
        EXPECT_LE(s.toPixels(layout.picture2().right()), row.width) << name;
        // As large as the window allows: the height or the width is used up.
        EXPECT_TRUE(s.toPixels(nameBelow.bottom()) >= row.height - 2 || s.toPixelsF(9600) >= row.width - 2) << name;
        for (int n = 1; n < SaverLayout::kLabels; ++n)
            EXPECT_FALSE(overlap(layout.label(n), board)) << name << " Label" << n;
        EXPECT_FALSE(overlap(layout.picture2(), board)) << name << " move list";
    }
    for (const auto& [w, h] : {std::pair{640, 480}, std::pair{1024, 768}, std::pair{800, 600}}) {
        LayoutInput in;
        in.screenWidth = w;
        in.screenHeight = h;
        EXPECT_FALSE(SaverLayout(in).isFitted()) << w << "x" << h;
    }
    LayoutInput preview;
    preview.screenWidth = 152;
    preview.screenHeight = 112;
    preview.preview = true;
    EXPECT_FALSE(SaverLayout(preview).isFitted());
}
