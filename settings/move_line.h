#pragma once
// Move lines as the game-entry tab lists them: "12. Nf3      Nc6" (number, ".",
// one blank, White's move left-aligned in eight characters, Black's right-aligned
// in eight). Moves longer than eight characters stay whole.

#include <string>
#include <string_view>

namespace morvane {

inline constexpr std::size_t kMoveFieldWidth = 8;

// The line Update stores: `numberCaption` is what the move-number label shows
// ("12."); Black's field is left out when `black` is empty.
std::string MoveLine(std::string_view numberCaption, std::string_view white, std::string_view black);

// A listed line taken apart again for editing.
struct MoveLineFields {
    std::string numberCaption; // up to and including the first "."
    std::string white;
    std::string black;
    long number = 0; // numeric value of the digits before the "."
};

// Black's move is the trimmed last field when the line runs ten or more characters
// past its ".", else empty; White's move is everything between the "." and that
// field, trimmed, so a move that fills its whole field comes back whole.
MoveLineFields SplitMoveLine(std::string_view line);

std::string trimmedCopy(std::string_view text);

} // namespace morvane
