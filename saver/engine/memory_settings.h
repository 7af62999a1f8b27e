#pragma once
// Settings held in memory only: for the replay tool and tests.

#include <string>
#include <unordered_map>

#include "settings_access.h"

namespace morvane {

class MemorySettings : public SettingsAccess {
public:
    std::string get(const std::string& key, const std::string& defaultValue) override;
    void save(const std::string& key, const std::string& value) override;
    void saveAll(const std::vector<std::pair<std::string, std::string>>& values) override;
    bool contains(const std::string& key) const;

    // Reads of each key, in order, for tests that check what is read when.
    std::vector<std::string> reads;
    bool recordReads = false;

private:
    // Keys are stored in lower case.
    std::unordered_map<std::string, std::string> values_;
};

} // namespace morvane
