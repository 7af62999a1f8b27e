#include "move_sounds.h"

#include "engine_fixture.h"

using enginetest::RecordingSound;
using enginetest::TempDir;
using morvane::MemorySettings;
using morvane::MoveSounds;

namespace {

struct SoundRig {
    TempDir dir;
    MemorySettings settings;
    RecordingSound output;
    MoveSounds sounds{settings, output, dir.path()};
    std::string inFolder(const std::string& name) const { return dir.path() + "/" + name; }
};

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
        SoundRig rig;
        auto inFolder = [&rig](std::string text) {
            return text.rfind("%/", 0) == 0 ? rig.inFolder(text.substr(2)) : text;
        };
        rig.dir.write("mine.wav", "RIFF");
        for (const auto& [key, value] : row.settings)
            rig.settings.save(key, inFolder(value));
        for (int kind = 0; kind <= 4; ++kind)
            rig.sounds.PlayMoveSound(kind);
        std::vector<std::string> expected;
        for (const std::string& file : row.played)
            expected.push_back(inFolder(file));
        EXPECT_EQ(rig.output.played, expected) << row.name;
    }
}

TEST(MoveSound, ChangesTakeEffectWithTheNextMove)
{
    SoundRig rig;
    rig.sounds.PlayMoveSound(1);
    rig.settings.save("sound", "True");
    rig.sounds.PlayMoveSound(1);
    EXPECT_EQ(rig.output.played.size(), 1u);
}

TEST(MoveSound, BooleanTexts)
{
    EXPECT_TRUE(morvane::settingIsTrue("1"));
    EXPECT_TRUE(morvane::settingIsTrue("-1"));
    EXPECT_TRUE(morvane::settingIsTrue("True"));
    EXPECT_TRUE(morvane::settingIsTrue(" TRUE "));
    EXPECT_FALSE(morvane::settingIsTrue("0"));
    EXPECT_FALSE(morvane::settingIsTrue("False"));
    EXPECT_FALSE(morvane::settingIsTrue(""));
}

} // namespace
