// Settings in memory keep game positions as numbers; every text still reads back as written.
#include <gtest/gtest.h>

#include "memory_settings.h"

TEST(MemorySettings, GamePositionsReadBackAsWrittenWhateverTheirText)
{
    const struct {
        const char* key;
        const char* value;
    } rows[] = {
        {"MatchBegin1", "29"},      {"MATCHEND1", "-9223372036854775807"},
        {"MatchBegin2", "0017"},    {"MatchEnd2", " 5"},
        {"MatchBegin2000000", "8"}, {"MatchBegin02", "3"},
        {"MatchEnd3", "1.5e3"},     {"MatchBegin3", "-9223372036854775808"},
    };
    morvane::MemorySettings settings;
    settings.save("MatchEnd3", "77");
    for (const auto& r : rows)
        settings.save(r.key, r.value);
    for (const auto& r : rows) {
        EXPECT_EQ(settings.get(r.key, "-1"), r.value) << r.key;
        EXPECT_TRUE(settings.contains(r.key));
    }
    EXPECT_EQ(settings.get("MatchBegin4", "-1"), "-1");
    EXPECT_FALSE(settings.contains("MatchEnd4"));
}
