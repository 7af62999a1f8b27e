#pragma once
// Fourteen pictures: element 1 the empty light square, 2..13 the piece pictures by
// piece code, 14 the empty dark square. The Modern and Classic sets are built in.

#include <array>

#include <quillboard/export.h>
#include <quillboard/picture.h>

namespace quill {

class QUILLBOARD_EXPORT ImageSet {
public:
    static constexpr int kLightSquare = 1;
    static constexpr int kDarkSquare = 14;

    // Sets load their artwork once per process and are then shared by every board.
    static const ImageSet& modern();
    static const ImageSet& classic();
    // A set read from SVG files in `folder`: light.svg, dark.svg and the twelve piece
    // files wp wr wn wb wq wk bp br bn bb bq bk (.svg). Missing files stay null.
    static ImageSet fromFolder(const QString& folder);

    static bool isElement(int element) { return element >= kLightSquare && element <= kDarkSquare; }
    // Element 1..14; asking for any other element is a caller's fault (checked by an assert).
    const Picture& at(int element) const;
    void set(int element, const Picture& picture);

    // The file name, without ".svg", of element 1..14 ("light", "bp", ..., "wk", "dark").
    static QString baseName(int element);

private:
    std::array<Picture, kDarkSquare + 1> pictures_;
};

} // namespace quill
