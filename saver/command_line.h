#pragma once
// The command line: Unix options (one or two dashes, "--name value" or
// "--name=value") are read first; the words left over form the Windows switch
// line ("/S", "/P id", "/C", "/E"), read by runModeFor. Qt-free, so it can run
// before there is a display (--help, --version) and be checked without one.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "run_mode.h"

namespace morvane {

enum class Launch {
    Switches,               // the Windows switch line decides (runMode())
    HostWindow,             // XScreenSaver's window: --window-id, or --root with XSCREENSAVER_WINDOW
    OwnWindow,              // --window: an ordinary window
    Help,                   // --help
    Version,                // --version
    AddToXScreenSaver,      // --add-to-xscreensaver
    RemoveFromXScreenSaver, // --remove-from-xscreensaver
};

struct CommandLine {
    Launch launch = Launch::Switches;
    std::string switches;                // the words that are no option, joined by blanks
    bool anyOption = false;              // at least one Unix option was given
    std::string windowText;              // HostWindow: the id as given (argument or variable)
    std::optional<std::uint32_t> window; // HostWindow: the id, when it is usable
    // Settings for this run only, as key and stored text (never written back).
    std::vector<std::pair<std::string, std::string>> settings;
    std::string pgnFile;                 // --pgn, empty when not given
    bool firstGiven = false;             // --first
    bool soundGiven = false;             // --sound or --mute
    std::string display;                 // --display, empty when not given
    std::vector<std::string> complaints; // one line each for standard error

    // The mode of a Switches launch: the switch line's, and full screen for a
    // line of options only (as any unrecognised command line always was).
    RunMode runMode() const;
};

// `arguments` without the program's name; `xscreensaverWindow` is the
// variable's value, or null when it is not set.
CommandLine readCommandLine(const std::vector<std::string>& arguments, const char* xscreensaverWindow);

// Every option with a line of help, as --help prints it.
std::string usageText();

} // namespace morvane
