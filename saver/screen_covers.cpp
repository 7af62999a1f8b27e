#include "screen_covers.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace morvane {

ScreenCovers::ScreenCovers(QWidget* saver) : QObject(saver), saver_(saver)
{
    const QColor background = saver->palette().color(QPalette::Window);
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen == QGuiApplication::primaryScreen())
            continue;
        auto cover = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        cover->setObjectName(QStringLiteral("ScreenCover"));
        cover->setWindowTitle(saver->windowTitle());
        QPalette p = cover->palette();
        p.setColor(QPalette::Window, background);
        cover->setPalette(p);
        cover->setAutoFillBackground(true);
        cover->setAttribute(Qt::WA_NativeWindow);
        cover->winId();
        cover->windowHandle()->setScreen(screen);
        cover->setGeometry(screen->geometry());
        cover->showFullScreen();
        cover->windowHandle()->installEventFilter(this);
        covers_.push_back(std::move(cover));
    }
    saver->installEventFilter(this);
}

ScreenCovers::~ScreenCovers() = default;

bool ScreenCovers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == saver_) {
        if (event->type() == QEvent::Hide)
            for (auto& cover : covers_)
                cover->hide();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        forward(event);
        return true;
    default:
        return false;
    }
}

// The Saver's input rules see the event as if it had happened on the Saver,
// at the same place on the desktop.
void ScreenCovers::forward(QEvent* event)
{
    if (!saver_ || !saver_->windowHandle())
        return;
    QWindow* target = saver_->windowHandle();
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(target, &copy);
        return;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF global = mouse->globalPosition();
    QMouseEvent copy(mouse->type(), target->mapFromGlobal(global), global, mouse->button(), mouse->buttons(),
                     mouse->modifiers());
    QCoreApplication::sendEvent(target, &copy);
}

} // namespace morvane
