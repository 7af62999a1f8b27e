#pragma once
// The game index's keys (MatchBegin<n>, MatchEnd<n> of the program's own
// section) and the values the store keeps as numbers in a table of their own.
// Any other text under such a key is kept as text, so every value reads back
// byte for byte.

#include <cstdint>
#include <optional>
#include <string_view>

namespace morvane {

struct GameKey {
    std::int64_t n = 0;
    bool end = false; // MatchEnd rather than MatchBegin
};

// `folded` is the store's key: app, section and key in lower case, each
// followed by '\x1f'. A game number is written without leading zeros.
std::optional<GameKey> parseGameKey(std::string_view folded);
// The same for a key name alone, in lower case ("matchbegin12").
std::optional<GameKey> parseGameKeyName(std::string_view name);

// The value of a decimal integer written as std::to_string writes it.
std::optional<std::int64_t> plainInteger(std::string_view text);

} // namespace morvane
