#include "memory_settings.h"

#include <limits>

#include "game_keys.h"

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

constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::min();

std::size_t slotOf(const GameKey& key)
{
    return static_cast<std::size_t>(key.n - 1) * 2 + (key.end ? 1 : 0);
}
} // namespace

const std::int64_t* MemorySettings::position(const std::string& lowerKey) const
{
    const std::optional<GameKey> game = parseGameKeyName(lowerKey);
    if (!game || slotOf(*game) >= positions_.size() || positions_[slotOf(*game)] == kNone)
        return nullptr;
    return &positions_[slotOf(*game)];
}

bool MemorySettings::setPosition(const std::string& lowerKey, const std::string& value)
{
    const std::optional<GameKey> game = parseGameKeyName(lowerKey);
    if (!game)
        return false;
    const std::size_t slot = slotOf(*game);
    const std::optional<std::int64_t> number = plainInteger(value);
    if (!number || *number == kNone || slot >= positions_.size() + 2) {
        if (slot < positions_.size())
            positions_[slot] = kNone;
        return false;
    }
    if (slot >= positions_.size())
        positions_.resize(slot + 1 + (slot % 2 == 0 ? 1 : 0), kNone);
    positions_[slot] = *number;
    values_.erase(lowerKey);
    return true;
}

std::string MemorySettings::get(const std::string& key, const std::string& defaultValue)
{
    if (recordReads)
        reads.push_back(key);
    const std::string lower = lowered(key);
    if (const std::int64_t* p = position(lower))
        return std::to_string(*p);
    const auto it = values_.find(lower);
    return it == values_.end() ? defaultValue : it->second;
}

void MemorySettings::save(const std::string& key, const std::string& value)
{
    std::string lower = lowered(key);
    if (!setPosition(lower, value))
        values_[std::move(lower)] = value;
}

void MemorySettings::saveEach(const NextValue& next)
{
    std::string key;
    std::string value;
    while (next(key, value))
        save(key, value);
}

bool MemorySettings::contains(const std::string& key) const
{
    const std::string lower = lowered(key);
    return position(lower) != nullptr || values_.count(lower) != 0;
}

} // namespace morvane
