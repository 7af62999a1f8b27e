#include "style_preview.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace morvane {

namespace {

// Drawn in the board's own units and scaled to the widget, as the board widget does.
constexpr double kSquare = 49.0;
constexpr double kBoard = 8 * kSquare;
// The modern pieces are smaller than their squares and stand centred on them.
constexpr double kModernPiece = 37.0;

const char* const kBackRank = "rnbqkbnr";

QString artworkPath(const QString& set, const QString& name)
{
    return QStringLiteral(":/pieces/") + set + QLatin1Char('/') + name + QStringLiteral(".svg");
}

bool drawSvg(QPainter& painter, const QString& path, const QRectF& box)
{
    if (!QFile::exists(path))
        return false;
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return false;
    renderer.render(&painter, box);
    return true;
}

} // namespace

StylePreview::StylePreview(const QString& set, const QString& squares, QWidget* parent)
    : QWidget(parent), set_(set), squares_(squares)
{
    setFixedSize(kSide, kSide);
}

void StylePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / kBoard, height() / kBoard);
    bool complete = true;
    const double pieceSide = set_ == QLatin1String("modern") ? kModernPiece : kSquare;
    const double inset = (kSquare - pieceSide) / 2;
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            const QRectF square(col * kSquare, row * kSquare, kSquare, kSquare);
            const bool light = (row + col) % 2 == 0;
            if (!drawSvg(painter, artworkPath(squares_, light ? "light" : "dark"), square)) {
                complete = false;
                painter.fillRect(square, light ? QColor(0xEE, 0xE8, 0xD5) : QColor(0x8B, 0x6F, 0x4E));
            }
            QChar piece;
            if (row == 0 || row == 7)
                piece = QLatin1Char(kBackRank[col]);
            else if (row == 1 || row == 6)
                piece = QLatin1Char('p');
            else
                continue;
            const bool white = row >= 6;
            const QString name = QString(white ? QLatin1Char('w') : QLatin1Char('b')) + piece;
            if (drawSvg(painter, artworkPath(set_, name), square.adjusted(inset, inset, -inset, -inset)))
                continue;
            complete = false;
            QFont f = painter.font();
            f.setPixelSize(static_cast<int>(kSquare * 0.6));
            f.setBold(true);
            painter.setFont(f);
            painter.setPen(white ? Qt::white : Qt::black);
            painter.drawText(square, Qt::AlignCenter, piece.toUpper());
        }
    }
    complete_ = complete;
}

} // namespace morvane
