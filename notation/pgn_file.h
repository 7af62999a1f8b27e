#pragma once
// Reading PGN files as bytes: whole, or one game's range.

#include <cstdint>
#include <optional>
#include <string>

namespace morvane {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// `length` bytes from the 1-based position `begin` (fewer at the end of the
// file), or nothing when the file cannot be read. A length of 0 or less, or a
// begin before the first byte, gives the empty text.
std::optional<std::string> readByteRange(const std::string& path, std::int64_t begin, std::int64_t length);

// True when `path` names an existing regular file (or a link to one).
bool isFile(const std::string& path);

} // namespace morvane
