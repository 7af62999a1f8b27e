#include "cursor_visibility.h"

#include <QCursor>
#include <QGuiApplication>

namespace morvane {

namespace {
bool hidden = false;
}

void CursorVisibility::hide()
{
    if (hidden)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    hidden = true;
}

void CursorVisibility::show()
{
    if (!hidden)
        return;
    QGuiApplication::restoreOverrideCursor();
    hidden = false;
}

bool CursorVisibility::isHidden()
{
    return hidden;
}

} // namespace morvane
