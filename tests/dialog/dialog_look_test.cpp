// How the five tabs look at the default font: each is grabbed into a PNG for a
// person to open, and checked for controls that stick out of their parents or
// are too narrow for their own text.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>

#include "dialog_harness.h"

using namespace testutil;

namespace {

QString describe(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// Widgets whose text is cut off, or that lie partly outside their parent.
QStringList clipped(QWidget* page)
{
    QStringList faults;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        const QWidget* parent = w->parentWidget();
        if (parent && !parent->rect().contains(w->geometry()) && !qobject_cast<const QAbstractScrollArea*>(parent))
            faults << describe(w) + " sticks out of " + describe(parent);
        // Paths may be cut; they carry the full text in their tooltip.
        const bool cutOnPurpose = w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
        if (!cutOnPurpose && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) &&
            (w->width() < w->minimumSizeHint().width() || w->height() < w->minimumSizeHint().height()))
            faults << describe(w) + " is smaller than its text";
    }
    return faults;
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
        const QStringList faults = clipped(tabs->widget(i));
        EXPECT_TRUE(faults.isEmpty()) << names[i] << ": " << faults.join("; ").toStdString();
    }
    EXPECT_LE(dialog->width(), 1024);
    EXPECT_LE(dialog->height(), 768);
}

} // namespace
