#pragma once
// Picture2: the move list as printed, scrolling up a line at a time. It paints
// what the printed list holds; a new move repaints one line, a scroll the list.
// An entry too wide for its column is shortened with an ellipsis, never cut
// mid-glyph or printed over its neighbour.

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

#include <vector>

#include "printed_list.h"
#include "twips.h"

namespace morvane {

class MoveListView : public QWidget {
    Q_OBJECT
public:
    explicit MoveListView(QWidget* parent = nullptr);

    // Size in twips at `scale`; `lineTwips` is the height of one printed line.
    // What is printed stays, on its lines, drawn at the new size.
    void setMetrics(TwipScale scale, double heightTwips, double lineTwips);
    // The text font at the form's designed size; it is drawn at the form's scale.
    void setTextFont(const QFont& font);
    void setTextColor(const QColor& color);
    // Black's column: `leastTwips` or, when the widest of `whiteEntries` or the
    // header "White" reaches it, after that plus a gap, as far as the list's
    // width leaves room for Black. Returns the column, in twips.
    double fitBlackColumn(double leastTwips, const QStringList& whiteEntries);

    void clear();
    void printWhite(const QString& text);
    void printBlack(const QString& text);

    const PrintedList& printed() const { return list_; }

    // Each entry as painted: its line (1 at the top), its side and the
    // rectangle its text covers, in the view's pixels.
    struct Entry {
        int line = 0;
        bool black = false;
        QRect rect;
    };
    std::vector<Entry> entries() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect lineRect(double yTwips) const;
    QFont paintedFont() const;
    QString shownText(const PrintedList::Item& item, const QFontMetrics& metrics) const;

    TwipScale scale_;
    PrintedList list_{0, 1};
    QFont font_;
    QColor color_;
};

} // namespace morvane
