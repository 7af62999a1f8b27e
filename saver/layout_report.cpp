#include "layout_report.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include "move_list_view.h"

namespace morvane {

namespace {

void printRect(std::FILE* out, const QString& name, const QRect& r)
{
    std::fprintf(out, "layout %s %d %d %d %d\n", qPrintable(name), r.x(), r.y(), r.width(), r.height());
}

// A line of text covers its advance across and the font's height down.
QRect paintedText(const QLabel& label)
{
    const QRect box = label.contentsRect();
    const QFontMetrics metrics(label.font());
    if (label.wordWrap())
        return metrics.boundingRect(box, static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text());
    const QSize size(metrics.horizontalAdvance(label.text()), metrics.height());
    return QStyle::alignedRect(label.layoutDirection(), label.alignment(), size, box);
}

} // namespace

void printLayoutReport(const QWidget& form, const MoveListView& list, std::FILE* out)
{
    std::fprintf(out, "layout screen %d %d\n", form.width(), form.height());
    if (const auto* board = form.findChild<QWidget*>(QStringLiteral("Board")))
        printRect(out, board->objectName(), QRect(board->mapTo(&form, QPoint(0, 0)), board->size()));
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&form) || label->text().isEmpty())
            continue;
        const QRect r = paintedText(*label);
        printRect(out, label->objectName(), QRect(label->mapTo(&form, r.topLeft()), r.size()));
    }
    if (list.isVisibleTo(&form)) {
        for (const MoveListView::Entry& e : list.entries()) {
            const QString name = QStringLiteral("Picture2.%1.%2").arg(e.line).arg(e.black ? "black" : "white");
            printRect(out, name, QRect(list.mapTo(&form, e.rect.topLeft()), e.rect.size()));
        }
    }
    std::fflush(out);
}

} // namespace morvane
