#pragma once
// Whole-file reading and writing for the user's files. A write goes to a temporary file
// beside the target and replaces the target only once it is complete, so a
// failure (full disk, no permission, a crash) leaves the old file as it was.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace morvane {

struct FileResult {
    bool ok = false;
    QString error; // why not, in words for a message box
};

bool isExistingFile(const QString& path);

// What a file held when it was read. Another stamp on a later read means another
// program changed the file in between; a missing file has its own stamp.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedMs = 0;
    QByteArray checksum;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct FileSnapshot {
    std::string bytes;
    FileStamp stamp;
};

// The stamp of `bytes` as just read from or written to `path`.
FileStamp stampOf(const QString& path, const std::string& bytes);

// The file's bytes with their stamp, or nothing with `error` set. A missing file
// gives no bytes and the missing file's stamp.
std::optional<FileSnapshot> readFileSnapshot(const QString& path, QString* error);

// The stamp readFileSnapshot would give, the bytes read in blocks and never
// held whole; nothing with `error` set when they cannot be read.
// `progress` (optional) hears the bytes read so far and the file's size.
std::optional<FileStamp> readFileStamp(const QString& path, QString* error,
                                       const std::function<void(qint64, qint64)>& progress = {});

// The file's bytes, or nothing with `error` set.
std::optional<std::string> readFileBytes(const QString& path, QString* error);

FileResult replaceFileContents(const QString& path, const std::string& bytes);

} // namespace morvane
