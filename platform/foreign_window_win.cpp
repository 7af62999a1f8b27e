// The host's window on Windows: the Display control panel's preview box.
// Not built or tested here; the X11 version is foreign_window.cpp.
#include "foreign_window.h"

#include <QWindow>

#include <windows.h>

namespace morvane {

std::optional<QSize> foreignWindowSize(WId id)
{
    RECT r;
    if (!IsWindow(reinterpret_cast<HWND>(id)) || !GetClientRect(reinterpret_cast<HWND>(id), &r))
        return std::nullopt;
    return QSize(r.right - r.left, r.bottom - r.top);
}

bool foreignWindowExists(WId id)
{
    return IsWindow(reinterpret_cast<HWND>(id)) != 0;
}

bool embedInto(QWidget* widget, WId id, QPoint pos, QSize size)
{
    QWindow* host = foreignWindowExists(id) ? QWindow::fromWinId(id) : nullptr;
    if (!host)
        return false;
    widget->setAttribute(Qt::WA_NativeWindow);
    widget->winId(); // creates the native window so it can be re-parented
    widget->windowHandle()->setParent(host);
    widget->setGeometry(QRect(pos, size));
    widget->show();
    return true;
}

// The Display control panel never resizes its preview box.
bool followForeignResize(WId, QObject*, std::function<void(QSize)>)
{
    return false;
}

} // namespace morvane
