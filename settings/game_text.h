#pragma once
// Reading one game of a PGN file for the settings dialog: the match-list entry,
// the cut into before / game / after for editing, and the tag fields. Positions
// are the game index's (1-based bytes, end = next "[Event " - 1).

#include <optional>
#include <string>
#include <string_view>

#include "game_index.h"

namespace morvane {

// The tags from the game's "[Event " up to the "]" that closes the first "[Black "
// after it, with every "[", "]" and double quote turned into a blank. A game with
// no such Black tag (or no "]" after it) runs to its own end.
std::string MatchEntryText(std::string_view fileText, const GameSpan& span);

struct GameCut {
    std::string before; // the bytes ahead of the game
    std::string game;   // End - Begin bytes from Begin
    std::string after;  // from byte End to the end of the file
};

// Nothing when the span does not fit the file or does not start at "[Event "
// (the file changed after it was indexed).
std::optional<GameCut> CutGame(std::string_view fileText, const GameSpan& span);

// The value of `opening` (for example "[White \"") up to the next double quote
// that no backslash escapes, escapes undone; empty when the tag or its closing
// quote is missing.
std::string QuotedTagValue(std::string_view gameText, std::string_view opening);

// The Result tag's value as the entry tab reads it: the text after "[Result" up to
// the character before the next "]", delimiters blanked, trimmed. Nothing when the
// game has no "[Result" followed by a "]".
std::optional<std::string> ResultTagValue(std::string_view gameText);

} // namespace morvane
