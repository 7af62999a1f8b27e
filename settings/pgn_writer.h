#pragma once
// The layout the game-entry tab writes: the file's text before the game, the game
// with six tags and its move lines, the file's text after it. Everything is bytes;
// a double quote or backslash in a tag value is written behind a backslash.

#include <string>

namespace morvane {

struct PgnGame {
    std::string event, site, date, white, black;
    std::string result;   // "1-0", "0-1", "1/2-1/2", "*" or empty
    std::string moveText; // move lines, each followed by CR LF
    // The game's SetUp, FEN and Variant tag lines, each followed by CR LF: a
    // game that does not start from the initial position keeps its start.
    std::string setUpTags;
};

// The result written for an entry of the result list; -1 (none chosen) gives "".
std::string ResultForChoice(int choice);

// The whole new file:
//   before CRLF CRLF, the six tag lines, setUpTags, moveText " " result CRLF,
//   after CRLF.
std::string PgnFileText(const std::string& before, const PgnGame& game, const std::string& after);

} // namespace morvane
