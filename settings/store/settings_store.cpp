#include "settings_store.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace morvane {

namespace {

constexpr const char* kSchema = "CREATE TABLE IF NOT EXISTS settings ("
                                " app TEXT NOT NULL COLLATE NOCASE,"
                                " section TEXT NOT NULL COLLATE NOCASE,"
                                " key TEXT NOT NULL COLLATE NOCASE,"
                                " value TEXT NOT NULL,"
                                " PRIMARY KEY (app, section, key))";

constexpr const char* kQueries[] = {
    "SELECT value FROM settings WHERE app = ?1 AND section = ?2 AND key = ?3",
    "INSERT INTO settings (app, section, key, value) VALUES (?1, ?2, ?3, ?4) "
    "ON CONFLICT (app, section, key) DO UPDATE SET value = excluded.value",
    "DELETE FROM settings WHERE app = ?1 AND section = ?2 AND key = ?3",
};

// Binds the parameters of one use of a cached statement and resets it afterwards.
class Use {
public:
    explicit Use(sqlite3_stmt* stmt) : stmt_(stmt) {}
    ~Use()
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;
    void bind(int i, const std::string& s)
    {
        sqlite3_bind_text(stmt_, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    }
    int step() { return sqlite3_step(stmt_); }
    std::string column(int i) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
        return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, i))) : std::string();
    }

private:
    sqlite3_stmt* stmt_;
};

bool usable(sqlite3* db)
{
    sqlite3_busy_timeout(db, 5000);
    // Reading the schema is what exposes a file that is not a database at all.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    return sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

SettingsStore::SettingsStore(const std::string& path) : path_(path)
{
    std::error_code ec;
    const std::filesystem::path p(path);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path(), ec);
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK &&
        usable(db_))
        return;
    std::cerr << "Morvane3: the settings file " << path << " cannot be used ("
              << (db_ ? sqlite3_errmsg(db_) : "cannot open") << "); running on defaults, the file is left as it is.\n";
    openFallback();
}

SettingsStore::~SettingsStore()
{
    finalizeStatements();
    sqlite3_close(db_);
}

void SettingsStore::finalizeStatements()
{
    for (sqlite3_stmt*& stmt : statements_) {
        sqlite3_finalize(stmt);
        stmt = nullptr;
    }
}

sqlite3_stmt* SettingsStore::statement(Query query) const
{
    sqlite3_stmt*& stmt = statements_[query];
    if (!stmt && sqlite3_prepare_v2(db_, kQueries[query], -1, &stmt, nullptr) != SQLITE_OK)
        throw SettingsError(std::string("settings: ") + sqlite3_errmsg(db_));
    return stmt;
}

void SettingsStore::openFallback()
{
    finalizeStatements();
    sqlite3_close(db_);
    db_ = nullptr;
    inMemory_ = true;
    if (sqlite3_open(":memory:", &db_) != SQLITE_OK ||
        sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw SettingsError("settings: cannot create an in-memory store");
}

std::string SettingsStore::defaultPath()
{
    if (const char* explicitPath = std::getenv("MORVANE3_SETTINGS"); explicitPath && *explicitPath)
        return explicitPath;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = ".";
    return base + "/Morvane3/settings.db";
}

std::string SettingsStore::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const
{
    Use st(statement(Get));
    st.bind(1, app);
    st.bind(2, section);
    st.bind(3, key);
    const int rc = st.step();
    if (rc == SQLITE_ROW)
        return st.column(0);
    if (rc != SQLITE_DONE)
        std::cerr << "Morvane3: reading setting " << key << " failed: " << sqlite3_errmsg(db_) << "\n";
    return defaultValue;
}

void SettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value)
{
    Use st(statement(Save));
    st.bind(1, app);
    st.bind(2, section);
    st.bind(3, key);
    st.bind(4, value);
    if (st.step() != SQLITE_DONE)
        throw SettingsError("settings: cannot save " + key + ": " + sqlite3_errmsg(db_));
}

void SettingsStore::DeleteSetting(const std::string& app, const std::string& section, const std::string& key)
{
    Use st(statement(Delete));
    st.bind(1, app);
    st.bind(2, section);
    st.bind(3, key);
    if (st.step() != SQLITE_DONE)
        throw SettingsError("settings: cannot delete " + key + ": " + sqlite3_errmsg(db_));
    if (sqlite3_changes(db_) == 0)
        throw SettingsError("settings: no such key: " + key);
}

void SettingsStore::exec(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw SettingsError(std::string("settings: ") + sqlite3_errmsg(db_));
}

SettingsStore::Batch::Batch(SettingsStore& store) : store_(store)
{
    outer_ = store_.batchDepth_ == 0;
    if (outer_)
        store_.exec("BEGIN IMMEDIATE");
    ++store_.batchDepth_;
}

SettingsStore::Batch::~Batch()
{
    --store_.batchDepth_;
    if (outer_ && !done_)
        sqlite3_exec(store_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void SettingsStore::Batch::commit()
{
    if (outer_ && !done_)
        store_.exec("COMMIT");
    done_ = true;
}

double numericValue(const std::string& text)
{
    // The value of the leading number (blanks, sign, digits, fraction, exponent);
    // anything else, "inf" and hex included, reads as 0.
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0.0;
    const std::size_t start = i;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    const auto digits = [&] {
        std::size_t n = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++n;
        }
        return n;
    };
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const std::size_t mark = i++;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            i = mark;
    }
    return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

} // namespace morvane
