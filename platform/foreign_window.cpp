#include "foreign_window.h"

#include <QAbstractNativeEventFilter>
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

} // namespace

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
    widget->winId(); // creates the native window so it can be re-parented
    QWindow* own = widget->windowHandle();
    own->setParent(host);
    widget->setGeometry(QRect(pos, size));
    widget->show();
    return true;
}

namespace {

// Sees the host's ConfigureNotify among all the events Qt reads from the server.
class ResizeWatcher : public QObject, public QAbstractNativeEventFilter {
public:
    ResizeWatcher(xcb_window_t window, QObject* owner, std::function<void(QSize)> resized)
        : QObject(owner), window_(window), resized_(std::move(resized))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~ResizeWatcher() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CONFIGURE_NOTIFY)
            return false;
        const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
        if (configure->window != window_ || configure->event != window_)
            return false;
        const QSize size(configure->width, configure->height);
        if (size != last_) {
            last_ = size;
            resized_(size);
        }
        return false;
    }

private:
    xcb_window_t window_;
    std::function<void(QSize)> resized_;
    QSize last_;
};

} // namespace

bool followForeignResize(WId id, QObject* owner, std::function<void(QSize)> resized)
{
    xcb_connection_t* c = x11Connection();
    if (!c)
        return false;
    const auto window = static_cast<xcb_window_t>(id);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
    if (!attributes)
        return false;
    // Event masks are kept per client: ours is added to whatever Qt selected.
    const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    std::free(attributes);
    new ResizeWatcher(window, owner, std::move(resized));
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    return true;
}

} // namespace morvane
