#pragma once
// What the command line asks for and where the program's data lives.

#include <cstdint>
#include <optional>
#include <string>

namespace morvane {

enum class RunMode : std::int16_t {
    Settings = 1,
    FullScreen = 2,
    Preview = 3,
    SettingsOnImport = 5,
};

// Trimmed, upper-cased command line; its first two characters decide.
RunMode runModeFor(const std::string& commandLine);

// The number formed by the run of decimal digits at the end of the trimmed text;
// nothing when the text ends in no digit (it names no window) or the number does
// not fit in 32 bits.
std::optional<std::int64_t> ParseWindowHandle(const std::string& text);

// The data folder: the stored AppPath, or the program's folder when that is empty,
// always ending in a separator. A stored value ending in "\" or "/" is kept as it is.
std::string dataFolder(const std::string& storedAppPath, const std::string& programFolder);

std::string trimmed(const std::string& text);
std::string upperCased(std::string text);

} // namespace morvane
