#include <quillboard/board_layout.h>

#include <cmath>

#include <quillboard/piece_codes.h>

namespace quill {

QRectF BoardLayout::squareRect(int index) const
{
    const int col = colOfIndex(index);
    const int row = rowOfIndex(index);
    const int left = rotated_ ? 8 - col : col - 1;
    const int top = rotated_ ? 8 - row : row - 1;
    return {left * side_, top * side_, side_, side_};
}

int BoardLayout::squareAt(const QPointF& point) const
{
    if (side_ <= 0 || point.x() < 0 || point.y() < 0)
        return 0;
    const int left = static_cast<int>(std::floor(point.x() / side_));
    const int top = static_cast<int>(std::floor(point.y() / side_));
    if (left > 7 || top > 7)
        return 0;
    const int col = rotated_ ? 8 - left : left + 1;
    const int row = rotated_ ? 8 - top : top + 1;
    return SquareIndex(col, row);
}

} // namespace quill
