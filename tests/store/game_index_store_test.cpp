// The game positions' own table: the same values back under the same keys,
// a few bytes a game, and files of the earlier form converted once.
#include "store_fixture.h"

using namespace morvane;
namespace fs = std::filesystem;

namespace {

using GameIndexStore = StoreTest;

TEST_F(GameIndexStore, EveryValueReadsBackAsWrittenAndDeletesAsBefore)
{
    // Each row writes its values in turn under one key; the last one stays.
    const struct {
        const char* key;
        std::vector<const char*> values;
    } rows[] = {
        {"MatchBegin1", {"29"}},        {"matchend1", {"1234567890123"}}, {"MatchBegin2", {"17", "0017"}},
        {"MatchEnd2", {"1.5e3", "-4"}}, {"MatchBegin3", {"12 ", "12"}},   {"MatchBegin04", {"5"}},
        {"MatchEnd4", {"-0", "abc"}},
    };
    {
        SettingsStore store(path_);
        Config config(store);
        for (const auto& r : rows)
            for (const char* value : r.values)
                config.save(r.key, value);
        config.save("MatchBegin9", "9");
        config.remove("MatchBegin9");
        EXPECT_THROW(config.remove("MatchBegin9"), SettingsError);
        EXPECT_EQ(config.get("MatchBegin9", "-1"), "-1");
        EXPECT_EQ(config.get("MATCHBEGIN1", ""), "29");
    }
    SettingsStore store(path_);
    Config config(store);
    for (const auto& r : rows)
        EXPECT_EQ(config.get(r.key, "-1"), r.values.back()) << r.key;
    EXPECT_NO_THROW(config.remove("MatchEnd2"));
    EXPECT_NO_THROW(config.remove("MatchBegin2"));
    EXPECT_EQ(config.get("MatchBegin2", "-1"), "-1");
    EXPECT_EQ(config.get("MatchEnd2", "-1"), "-1");
}

TEST_F(GameIndexStore, ABigIndexTakesFewBytesAGame)
{
    constexpr int kGames = 20000;
    {
        SettingsStore store(path_);
        Config config(store);
        {
            SettingsStore::Batch batch(store);
            for (int n = 1; n <= kGames; ++n) {
                config.save("MatchBegin" + std::to_string(n), std::to_string(n * 50000LL));
                config.save("MatchEnd" + std::to_string(n), std::to_string(n * 50000LL + 49999));
            }
            batch.commit();
        }
        EXPECT_EQ(config.get("MatchBegin7", ""), "350000");
    }
    EXPECT_LE(fs::file_size(path_), 40u * kGames);
}

TEST_F(GameIndexStore, AFileOfTheEarlierFormIsConvertedOnceWithoutLoss)
{
    makeFile("CREATE TABLE settings (app TEXT NOT NULL COLLATE NOCASE, section TEXT NOT NULL COLLATE NOCASE, key "
             "TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY (app, section, key));"
             "INSERT INTO settings VALUES ('Morvane3', 'Config', 'MatchBegin1', '1'), ('Morvane3', 'Config', "
             "'MatchEnd1', '900'), ('Morvane3', 'Config', 'MatchEnd2', 'x9'), ('Morvane3', 'Config', 'NumOfGames', "
             "'2'), ('Other', 'Config', 'MatchBegin1', '5')",
             false);
    for (int opening = 0; opening < 2; ++opening) {
        SettingsStore store(path_);
        Config config(store);
        EXPECT_EQ(config.get("MatchBegin1", ""), "1");
        EXPECT_EQ(config.get("MatchEnd1", ""), "900");
        EXPECT_EQ(config.get("MatchEnd2", ""), "x9");
        EXPECT_EQ(config.get("NumOfGames", ""), "2");
        EXPECT_EQ(store.GetSetting("Other", "Config", "MatchBegin1", ""), "5");
    }
    EXPECT_EQ(count("SELECT count(*) FROM settings WHERE key LIKE 'Match%' AND app = 'Morvane3'"), 1);
    EXPECT_EQ(count("SELECT match_end FROM game_index WHERE n = 1"), 900);
}

} // namespace
