#include "settings_access.h"

#include <charconv>
#include <cmath>

#include "settings_store.h"

namespace morvane {

std::int64_t storedPosition(const std::string& text)
{
    // Positions are stored as plain integers: read without the general number
    // parser, for any value a double holds exactly (what the parser would give).
    std::int64_t whole = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (error == std::errc() && end == text.data() + text.size() && !text.empty() && whole < (std::int64_t{1} << 53) &&
        whole > -(std::int64_t{1} << 53))
        return whole;
    const double value = numericValue(text);
    if (!(std::fabs(value) < 9.0e18))
        return -1;
    return std::llround(value);
}

std::int64_t SettingsAccess::gamePosition(std::int64_t n, bool end)
{
    return storedPosition(get((end ? "MatchEnd" : "MatchBegin") + std::to_string(n), "-1"));
}

void SettingsAccess::saveGameIndex(const std::vector<GameSpan>& spans, std::int64_t count)
{
    // Two keys a game, then the count; written as text only on the way out.
    std::size_t i = 0;
    saveEach([&spans, &i, count](std::string& key, std::string& value) {
        if (i > 2 * spans.size())
            return false;
        if (i == 2 * spans.size()) {
            key = "NumOfGames";
            value = std::to_string(count);
        } else {
            const GameSpan& span = spans[i / 2];
            key = (i % 2 == 0 ? "MatchBegin" : "MatchEnd") + std::to_string(i / 2 + 1);
            value = std::to_string(i % 2 == 0 ? span.begin : span.end);
        }
        ++i;
        return true;
    });
}

} // namespace morvane
