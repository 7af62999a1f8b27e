#pragma once
// A settings file of the test's own in a folder removed at the end, and ways to
// look at it from outside the store.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings_store.h"

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // A store file made by SQLite itself: our table with Timer = 5 when `ourTable`, then `sql`.
    void makeFile(const std::string& sql, bool ourTable = true)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        if (ourTable)
            morvane::SettingsStore(path_).SaveSetting(morvane::kApp, morvane::kSection, "Timer", "5");
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    std::string bytes() const
    {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The first column of the first row `sql` gives, -1 for none.
    long long count(const char* sql) const
    {
        sqlite3* db = nullptr;
        sqlite3_open(path_.c_str(), &db);
        sqlite3_stmt* st = nullptr;
        long long n = -1;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
        sqlite3_close(db);
        return n;
    }

    const std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("morvane3-store-" + std::to_string(::getpid()));
    const std::string path_ = (dir_ / "s.db").string();
};
