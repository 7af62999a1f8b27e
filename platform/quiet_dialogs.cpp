#include "quiet_dialogs.h"

#include <cstdio>

namespace morvane {

std::string oneLine(const std::string& text)
{
    std::string line;
    for (const char c : text) {
        if (c == '\r')
            continue;
        line += c == '\n' ? ' ' : c;
    }
    return line;
}

MsgAnswer QuietDialogs::message(const std::string& text, MsgIcon /*icon*/, MsgButtons buttons)
{
    const std::string line = oneLine(text);
    std::fprintf(stderr, "morvane3: %s\n", line.c_str());
    std::fflush(stderr);
    if (status_)
        status_(line);
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
}

} // namespace morvane
