#pragma once
// Where the games of a PGN file lie: the scan shared by the settings dialog's
// "PGN Import" (`GetGames`) and the screensaver's `EnumDefault`, so both store the same positions and the loader cuts
// every game, the last one included, the same way.
//
// Positions are 1-based byte positions in the scanned text, which is the file's
// bytes with CR LF appended. Game i begins at its "[Event " (seven bytes, the
// blank included) and ends at End = the next game's Begin - 1, or, for the last
// game, the length of the appended text - 1 (= file size + 1). The loader's cut
// takes End - Begin bytes from Begin: every byte of the game up to, but not
// including, the byte just before the next "[Event " (for the last game: every
// byte to the end of the file). Text before the first "[Event " belongs to no game.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

struct GameSpan {
    std::int64_t begin = 0; // 1-based position of "[Event "
    std::int64_t end = 0;   // 1-based, as stored in MatchEnd<n>
    friend bool operator==(const GameSpan&, const GameSpan&) = default;
};

// The games of `fileText` (the file's bytes as read, WITHOUT the appended CR LF;
// the function accounts for it). Runs at memory speed; no parsing of moves.
std::vector<GameSpan> IndexGames(std::string_view fileText);

// The same scan, handing each game to `onGame` as found (for very large files
// or a caller that stores while scanning). Returns the number of games.
std::int64_t IndexGames(std::string_view fileText, const std::function<void(const GameSpan&)>& onGame);

// The same scan over the file at `path`, read in blocks of `blockSize` bytes
// rather than whole. Returns the number of games, or -1 when the file cannot be
// read (games found before a read error have been handed over already).
std::int64_t IndexGameFile(const std::string& path, const std::function<void(const GameSpan&)>& onGame,
                           std::size_t blockSize = std::size_t{1} << 22);

// 1-based position of the first "[Event " at or after 1-based position `from`,
// 0 when there is none (InStr(from, text, "[Event ")).
std::int64_t FindEventTag(std::string_view text, std::int64_t from);

// The bytes the loader cuts for a span: `End - Begin` bytes from `Begin`,
// clipped to the text; empty when End <= Begin (a damaged index).
std::string_view GameText(std::string_view fileText, const GameSpan& span);

} // namespace morvane
