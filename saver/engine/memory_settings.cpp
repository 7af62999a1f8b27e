#include "memory_settings.h"

namespace morvane {

namespace {
std::string lowered(std::string key)
{
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}
} // namespace

std::string MemorySettings::get(const std::string& key, const std::string& defaultValue)
{
    if (recordReads)
        reads.push_back(key);
    const auto it = values_.find(lowered(key));
    return it == values_.end() ? defaultValue : it->second;
}

void MemorySettings::save(const std::string& key, const std::string& value)
{
    values_[lowered(key)] = value;
}

void MemorySettings::saveAll(const std::vector<std::pair<std::string, std::string>>& values)
{
    values_.reserve(values_.size() + values.size());
    for (const auto& [key, value] : values)
        values_[lowered(key)] = value;
}

bool MemorySettings::contains(const std::string& key) const
{
    return values_.count(lowered(key)) != 0;
}

} // namespace morvane
