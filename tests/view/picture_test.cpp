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

TEST(PictureFiles, PreviewPiecesShowOnAShrunkBoard)
{
    // The small preview: a 1600-twip board with 13-unit pieces on 13.33-unit squares.
    const ImageSet preview = setIn("preview");
    Varnel board;
    board.setBoardStyle(Classic);
    board.ChangeBoardSize(1600);
    for (int code = Bpawn; code <= wking; ++code)
        board.setPicture(static_cast<PieceNum>(code), preview.at(code));
    const QImage empty = boardlook::grab(board);
    board.NewGame();
    const QImage full = boardlook::grab(board);
    ASSERT_EQ(full.size(), QSize(107, 107));
    // Pieces stand on rows 1, 2, 7 and 8 only.
    for (int row = 0; row < 8; ++row) {
        const QRect band(0, row * 107 / 8 + 1, 107, 107 / 8 - 2);
        EXPECT_EQ(empty.copy(band) != full.copy(band), row < 2 || row > 5) << row;
    }
}

} // namespace
