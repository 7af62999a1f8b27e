#include "file_io.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace morvane {

bool isExistingFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

std::optional<std::string> readFileBytes(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    std::string bytes;
    const qint64 size = file.size();
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        const qint64 got = file.read(bytes.data(), size);
        if (got < 0) {
            if (error)
                *error = file.errorString();
            return std::nullopt;
        }
        bytes.resize(static_cast<std::size_t>(got));
    }
    // Files that report no size (pipes, some special files) are read to their end.
    if (size == 0) {
        const QByteArray rest = file.readAll();
        bytes.assign(rest.constData(), static_cast<std::size_t>(rest.size()));
    }
    return bytes;
}

FileStamp stampOf(const QString& path, const std::string& bytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return {true, static_cast<qint64>(bytes.size()), info.lastModified().toMSecsSinceEpoch(),
            QCryptographicHash::hash(view, QCryptographicHash::Sha1)};
}

std::optional<FileSnapshot> readFileSnapshot(const QString& path, QString* error)
{
    if (!QFileInfo::exists(path))
        return FileSnapshot{};
    // The time is taken before the bytes: a change while reading then shows as a
    // change on the next comparison rather than slipping through.
    const qint64 modified = QFileInfo(path).lastModified().toMSecsSinceEpoch();
    auto bytes = readFileBytes(path, error);
    if (!bytes)
        return std::nullopt;
    FileStamp stamp = stampOf(path, *bytes);
    stamp.modifiedMs = modified;
    return FileSnapshot{std::move(*bytes), std::move(stamp)};
}

std::optional<FileStamp> readFileStamp(const QString& path, QString* error,
                                       const std::function<void(qint64, qint64)>& progress)
{
    if (!QFileInfo::exists(path))
        return FileStamp{};
    const qint64 modified = QFileInfo(path).lastModified().toMSecsSinceEpoch();
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const auto failed = [&file, error] {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    };
    if (!file.open(QIODevice::ReadOnly))
        return failed();
    const qint64 size = file.size();
    QByteArray block(1 << 20, Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 n = 0; (n = file.read(block.data(), block.size())) != 0; total += n) {
        if (n < 0)
            return failed();
        hash.addData(QByteArrayView(block.constData(), n));
        if (progress)
            progress(total + n, size);
    }
    return FileStamp{true, total, modified, hash.result()};
}

FileResult replaceFileContents(const QString& path, const std::string& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace morvane
