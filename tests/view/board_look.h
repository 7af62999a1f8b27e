#pragma once
// Looking at a board the way a user does: grab it and find coloured pixels.

#include <QImage>
#include <QRect>
#include <QStringList>
#include <ostream>

#include <quillboard/varnel.h>

// Readable failure messages for the Qt values the suites compare.
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << "," << r.y() << " " << r.width() << "x" << r.height() << ")";
}
inline void PrintTo(const QColor& c, std::ostream* os)
{
    *os << c.name().toStdString();
}
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '[' << l.join(" | ").toStdString() << ']';
}

namespace boardlook {

inline const QColor kRed(255, 0, 0);

inline QImage grab(quill::Varnel& board)
{
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A picture that is one plain colour, easy to find on a grab.
inline quill::Picture solidIcon(const QColor& color, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    return quill::Picture::fromImage(image, quill::Picture::Type::Icon);
}

// Pixels of the square drawn at screen column `left` and row `top` (0..7).
inline QRect cell(int left, int top, int side = 49)
{
    return {left * side, top * side, side, side};
}

// The bounding box of the pixels of `color` within `area` (the whole image when empty).
inline QRect boxOf(const QImage& image, const QColor& color, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == color)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The number of the control error `f` raises, 0 when it raises none.
template <typename F> std::int32_t errorNumberOf(F&& f)
{
    try {
        f();
    } catch (const quill::ControlError& e) {
        return e.number();
    }
    return 0;
}

} // namespace boardlook
