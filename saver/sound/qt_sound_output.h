#pragma once
// Plays the move sounds with QSoundEffect: asynchronous, and a new sound cuts
// off the one still playing. Without an audio device Qt warns once and plays
// nothing; nothing here waits for the sound.

#include <QString>

#include <map>
#include <memory>
#include <string>

#include "sound_output.h"

class QSoundEffect;

namespace morvane {

class QtSoundOutput : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    QtSoundOutput(const QtSoundOutput&) = delete;
    QtSoundOutput& operator=(const QtSoundOutput&) = delete;

    void play(const std::string& path) override;

private:
    // One effect per file, loaded once and kept: WAV files are small.
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace morvane
