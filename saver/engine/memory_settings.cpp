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
    ++generation_;
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

std::int64_t MemorySettings::gamePosition(std::int64_t n, bool end)
{
    // Straight from the numbers; anything else (a read to record, a value
    // kept as text, one too big for a double) as the text would be read.
    const std::size_t slot = static_cast<std::size_t>(n - 1) * 2 + (end ? 1 : 0);
    if (!recordReads && n >= 1 && slot < positions_.size()) {
        const std::int64_t p = positions_[slot];
        if (p != kNone && p < (std::int64_t{1} << 53) && p > -(std::int64_t{1} << 53))
            return p;
    }
    return SettingsAccess::gamePosition(n, end);
}

void MemorySettings::saveGameIndex(const std::vector<GameSpan>& spans, std::int64_t count)
{
    // What saving each key as text would leave: the numbers in their slots,
    // no text left under any of the keys written.
    const std::size_t slots = spans.size() * 2;
    for (auto it = values_.begin(); it != values_.end();) {
        const std::optional<GameKey> game = parseGameKeyName(it->first);
        if (game && game->n >= 1 && slotOf(*game) < slots)
            it = values_.erase(it);
        else
            ++it;
    }
    ++generation_;
    if (positions_.size() < slots)
        positions_.resize(slots, kNone);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        positions_[2 * i] = spans[i].begin;
        positions_[2 * i + 1] = spans[i].end;
    }
    save("NumOfGames", std::to_string(count));
}

bool MemorySettings::contains(const std::string& key) const
{
    const std::string lower = lowered(key);
    return position(lower) != nullptr || values_.count(lower) != 0;
}

} // namespace morvane
