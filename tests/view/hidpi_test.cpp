// The board on a screen with two device pixels per logical pixel, as a host sees it.

#include <QApplication>
#include <gtest/gtest.h>

#include "board_look.h"

using namespace quill;

namespace {

TEST(DenseScreen, SquaresTileWithoutSeamsAtAnyZoom)
{
    const QColor light(250, 240, 200), dark(90, 60, 30);
    for (const int pixels : {379, 392, 400, 517}) {
        QWidget form;
        form.resize(pixels + 22, pixels + 40); // a board taller than wide takes its zoom from the width
        auto* board = new Varnel(&form);
        board->setGeometry(11, 11, pixels, pixels + 18);
        board->setPicture(static_cast<PieceNum>(ImageSet::kLightSquare), boardlook::solidIcon(light, 49));
        board->setPicture(static_cast<PieceNum>(ImageSet::kDarkSquare), boardlook::solidIcon(dark, 49));
        board->RefreshBoard();
        const QImage image = form.grab().toImage();
        ASSERT_EQ(image.width(), 2 * (pixels + 22));
        int seams = 0;
        for (int y = 22; y < 2 * (11 + pixels); ++y) {
            for (int x = 22; x < 2 * (11 + pixels); ++x)
                seams += image.pixelColor(x, y) != light && image.pixelColor(x, y) != dark;
        }
        EXPECT_EQ(seams, 0) << pixels << " pixels";
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
