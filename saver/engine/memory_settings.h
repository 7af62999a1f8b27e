#pragma once
// Settings held in memory only: for the replay tool and tests.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "settings_access.h"

namespace morvane {

class MemorySettings : public SettingsAccess {
public:
    std::string get(const std::string& key, const std::string& defaultValue) override;
    void save(const std::string& key, const std::string& value) override;
    void saveEach(const NextValue& next) override;
    std::int64_t gamePosition(std::int64_t n, bool end) override;
    void saveGameIndex(const std::vector<GameSpan>& spans, std::int64_t count) override;
    bool contains(const std::string& key) const;
    // Reads that are being recorded are never spared.
    std::uint64_t generation() const override { return recordReads ? 0 : generation_; }

    // Reads of each key, in order, for tests that check what is read when.
    std::vector<std::string> reads;
    bool recordReads = false;

private:
    // A game position held as a number: false when it is not one, or its game
    // number lies far beyond those held so far.
    bool setPosition(const std::string& lowerKey, const std::string& value);
    const std::int64_t* position(const std::string& lowerKey) const;

    // Keys are stored in lower case.
    std::unordered_map<std::string, std::string> values_;
    // Game n's MatchBegin and MatchEnd at 2n - 2 and 2n - 1: a big file's
    // index costs 16 bytes a game rather than two hashed strings.
    std::vector<std::int64_t> positions_;
    std::uint64_t generation_ = 1; // one more at every write
};

} // namespace morvane
