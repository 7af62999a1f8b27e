#include "command_line.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace morvane {

namespace {

using Apply = void (*)(CommandLine&, const std::string& value);

struct Option {
    const char* name;  // without its dashes
    const char* value; // the value's name in the help; null for an option without one
    const char* help;
    Apply apply;
    // A switch that only sets a setting for the run: the key and its value.
    const char* key = nullptr;
    const char* keyValue = nullptr;
};

void setting(CommandLine& line, const char* key, const std::string& value)
{
    line.settings.emplace_back(key, value);
}

void complain(CommandLine& line, const std::string& option, const std::string& value, const char* wanted)
{
    line.complaints.push_back("morvane3: --" + option + " wants " + wanted + ", not \"" + value + "\"; ignored.");
}

// A number from 0 to `most`, stored as typed: beyond it a saver would never
// move or a timer could not be set.
void number(CommandLine& line, const char* option, const char* key, const std::string& value, double most,
            const char* wanted)
{
    char* end = nullptr;
    errno = 0;
    const double n = std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0' || errno != 0 || !(n >= 0 && n <= most))
        return complain(line, option, value, wanted);
    setting(line, key, value);
}

void seconds(CommandLine& line, const char* option, const char* key, const std::string& value)
{
    number(line, option, key, value, 3600, "seconds from 0 to 3600");
}

// Several launches on one line: the one that does least wins, so --help never
// starts a saver; a window given by id wins over an ordinary window.
void choose(CommandLine& line, Launch launch)
{
    const auto rank = [](Launch l) {
        constexpr Launch kOrder[] = {
            Launch::Switches,          Launch::OwnWindow, Launch::HostWindow, Launch::RemoveFromXScreenSaver,
            Launch::AddToXScreenSaver, Launch::Version,   Launch::Help};
        int r = 0;
        while (kOrder[r] != l)
            ++r;
        return r;
    };
    if (rank(launch) > rank(line.launch))
        line.launch = launch;
}

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

const Option kOptions[] = {
    // What to do
    {"root", nullptr, "draw into XScreenSaver's window (XSCREENSAVER_WINDOW); full screen without it", nullptr},
    {"window-id", "ID", "draw into window ID (hex 0x... or decimal)", nullptr},
    {"window", nullptr, "play in an ordinary window; \"r\" turns the board, closing it ends",
     [](CommandLine& l, const std::string&) { choose(l, Launch::OwnWindow); }},
    {"add-to-xscreensaver", nullptr, "add Morvane3 to the display modes in ~/.xscreensaver",
     [](CommandLine& l, const std::string&) { choose(l, Launch::AddToXScreenSaver); }},
    {"remove-from-xscreensaver", nullptr, "take Morvane3 out of ~/.xscreensaver",
     [](CommandLine& l, const std::string&) { choose(l, Launch::RemoveFromXScreenSaver); }},
    {"help", nullptr, "print this help and end", [](CommandLine& l, const std::string&) { choose(l, Launch::Help); }},
    {"version", nullptr, "print the name and version and end",
     [](CommandLine& l, const std::string&) { choose(l, Launch::Version); }},
    // Settings for this run, in every mode; never stored
    {"pgn", "FILE", "play the games of FILE", [](CommandLine& l, const std::string& v) { l.pgnFile = v; }},
    {"move-delay", "SECONDS", "seconds between two moves",
     [](CommandLine& l, const std::string& v) { seconds(l, "move-delay", "Timer", v); }},
    {"game-pause", "SECONDS", "seconds of pause after a game",
     [](CommandLine& l, const std::string& v) { seconds(l, "game-pause", "Timer2", v); }},
    {"random", nullptr, "games in random order", nullptr, "Random", "1"},
    {"in-order", nullptr, "games in the file's order", nullptr, "Random", "0"},
    {"rotate", nullptr, "Black at the bottom", nullptr, "rotate", "1"},
    {"no-rotate", nullptr, "White at the bottom", nullptr, "rotate", "0"},
    {"highlight-move", nullptr, "tint the last move's squares and mark a king in check", nullptr, "HighlightMove", "1"},
    {"no-highlight-move", nullptr, "no marks on the board", nullptr, "HighlightMove", "0"},
    {"animate-moves", nullptr, "pieces slide to their squares", nullptr, "AnimateMoves", "1"},
    {"no-animate-moves", nullptr, "pieces move at once", nullptr, "AnimateMoves", "0"},
    {"hide-move-list", nullptr, "no move list", nullptr, "HideMoveList", "1"},
    {"show-move-list", nullptr, "the move list at the right", nullptr, "HideMoveList", "0"},
    {"show-comments", nullptr, "the comment on each move under the status line", nullptr, "ShowComments", "1"},
    {"pace-by-clock", "N", "moves as fast as the players' clocks show, N times faster (0: off)",
     [](CommandLine& l, const std::string& v) {
         number(l, "pace-by-clock", "PaceByClock", v, 10000, "a speed factor from 0 to 10000");
     }},
    {"sound", nullptr, "move sounds (XScreenSaver's window is silent without it)",
     [](CommandLine& l, const std::string&) {
         setting(l, "sound", "0");
         l.soundGiven = true;
     }},
    {"mute", nullptr, "no sound",
     [](CommandLine& l, const std::string&) {
         setting(l, "sound", "1");
         l.soundGiven = true;
     }},
    {"style", "STYLE", "board and pieces: modern, classic, alpha or castles",
     [](CommandLine& l, const std::string& v) {
         static const char* const kStyles[] = {"modern", "classic", "alpha", "castles"};
         for (int i = 0; i < 4; ++i)
             if (lowered(v) == kStyles[i])
                 return setting(l, "style", std::to_string(i + 1));
         complain(l, "style", v, "modern, classic, alpha or castles");
     }},
    {"first", "N", "start with game N (XScreenSaver's window starts at random without it, or with 0)",
     [](CommandLine& l, const std::string& v) {
         char* end = nullptr;
         errno = 0;
         const long n = std::strtol(v.c_str(), &end, 10);
         if (v.empty() || *end != '\0' || errno != 0 || n < 0 || n > 2147483647L)
             return complain(l, "first", v, "a game number from 1, or 0");
         if (n == 0) // XScreenSaver's "at random"
             return;
         setting(l, "FirstGame", std::to_string(n));
         l.firstGiven = true;
     }},
    // XScreenSaver's standard options: accepted, with nothing to change here
    {"fps", nullptr, "accepted; no frame counter is shown", [](CommandLine&, const std::string&) {}},
    {"delay", "N", "accepted; the pace is --move-delay's", [](CommandLine&, const std::string&) {}},
    {"install", nullptr, "accepted; no colour map is needed", [](CommandLine&, const std::string&) {}},
    {"visual", "V", "accepted; the default visual is used", [](CommandLine&, const std::string&) {}},
    {"mono", nullptr, "accepted; colours as set", [](CommandLine&, const std::string&) {}},
    {"pair", nullptr, "accepted", [](CommandLine&, const std::string&) {}},
    {"display", "D", "the X display to use", [](CommandLine& l, const std::string& v) { l.display = v; }},
};

const Option* optionNamed(const std::string& name)
{
    for (const Option& option : kOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

} // namespace

RunMode CommandLine::runMode() const
{
    if (trimmed(switches).empty() && anyOption)
        return RunMode::FullScreen;
    return runModeFor(switches);
}

CommandLine readCommandLine(const std::vector<std::string>& arguments, const char* xscreensaverWindow)
{
    CommandLine line;
    std::vector<std::string> words;
    bool optionsEnded = false;
    bool root = false;
    std::optional<std::string> windowId;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        line.anyOption = true;
        std::string name = arg.substr(arg[1] == '-' ? 2 : 1);
        std::optional<std::string> value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.erase(eq);
        }
        const Option* option = optionNamed(name);
        if (!option) {
            line.complaints.push_back("morvane3: unknown option \"" + arg + "\" ignored (morvane3 --help lists them).");
            continue;
        }
        if (option->value && !value && i + 1 < arguments.size())
            value = arguments[++i];
        if (!option->value && value) {
            line.complaints.push_back("morvane3: --" + name + " takes no value; \"" + arg + "\" ignored.");
            continue;
        }
        if (name == "window-id") {
            // Without its id it is still a preview, refused later: never the full-screen saver.
            windowId = value.value_or("");
            continue;
        }
        if (name == "root") {
            root = true;
            continue;
        }
        if (option->value && !value) {
            line.complaints.push_back("morvane3: --" + name + " needs " + option->value + "; ignored.");
            continue;
        }
        if (option->key)
            setting(line, option->key, option->keyValue);
        else
            option->apply(line, value.value_or(""));
    }
    // --window-id names the window; --root finds it in the variable, and without
    // the variable keeps its older meaning (the full-screen saver).
    if (windowId || (root && xscreensaverWindow)) {
        choose(line, Launch::HostWindow);
        line.windowText = windowId ? *windowId : xscreensaverWindow;
    }
    for (const std::string& word : words)
        line.switches += (line.switches.empty() ? "" : " ") + word;
    if (line.launch == Launch::HostWindow)
        line.window = parseWindowId(line.windowText);
    return line;
}

std::string usageText()
{
    std::string text = "Usage: morvane3 [OPTION]...\n"
                       "       morvane3 /S | /P ID | /C | /E\n"
                       "Replays chess games from a PGN file as a screensaver. Without an option or a\n"
                       "switch it opens its settings; /S shows the saver full screen, /P ID a preview in\n"
                       "window ID, /C the settings, /E the settings on their import page. Settings given\n"
                       "as options hold for this run only.\n\n";
    for (const Option& option : kOptions) {
        std::string left = std::string("  --") + option.name + (option.value ? std::string(" ") + option.value : "");
        left.resize(std::max<std::size_t>(left.size() + 2, 30), ' ');
        text += left + option.help + "\n";
    }
    return text;
}

} // namespace morvane
