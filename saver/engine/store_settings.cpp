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

void StoreSettings::saveEach(const NextValue& next)
{
    SettingsStore::Batch batch(config_.store());
    std::string key;
    std::string value;
    while (next(key, value))
        config_.save(key, value);
    batch.commit();
}

} // namespace morvane
