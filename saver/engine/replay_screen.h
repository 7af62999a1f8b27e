#pragma once
// What the replay engine asks of the screen that shows it. The Saver screen
// implements it with real widgets and QTimers; the replay tool and tests with
// no window. Every call comes from the engine on the user-interface thread.

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// The screen's labels, by their control names.
enum class ReplayLabel {
    Label1, // Black's name
    Label2, // White's name
    Label3, // Event
    Label4, // Date
    Label5, // status: check notices, results, "Match finished or stopped"
};

class ReplayScreen {
public:
    virtual ~ReplayScreen() = default;

    // Labels
    virtual void setLabel(ReplayLabel label, const std::string& text) = 0;
    // The caption a label shows now (the engine asks for Label5 at a game's end).
    virtual std::string label(ReplayLabel label) const = 0;

    // The printed move list (Picture2). Texts are bytes as read from the file
    // (UTF-8 when valid, else Latin-1; the screen decodes them).
    // Empties the list; the next White move prints on its first line.
    virtual void clearMoveList() = 0;
    // Prints "<moveNumber>. <san>" as a new line; when there is no room for
    // another line the screen first scrolls the list up by one line.
    virtual void printWhiteMove(std::int32_t moveNumber, std::string_view san) = 0;
    // Prints Black's move on the line of the last White move, 1400 twips to the
    // right of where that print began.
    virtual void printBlackMove(std::string_view san) = 0;

    // Timers: Timer1 plays one half-move per tick (its interval is the screen's,
    // from the `Timer` setting); Timer2 loads the next game.
    virtual void setTimer1Enabled(bool on) = 0;
    virtual void setTimer2Enabled(bool on) = 0;
    virtual void setTimer2Interval(std::int32_t milliseconds) = 0;
    // Timer1's interval from now on; asked for only while moves follow the
    // players' clocks or wait for a caption to be read.
    virtual void setTimer1Interval(std::int32_t /*milliseconds*/) {}
    // The comment on the move that stands on the board (empty: none); asked for
    // only while captions are shown.
    virtual void showCaption(const std::string& /*text*/) {}

    // Leaving the replay
    virtual void showCursor() = 0;         // the mouse pointer becomes visible again
    virtual void hideSaver() = 0;          // the Saver window hides (it stays loaded)
    virtual void unloadSaver() = 0;        // the Saver window closes for good
    virtual void showSettingsDialog() = 0; // the settings dialog opens, modeless
    virtual void endProgram() = 0;         // the program ends at once, no further dialogs
};

} // namespace morvane
