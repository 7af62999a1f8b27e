#pragma once
// Settings given on the command line for one run: read in place of the stored
// ones and never written to the store. Every other key passes through.

#include <set>
#include <string>

#include "memory_settings.h"
#include "settings_access.h"

namespace morvane {

class OverrideSettings : public SettingsAccess {
public:
    explicit OverrideSettings(SettingsAccess& store) : store_(store) {}

    // `key` reads `value` from now on; writes to it stay in memory.
    void set(const std::string& key, const std::string& value);
    // The game list (PGNFile, NumOfGames, MatchBegin<n>, MatchEnd<n>) lives in
    // memory too: the run indexes its own file, and a fallback to the default
    // file leaves the stored list as it was.
    void keepGameListInMemory() { gameList_ = true; }

    std::string get(const std::string& key, const std::string& defaultValue) override;
    void save(const std::string& key, const std::string& value) override;
    void saveEach(const NextValue& next) override;

private:
    bool owns(const std::string& key) const;

    SettingsAccess& store_;
    MemorySettings memory_;
    std::set<std::string> keys_; // lower case
    bool gameList_ = false;
};

} // namespace morvane
