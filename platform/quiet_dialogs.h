#pragma once
// Dialogs where nobody can answer one: inside XScreenSaver's window it holds
// the keyboard and mouse, so a message box would stop the replay until the
// user came back. Each message becomes one line on standard error and goes to
// `status` (the Saver's status line); every question gets its default answer.

#include <functional>

#include "dialogs.h"

namespace morvane {

class QuietDialogs : public MessageOnlyDialogs {
public:
    explicit QuietDialogs(std::function<void(const std::string&)> status = {}) : status_(std::move(status)) {}
    void setStatus(std::function<void(const std::string&)> status) { status_ = std::move(status); }

    MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons) override;

private:
    std::function<void(const std::string&)> status_;
};

// The message as one line: its "\r\n" line breaks become blanks.
std::string oneLine(const std::string& text);

} // namespace morvane
