// The numeric ways into settings held in memory agree with the text ways: a
// position read as a number is what its text reads as, an index written at
// once leaves what key-by-key writes leave, and every write is seen.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "memory_settings.h"

namespace {

struct Written {
    const char* key;
    const char* value;
};

// Numbers a double cannot hold exactly first: they are kept as numbers.
constexpr Written kEarlier[] = {
    {"MatchBegin1", "9007199254740993"},
    {"MatchEnd1", "-9007199254740993"},
    {"MatchBegin2", "0017"},
    {"MatchEnd2", "1.5e3"},
    {"MatchBegin3", "x"},
    {"MatchEnd3", "-9223372036854775808"},
    {"NumOfGames", "7"},
};

} // namespace

TEST(SettingsIndex, PositionsReadAsNumbersAreWhatTheirTextsRead)
{
    morvane::MemorySettings settings;
    for (const Written& w : kEarlier)
        settings.save(w.key, w.value);
    for (std::int64_t n = 0; n <= 4; ++n) {
        for (const bool end : {false, true}) {
            const std::string key = (end ? "MatchEnd" : "MatchBegin") + std::to_string(n);
            EXPECT_EQ(settings.gamePosition(n, end), morvane::storedPosition(settings.get(key, "-1"))) << key;
        }
    }
}

TEST(SettingsIndex, AnIndexWrittenAtOnceReadsAsKeyByKeyWrites)
{
    const std::vector<morvane::GameSpan> spans = {{1, 40}, {40, 95}};
    morvane::MemorySettings atOnce;
    morvane::MemorySettings keyByKey;
    for (const Written& w : kEarlier) {
        atOnce.save(w.key, w.value);
        keyByKey.save(w.key, w.value);
    }
    const std::uint64_t before = atOnce.generation();
    atOnce.saveGameIndex(spans, 2);
    keyByKey.SettingsAccess::saveGameIndex(spans, 2);
    EXPECT_NE(atOnce.generation(), before);
    for (const Written& w : kEarlier)
        EXPECT_EQ(atOnce.get(w.key, "none"), keyByKey.get(w.key, "none")) << w.key;

    const std::uint64_t saved = atOnce.generation();
    atOnce.save("Timer", "3");
    EXPECT_NE(atOnce.generation(), saved);
    atOnce.recordReads = true;
    EXPECT_EQ(atOnce.generation(), 0U); // recorded reads are never spared
}
