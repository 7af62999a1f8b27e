#pragma once
// The per-user settings store: text values addressed by application, section and
// key, kept in one SQLite file. Keys compare without regard to letter case.
//
// Every value is also held in memory: a tick of the screensaver reads what it
// needs without waiting on a file that another process holds locked, and the
// file is read again only when SQLite says another connection changed it.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace morvane {

struct GameKey;

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
public:
    // Opens (creating if needed, readable by its owner only) the store at
    // `path`. A file that cannot be read or written is reported once on stderr
    // and never written again; the store then keeps its values in memory, so
    // the program runs on (what it could read, or) the defaults.
    explicit SettingsStore(const std::string& path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // $MORVANE3_SETTINGS, else $XDG_CONFIG_HOME/Morvane3/settings.db (~/.config by default).
    static std::string defaultPath();

    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Never throws: a value the file refuses is kept in memory (see above).
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value);
    // Throws SettingsError when the key is absent.
    void DeleteSetting(const std::string& app, const std::string& section, const std::string& key);

    // Several writes committed together: nothing of them is visible to others, or
    // kept, unless commit() is reached. Nested batches join the outer one.
    class Batch {
    public:
        explicit Batch(SettingsStore& store);
        ~Batch(); // rolls back when commit() was not called
        void commit();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SettingsStore& store_;
        bool outer_ = false;
        bool done_ = false;
    };

    // False once the values live in memory only.
    bool isPersistent() const { return db_ != nullptr; }
    const std::string& path() const { return path_; }

private:
    enum Query { Get, Save, Delete, QueryCount };
    // The game index (MatchBegin<n>, MatchEnd<n> holding plain integers) lives
    // in a table of its own, a few bytes a game, and is read when asked for.
    enum GameQuery { GameGet, GameSetBegin, GameSetEnd, GameClearBegin, GameClearEnd, GamePrune, GameQueryCount };
    struct GameRow {
        std::optional<std::int64_t> begin, end;
    };
    using Key = std::string; // app, section and key folded to lower case
    static Key keyOf(const std::string& app, const std::string& section, const std::string& key);

    bool open();
    bool prepare();
    bool loadAll() const;
    void refresh() const;
    bool write(Query query, const std::string& app, const std::string& section, const std::string& key,
               const std::string* value);
    void remember(const Key& key, std::optional<std::string> value);
    bool findGameTable() const;
    bool ensureGameTable();
    bool writeGame(GameQuery query, std::int64_t n, const std::int64_t* value);
    std::optional<std::int64_t> storedGameValue(const GameKey& key) const;
    void forgetGameRow(std::int64_t n) const { gameRows_.erase(n); }
    void convertOldIndex();
    void keepGameRowsInMemory() const;
    // Reports once and leaves the file alone from then on.
    bool abandonWrite(const std::string& why);
    void giveUpFile(const std::string& why) const;
    void giveUpQuietly() const;

    std::string path_;
    mutable sqlite3* db_ = nullptr;
    mutable sqlite3_stmt* statements_[QueryCount] = {};
    mutable std::unordered_map<Key, std::string> values_;
    mutable sqlite3_stmt* gameStatements_[GameQueryCount] = {};
    mutable bool gameTable_ = false;
    mutable std::unordered_map<std::int64_t, GameRow> gameRows_; // rows read, not rows written
    mutable long long dataVersion_ = -1;
    int batchDepth_ = 0;
    mutable bool inFileTransaction_ = false;
    // Old values of the keys an open batch changed, to undo it in memory.
    std::vector<std::pair<Key, std::optional<std::string>>> undo_;
};

// The application and section every key of this program lives in.
inline constexpr const char* kApp = "Morvane3";
inline constexpr const char* kSection = "Config";

// Convenience over the program's own section.
class Config {
public:
    explicit Config(SettingsStore& store) : store_(store) {}
    std::string get(const std::string& key, const std::string& defaultValue) const
    {
        return store_.GetSetting(kApp, kSection, key, defaultValue);
    }
    void save(const std::string& key, const std::string& value) { store_.SaveSetting(kApp, kSection, key, value); }
    void remove(const std::string& key) { store_.DeleteSetting(kApp, kSection, key); }
    SettingsStore& store() { return store_; }

private:
    SettingsStore& store_;
};

// Numeric reading of stored text: the value of its leading number, 0 when none.
double numericValue(const std::string& text);

} // namespace morvane
