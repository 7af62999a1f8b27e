#pragma once
// What the command line asks for and where the program's data lives.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// A window id as XScreenSaver writes it: "0x" and hex digits, or decimal digits.
// Nothing for 0, for other text, or for a number beyond 32 bits.
std::optional<std::uint32_t> parseWindowId(const std::string& text);

// Where the data files are when no AppPath is stored: the program's own folder
// when it holds default.pgn (the build tree, a Windows install), otherwise the
// install tree's share/morvane3 beside the program's bin folder when that holds it,
// otherwise the program's folder again (missing files are reported where they are
// opened). `holdsGames` tells whether a folder has default.pgn in it.
std::string installedDataFolder(const std::string& programFolder,
                                const std::function<bool(const std::string& folder)>& holdsGames);

std::string trimmed(const std::string& text);
std::string upperCased(std::string text);

} // namespace morvane
