// Pictures a host loads for `Picture`: the program's own piece sets read from SVG files.

#include <QDir>
#include <gtest/gtest.h>

#include "board_look.h"

using namespace quill;

namespace {

struct SetCase {
    const char* folder;
    double pieceSide;
};

void PrintTo(const SetCase& c, std::ostream* os)
{
    *os << c.folder;
}

class PieceSetFiles : public ::testing::TestWithParam<SetCase> {};

TEST_P(PieceSetFiles, EveryPieceLoadsAsAnIconOfItsNaturalSize)
{
    const ImageSet set = ImageSet::fromFolder(QDir(QStringLiteral(QUILLBOARD_ART_DIR)).filePath(GetParam().folder));
    Varnel board;
    for (int code = Bpawn; code <= wking; ++code) {
        const Picture& picture = set.at(code);
        EXPECT_TRUE(picture.isIcon()) << ImageSet::baseName(code).toStdString();
        EXPECT_EQ(picture.naturalSize(), QSizeF(GetParam().pieceSide, GetParam().pieceSide));
        EXPECT_NO_THROW(board.setPicture(static_cast<PieceNum>(code), picture));
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, PieceSetFiles,
                         ::testing::Values(SetCase{"modern", 37}, SetCase{"classic", 49}, SetCase{"alpha", 49},
                                           SetCase{"castles", 49}, SetCase{"preview", 13}),
                         [](const auto& info) { return std::string(info.param.folder); });

TEST(PictureFiles, UnreadableFileIsNoPictureAndIsRefused)
{
    const Picture missing = Picture::fromSvg(QStringLiteral("/nonexistent/wk.svg"));
    EXPECT_TRUE(missing.isNull());
    Varnel board;
    EXPECT_THROW(board.setPicture(wking, missing), ControlError);
}

TEST(PictureFiles, PreviewPiecesShowOnAShrunkBoard)
{
    // The small preview: a 1600-twip board with 13-unit pieces on 13.33-unit squares.
    const ImageSet preview = ImageSet::fromFolder(QDir(QStringLiteral(QUILLBOARD_ART_DIR)).filePath("preview"));
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
        const bool changed = empty.copy(band) != full.copy(band);
        EXPECT_EQ(changed, row < 2 || row > 5) << row;
    }
}

} // namespace
