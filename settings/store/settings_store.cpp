#include "settings_store.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

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

private:
    sqlite3_stmt* stmt_;
};

// A store shared with another process waits this long for its lock before a
// write gives up; reads never wait (they use what is already in memory).
constexpr int kWriteWaitMs = 250;

} // namespace

SettingsStore::SettingsStore(const std::string& path) : path_(path)
{
    if (!open())
        values_.clear();
}

SettingsStore::~SettingsStore()
{
    giveUpQuietly();
}

void SettingsStore::giveUpQuietly() const
{
    for (sqlite3_stmt*& stmt : statements_) {
        sqlite3_finalize(stmt);
        stmt = nullptr;
    }
    sqlite3_close(db_);
    db_ = nullptr;
    inFileTransaction_ = false;
}

void SettingsStore::giveUpFile(const std::string& why) const
{
    if (!db_)
        return;
    std::cerr << "Morvane3: the settings file " << path_ << " cannot be used (" << why
              << "); settings are kept in memory until the program ends, the file is left as it is.\n";
    giveUpQuietly();
}

bool SettingsStore::open()
{
    std::error_code ec;
    const std::filesystem::path p(path_);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path(), ec);
    // Created by us, it is readable by its owner only (an empty file is an empty database).
    if (const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); fd >= 0)
        ::close(fd);
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "cannot open";
        sqlite3_close(db_);
        db_ = nullptr;
        std::cerr << "Morvane3: the settings file " << path_ << " cannot be used (" << why
                  << "); running on defaults, the file is left as it is.\n";
        return false;
    }
    sqlite3_busy_timeout(db_, kWriteWaitMs);
    // Reading the schema is what exposes a file that is not a database at all.
    sqlite3_stmt* probe = nullptr;
    int rc = sqlite3_prepare_v2(db_, "SELECT count(*) FROM sqlite_master WHERE name = 'settings' COLLATE NOCASE", -1,
                                &probe, nullptr);
    const bool readable = rc == SQLITE_OK && sqlite3_step(probe) == SQLITE_ROW;
    const bool exists = readable && sqlite3_column_int(probe, 0) > 0;
    sqlite3_finalize(probe);
    if (!readable || (!exists && sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) || !prepare() ||
        !loadAll()) {
        giveUpFile(sqlite3_errmsg(db_));
        return false;
    }
    // A file we may not write still tells us its values.
    if (sqlite3_db_readonly(db_, "main") == 1)
        giveUpFile("read-only");
    return true;
}

bool SettingsStore::prepare()
{
    // A table of another shape (no primary key, a view) fails here rather than at the first write.
    for (int q = 0; q < QueryCount; ++q)
        if (sqlite3_prepare_v2(db_, kQueries[q], -1, &statements_[q], nullptr) != SQLITE_OK)
            return false;
    return true;
}

bool SettingsStore::loadAll() const
{
    if (sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    std::unordered_map<Key, std::string> values;
    long long version = -1;
    sqlite3_stmt* st = nullptr;
    bool ok =
        sqlite3_prepare_v2(db_, "PRAGMA data_version", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW;
    if (ok)
        version = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    st = nullptr;
    if (ok && sqlite3_prepare_v2(db_, "SELECT app, section, key, value FROM settings", -1, &st, nullptr) == SQLITE_OK) {
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            const auto text = [st](int i) {
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                return t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(st, i))) : std::string();
            };
            values[keyOf(text(0), text(1), text(2))] = text(3);
        }
        ok = rc == SQLITE_DONE;
    } else {
        ok = false;
    }
    sqlite3_finalize(st);
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (ok) {
        values_ = std::move(values);
        dataVersion_ = version;
    }
    return ok;
}

void SettingsStore::refresh() const
{
    if (!db_ || inFileTransaction_)
        return;
    sqlite3_busy_timeout(db_, 0);
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db_, "PRAGMA data_version", -1, &st, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(st);
    const long long version = rc == SQLITE_ROW ? sqlite3_column_int64(st, 0) : dataVersion_;
    sqlite3_finalize(st);
    // Busy or locked: another process is writing; what is in memory serves until it is done.
    if (version != dataVersion_ && !loadAll()) {
        const int code = sqlite3_errcode(db_) & 0xFF;
        if (code != SQLITE_BUSY && code != SQLITE_LOCKED)
            giveUpFile(sqlite3_errmsg(db_));
    }
    if (db_)
        sqlite3_busy_timeout(db_, kWriteWaitMs);
}

SettingsStore::Key SettingsStore::keyOf(const std::string& app, const std::string& section, const std::string& key)
{
    // SQLite's NOCASE folds ASCII letters only; so does this.
    Key k;
    k.reserve(app.size() + section.size() + key.size() + 2);
    for (const std::string* part : {&app, &section, &key}) {
        for (const char c : *part)
            k += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        k += '\x1f';
    }
    return k;
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
    refresh();
    const auto it = values_.find(keyOf(app, section, key));
    return it == values_.end() ? defaultValue : it->second;
}

void SettingsStore::remember(const Key& key, std::optional<std::string> value)
{
    const auto it = values_.find(key);
    if (batchDepth_ > 0)
        undo_.emplace_back(key, it == values_.end() ? std::nullopt : std::optional<std::string>(it->second));
    if (!value)
        values_.erase(key);
    else if (it == values_.end())
        values_.emplace(key, std::move(*value));
    else
        it->second = std::move(*value);
}

bool SettingsStore::write(Query query, const std::string& app, const std::string& section, const std::string& key,
                          const std::string* value)
{
    if (!db_)
        return false;
    std::string why;
    {
        // Reset before the statements may be finalized below.
        Use st(statements_[query]);
        st.bind(1, app);
        st.bind(2, section);
        st.bind(3, key);
        if (value)
            st.bind(4, *value);
        if (st.step() == SQLITE_DONE)
            return true;
        why = sqlite3_errmsg(db_);
    }
    if (inFileTransaction_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    giveUpFile(why);
    return false;
}

void SettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value)
{
    remember(keyOf(app, section, key), value);
    write(Save, app, section, key, &value);
}

void SettingsStore::DeleteSetting(const std::string& app, const std::string& section, const std::string& key)
{
    refresh();
    const Key k = keyOf(app, section, key);
    if (values_.find(k) == values_.end())
        throw SettingsError("settings: no such key: " + key);
    remember(k, std::nullopt);
    write(Delete, app, section, key, nullptr);
}

SettingsStore::Batch::Batch(SettingsStore& store) : store_(store)
{
    outer_ = store_.batchDepth_ == 0;
    if (outer_) {
        store_.refresh();
        store_.undo_.clear();
        if (store_.db_) {
            if (sqlite3_exec(store_.db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK)
                store_.inFileTransaction_ = true;
            else
                store_.giveUpFile(sqlite3_errmsg(store_.db_));
        }
    }
    ++store_.batchDepth_;
}

SettingsStore::Batch::~Batch()
{
    --store_.batchDepth_;
    if (!outer_ || done_)
        return;
    if (store_.inFileTransaction_)
        sqlite3_exec(store_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
    store_.inFileTransaction_ = false;
    auto& undo = store_.undo_;
    for (auto it = undo.rbegin(); it != undo.rend(); ++it) {
        if (it->second)
            store_.values_[it->first] = *it->second;
        else
            store_.values_.erase(it->first);
    }
    undo.clear();
}

void SettingsStore::Batch::commit()
{
    if (outer_ && !done_) {
        if (store_.inFileTransaction_ && sqlite3_exec(store_.db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
            const std::string why = sqlite3_errmsg(store_.db_);
            sqlite3_exec(store_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
            store_.giveUpFile(why);
        }
        store_.inFileTransaction_ = false;
        store_.undo_.clear();
    }
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
