#pragma once
// Reducing one game's text to bare movetext: tag pairs (and any other bracketed
// text), comments, variations, line breaks and NAGs go, in five stages. An
// unbalanced bracket, brace or parenthesis stops the cleaning with a message.

#include <string>
#include <string_view>

namespace morvane {

enum class Imbalance { None, Brackets, Braces, Parentheses };

struct CleanResult {
    std::string text;                      // the movetext; empty after an imbalance
    Imbalance imbalance = Imbalance::None; // the stage that found one
};

// The five stages, in order: "[...]" groups (a "[" or "]" inside a double-quoted
// tag value belongs to the value), "{...}" comments, "(...)" variations from the
// innermost out, CR and LF to blanks, "$<digits>" to blanks up to the next blank
// (to the end of the text when none follows). Runs in one pass per stage.
CleanResult CleanPGN(std::string_view text);
// The same into `out`, with `scratch` for the stages: both keep their storage
// from call to call. `out` is empty after an imbalance.
Imbalance CleanPGNInto(std::string_view text, std::string& out, std::string& scratch);

// The message box text for an imbalance (two lines joined by CR LF); empty for None.
std::string imbalanceMessage(Imbalance imbalance);

} // namespace morvane
