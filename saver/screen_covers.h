#pragma once
// The full-screen saver covers every screen: the replay plays on the primary
// one, and each other screen gets a window of the Saver's background colour.
// Input on a cover counts as input on the Saver, so moving the mouse on any
// screen ends the screensaver; the covers go when the Saver is hidden.

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QWidget;

namespace morvane {

class ScreenCovers : public QObject {
public:
    // Covers every screen but the primary one; call once the Saver is loaded.
    explicit ScreenCovers(QWidget* saver);
    ~ScreenCovers() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forward(QEvent* event);

    QPointer<QWidget> saver_;
    std::vector<std::unique_ptr<QWidget>> covers_;
};

} // namespace morvane
