#include "move_list_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace morvane {

MoveListView::MoveListView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture2"));
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MoveListView::setMetrics(TwipScale scale, double heightTwips, double lineTwips)
{
    scale_ = scale;
    list_ = PrintedList(heightTwips, lineTwips);
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

void MoveListView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Window));
    QFont font = font_;
    font.setPointSizeF(font_.pointSizeF() * scale_.scale());
    p.setFont(font);
    p.setPen(color_);
    const int ascent = QFontMetrics(font).ascent();
    for (const PrintedList::Item& item : list_.items()) {
        if (!lineRect(item.y).intersects(event->rect()))
            continue;
        p.drawText(QPointF(scale_.toPixelsF(item.x), scale_.toPixelsF(item.y) + ascent),
                   QString::fromStdString(item.text));
    }
}

} // namespace morvane
