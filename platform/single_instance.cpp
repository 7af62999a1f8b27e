#include "single_instance.h"

#include <QDir>
#include <QLocalSocket>

namespace morvane {

QString SingleInstance::defaultName()
{
    return QStringLiteral("Morvane3-fullscreen-%1").arg(qHash(QDir::homePath()), 0, 16);
}

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

bool SingleInstance::anotherIsRunning() const
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    return socket.waitForConnected(300);
}

bool SingleInstance::claim()
{
    // A name left behind by a saver that crashed is stale: nobody answered on it.
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

} // namespace morvane
