// The command-line reader: Unix options in front of the Windows switches.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "command_line.h"

using namespace morvane;

namespace {

using Args = std::vector<std::string>;

// "key=value" for each setting of the run, joined by blanks.
std::string settingsOf(const CommandLine& line)
{
    std::string text;
    for (const auto& [key, value] : line.settings)
        text += (text.empty() ? "" : " ") + key + "=" + value;
    return text;
}

} // namespace

TEST(CommandLine, Table)
{
    const RunMode none{}; // a launch other than Switches has no run mode
    const struct {
        const char* name;
        Args args;
        const char* variable; // XSCREENSAVER_WINDOW; null: not set
        Launch launch;
        RunMode mode;
        std::optional<std::uint32_t> window = std::nullopt;
        const char* settings = "";
        std::size_t complaints = 0;
    } rows[] = {
        // clang-format off
        // XScreenSaver's display mode and settings preview (its plain command lines, and the ~/.xscreensaver
        // edits, run the real program in XScreenSaverEndToEnd)
        {"-root -delay 20000", {"-root", "-delay", "20000"}, "44040199", Launch::HostWindow, none, 44040199},
        {"--root --fps", {"--root", "--fps"}, "0X1F", Launch::HostWindow, none, 0x1f},
        {"--window-id=ID", {"--window-id=0x10"}, nullptr, Launch::HostWindow, none, 0x10},
        {"--window-id without its id is refused, not full screen", {"--window-id"}, nullptr, Launch::HostWindow, none},
        {"variable naming no window", {"--root"}, "0", Launch::HostWindow, none},
        {"--root without the variable: full screen", {"--root"}, nullptr, Launch::Switches, RunMode::FullScreen},
        {"the standard hack options", {"--install", "--visual", "default", "--mono", "--pair", "--display", ":0"},
         nullptr, Launch::Switches, RunMode::FullScreen},
        // Windows switches (their run modes: RunMode.CommandLineTable) are not changed by the variable
        {"empty: settings", {}, "0x2a", Launch::Switches, RunMode::Settings},
        {"/S with a setting", {"/S", "--mute"}, nullptr, Launch::Switches, RunMode::FullScreen, {}, "sound=1"},
        {"after --, options are words", {"--", "--help"}, nullptr, Launch::Switches, RunMode::FullScreen},
        // Settings for the run
        {"every setting", {"--move-delay", "1.5", "--game-pause=0", "--random", "--rotate", "--hide-move-list",
          "--sound", "--style", "Castles", "--first", "7"}, nullptr, Launch::Switches, RunMode::FullScreen, {},
         "Timer=1.5 Timer2=0 Random=1 rotate=1 HideMoveList=1 sound=0 style=4 FirstGame=7"},
        {"their opposites", {"--in-order", "--no-rotate", "--show-move-list", "--mute", "--style", "classic"},
         nullptr, Launch::Switches, RunMode::FullScreen, {}, "Random=0 rotate=0 HideMoveList=0 sound=1 style=2"},
        {"bad values are named and ignored", {"--move-delay", "soon", "--game-pause", "-1", "--first", "x2",
          "--style", "wood", "--move-delay", "3601"}, nullptr, Launch::Switches, RunMode::FullScreen, {}, "", 5},
        {"a value missing at the end", {"--window", "--pgn"}, nullptr, Launch::OwnWindow, none, {}, "", 1},
        {"unknown options are named and ignored", {"--frobnicate", "-x", "--window"}, nullptr, Launch::OwnWindow,
         none, {}, "", 2},
        {"a value given to a switch", {"--random=1"}, nullptr, Launch::Switches, RunMode::FullScreen, {}, "", 1},
        // What wins when several are given: the one that does least
        {"--help wins", {"--root", "--help", "--window"}, "0x2a", Launch::Help, none, 0x2a},
        {"--version", {"-version"}, nullptr, Launch::Version, none},
        {"--window", {"--window", "--rotate"}, nullptr, Launch::OwnWindow, none, {}, "rotate=1"},
        {"XScreenSaver's window wins over --window", {"--window", "--window-id", "5"}, nullptr, Launch::HostWindow,
         none, 5},
        // clang-format on
    };
    for (const auto& row : rows) {
        const CommandLine line = readCommandLine(row.args, row.variable);
        EXPECT_EQ(line.launch, row.launch) << row.name;
        if (row.launch == Launch::Switches) {
            EXPECT_EQ(line.runMode(), row.mode) << row.name;
        }
        if (row.launch == Launch::HostWindow) {
            EXPECT_EQ(line.window, row.window) << row.name;
        }
        EXPECT_EQ(settingsOf(line), row.settings) << row.name;
        EXPECT_EQ(line.complaints.size(), row.complaints) << row.name;
    }
    EXPECT_EQ(readCommandLine({"--pgn", "/g/a.pgn", "--first", "3"}, nullptr).pgnFile, "/g/a.pgn");
    EXPECT_TRUE(readCommandLine({"--first", "3"}, nullptr).firstGiven);
    EXPECT_FALSE(readCommandLine({"--first", "0"}, nullptr).firstGiven); // XScreenSaver's "at random"
    EXPECT_EQ(readCommandLine({"-p", "/P", "1234"}, nullptr).switches, "/P 1234");
}

// XScreenSaver's Settings dialog runs what packaging/morvane3.xml describes:
// every arg in it must be an option the program takes, with a value it takes.
TEST(CommandLine, EveryArgOfTheXScreenSaverDescriptionIsAccepted)
{
    std::ifstream file(MORVANE3_XML);
    ASSERT_TRUE(file) << MORVANE3_XML;
    std::stringstream xml;
    xml << file.rdbuf();
    const std::string text = xml.str();
    const std::regex arg(R"re(\barg(-set|-unset)?="([^"]*)")re");
    int count = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), arg); it != std::sregex_iterator(); ++it) {
        // A number's or file's value stands where the description writes %.
        const std::string value = std::regex_replace((*it)[2].str(), std::regex("%"), "3");
        std::istringstream words(value);
        Args args{"--root"};
        for (std::string word; words >> word;)
            args.push_back(word);
        const CommandLine line = readCommandLine(args, "0x2a");
        EXPECT_TRUE(line.complaints.empty()) << value << ": " << line.complaints.front();
        EXPECT_EQ(line.launch, Launch::HostWindow) << value;
        ++count;
    }
    EXPECT_GE(count, 12);
}
