#pragma once
// Settings held in memory only: for the replay tool and tests.

#include <map>
#include <string>

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
    struct LessNoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::map<std::string, std::string, LessNoCase> values_;
};

} // namespace morvane
