#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "run_mode.h"

using namespace morvane;

TEST(RunMode, CommandLineTable)
{
    const std::pair<const char*, RunMode> rows[] = {
        {"", RunMode::Settings},         {"   ", RunMode::Settings},        {"/c:1234", RunMode::Settings},
        {"  /s  ", RunMode::FullScreen}, {"/S", RunMode::FullScreen},       {"/p 1234", RunMode::Preview},
        {"/P:1234", RunMode::Preview},   {"/e", RunMode::SettingsOnImport}, {"/x", RunMode::FullScreen},
        {"hello", RunMode::FullScreen},  {"/", RunMode::FullScreen},
    };
    for (const auto& [line, mode] : rows)
        EXPECT_EQ(runModeFor(line), mode) << '"' << line << '"';
}

TEST(RunMode, WindowHandleIsTheTrailingRunOfDigits)
{
    EXPECT_EQ(ParseWindowHandle("/P:1234  "), 1234);
    EXPECT_EQ(ParseWindowHandle("/P12a34"), 34);
    EXPECT_EQ(ParseWindowHandle("4294967295"), 4294967295LL);
    EXPECT_FALSE(ParseWindowHandle("/P"));
    EXPECT_FALSE(ParseWindowHandle("/P 12x"));
    EXPECT_FALSE(ParseWindowHandle("/P 99999999999"));
}

TEST(RunMode, DataFolderEndsInASeparatorAndAnInstallFindsItUnderShare)
{
    EXPECT_EQ(dataFolder("", "/opt/morvane3"), "/opt/morvane3/");
    EXPECT_EQ(dataFolder("/data/", "/opt"), "/data/");
    EXPECT_EQ(dataFolder("C:\\Morvane\\", "/opt"), "C:\\Morvane\\");
    const std::set<std::string> withGames = {"/build/bin", "/usr/share/morvane3", "/opt/m3/share/morvane3"};
    const auto holds = [&](const std::string& folder) { return withGames.count(folder) > 0; };
    EXPECT_EQ(installedDataFolder("/build/bin", holds), "/build/bin");
    EXPECT_EQ(installedDataFolder("/usr/bin", holds), "/usr/share/morvane3");
    EXPECT_EQ(installedDataFolder("/opt/m3/bin/", holds), "/opt/m3/share/morvane3");
    EXPECT_EQ(installedDataFolder("/nowhere/bin", holds), "/nowhere/bin");
}

TEST(XScreenSaverStart, OnlyItsOwnCommandLinesDrawIntoItsWindow)
{
    using Args = std::vector<std::string>;
    const struct {
        const char* name;
        Args args;
        const char* variable; // null: not set
        bool requested;
        std::optional<std::uint32_t> window;
    } rows[] = {
        {"display mode, hex", {"--root"}, "0x2a00007", true, 0x2a00007},
        {"display mode, decimal", {"-root"}, "44040199", true, 44040199},
        {"display mode, upper-case hex", {"--root"}, "0X1F", true, 0x1f},
        {"variable naming no window", {"--root"}, "0", true, std::nullopt},
        {"variable that is no number", {"--root"}, "0xzz", true, std::nullopt},
        {"settings preview", {"--window-id", "0x400001"}, nullptr, true, 0x400001},
        {"settings preview, old spelling", {"-window-id", "1234"}, "0x99", true, 1234},
        {"settings preview without its id", {"--window-id"}, nullptr, false, std::nullopt},
        {"preview id beyond 32 bits", {"--window-id", "0x100000000"}, nullptr, true, std::nullopt},
        {"--root without the variable keeps its older meaning", {"--root"}, nullptr, false, std::nullopt},
        {"the variable alone does not turn /C into a saver", {"/C"}, "0x2a", false, std::nullopt},
        {"nor an empty command line", {}, "0x2a", false, std::nullopt},
        {"--root followed by more", {"--root", "--fps"}, "0x2a", false, std::nullopt},
    };
    for (const auto& row : rows) {
        const HostWindowRequest r = hostWindowFor(row.args, row.variable);
        EXPECT_EQ(r.requested, row.requested) << row.name;
        EXPECT_EQ(r.window, row.window) << row.name;
    }
}
