#pragma once
// The one sound procedure: decides from the settings, at every call, whether
// and which WAV file plays for a move, and hands it to the SoundOutput.

#include <cstdint>
#include <string>

#include "settings_access.h"
#include "sound_output.h"

namespace morvane {

class MoveSounds {
public:
    // `dataFolder` holds move.wav, capture.wav and castle.wav; it ends in "/"
    // (one is added when missing).
    MoveSounds(SettingsAccess& settings, SoundOutput& output, std::string dataFolder);

    // kind 1 move, 2 capture, 3 castling (anything else: silence). Reads, in
    // this order, `sound` (mute), `sound<kind>` (enable), `wavfile<kind>`; a
    // file setting that is empty or names no file falls back to the data
    // folder's default, which is not tested.
    void PlayMoveSound(std::int32_t kind);

private:
    SettingsAccess& settings_;
    SoundOutput& output_;
    std::string dataFolder_;
};

// A Boolean setting's text read as a truth value: a number is true when not 0;
// "True"/"False" in any case are read as words; anything else is false.
bool settingIsTrue(const std::string& text);

} // namespace morvane
