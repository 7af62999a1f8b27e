#pragma once
// Move lines: one text line per move number, "<n>. " then White's move
// left-aligned in eight characters and Black's move right-aligned in eight.
// Readers take the fields with moveFields(). A move longer than eight
// characters keeps its whole text and the line grows (see moveFields); two
// long moves that do not fill exactly sixteen characters get one blank between.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

inline constexpr std::size_t kFieldWidth = 8;

struct MoveFields {
    std::string white; // trimmed; empty = no move
    std::string black;
};

// Where a line's White and Black fields stand in it (offset and length; an
// empty field has length 0): a move line holds its fields, so no copies are kept.
struct FieldSpans {
    std::uint32_t whiteAt = 0;
    std::uint32_t whiteSize = 0;
    std::uint32_t blackAt = 0;
    std::uint32_t blackSize = 0;
    std::string_view white(std::string_view line) const { return line.substr(whiteAt, whiteSize); }
    std::string_view black(std::string_view line) const { return line.substr(blackAt, blackSize); }
};

// Turns cleaned movetext into move lines in `list` (cleared first) and sets
// `GameResult` from the last token, or from `ResultTag` when that token is no
// termination marker and the tag is not empty. Move numbers are searched in
// sequence ("1.", "2.", ...); the first one missing ends the list. A Black
// continuation " <n>..." is blanked. A text that ends inside a White move with
// no blank after it ends the list there and leaves `GameResult` unchanged.
// The search starts at `firstNumber` for a game set up from a later move.
// When `fields` is given it gets each line's fieldSpans() as well.
void ListMoves(std::string_view movetext, std::vector<std::string>& list, std::string& GameResult,
               const std::string& ResultTag, long firstNumber = 1, std::vector<FieldSpans>* fields = nullptr);
// The same on movetext that is no longer needed: the text is worked on in place.
void ListMovesInPlace(std::string& movetext, std::vector<std::string>& list, std::string& GameResult,
                      const std::string& ResultTag, long firstNumber = 1, std::vector<FieldSpans>* fields = nullptr);

// One move line's layout from its parts.
std::string moveLine(int moveNumber, std::string_view white, std::string_view black);

// The White and Black fields of a move line: of a line of normal width, the
// last sixteen characters split in two halves of eight, each trimmed.
MoveFields moveFields(std::string_view line);
// moveFields() as positions in the line.
FieldSpans fieldSpans(std::string_view line);

// "1-0", "0-1", "1/2-1/2" or "*".
bool isTerminationMarker(std::string_view token);

} // namespace morvane
