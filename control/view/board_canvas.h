#pragma once
// What each square currently shows. A square keeps what was last drawn on it until it
// is drawn again: a picture replaced in the active set, or a selection colour changed
// later, shows only on squares redrawn afterwards.

#include <QColor>
#include <array>

#include <quillboard/board_layout.h>
#include <quillboard/picture.h>

class QPainter;

namespace quill {

class BoardCanvas {
public:
    // Draws the square afresh: its background, then the piece (if any) at `pieceAt`
    // relative to the square's corner. Any selection stipple on it is gone.
    void drawSquare(int index, const Picture& background, const Picture& piece, const QPointF& pieceAt);
    // Covers the square, piece included, with a stipple of every point whose x + y is even.
    void stippleSquare(int index, const QColor& color);

    // A colour laid over the square's background, under its piece; kept when the
    // square is drawn again. An invalid colour takes it away.
    void tintSquare(int index, const QColor& color);
    void clearTints();
    // The square is drawn without its piece (a piece on its way there).
    void hidePiece(int index, bool hidden);

    // `margin` fills the part of a square its pictures leave uncovered. Squares
    // outside `dirty` (drawing units; empty: none) are left alone.
    void paint(QPainter& painter, const BoardLayout& layout, const QColor& margin, const QRectF& dirty = {}) const;

private:
    struct Square {
        Picture background;
        Picture piece;
        QPointF pieceAt;
        bool stippled = false;
        QColor stipple;
    };
    static void paintStipple(QPainter& painter, const QRectF& square, const QColor& color);

    std::array<Square, 65> squares_{};
    std::array<QColor, 65> tints_{};
    std::array<bool, 65> hidden_{};
};

} // namespace quill
