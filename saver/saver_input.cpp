#include "saver_input.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace morvane {

SaverInput::SaverInput(QWidget* saver, bool preview, TwipScale scale)
    : QObject(saver), saver_(saver), rules_(preview), scale_(scale)
{
    QCoreApplication::instance()->installEventFilter(this);
}

SaverInput::~SaverInput()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool SaverInput::eventFilter(QObject* watched, QEvent* event)
{
    if (!saver_ || watched != saver_->windowHandle())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        act(rules_.buttonPressed());
        return true;
    case QEvent::MouseMove: {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        act(rules_.mouseMoved(scale_.toTwips(at.x()), scale_.toTwips(at.y())));
        return false;
    }
    case QEvent::KeyPress: {
        // Keys that type no character (Shift, arrows, F1) leave the saver running.
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.isEmpty())
            return true;
        act(rules_.characterTyped(text.at(0).unicode()));
        return true;
    }
    default:
        return false;
    }
}

void SaverInput::act(InputRules::Action action)
{
    switch (action) {
    case InputRules::Action::None:
        break;
    case InputRules::Action::Rotate:
        emit rotateRequested();
        break;
    case InputRules::Action::End:
        emit endRequested();
        break;
    }
}

} // namespace morvane
