// Settings files that cannot be used as they are: each is reported once, the
// program runs on (values in memory), and the file keeps its bytes.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "settings_store.h"

using namespace morvane;
namespace fs = std::filesystem;

namespace {

class StoreFailures : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("morvane3-failures-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "s.db").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A store file made by SQLite itself: our table with Timer = 5, then `sql`.
    void makeFile(const std::string& sql, bool ourTable = true)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        if (ourTable)
            SettingsStore(path_).SaveSetting(kApp, kSection, "Timer", "5");
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    std::string bytes() const
    {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Opens the store, writes twice and reads back; returns what stderr got.
    std::string runOnIt(const std::string& expectTimer)
    {
        ::testing::internal::CaptureStderr();
        {
            SettingsStore store(path_);
            Config config(store);
            EXPECT_EQ(config.get("Timer", "2"), expectTimer);
            EXPECT_NO_THROW(config.save("Timer", "7"));
            EXPECT_NO_THROW(config.save("Timer2", "8"));
            EXPECT_EQ(config.get("Timer", "2"), "7") << "kept in memory";
            EXPECT_FALSE(store.isPersistent());
        }
        return ::testing::internal::GetCapturedStderr();
    }

    fs::path dir_;
    std::string path_;
};

int reports(const std::string& text)
{
    int n = 0;
    for (std::size_t p = text.find("Morvane3:"); p != std::string::npos; p = text.find("Morvane3:", p + 1))
        ++n;
    return n;
}

TEST_F(StoreFailures, UnusableFilesAreReportedOnceAndLeftAlone)
{
    const struct {
        const char* name;
        const char* sql;
        bool ourTable;
        const char* timer;    // what the program reads before writing
        bool damaged = false; // every page after the first overwritten
    } rows[] = {
        {"no primary key", "CREATE TABLE settings (app, section, key, value)", false, "2"},
        {"a view",
         "CREATE VIEW settings AS SELECT 'Morvane3' AS app, 'Config' AS section, 'Timer' AS key, '3' AS value", false,
         "2"},
        {"a trigger that aborts",
         "CREATE TRIGGER no BEFORE UPDATE ON settings BEGIN SELECT RAISE(ABORT, 'no'); END;"
         "CREATE TRIGGER no2 BEFORE INSERT ON settings BEGIN SELECT RAISE(ABORT, 'no'); END;",
         true, "5"},
        {"damaged pages", "CREATE TABLE filler (x); INSERT INTO filler VALUES (zeroblob(9000))", true, "2", true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        fs::remove(path_);
        makeFile(r.sql, r.ourTable);
        if (r.damaged)
            std::fstream(path_, std::ios::in | std::ios::out | std::ios::binary).seekp(4096) << std::string(8192, 'Z');
        const std::string before = bytes();
        EXPECT_EQ(reports(runOnIt(r.timer)), 1);
        EXPECT_EQ(bytes(), before);
    }
}

// Another connection holds the file locked: what was read serves, nothing waits
// for the lock, and writes stay in memory.
TEST_F(StoreFailures, ALockedFileNeitherStallsNorLosesValues)
{
    SettingsStore store(path_);
    struct stat info {};
    ASSERT_EQ(::stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "a new file is the user's alone";
    Config config(store);
    config.save("Timer", "5");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(config.get("Timer", "2"), "5");
    EXPECT_NO_THROW(config.save("Timer", "6"));
    EXPECT_EQ(config.get("Timer", "2"), "6");
    EXPECT_EQ(reports(::testing::internal::GetCapturedStderr()), 1);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

} // namespace
