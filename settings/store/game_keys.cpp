#include "game_keys.h"

#include <charconv>
#include <string>

namespace morvane {

namespace {

std::optional<std::int64_t> digitsValue(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<GameKey> parseGameKey(std::string_view folded)
{
    constexpr std::string_view prefix = "morvane3\x1f"
                                        "config\x1f";
    if (folded.size() < prefix.size() + 1 || folded.substr(0, prefix.size()) != prefix || folded.back() != '\x1f')
        return std::nullopt;
    return parseGameKeyName(folded.substr(prefix.size(), folded.size() - prefix.size() - 1));
}

std::optional<GameKey> parseGameKeyName(std::string_view rest)
{
    if (!rest.starts_with("match"))
        return std::nullopt;
    rest.remove_prefix(5);
    GameKey key;
    if (rest.starts_with("begin")) {
        rest.remove_prefix(5);
    } else if (rest.starts_with("end")) {
        rest.remove_prefix(3);
        key.end = true;
    } else {
        return std::nullopt;
    }
    if (rest.empty() || rest.front() < '1' || rest.front() > '9')
        return std::nullopt;
    const std::optional<std::int64_t> n = digitsValue(rest);
    if (!n)
        return std::nullopt;
    key.n = *n;
    return key;
}

std::optional<std::int64_t> plainInteger(std::string_view text)
{
    const std::optional<std::int64_t> value = text.starts_with('+') ? std::nullopt : digitsValue(text);
    if (!value || std::to_string(*value) != text)
        return std::nullopt;
    return value;
}

} // namespace morvane
