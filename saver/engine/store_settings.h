#pragma once
// The replay's settings over the per-user SQLite store.

#include "settings_access.h"
#include "settings_store.h"

namespace morvane {

class StoreSettings : public SettingsAccess {
public:
    explicit StoreSettings(SettingsStore& store) : config_(store) {}
    std::string get(const std::string& key, const std::string& defaultValue) override;
    void save(const std::string& key, const std::string& value) override;
    // One transaction: another process sees all of the values or none.
    void saveEach(const NextValue& next) override;

private:
    Config config_;
};

} // namespace morvane
