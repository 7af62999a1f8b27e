#include "foreign_window.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdlib>
#include <xcb/xcb.h>

namespace morvane {

namespace {

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

}  // namespace

std::optional<QSize> foreignWindowSize(WId id)
{
    xcb_connection_t* c = x11Connection();
    if (!c)
        return std::nullopt;
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* reply =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, static_cast<xcb_drawable_t>(id)), &error);
    std::free(error);
    if (!reply)
        return std::nullopt;
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

bool foreignWindowExists(WId id)
{
    xcb_connection_t* c = x11Connection();
    if (!c)
        return false;
    xcb_generic_error_t* error = nullptr;
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, static_cast<xcb_window_t>(id)), &error);
    std::free(error);
    const bool exists = reply != nullptr;
    std::free(reply);
    return exists;
}

bool embedInto(QWidget* widget, WId id, QPoint pos, QSize size)
{
    if (!foreignWindowExists(id))
        return false;
    QWindow* host = QWindow::fromWinId(id);
    if (!host)
        return false;
    widget->setAttribute(Qt::WA_NativeWindow);
    widget->winId();  // creates the native window so it can be re-parented
    QWindow* own = widget->windowHandle();
    own->setParent(host);
    widget->setGeometry(QRect(pos, size));
    widget->show();
    return true;
}

}  // namespace morvane
