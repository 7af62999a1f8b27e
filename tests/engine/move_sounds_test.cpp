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

TEST(MoveSound, ReadsMuteThenEnableThenFile)
{
    SoundRig rig;
    rig.settings.recordReads = true;
    rig.sounds.PlayMoveSound(2);
    EXPECT_EQ(rig.settings.reads, (std::vector<std::string>{"sound", "sound2", "wavfile2"}));
    EXPECT_EQ(rig.output.played, std::vector<std::string>{rig.inFolder("capture.wav")});
}

TEST(MoveSound, MuteSilencesEveryKind)
{
    SoundRig rig;
    rig.settings.save("sound", "1");
    rig.settings.recordReads = true;
    for (int kind = 1; kind <= 3; ++kind)
        rig.sounds.PlayMoveSound(kind);
    EXPECT_TRUE(rig.output.played.empty());
    EXPECT_EQ(rig.settings.reads, (std::vector<std::string>{"sound", "sound", "sound"}));
}

TEST(MoveSound, EnableKeysPerKind)
{
    SoundRig rig;
    rig.settings.save("Sound1", "0");
    rig.settings.save("sound2", "1");
    rig.sounds.PlayMoveSound(1);
    rig.sounds.PlayMoveSound(2);
    EXPECT_EQ(rig.output.played, std::vector<std::string>{rig.inFolder("capture.wav")});
}

TEST(MoveSound, FileSettingsAndTheirFallbacks)
{
    SoundRig rig;
    const std::string mine = rig.dir.write("mine.wav", "RIFF");
    rig.settings.save("WavFile1", mine);
    rig.settings.save("wavfile2", rig.inFolder("deleted.wav"));
    rig.settings.save("wavfile3", "");
    rig.sounds.PlayMoveSound(1);
    rig.sounds.PlayMoveSound(2);
    rig.sounds.PlayMoveSound(3);
    EXPECT_EQ(rig.output.played,
              (std::vector<std::string>{mine, rig.inFolder("capture.wav"), rig.inFolder("castle.wav")}));
}

TEST(MoveSound, ChangesTakeEffectWithTheNextMove)
{
    SoundRig rig;
    rig.sounds.PlayMoveSound(1);
    rig.settings.save("sound", "True");
    rig.sounds.PlayMoveSound(1);
    EXPECT_EQ(rig.output.played.size(), 1u);
}

TEST(MoveSound, UnknownKindIsSilent)
{
    SoundRig rig;
    rig.sounds.PlayMoveSound(0);
    rig.sounds.PlayMoveSound(4);
    EXPECT_TRUE(rig.output.played.empty());
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
