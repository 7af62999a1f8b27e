#pragma once
// At most one full-screen saver per user: the running one listens on a local
// socket; a second start that can reach it ends quietly.

#include <QLocalServer>
#include <QString>

namespace morvane {

class SingleInstance {
public:
    explicit SingleInstance(QString name = defaultName());
    // True when another full-screen saver already answers.
    bool anotherIsRunning() const;
    // Claims the name for this process for as long as the object lives.
    bool claim();
    static QString defaultName();

private:
    QString name_;
    QLocalServer server_;
};

} // namespace morvane
