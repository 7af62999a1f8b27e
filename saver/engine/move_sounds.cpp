#include "move_sounds.h"

#include "pgn_file.h"
#include "settings_store.h"

namespace morvane {

namespace {

struct SoundRow {
    const char* enableKey;
    const char* fileKey;
    const char* defaultFile;
};

constexpr SoundRow kRows[] = {
    {"sound1", "wavfile1", "move.wav"},
    {"sound2", "wavfile2", "capture.wav"},
    {"sound3", "wavfile3", "castle.wav"},
};

std::string lowered(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

} // namespace

bool settingIsTrue(const std::string& text)
{
    const std::string word = lowered(text);
    const std::size_t first = word.find_first_not_of(' ');
    if (first != std::string::npos) {
        const std::string trimmed = word.substr(first, word.find_last_not_of(' ') - first + 1);
        if (trimmed == "true")
            return true;
        if (trimmed == "false")
            return false;
    }
    return numericValue(text) != 0.0;
}

MoveSounds::MoveSounds(SettingsAccess& settings, SoundOutput& output, std::string dataFolder)
    : settings_(settings), output_(output), dataFolder_(std::move(dataFolder))
{
    if (!dataFolder_.empty() && dataFolder_.back() != '/' && dataFolder_.back() != '\\')
        dataFolder_ += '/';
}

void MoveSounds::PlayMoveSound(std::int32_t kind)
{
    if (settingIsTrue(settings_.get("sound", "False")))
        return;
    if (kind < 1 || kind > 3)
        return;
    const SoundRow& row = kRows[kind - 1];
    if (!settingIsTrue(settings_.get(row.enableKey, "True")))
        return;
    const std::string fallback = dataFolder_ + row.defaultFile;
    std::string file = settings_.get(row.fileKey, fallback);
    if (file.empty() || !isFile(file))
        file = fallback;
    output_.play(file);
}

} // namespace morvane
