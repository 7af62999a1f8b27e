// The five tabs at the default font: no control sticks out of its parent or is
// too narrow for its own text.

#include <QAbstractScrollArea>

#include "dialog_harness.h"

using namespace testutil;

namespace {

QString describe(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

TEST_F(OpenDialog, NothingIsClipped)
{
    click(d, "Command6"); // a listed game on the entry tab, as a user would see it
    auto* tabs = child<QTabWidget>(d, "SSTab1");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        for (QWidget* w : tabs->widget(i)->findChildren<QWidget*>()) {
            const QWidget* parent = w->parentWidget();
            if (!w->isVisible() || w->isWindow())
                continue;
            EXPECT_TRUE(parent->rect().contains(w->geometry()) || qobject_cast<const QAbstractScrollArea*>(parent))
                << "tab " << i << ": " << describe(w).toStdString() << " sticks out of "
                << describe(parent).toStdString();
            // Paths may be cut; they carry the full text in their tooltip.
            const bool cutOnPurpose = w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
            const QSize least = w->minimumSizeHint();
            EXPECT_TRUE(cutOnPurpose || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) ||
                        (w->width() >= least.width() && w->height() >= least.height()))
                << "tab " << i << ": " << describe(w).toStdString() << " is smaller than its text";
        }
    }
    EXPECT_LE(dialog->width(), 1024);
    EXPECT_LE(dialog->height(), 768);
}

} // namespace
