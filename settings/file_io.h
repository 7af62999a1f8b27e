#pragma once
// Whole-file reading and writing for the dialog. A write goes to a temporary file
// beside the target and replaces the target only once it is complete, so a
// failure (full disk, no permission, a crash) leaves the old file as it was.

#include <QString>

#include <optional>
#include <string>

namespace morvane {

struct FileResult {
    bool ok = false;
    QString error; // why not, in words for a message box
};

bool isExistingFile(const QString& path);

// The file's bytes, or nothing with `error` set.
std::optional<std::string> readFileBytes(const QString& path, QString* error);

FileResult replaceFileContents(const QString& path, const std::string& bytes);

} // namespace morvane
