#include "pgn_writer.h"

#include <array>

namespace morvane {

namespace {

constexpr const char* kCrLf = "\r\n";

void appendTag(std::string& out, const char* name, const std::string& value)
{
    out += '[';
    out += name;
    out += " \"";
    // Escaped, a quote or backslash in a name cannot close the tag early and let
    // the rest of the name be read as tags of its own.
    for (const char c : value) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += "\"]";
    out += kCrLf;
}

} // namespace

std::string ResultForChoice(int choice)
{
    static const std::array<const char*, 5> results = {"1-0", "0-1", "1/2-1/2", "*", "*"};
    if (choice < 0 || choice >= static_cast<int>(results.size()))
        return {};
    return results[static_cast<std::size_t>(choice)];
}

std::string PgnFileText(const std::string& before, const PgnGame& game, const std::string& after)
{
    std::string out;
    out.reserve(before.size() + after.size() + game.moveText.size() + 256);
    out += before;
    out += kCrLf;
    out += kCrLf;
    appendTag(out, "Event", game.event);
    appendTag(out, "Site", game.site);
    appendTag(out, "Date", game.date);
    appendTag(out, "White", game.white);
    appendTag(out, "Black", game.black);
    appendTag(out, "Result", game.result);
    out += game.setUpTags;
    out += game.moveText;
    out += ' ';
    out += game.result;
    out += kCrLf;
    out += after;
    out += kCrLf;
    return out;
}

} // namespace morvane
