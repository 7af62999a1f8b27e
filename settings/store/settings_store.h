#pragma once
// The per-user settings store: text values addressed by application, section and
// key, kept in one SQLite file. Keys compare without regard to letter case.

#include <memory>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace morvane {

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
public:
    // Opens (creating if needed) the store at `path`. A file that cannot be used
    // is reported once on stderr and left untouched; the store then keeps its
    // values in memory only, so the program runs on defaults.
    explicit SettingsStore(const std::string& path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // $MORVANE3_SETTINGS, else $XDG_CONFIG_HOME/Morvane3/settings.db (~/.config by default).
    static std::string defaultPath();

    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
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

    bool isPersistent() const { return db_ != nullptr && !inMemory_; }
    const std::string& path() const { return path_; }

private:
    enum Query { Get, Save, Delete, QueryCount };
    // Prepared once and reused: a large Apply writes hundreds of thousands of keys.
    sqlite3_stmt* statement(Query query) const;
    void exec(const char* sql);
    void openFallback();
    void finalizeStatements();

    std::string path_;
    sqlite3* db_ = nullptr;
    bool inMemory_ = false;
    int batchDepth_ = 0;
    mutable sqlite3_stmt* statements_[QueryCount] = {};
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
