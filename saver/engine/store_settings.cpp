#include "store_settings.h"

namespace morvane {

std::string StoreSettings::get(const std::string& key, const std::string& defaultValue)
{
    return config_.get(key, defaultValue);
}

void StoreSettings::save(const std::string& key, const std::string& value)
{
    config_.save(key, value);
}

void StoreSettings::saveAll(const std::vector<std::pair<std::string, std::string>>& values)
{
    SettingsStore::Batch batch(config_.store());
    for (const auto& [key, value] : values)
        config_.save(key, value);
    batch.commit();
}

} // namespace morvane
