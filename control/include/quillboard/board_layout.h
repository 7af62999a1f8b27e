#pragma once
// Where the 64 squares lie, in the control's drawing units: a square side (49 by
// default) and the orientation. Unrotated, row 1 is at the top and column 1 at the
// left; rotated, the board is seen from Black's side. Both the side and the
// orientation always apply together, so a resized, rotated board stays a proper grid.

#include <QPointF>
#include <QRectF>
#include <quillboard/export.h>

namespace quill {

class QUILLBOARD_EXPORT BoardLayout {
public:
    static constexpr double kDefaultSide = 49.0;

    double side() const { return side_; }
    void setSide(double side) { side_ = side; }
    // The width and height of the board (8 squares), in drawing units.
    double extent() const { return 8.0 * side_; }

    bool isRotated() const { return rotated_; }
    void rotate() { rotated_ = !rotated_; }

    // The square with index 1..64.
    QRectF squareRect(int index) const;
    // The square index under `point`, or 0 off the board.
    int squareAt(const QPointF& point) const;

private:
    double side_ = kDefaultSide;
    bool rotated_ = false;
};

} // namespace quill
