#include "single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include <sys/stat.h>
#include <unistd.h>

namespace morvane {

namespace {

// One saver per user and home folder.
QString socketName()
{
    return QStringLiteral("/morvane3-fullscreen-%1").arg(qHash(QDir::homePath()), 0, 16);
}

// A folder that is ours alone: a real directory (no link), owned by us, that
// nobody else may write into or list.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & 077) == 0;
}

QString privateTempFolder()
{
    const QByteArray folder = QFile::encodeName(QDir::tempPath() + QStringLiteral("/morvane3-%1").arg(::getuid()));
    ::mkdir(folder.constData(), 0700);
    return isPrivateFolder(folder) ? QFile::decodeName(folder) : QString();
}

} // namespace

QString SingleInstance::defaultName()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return QFile::decodeName(runtime) + socketName();
    const QString folder = privateTempFolder();
    return folder.isEmpty() ? QString() : folder + socketName();
}

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

// The private folder stays: removing it could pull it from under a saver of
// another home folder that is about to listen in it.
SingleInstance::~SingleInstance()
{
    server_.close(); // removes the socket
}

bool SingleInstance::anotherIsRunning() const
{
    if (name_.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name_);
    return socket.waitForConnected(300);
}

bool SingleInstance::claim()
{
    if (name_.isEmpty())
        return false;
    // A name left behind by a saver that crashed is stale: nobody answered on it.
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

} // namespace morvane
