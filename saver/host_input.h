#pragma once
// Inside XScreenSaver's window the Saver follows the preview's input rules:
// XScreenSaver itself watches the mouse and keyboard and ends its display mode,
// so a move or a key reaching the Saver there must not end it a second time, nor
// turn the board. A button still ends it, as in the preview.
// In an ordinary window (--window) nothing but closing the window ends it, and
// "r" still turns the board.

#include <QObject>
#include <QPointer>

class QWidget;

namespace morvane {

class HostInput : public QObject {
public:
    // Create it after the Saver: filters installed later see the events first.
    explicit HostInput(QWidget* saver, bool ownWindow = false);
    ~HostInput() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> saver_;
    bool ownWindow_;
};

} // namespace morvane
