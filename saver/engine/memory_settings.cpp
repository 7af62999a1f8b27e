#include "memory_settings.h"

#include <algorithm>

namespace morvane {

namespace {
char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool MemorySettings::LessNoCase::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
}

std::string MemorySettings::get(const std::string& key, const std::string& defaultValue)
{
    if (recordReads)
        reads.push_back(key);
    const auto it = values_.find(key);
    return it == values_.end() ? defaultValue : it->second;
}

void MemorySettings::save(const std::string& key, const std::string& value)
{
    values_[key] = value;
}

void MemorySettings::saveAll(const std::vector<std::pair<std::string, std::string>>& values)
{
    for (const auto& [key, value] : values)
        values_[key] = value;
}

bool MemorySettings::contains(const std::string& key) const
{
    return values_.count(key) != 0;
}

} // namespace morvane
