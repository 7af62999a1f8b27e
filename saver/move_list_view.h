#pragma once
// Picture2: the move list as printed, scrolling up a line at a time. It paints
// what the printed list holds; a new move repaints one line, a scroll the list.

#include <QColor>
#include <QFont>
#include <QWidget>

#include "printed_list.h"
#include "twips.h"

namespace morvane {

class MoveListView : public QWidget {
    Q_OBJECT
public:
    explicit MoveListView(QWidget* parent = nullptr);

    // Size in twips at `scale`; `lineTwips` is the height of one printed line.
    void setMetrics(TwipScale scale, double heightTwips, double lineTwips);
    // A new size of the form: what is printed stays, drawn at the new scale.
    void setScale(TwipScale scale)
    {
        scale_ = scale;
        update();
    }
    // The text font at the form's designed size; it is drawn at the form's scale.
    void setTextFont(const QFont& font);
    void setTextColor(const QColor& color);

    void clear();
    void printWhite(const QString& text);
    void printBlack(const QString& text);

    const PrintedList& printed() const { return list_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect lineRect(double yTwips) const;

    TwipScale scale_;
    PrintedList list_{0, 1};
    QFont font_;
    QColor color_;
};

} // namespace morvane
