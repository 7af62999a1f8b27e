// How the five tabs look at the default font: each is grabbed into a PNG for a
// person to open, and checked for controls that stick out of their parents or
// are too narrow for their own text.

#include <QAbstractScrollArea>

#include "dialog_harness.h"

using namespace testutil;

namespace {

QString describe(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

TEST(DialogLook, EveryTabIsGrabbedAndNothingIsClipped)
{
    DialogHarness h;
    auto dialog = h.open();
    click(dialog.get(), "Command6"); // a listed game on the entry tab, as a user would see it
    auto* tabs = child<QTabWidget>(dialog.get(), "SSTab1");
    const char* names[] = {"setup", "sound", "pgn-import", "game-entry", "about"};
    const QString folder = qEnvironmentVariable("MORVANE3_SHOTS", QStringLiteral("/tmp"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QString file = folder + QStringLiteral("/morvane3-dialog-%1-%2.png").arg(i).arg(names[i]);
        EXPECT_TRUE(dialog->grab().save(file)) << file.toStdString();
        for (QWidget* w : tabs->widget(i)->findChildren<QWidget*>()) {
            const QWidget* parent = w->parentWidget();
            if (!w->isVisible() || w->isWindow())
                continue;
            EXPECT_TRUE(parent->rect().contains(w->geometry()) || qobject_cast<const QAbstractScrollArea*>(parent))
                << names[i] << ": " << describe(w).toStdString() << " sticks out of " << describe(parent).toStdString();
            // Paths may be cut; they carry the full text in their tooltip.
            const bool cutOnPurpose = w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
            const QSize least = w->minimumSizeHint();
            EXPECT_TRUE(cutOnPurpose || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) ||
                        (w->width() >= least.width() && w->height() >= least.height()))
                << names[i] << ": " << describe(w).toStdString() << " is smaller than its text";
        }
    }
    EXPECT_LE(dialog->width(), 1024);
    EXPECT_LE(dialog->height(), 768);
}

} // namespace
