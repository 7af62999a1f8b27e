#pragma once
// The message boxes the replay needs, without Qt. The product implements this
// with QMessageBox titled "Morvane3"; tests script the answers and record the
// texts; the replay tool turns the first message of a game into its outcome.

#include <string>

namespace morvane {

enum class MessageIcon { None, Critical, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows `text` (lines separated by CR LF) modally and returns the button
    // pressed. With MessageButtons::Ok the answer is always MessageAnswer::Ok.
    virtual MessageAnswer message(const std::string& text, MessageIcon icon, MessageButtons buttons) = 0;
};

} // namespace morvane
