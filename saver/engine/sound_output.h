#pragma once
// Where a chosen sound file goes. The product plays it with QSoundEffect; tests
// record the paths.

#include <string>

namespace morvane {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts playing the WAV file at `path` and returns at once; a sound still
    // playing is cut off. A file that cannot be played gives silence.
    virtual void play(const std::string& path) = 0;
};

} // namespace morvane
