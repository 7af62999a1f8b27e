#include "host_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace morvane {

HostInput::HostInput(QWidget* saver) : QObject(saver), saver_(saver)
{
    QCoreApplication::instance()->installEventFilter(this);
}

HostInput::~HostInput()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool HostInput::eventFilter(QObject* watched, QEvent* event)
{
    if (!saver_ || watched != saver_->windowHandle())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

} // namespace morvane
