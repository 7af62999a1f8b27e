#pragma once
// Catches the user's input anywhere on the Saver window, whichever control has
// the focus or lies under the pointer, and turns it into the rotation key or
// the end of the screensaver. Input reaches the window before its controls, so
// it is taken there and goes no further.

#include <QObject>
#include <QPointer>

#include <functional>

#include "input_rules.h"
#include "twips.h"

class QWidget;

namespace morvane {

class SaverInput : public QObject {
    Q_OBJECT
public:
    // Watches `saver`'s window; `scale` turns pointer positions into the form's twips.
    SaverInput(QWidget* saver, bool preview, TwipScale scale);
    ~SaverInput() override;

signals:
    void rotateRequested();
    void endRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void act(InputRules::Action action);

    QPointer<QWidget> saver_;
    InputRules rules_;
    TwipScale scale_;
};

} // namespace morvane
