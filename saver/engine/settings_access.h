#pragma once
// The replay's view of the settings (application "Morvane3", section "Config").
// The screensaver reads the SQLite store through StoreSettings; the replay tool
// and tests may use MemorySettings. Keys compare without regard to case.

#include <string>
#include <utility>
#include <vector>

namespace morvane {

class SettingsAccess {
public:
    virtual ~SettingsAccess() = default;
    // The stored text of `key`, or `defaultValue` when the key is absent.
    virtual std::string get(const std::string& key, const std::string& defaultValue) = 0;
    virtual void save(const std::string& key, const std::string& value) = 0;
    // Several values written together (one transaction in the store).
    virtual void saveAll(const std::vector<std::pair<std::string, std::string>>& values) = 0;
};

} // namespace morvane
