#pragma once
// A replay engine on a board, with a recording screen, scripted dialogs,
// settings in memory and a data folder of its own in a temporary directory.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "board_model.h"
#include "memory_settings.h"
#include "move_sounds.h"
#include "replay_engine.h"
#include "replay_screen.h"
#include "scripted_dialogs.h"

namespace enginetest {

class TempDir {
public:
    TempDir() : path_((std::filesystem::temp_directory_path() / "morvane3-engine-XXXXXX").string())
    {
        if (!::mkdtemp(path_.data()))
            path_.clear();
    }
    ~TempDir() { std::filesystem::remove_all(path_, ec_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
        return file(name);
    }
    // `bytes` at `offset` of a sparse file: a hole makes a huge file without writing it.
    bool writeAt(const std::string& name, std::int64_t offset, const std::string& bytes) const
    {
        const int fd = ::open(file(name).c_str(), O_WRONLY | O_CREAT, 0600);
        const bool written = ::pwrite(fd, bytes.data(), bytes.size(), offset) == static_cast<ssize_t>(bytes.size());
        ::close(fd);
        return written;
    }

private:
    std::string path_;
    std::error_code ec_;
};

class RecordingScreen : public morvane::ReplayScreen {
public:
    std::string labels[5];
    std::vector<std::string> printed; // "1. e4", then "e5" for Black
    std::vector<std::string> calls;   // cursor, hide, unload, settings, end, clear
    std::vector<std::string> captions;
    std::vector<std::int32_t> intervals; // Timer1's, each time the engine sets it
    bool timer1 = false;
    bool timer2 = false;
    std::int32_t timer2Interval = -1;

    void setLabel(morvane::ReplayLabel label, const std::string& text) override
    {
        labels[static_cast<int>(label)] = text;
    }
    std::string label(morvane::ReplayLabel label) const override { return labels[static_cast<int>(label)]; }
    void clearMoveList() override
    {
        printed.clear();
        calls.emplace_back("clear");
    }
    void printWhiteMove(std::int32_t n, std::string_view san) override
    {
        printed.push_back(std::to_string(n) + ". " + std::string(san));
    }
    void printBlackMove(std::string_view san) override { printed.emplace_back(san); }
    void setTimer1Enabled(bool on) override { timer1 = on; }
    void setTimer2Enabled(bool on) override { timer2 = on; }
    void setTimer2Interval(std::int32_t ms) override { timer2Interval = ms; }
    void setTimer1Interval(std::int32_t ms) override { intervals.push_back(ms); }
    void showCaption(const std::string& text) override { captions.push_back(text); }
    void showCursor() override { calls.emplace_back("cursor"); }
    void hideSaver() override { calls.emplace_back("hide"); }
    void unloadSaver() override { calls.emplace_back("unload"); }
    void showSettingsDialog() override { calls.emplace_back("settings"); }
    void endProgram() override { calls.emplace_back("end"); }
    std::string status() const { return labels[4]; }
};

class RecordingSound : public morvane::SoundOutput {
public:
    std::vector<std::string> played;
    void play(const std::string& path) override { played.push_back(path); }
};

// A game in PGN with the given tags and movetext.
inline std::string game(const std::string& white, const std::string& black, const std::string& movetext,
                        const std::string& result = "")
{
    std::string text =
        "[Event \"Test\"]\n[Date \"2024.01.01\"]\n[White \"" + white + "\"]\n[Black \"" + black + "\"]\n";
    if (!result.empty())
        text += "[Result \"" + result + "\"]\n";
    return text + "\n" + movetext + "\n\n";
}

struct Rig {
    TempDir dir;
    quill::BoardModel board;
    RecordingScreen screen;
    testutil::ScriptedDialogs dialogs;
    morvane::MemorySettings settings;
    RecordingSound sound;
    morvane::MoveSounds sounds{settings, sound, dir.path()};
    morvane::ReplayEngine engine{board, screen, dialogs, settings, &sounds, dir.path()};

    // Writes `name` and makes it the indexed PGN file.
    std::string usePgn(const std::string& name, const std::string& bytes)
    {
        std::string path = dir.write(name, bytes);
        EXPECT_TRUE(engine.EnumDefault(path));
        settings.save("PGNFile", path);
        return path;
    }
    // Ticks Timer1 until the game ends (Timer2 due) or `limit` ticks.
    void playGame(int limit = 2000)
    {
        for (int i = 0; i < limit && screen.timer1 && !ended(); ++i)
            engine.Timer1_Timer();
    }
    bool ended() const { return std::find(screen.calls.begin(), screen.calls.end(), "end") != screen.calls.end(); }
};

} // namespace enginetest
