#include <gtest/gtest.h>

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
    // The build tree and an install under a prefix: every end-to-end test and Install.*.
    const auto holds = [](const std::string& folder) { return folder == "/opt/m3/share/morvane3"; };
    EXPECT_EQ(installedDataFolder("/opt/m3/bin/", holds), "/opt/m3/share/morvane3");
    EXPECT_EQ(installedDataFolder("/nowhere/bin", holds), "/nowhere/bin");
    EXPECT_EQ(installedDataFolder("bin", holds), "bin");
}
