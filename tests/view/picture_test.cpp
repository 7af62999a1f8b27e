// Pictures a host loads for `Picture`: the program's own piece sets read from SVG files.

#include <QDir>
#include <gtest/gtest.h>

#include "board_look.h"

using namespace quill;

namespace {

ImageSet setIn(const char* folder)
{
    return ImageSet::fromFolder(QDir(QStringLiteral(QUILLBOARD_ART_DIR)).filePath(folder));
}

TEST(PictureFiles, EveryPieceLoadsAsAnIconOfItsNaturalSize)
{
    const struct {
        const char* folder;
        double pieceSide;
    } rows[] = {{"modern", 37}, {"classic", 49}, {"alpha", 49}, {"castles", 49}, {"preview", 13}};
    for (const auto& r : rows) {
        const ImageSet set = setIn(r.folder);
        Varnel board;
        for (int code = Bpawn; code <= wking; ++code) {
            EXPECT_EQ(set.at(code).naturalSize(), QSizeF(r.pieceSide, r.pieceSide)) << r.folder << " " << code;
            EXPECT_NO_THROW(board.setPicture(static_cast<PieceNum>(code), set.at(code))) << r.folder << " " << code;
        }
    }
    Varnel board;
    EXPECT_THROW(board.setPicture(wking, Picture::fromSvg(QStringLiteral("/nonexistent/wk.svg"))), ControlError);
}

} // namespace
