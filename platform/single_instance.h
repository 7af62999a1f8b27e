#pragma once
// At most one full-screen saver per user: the running one listens on a local
// socket; a second start that can reach it ends quietly. The socket lives in a
// folder only its user can write, so nobody else can take the name first.

#include <QLocalServer>
#include <QString>

namespace morvane {

class SingleInstance {
public:
    explicit SingleInstance(QString name = defaultName());
    ~SingleInstance();
    // True when another full-screen saver already answers.
    bool anotherIsRunning() const;
    // Claims the name for this process for as long as the object lives.
    bool claim();
    // A socket path in $XDG_RUNTIME_DIR, else in a folder of mode 0700 of the
    // user's own under the temporary folder; empty when neither can be trusted
    // (then there is no single-instance rule rather than an unsafe one).
    static QString defaultName();

private:
    QString name_;
    QLocalServer server_;
};

} // namespace morvane
