// The settings store, and files that cannot be used as they are: each of those is
// reported once, the program runs on (values in memory), and the file keeps its bytes.
#include <sys/stat.h>

#include "store_fixture.h"

using namespace morvane;
namespace fs = std::filesystem;

namespace {

class StoreFailures : public StoreTest {
protected:
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
        int damagedFrom = -1; // bytes from here on overwritten
    } rows[] = {
        {"no primary key", "CREATE TABLE settings (app, section, key, value)", false, "2"},
        {"a view",
         "CREATE VIEW settings AS SELECT 'Morvane3' AS app, 'Config' AS section, 'Timer' AS key, '3' AS value", false,
         "2"},
        {"a trigger that aborts",
         "CREATE TRIGGER no BEFORE UPDATE ON settings BEGIN SELECT RAISE(ABORT, 'no'); END;"
         "CREATE TRIGGER no2 BEFORE INSERT ON settings BEGIN SELECT RAISE(ABORT, 'no'); END;",
         true, "5"},
        {"damaged pages", "CREATE TABLE filler (x); INSERT INTO filler VALUES (zeroblob(9000))", true, "2", 4096},
        {"not a database at all", "CREATE TABLE filler (x)", false, "2", 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        fs::remove(path_);
        makeFile(r.sql, r.ourTable);
        if (r.damagedFrom >= 0)
            std::fstream(path_, std::ios::in | std::ios::out | std::ios::binary).seekp(r.damagedFrom)
                << std::string(8192, 'Z');
        const std::string before = bytes();
        const std::string report = runOnIt(r.timer);
        EXPECT_EQ(reports(report), 1);
        EXPECT_NE(report.find(path_), std::string::npos) << "the report names the file";
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
    }
    SettingsStore store(path_);
    EXPECT_TRUE(store.isPersistent());
    EXPECT_EQ(Config(store).get("pgnfile", ""), tricky);
    EXPECT_NO_THROW(Config(store).remove("pgnFile"));
    EXPECT_EQ(Config(store).get("PGNFile", "-1"), "-1");
}

// The replay tool keeps its index in SQLite's in-memory store.
TEST_F(StoreTest, AnInMemoryStoreLeavesNoFileBehind)
{
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    {
        SettingsStore store(":memory:");
        Config(store).save("Timer", "3");
        EXPECT_EQ(Config(store).get("Timer", ""), "3");
    }
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(StoreTest, ABatchIsAllOrNothingAndAnInnerBatchJoinsTheOuter)
{
    SettingsStore store(path_);
    Config config(store);
    config.save("NumOfGames", "3");
    try {
        SettingsStore::Batch batch(store);
        config.save("NumOfGames", "2");
        {
            SettingsStore::Batch inner(store); // its commit is the outer batch's to make
            config.save("MatchBegin1", "1");
            inner.commit();
        }
        throw std::runtime_error("disk full");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(config.get("NumOfGames", ""), "3");
    EXPECT_EQ(config.get("MatchBegin1", "none"), "none");
    SettingsStore::Batch batch(store);
    config.save("NumOfGames", "2");
    batch.commit();
    SettingsStore other(path_);
    EXPECT_EQ(Config(other).get("NumOfGames", ""), "2");
}

TEST(NumericValue, ReadsTheLeadingNumberLikeTheStoredTextsNeed)
{
    const std::pair<const char*, double> rows[] = {
        {" 10.5", 10.5}, {"1.234568E+07", 12345680}, {"-1", -1}, {"12abc", 12}, {"abc", 0}, {"inf", 0}, {"3e", 3}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(numericValue(text), value) << text;
}
