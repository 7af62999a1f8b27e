#pragma once
// The replay's view of the settings (application "Morvane3", section "Config").
// The screensaver reads the SQLite store through StoreSettings; the replay tool
// and tests may use MemorySettings. Keys compare without regard to case.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game_index.h"

namespace morvane {

// A stored game position as the loader reads it: a whole number, -1 when the
// text is none.
std::int64_t storedPosition(const std::string& text);

class SettingsAccess {
public:
    virtual ~SettingsAccess() = default;
    // The stored text of `key`, or `defaultValue` when the key is absent.
    virtual std::string get(const std::string& key, const std::string& defaultValue) = 0;
    virtual void save(const std::string& key, const std::string& value) = 0;
    // Values written together (one transaction in the store), handed over one
    // at a time: `next` sets a key and its value and returns false after the
    // last, so a big index never has to be held as text.
    using NextValue = std::function<bool(std::string& key, std::string& value)>;
    virtual void saveEach(const NextValue& next) = 0;
    // A number that changes whenever any value may have changed, so that
    // values read before can be kept while it stays; 0 when the settings
    // cannot tell (then nothing read may be kept).
    virtual std::uint64_t generation() const { return 0; }
    // storedPosition() of MatchBegin<n> (MatchEnd<n> when `end`), -1 when
    // absent. Settings that hold the index as numbers answer without texts.
    virtual std::int64_t gamePosition(std::int64_t n, bool end);
    // The index of a file: MatchBegin<n> and MatchEnd<n> of each game, then
    // NumOfGames = `count`, written together as saveEach() writes.
    virtual void saveGameIndex(const std::vector<GameSpan>& spans, std::int64_t count);
    void saveAll(const std::vector<std::pair<std::string, std::string>>& values)
    {
        std::size_t i = 0;
        saveEach([&values, &i](std::string& key, std::string& value) {
            if (i == values.size())
                return false;
            key = values[i].first;
            value = values[i++].second;
            return true;
        });
    }
};

} // namespace morvane
