#pragma once
// The program's start: data folder, run mode, and the window that mode shows.

#include <string>

#include "command_line.h"
#include "run_mode.h"

class QApplication;

namespace morvane {

class SettingsStore;

// Values fixed once by the entry procedure and read by the forms.
struct ProgramState {
    RunMode runMode = RunMode::Settings;
    std::string appPath; // data folder, ends in a separator
};

ProgramState& programState();

// Runs the entry procedure for `line` and then the event loop; returns the exit status.
int runEntry(QApplication& app, SettingsStore& store, const CommandLine& line);

} // namespace morvane
