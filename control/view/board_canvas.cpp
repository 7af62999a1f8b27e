#include "board_canvas.h"

#include <QImage>
#include <QPainter>
#include <cassert>
#include <cmath>

namespace quill {

namespace {

// The rect grown or shrunk so that its edges fall on whole device pixels, the same way
// pictures place their edges: neighbouring squares then share their edge pixels exactly,
// whatever rounding the paint engine applies to fractional clips.
QRectF onDevicePixels(const QPainter& painter, const QRectF& rect)
{
    const QTransform transform = painter.combinedTransform();
    if (transform.type() > QTransform::TxScale)
        return rect;
    const qreal dpr = painter.device()->devicePixelRatioF();
    const auto snap = [&](const QPointF& p) {
        const QPointF device = transform.map(p) * dpr;
        return QPointF(std::round(device.x()), std::round(device.y())) / dpr;
    };
    const QTransform back = transform.inverted();
    return {back.map(snap(rect.topLeft())), back.map(snap(rect.bottomRight()))};
}

} // namespace

void BoardCanvas::drawSquare(int index, const Picture& background, const Picture& piece, const QPointF& pieceAt)
{
    assert(index >= 1 && index <= 64);
    squares_[static_cast<std::size_t>(index)] = Square{background, piece, pieceAt, false, {}};
}

void BoardCanvas::stippleSquare(int index, const QColor& color)
{
    assert(index >= 1 && index <= 64);
    Square& square = squares_[static_cast<std::size_t>(index)];
    square.stippled = true;
    square.stipple = color;
}

void BoardCanvas::paintStipple(QPainter& painter, const QRectF& square, const QColor& color)
{
    // One point per drawing unit, from 0 up to and including the side; the square's
    // edge clips the last column and row.
    const int points = static_cast<int>(std::floor(square.width())) + 1;
    QImage stipple(points, points, QImage::Format_ARGB32_Premultiplied);
    stipple.fill(Qt::transparent);
    const QRgb rgb = color.rgba();
    for (int y = 0; y < points; ++y) {
        for (int x = y % 2; x < points; x += 2)
            stipple.setPixel(x, y, rgb);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(square.topLeft(), QSizeF(points, points)), stipple);
    painter.restore();
}

void BoardCanvas::tintSquare(int index, const QColor& color)
{
    assert(index >= 1 && index <= 64);
    tints_[static_cast<std::size_t>(index)] = color;
}

void BoardCanvas::clearTints()
{
    tints_.fill(QColor());
}

void BoardCanvas::hidePiece(int index, bool hidden)
{
    assert(index >= 1 && index <= 64);
    hidden_[static_cast<std::size_t>(index)] = hidden;
}

void BoardCanvas::paint(QPainter& painter, const BoardLayout& layout, const QColor& margin, const QRectF& dirty) const
{
    for (int index = 1; index <= 64; ++index) {
        const auto i = static_cast<std::size_t>(index);
        const Square& square = squares_[i];
        const QRectF rect = layout.squareRect(index);
        if (!dirty.isEmpty() && !dirty.intersects(rect))
            continue;
        const QRectF shown = onDevicePixels(painter, rect);
        painter.save();
        painter.setClipRect(shown, Qt::IntersectClip);
        painter.fillRect(shown, margin);
        square.background.paint(painter, rect.topLeft());
        if (tints_[i].isValid())
            painter.fillRect(rect, tints_[i]);
        if (!hidden_[i])
            square.piece.paint(painter, rect.topLeft() + square.pieceAt);
        if (square.stippled)
            paintStipple(painter, rect, square.stipple);
        painter.restore();
    }
}

} // namespace quill
