#include "move_list_view.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {
const QString kColumnGap = QStringLiteral("  ");
}

MoveListView::MoveListView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture2"));
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MoveListView::setMetrics(TwipScale scale, double heightTwips, double lineTwips)
{
    scale_ = scale;
    list_.rescale(heightTwips, lineTwips);
    update();
}

void MoveListView::setTextFont(const QFont& font)
{
    font_ = font;
    update();
}

void MoveListView::setTextColor(const QColor& color)
{
    color_ = color;
    update();
}

QFont MoveListView::paintedFont() const
{
    QFont font = font_;
    font.setPointSizeF(font_.pointSizeF() * scale_.scale());
    return font;
}

double MoveListView::fitBlackColumn(double leastTwips, const QStringList& whiteEntries)
{
    const QFontMetricsF metrics(paintedFont());
    double widest = metrics.horizontalAdvance(QStringLiteral("White"));
    for (const QString& entry : whiteEntries)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    const double gap = metrics.horizontalAdvance(kColumnGap);
    const double listWidth = scale_.toTwips(width());
    const double mostTwips = listWidth - scale_.toTwips(metrics.horizontalAdvance(QStringLiteral("Black")) + gap);
    const double column = std::max(leastTwips, std::min(scale_.toTwips(std::ceil(widest) + gap + 1), mostTwips));
    list_.setBlackColumn(column);
    update();
    return column;
}

void MoveListView::clear()
{
    list_.clear();
    update();
}

void MoveListView::printWhite(const QString& text)
{
    if (list_.printWhite(text.toStdString()))
        update();
    else
        update(lineRect(list_.printY() - list_.line()));
}

void MoveListView::printBlack(const QString& text)
{
    list_.printBlack(text.toStdString());
    update(lineRect(list_.printY() - list_.line()));
}

QRect MoveListView::lineRect(double yTwips) const
{
    const int top = scale_.toPixels(yTwips);
    return {0, top - 1, width(), scale_.toPixels(yTwips + list_.line()) - top + 2};
}

// White's entries end a gap before Black's column, Black's at the list's edge.
QString MoveListView::shownText(const PrintedList::Item& item, const QFontMetrics& metrics) const
{
    const QString text = QString::fromStdString(item.text);
    const bool black = item.x > 0;
    const double right =
        black ? width() : scale_.toPixelsF(list_.blackColumn()) - metrics.horizontalAdvance(kColumnGap);
    const int room = static_cast<int>(std::ceil(right - scale_.toPixelsF(item.x)));
    return metrics.elidedText(text, Qt::ElideRight, std::max(room, 0));
}

std::vector<MoveListView::Entry> MoveListView::entries() const
{
    const QFontMetrics metrics(paintedFont());
    std::vector<Entry> out;
    for (const PrintedList::Item& item : list_.items()) {
        const QString shown = shownText(item, metrics);
        if (shown.isEmpty())
            continue;
        const int left = scale_.toPixels(item.x);
        const int top = scale_.toPixels(item.y);
        out.push_back({static_cast<int>(std::lround(item.y / list_.line())) + 1, item.x > 0,
                       QRect(left, top, metrics.horizontalAdvance(shown), metrics.height())});
    }
    return out;
}

void MoveListView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Window));
    const QFont font = paintedFont();
    p.setFont(font);
    p.setPen(color_);
    const QFontMetrics metrics(font);
    for (const PrintedList::Item& item : list_.items()) {
        if (!lineRect(item.y).intersects(event->rect()))
            continue;
        p.drawText(QPointF(scale_.toPixelsF(item.x), scale_.toPixelsF(item.y) + metrics.ascent()),
                   shownText(item, metrics));
    }
}

} // namespace morvane
