#pragma once
// Finding games in a listed file by their tags: every game's Event, Site,
// Date, Round, White and Black are read once from the file's tag sections
// (block by block, never the whole file at once) and kept case-folded, so
// that each keystroke searches a small record per game instead of the file.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game_index.h"

namespace morvane {

// The tags a row shows and the filter searches, values unescaped, bytes as in the file.
struct GameTags {
    std::string event, site, date, round, white, black;
};

// The tags of the tag section that opens `gameText` (it ends at the first
// line that is no tag).
GameTags readGameTags(std::string_view gameText);

class MatchFilter {
public:
    // Reads the tags of `games` from the file at `path`. False when the file
    // cannot be read; then every game stays without tags. The file is read
    // `blockBytes` at a time.
    // `onGame(done, total)` hears of each game read, for a progress box.
    using Progress = std::function<void(std::int64_t done, std::int64_t total)>;
    static constexpr std::int64_t kBlockBytes = std::int64_t{4} << 20;
    bool load(const std::string& path, const std::vector<GameSpan>& games, std::int64_t blockBytes = kBlockBytes,
              const Progress& onGame = {});
    void clear();

    // The indices of the games whose tags hold every blank-separated word of
    // `typed` (case-insensitive), in file order; every game when there is no word.
    std::vector<std::size_t> matching(const QString& typed) const;

private:
    std::string folded_;           // the records, one after another
    std::vector<std::size_t> end_; // where each game's record ends in folded_
};

} // namespace morvane
