#pragma once
// The comments of a game's main line, each tied to the half-move it follows.
// A pass of its own over the game's text: what is played comes from the move
// lines alone, so a caption can never change a move.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace morvane {

struct MoveNote {
    std::string caption;           // the words, "[%...]" commands left out, blanks collapsed
    std::optional<double> clock;   // "[%clk]": seconds left on the mover's clock
    std::optional<double> elapsed; // "[%emt]": seconds the move took
};

// A half-move by its number and side, as a move line and its two fields name it.
inline std::int64_t halfMoveKey(std::int64_t moveNumber, bool black)
{
    return moveNumber * 2 + (black ? 1 : 0);
}

using MoveNotes = std::unordered_map<std::int64_t, MoveNote>;

// Notes of the main line's half-moves that carry a comment. Comments inside
// variations, and those before the first move, belong to no half-move here.
MoveNotes readMoveNotes(std::string_view gameText);

// "h:mm:ss", "mm:ss" or seconds, with an optional fraction; nothing when the
// text is no such time.
std::optional<double> clockSeconds(std::string_view text);

} // namespace morvane
