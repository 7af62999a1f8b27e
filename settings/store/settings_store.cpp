#include "settings_store.h"

#include <sqlite3.h>

#include "game_keys.h"

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

constexpr const char* kGameSchema =
    "CREATE TABLE IF NOT EXISTS game_index (n INTEGER PRIMARY KEY, match_begin INTEGER, match_end INTEGER)";

constexpr const char* kGameQueries[] = {
    "SELECT match_begin, match_end FROM game_index WHERE n = ?1",
    "INSERT INTO game_index (n, match_begin) VALUES (?1, ?2) "
    "ON CONFLICT (n) DO UPDATE SET match_begin = excluded.match_begin",
    "INSERT INTO game_index (n, match_end) VALUES (?1, ?2) ON CONFLICT (n) DO UPDATE SET match_end = "
    "excluded.match_end",
    "UPDATE game_index SET match_begin = NULL WHERE n = ?1",
    "UPDATE game_index SET match_end = NULL WHERE n = ?1",
    "DELETE FROM game_index WHERE n = ?1 AND match_begin IS NULL AND match_end IS NULL",
};

// Rows read are kept for later reads; a screensaver reads two a game, so this
// bound is only reached by a caller walking the whole index.
constexpr std::size_t kMaxGameRowsKept = 1 << 16;

std::string gameKeyName(const GameKey& key)
{
    return (key.end ? "MatchEnd" : "MatchBegin") + std::to_string(key.n);
}

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
    void bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
    std::optional<std::int64_t> column(int i) const
    {
        if (sqlite3_column_type(stmt_, i) != SQLITE_INTEGER)
            return std::nullopt;
        return sqlite3_column_int64(stmt_, i);
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
    for (sqlite3_stmt*& stmt : gameStatements_) {
        sqlite3_finalize(stmt);
        stmt = nullptr;
    }
    gameTable_ = false;
    gameRows_.clear();
    sqlite3_close(db_);
    db_ = nullptr;
    inFileTransaction_ = false;
}

// A write that failed inside a transaction takes the whole transaction back
// before the file is given up, so the file holds nothing half-written.
bool SettingsStore::abandonWrite(const std::string& why)
{
    if (inFileTransaction_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    giveUpFile(why);
    return false;
}

void SettingsStore::giveUpFile(const std::string& why) const
{
    if (!db_)
        return;
    std::cerr << "Morvane3: the settings file " << path_ << " cannot be used (" << why
              << "); settings are kept in memory until the program ends, the file is left as it is.\n";
    keepGameRowsInMemory();
    giveUpQuietly();
}

bool SettingsStore::open()
{
    // SQLite's name for a store that never touches a file (the replay tool's).
    if (path_ != ":memory:") {
        std::error_code ec;
        const std::filesystem::path p(path_);
        if (p.has_parent_path())
            std::filesystem::create_directories(p.parent_path(), ec);
        // Created by us, it is readable by its owner only (an empty file is an empty database).
        if (const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); fd >= 0)
            ::close(fd);
    }
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
    else
        convertOldIndex();
    return true;
}

bool SettingsStore::findGameTable() const
{
    if (gameTable_)
        return true;
    sqlite3_stmt* probe = nullptr;
    const bool found = sqlite3_prepare_v2(db_, "SELECT 1 FROM sqlite_master WHERE name = 'game_index' COLLATE NOCASE",
                                          -1, &probe, nullptr) == SQLITE_OK &&
                       sqlite3_step(probe) == SQLITE_ROW;
    sqlite3_finalize(probe);
    if (!found)
        return true;
    for (int q = 0; q < GameQueryCount; ++q)
        if (sqlite3_prepare_v2(db_, kGameQueries[q], -1, &gameStatements_[q], nullptr) != SQLITE_OK)
            return false;
    gameTable_ = true;
    return true;
}

// Made when the first game position is written, so that opening a file never
// writes to it by itself.
bool SettingsStore::ensureGameTable()
{
    if (!db_)
        return false;
    if (gameTable_)
        return true;
    if (sqlite3_exec(db_, kGameSchema, nullptr, nullptr, nullptr) != SQLITE_OK || !findGameTable() || !gameTable_) {
        return abandonWrite(sqlite3_errmsg(db_));
    }
    return true;
}

bool SettingsStore::writeGame(GameQuery query, std::int64_t n, const std::int64_t* value)
{
    if (!db_ || !gameTable_)
        return false;
    std::string why;
    {
        Use st(gameStatements_[query]);
        st.bind(1, n);
        if (value)
            st.bind(2, *value);
        if (st.step() == SQLITE_DONE)
            return true;
        why = sqlite3_errmsg(db_);
    }
    return abandonWrite(why);
}

std::optional<std::int64_t> SettingsStore::storedGameValue(const GameKey& key) const
{
    if (!db_ || !gameTable_)
        return std::nullopt;
    auto it = gameRows_.find(key.n);
    if (it == gameRows_.end()) {
        Use st(gameStatements_[GameGet]);
        st.bind(1, key.n);
        GameRow row;
        const int rc = st.step();
        if (rc == SQLITE_ROW)
            row = GameRow{st.column(0), st.column(1)};
        else if (rc != SQLITE_DONE)
            return std::nullopt; // busy: asked again next time
        if (gameRows_.size() >= kMaxGameRowsKept)
            gameRows_.clear();
        it = gameRows_.emplace(key.n, row).first;
    }
    return key.end ? it->second.end : it->second.begin;
}

// A settings file of the earlier form holds every game position as a text row:
// those rows move to the game table once, in one transaction, and the file is
// compacted. A file that is busy now is converted at a later start.
void SettingsStore::convertOldIndex()
{
    std::vector<std::pair<GameKey, std::int64_t>> rows;
    for (const auto& [key, value] : values_) {
        const std::optional<GameKey> game = parseGameKey(key);
        const std::optional<std::int64_t> number = game ? plainInteger(value) : std::nullopt;
        if (number)
            rows.emplace_back(*game, *number);
    }
    if (rows.empty() || sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return;
    inFileTransaction_ = true;
    if (!ensureGameTable())
        return;
    for (const auto& [game, number] : rows) {
        if (!writeGame(game.end ? GameSetEnd : GameSetBegin, game.n, &number) ||
            !write(Delete, kApp, kSection, gameKeyName(game), nullptr))
            return;
    }
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        inFileTransaction_ = false;
        return;
    }
    inFileTransaction_ = false;
    for (const auto& row : rows)
        values_.erase(keyOf(kApp, kSection, gameKeyName(row.first)));
    sqlite3_exec(db_, "VACUUM", nullptr, nullptr, nullptr);
    loadAll();
}

// Before the file is left alone, the positions only it holds are copied.
void SettingsStore::keepGameRowsInMemory() const
{
    if (!db_ || !gameTable_)
        return;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, "SELECT n, match_begin, match_end FROM game_index", -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (const int column : {1, 2}) {
                if (sqlite3_column_type(st, column) != SQLITE_INTEGER)
                    continue;
                const GameKey game{sqlite3_column_int64(st, 0), column == 2};
                values_.try_emplace(keyOf(kApp, kSection, gameKeyName(game)),
                                    std::to_string(sqlite3_column_int64(st, column)));
            }
        }
    }
    sqlite3_finalize(st);
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
    // Another program may have made the game table since.
    ok = ok && findGameTable();
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (ok) {
        values_ = std::move(values);
        dataVersion_ = version;
        gameRows_.clear();
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
    const Key k = keyOf(app, section, key);
    if (const auto it = values_.find(k); it != values_.end())
        return it->second;
    if (const std::optional<GameKey> game = parseGameKey(k))
        if (const std::optional<std::int64_t> value = storedGameValue(*game))
            return std::to_string(*value);
    return defaultValue;
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
    return abandonWrite(why);
}

void SettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value)
{
    const Key k = keyOf(app, section, key);
    const std::optional<GameKey> game = db_ ? parseGameKey(k) : std::nullopt;
    if (game) {
        // Each value lives in one table: a plain number in the game table,
        // any other text as text.
        const std::optional<std::int64_t> number = plainInteger(value);
        forgetGameRow(game->n);
        if (number && ensureGameTable() && writeGame(game->end ? GameSetEnd : GameSetBegin, game->n, &*number)) {
            if (values_.find(k) != values_.end()) {
                remember(k, std::nullopt);
                write(Delete, app, section, key, nullptr);
            }
            return;
        }
        if (!number && gameTable_ && writeGame(game->end ? GameClearEnd : GameClearBegin, game->n, nullptr))
            writeGame(GamePrune, game->n, nullptr);
    }
    remember(k, value);
    write(Save, app, section, key, &value);
}

void SettingsStore::DeleteSetting(const std::string& app, const std::string& section, const std::string& key)
{
    refresh();
    const Key k = keyOf(app, section, key);
    const std::optional<GameKey> game = parseGameKey(k);
    const bool inTable = game && storedGameValue(*game);
    if (values_.find(k) == values_.end() && !inTable)
        throw SettingsError("settings: no such key: " + key);
    if (inTable) {
        forgetGameRow(game->n);
        if (writeGame(game->end ? GameClearEnd : GameClearBegin, game->n, nullptr))
            writeGame(GamePrune, game->n, nullptr);
    }
    // Held in memory, or copied there when the file was just given up.
    if (values_.find(k) != values_.end()) {
        remember(k, std::nullopt);
        write(Delete, app, section, key, nullptr);
    }
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
    store_.gameRows_.clear();
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
    // A plain whole number of up to fifteen digits (what the settings mostly
    // hold) is exact as a double: no need for the general parser.
    if (mantissa > 0 && mantissa <= 15 && (i == text.size() || (text[i] != '.' && text[i] != 'e' && text[i] != 'E'))) {
        std::int64_t whole = 0;
        for (std::size_t d = i - mantissa; d < i; ++d)
            whole = whole * 10 + (text[d] - '0');
        return text[start] == '-' ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
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
