#include "move_pace.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

#include "tag_value.h"

namespace morvane {

namespace {

constexpr double kShortestMs = 500;
constexpr double kLongestMs = 30000;
constexpr std::int64_t kMsPerCharacter = 50;
constexpr std::int64_t kLongestReadMs = 15000;

struct TimeControl {
    std::optional<double> base;
    double increment = 0;
};

// "base+increment" or "base", in seconds; anything else ("-", "?", periods of
// several moves) gives neither.
TimeControl readTimeControl(std::string_view text)
{
    TimeControl control;
    const std::size_t plus = text.find('+');
    const auto number = [](std::string_view part) -> std::optional<double> {
        if (part.empty() || part.find_first_not_of("0123456789.") != std::string_view::npos)
            return std::nullopt;
        return std::strtod(std::string(part).c_str(), nullptr);
    };
    const std::optional<double> base = number(text.substr(0, plus));
    const std::optional<double> increment =
        plus == std::string_view::npos ? std::optional<double>(0) : number(text.substr(plus + 1));
    if (base && increment) {
        control.base = base;
        control.increment = *increment;
    }
    return control;
}

} // namespace

std::unordered_map<std::int64_t, double> secondsSpent(const MoveNotes& notes, std::string_view timeControl)
{
    const TimeControl control = readTimeControl(timeControl);
    // In playing order, so that each side's first clock is known as such.
    const std::map<std::int64_t, const MoveNote*> ordered = [&notes] {
        std::map<std::int64_t, const MoveNote*> m;
        for (const auto& [key, note] : notes)
            m.emplace(key, &note);
        return m;
    }();
    std::unordered_map<std::int64_t, double> spent;
    bool clockSeen[2] = {false, false};
    for (const auto& [key, note] : ordered) {
        const bool black = key % 2 != 0;
        if (note->elapsed) {
            spent[key] = *note->elapsed;
        } else if (note->clock) {
            std::optional<double> before;
            if (const auto previous = ordered.find(key - 2); previous != ordered.end())
                before = previous->second->clock;
            else if (!clockSeen[black])
                before = control.base;
            if (before)
                spent[key] = std::max(0.0, *before - *note->clock + control.increment);
        }
        clockSeen[black] = clockSeen[black] || note->clock.has_value();
    }
    return spent;
}

std::int32_t pacedWait(std::optional<double> spent, double factor, std::int32_t moveMs)
{
    if (!spent || !(factor > 0))
        return moveMs;
    const double ms = std::clamp(*spent / factor * 1000.0, kShortestMs, kLongestMs);
    return static_cast<std::int32_t>(std::lround(ms));
}

std::int32_t readableWait(std::int32_t wait, std::string_view caption)
{
    // Characters, not bytes: a UTF-8 continuation byte adds nothing.
    const auto characters = std::count_if(caption.begin(), caption.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    if (characters == 0)
        return wait;
    const std::int64_t read = std::min<std::int64_t>(wait + kMsPerCharacter * characters, kLongestReadMs);
    return static_cast<std::int32_t>(std::max<std::int64_t>(wait, read));
}

void ReplayPace::load(std::string_view gameText, bool captions, double clockFactor, std::int32_t moveMs)
{
    captions_ = captions;
    factor_ = clockFactor > 0 ? clockFactor : 0;
    moveMs_ = moveMs;
    notes_.clear();
    spent_.clear();
    if (!active())
        return;
    notes_ = readMoveNotes(gameText);
    if (factor_ > 0) {
        std::string control = tagFragment(gameText, "[TimeControl ", 13);
        const std::string value = TagValue(control);
        spent_ = secondsSpent(notes_, trimBlanks(value));
    }
}

const std::string& ReplayPace::caption(std::int64_t key) const
{
    static const std::string kNone;
    const auto it = notes_.find(key);
    return captions_ && it != notes_.end() ? it->second.caption : kNone;
}

std::int32_t ReplayPace::waitBefore(std::int64_t key) const
{
    const auto it = spent_.find(key);
    return pacedWait(it == spent_.end() ? std::nullopt : std::optional<double>(it->second), factor_, moveMs_);
}

std::int32_t ReplayPace::waitAfter(std::int64_t key, bool played) const
{
    const std::int32_t wait = waitBefore(key + 1);
    return played ? readableWait(wait, caption(key)) : wait;
}

} // namespace morvane
