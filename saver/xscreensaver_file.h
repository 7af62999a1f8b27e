#pragma once
// Morvane3's line in the "programs:" entry of XScreenSaver's ~/.xscreensaver.
// The entry is one resource value continued over many lines with a final "\";
// each display mode in it ends in "\n". Qt-free.

#include <iosfwd>
#include <optional>
#include <string>

namespace morvane {

// The file's text with Morvane3's line added (at the top of the list) or taken
// out; nothing when the text has no "programs:" entry. `changed` tells whether
// there was anything to do.
struct ProgramsEdit {
    std::string text;
    bool changed = false;
};
std::optional<ProgramsEdit> withMorvane3(const std::string& fileText);
std::optional<ProgramsEdit> withoutMorvane3(const std::string& fileText);

// --add-to-xscreensaver and --remove-from-xscreensaver on `path`: the old file
// is kept beside it as `path`.bak, the new one written whole to a temporary file
// and renamed over it. Reports to `out` and `err`; returns the exit status.
int updateXScreenSaverFile(const std::string& path, bool add, std::ostream& out, std::ostream& err);

} // namespace morvane
