#include "host_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include "input_rules.h"

namespace morvane {

HostInput::HostInput(QWidget* saver, bool ownWindow) : QObject(saver), saver_(saver), ownWindow_(ownWindow)
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
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return ownWindow_;
    case QEvent::KeyPress: {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return !(ownWindow_ && text.size() == 1 && text.at(0).unicode() == InputRules::kRotateKey);
    }
    case QEvent::MouseMove:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

} // namespace morvane
