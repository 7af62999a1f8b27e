#include "move_sounds.h"

#include "engine_fixture.h"

namespace {

// Kinds 0 to 4 played once each under the row's settings; "%/" is the data folder.
TEST(MoveSound, SettingsChooseWhatPlays)
{
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, std::string>> settings;
        std::vector<std::string> played;
    };
    const std::vector<Row> rows = {
        {"defaults", {}, {"%/move.wav", "%/capture.wav", "%/castle.wav"}},
        {"mute silences every kind", {{"sound", "1"}}, {}},
        {"enable keys per kind, in any letter case",
         {{"Sound1", "0"}, {"sound2", "1"}},
         {"%/capture.wav", "%/castle.wav"}},
        {"a file of one's own, a missing file and an empty setting",
         {{"WavFile1", "%/mine.wav"}, {"wavfile2", "%/deleted.wav"}, {"wavfile3", ""}},
         {"%/mine.wav", "%/capture.wav", "%/castle.wav"}},
    };
    for (const Row& row : rows) {
        enginetest::Rig rig;
        auto inFolder = [&rig](std::string text) {
            return text.rfind("%/", 0) == 0 ? rig.dir.file(text.substr(2)) : text;
        };
        rig.dir.write("mine.wav", "RIFF");
        for (const auto& [key, value] : row.settings)
            rig.settings.save(key, inFolder(value));
        for (int kind = 0; kind <= 4; ++kind)
            rig.sounds.PlayMoveSound(kind);
        // Settings are read at each move, not once.
        rig.settings.save("sound", "True");
        rig.sounds.PlayMoveSound(1);
        std::vector<std::string> expected;
        for (const std::string& file : row.played)
            expected.push_back(inFolder(file));
        EXPECT_EQ(rig.sound.played, expected) << row.name;
    }
    for (const char* yes : {"1", "-1", "True", " TRUE "})
        EXPECT_TRUE(morvane::settingIsTrue(yes)) << yes;
    for (const char* no : {"0", "False", ""})
        EXPECT_FALSE(morvane::settingIsTrue(no)) << no;
}

} // namespace
