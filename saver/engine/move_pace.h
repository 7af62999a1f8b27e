#pragma once
// How long a half-move stands before the next one when the replay follows the
// players' clocks or gives a caption time to be read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "move_comments.h"

namespace morvane {

// Seconds each half-move took its player, by halfMoveKey: "[%emt]" as written;
// otherwise how far the mover's "[%clk]" fell since their previous move, plus
// the increment of `timeControl` ("base+increment" in seconds, the base
// standing before each side's first move). A clock that rose counts as no time.
std::unordered_map<std::int64_t, double> secondsSpent(const MoveNotes& notes, std::string_view timeControl);

// The wait before a half-move: its player's time divided by `factor`, between
// half a second and thirty; `moveMs` when the time is unknown or `factor` is
// not above 0.
std::int32_t pacedWait(std::optional<double> spent, double factor, std::int32_t moveMs);

// The wait after a half-move with `caption`: at least `wait` plus 50 ms a
// character, up to 15 s in all, and never shorter than `wait`.
std::int32_t readableWait(std::int32_t wait, std::string_view caption);

// One game's captions and waits, as the replay asks for them half-move by
// half-move. Inactive (nothing to do) unless captions or clocks are wanted and
// moves have a pace at all.
class ReplayPace {
public:
    // At a game's load. `clockFactor` 0 leaves the clocks alone; `moveMs` is the
    // usual wait between moves.
    void load(std::string_view gameText, bool captions, double clockFactor, std::int32_t moveMs);
    bool active() const { return (captions_ || factor_ > 0) && moveMs_ > 0; }
    bool captions() const { return captions_; }

    // The comment after half-move `key`; empty when it has none.
    const std::string& caption(std::int64_t key) const;
    // The wait before half-move `key`.
    std::int32_t waitBefore(std::int64_t key) const;
    // The wait after half-move `key` (no move when `played` is false) before the next.
    std::int32_t waitAfter(std::int64_t key, bool played) const;

private:
    bool captions_ = false;
    double factor_ = 0;
    std::int32_t moveMs_ = 0;
    MoveNotes notes_;
    std::unordered_map<std::int64_t, double> spent_;
};

} // namespace morvane
