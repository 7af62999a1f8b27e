#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings_store.h"

using namespace morvane;
namespace fs = std::filesystem;

namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    const fs::path dir_ = fs::temp_directory_path() / ("morvane3-store-" + std::to_string(::getpid()));
    const std::string path_ = (dir_ / "s.db").string();
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST_F(StoreTest, KeysIgnoreCaseAndValuesSurviveReopeningWithTheirBytes)
{
    const std::string tricky = "C:\\Games\\' \"quoted\" \xc3\xa9";
    {
        SettingsStore store(path_);
        Config config(store);
        config.save("PGNFile", "/x");
        config.save("PGNFILE", tricky);
        EXPECT_EQ(config.get("TextColor", "65280"), "65280");
        EXPECT_EQ(store.GetSetting("Other", "Config", "PGNFile", "none"), "none");
        EXPECT_EQ(store.GetSetting(kApp, "Other", "PGNFile", "none"), "none");
        EXPECT_THROW(config.remove("MatchBegin7"), SettingsError);
    }
    SettingsStore store(path_);
    EXPECT_TRUE(store.isPersistent());
    EXPECT_EQ(Config(store).get("pgnfile", ""), tricky);
    EXPECT_NO_THROW(Config(store).remove("pgnFile"));
    EXPECT_EQ(Config(store).get("PGNFile", "-1"), "-1");
}

TEST_F(StoreTest, ABatchIsAllOrNothingAndHiddenFromOtherProcessesUntilCommitted)
{
    SettingsStore store(path_);
    Config config(store);
    config.save("NumOfGames", "3");
    try {
        SettingsStore::Batch batch(store);
        config.save("NumOfGames", "2");
        throw std::runtime_error("disk full");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(config.get("NumOfGames", ""), "3");

    auto childReads = [&](const char* expected) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            SettingsStore other(path_);
            ::_exit(Config(other).get("NumOfGames", "") == expected ? 0 : 1);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    SettingsStore::Batch batch(store);
    config.save("NumOfGames", "2");
    {
        SettingsStore::Batch inner(store); // joins the outer batch
        config.save("MatchBegin1", "1");
        inner.commit();
    }
    EXPECT_TRUE(childReads("3")) << "an open batch leaked to another process";
    batch.commit();
    EXPECT_TRUE(childReads("2"));
    EXPECT_EQ(config.get("MatchBegin1", ""), "1");
}

TEST_F(StoreTest, ADamagedFileIsReportedAndLeftUntouched)
{
    std::ofstream(path_, std::ios::binary) << "this is not a settings database, but it is somebody's file\n"
                                           << std::string(4096, 'x');
    const std::string before = slurp(path_);
    ::testing::internal::CaptureStderr();
    SettingsStore store(path_);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(path_), std::string::npos);
    EXPECT_FALSE(store.isPersistent());
    Config config(store);
    config.save("Timer", "9"); // the program runs on, in memory
    EXPECT_EQ(config.get("Timer", "2"), "9");
    EXPECT_EQ(slurp(path_), before);
}

TEST(SettingsPath, ComesFromTheEnvironment)
{
    ::setenv("MORVANE3_SETTINGS", "/tmp/explicit.db", 1);
    EXPECT_EQ(SettingsStore::defaultPath(), "/tmp/explicit.db");
    ::unsetenv("MORVANE3_SETTINGS");
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(SettingsStore::defaultPath(), "/tmp/xdg/Morvane3/settings.db");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(SettingsStore::defaultPath(), "/home/someone/.config/Morvane3/settings.db");
}

TEST(NumericValue, ReadsTheLeadingNumberLikeTheStoredTextsNeed)
{
    const std::pair<const char*, double> rows[] = {
        {" 10.5", 10.5}, {"1.234568E+07", 12345680}, {"-1", -1}, {"12abc", 12}, {"abc", 0}, {"inf", 0}, {"3e", 3}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(numericValue(text), value) << text;
}
