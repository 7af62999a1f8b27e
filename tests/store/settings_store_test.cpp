#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings_store.h"

using namespace morvane;
namespace fs = std::filesystem;

namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("morvane3-store-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string file(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST_F(StoreTest, DefaultsAndCaseInsensitiveKeys)
{
    SettingsStore store(file("s.db"));
    EXPECT_TRUE(store.isPersistent());
    Config config(store);
    EXPECT_EQ(config.get("TextColor", "65280"), "65280");
    config.save("WavFile1", "/x/move.wav");
    EXPECT_EQ(config.get("wavfile1", ""), "/x/move.wav");
    config.save("WAVFILE1", "/y/move.wav");
    EXPECT_EQ(config.get("WavFile1", ""), "/y/move.wav");
    // Another application or section does not see it.
    EXPECT_EQ(store.GetSetting("Other", "Config", "WavFile1", "none"), "none");
    EXPECT_EQ(store.GetSetting(kApp, "Other", "WavFile1", "none"), "none");
}

TEST_F(StoreTest, ValuesSurviveReopeningAndKeepTheirBytes)
{
    const std::string tricky = "C:\\Games\\' \"quoted\" \xc3\xa9";
    {
        SettingsStore store(file("s.db"));
        Config(store).save("PGNFile", tricky);
    }
    SettingsStore store(file("s.db"));
    EXPECT_EQ(Config(store).get("PGNFile", ""), tricky);
}

TEST_F(StoreTest, DeletingAnAbsentKeyIsAnErrorTheCallerSees)
{
    SettingsStore store(file("s.db"));
    Config config(store);
    EXPECT_THROW(config.remove("MatchBegin7"), SettingsError);
    config.save("MatchBegin7", "12");
    EXPECT_NO_THROW(config.remove("matchbegin7"));
    EXPECT_EQ(config.get("MatchBegin7", "-1"), "-1");
}

TEST_F(StoreTest, ABatchThatFailsHalfWayLeavesNothingWritten)
{
    SettingsStore store(file("s.db"));
    Config config(store);
    config.save("NumOfGames", "3");
    try {
        SettingsStore::Batch batch(store);
        config.save("NumOfGames", "2");
        config.save("MatchBegin1", "1");
        throw std::runtime_error("disk full");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(config.get("NumOfGames", ""), "3");
    EXPECT_EQ(config.get("MatchBegin1", "-1"), "-1");

    {
        SettingsStore::Batch batch(store);
        config.save("NumOfGames", "2");
        {
            SettingsStore::Batch inner(store); // joins the outer batch
            config.save("MatchBegin1", "1");
            inner.commit();
        }
        batch.commit();
    }
    EXPECT_EQ(config.get("NumOfGames", ""), "2");
    EXPECT_EQ(config.get("MatchBegin1", ""), "1");
}

TEST_F(StoreTest, ASecondProcessSeesCommittedValues)
{
    SettingsStore store(file("s.db"));
    Config config(store);
    SettingsStore::Batch batch(store);
    config.save("Timer", "5");

    auto childReads = [&](const char* expected) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            SettingsStore other(file("s.db"));
            const bool ok = Config(other).get("Timer", "2") == expected;
            ::_exit(ok ? 0 : 1);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_TRUE(childReads("2")) << "an open batch leaked to another process";
    batch.commit();
    EXPECT_TRUE(childReads("5"));
}

TEST_F(StoreTest, ADamagedFileIsReportedAndLeftUntouched)
{
    const std::string path = file("s.db");
    {
        std::ofstream out(path, std::ios::binary);
        out << "this is not a settings database, but it is somebody's file\n";
        out << std::string(4096, 'x');
    }
    const std::string before = slurp(path);
    ::testing::internal::CaptureStderr();
    SettingsStore store(path);
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find(path), std::string::npos);
    EXPECT_FALSE(store.isPersistent());
    Config config(store);
    EXPECT_EQ(config.get("Timer", "2"), "2");
    config.save("Timer", "9"); // the program runs on, in memory
    EXPECT_EQ(config.get("Timer", "2"), "9");
    EXPECT_EQ(slurp(path), before);
}

TEST_F(StoreTest, PathComesFromTheEnvironment)
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
    EXPECT_EQ(numericValue("65280"), 65280);
    EXPECT_EQ(numericValue(" 10.5"), 10.5);
    EXPECT_EQ(numericValue("1.234568E+07"), 12345680);
    EXPECT_EQ(numericValue("-1"), -1);
    EXPECT_EQ(numericValue("12abc"), 12);
    EXPECT_EQ(numericValue("abc"), 0);
    EXPECT_EQ(numericValue(""), 0);
    EXPECT_EQ(numericValue("inf"), 0);
    EXPECT_EQ(numericValue("3e"), 3);
}
