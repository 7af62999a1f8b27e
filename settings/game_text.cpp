#include "game_text.h"

#include <algorithm>

#include "move_line.h"

namespace morvane {

namespace {

void blankDelimiters(std::string& text)
{
    for (char& c : text)
        if (c == '[' || c == ']' || c == '"')
            c = ' ';
}

} // namespace

std::string MatchEntryText(std::string_view fileText, const GameSpan& span)
{
    if (span.begin < 1 || static_cast<std::size_t>(span.begin - 1) >= fileText.size())
        return {};
    const auto start = static_cast<std::size_t>(span.begin - 1);
    // Never past the game's own end: a file of games without Black tags would
    // otherwise give every row the rest of the file, and painting the list stalls.
    const std::size_t gameEnd =
        span.end > span.begin ? std::min(fileText.size(), static_cast<std::size_t>(span.end - 1)) : fileText.size();
    const std::string_view game = fileText.substr(0, gameEnd);
    std::size_t stop = gameEnd;
    if (const auto black = game.find("[Black ", start); black != std::string_view::npos)
        if (const auto close = game.find(']', black); close != std::string_view::npos)
            stop = close + 1;
    std::string entry(fileText.substr(start, stop - start));
    blankDelimiters(entry);
    return entry;
}

std::optional<GameCut> CutGame(std::string_view fileText, const GameSpan& span)
{
    if (span.begin < 1 || span.end < span.begin || static_cast<std::uint64_t>(span.end - 1) > fileText.size())
        return std::nullopt;
    const auto b = static_cast<std::size_t>(span.begin - 1);
    const auto e = static_cast<std::size_t>(span.end - 1);
    if (fileText.substr(b, 7) != "[Event ")
        return std::nullopt;
    return GameCut{std::string(fileText.substr(0, b)), std::string(fileText.substr(b, e - b)),
                   std::string(fileText.substr(e))};
}

std::string QuotedTagValue(std::string_view gameText, std::string_view opening)
{
    const auto p = gameText.find(opening);
    if (p == std::string_view::npos)
        return {};
    std::string value;
    for (auto i = p + opening.size(); i < gameText.size(); ++i) {
        const char c = gameText[i];
        if (c == '"')
            return value;
        if (c == '\\' && i + 1 < gameText.size() && (gameText[i + 1] == '"' || gameText[i + 1] == '\\'))
            ++i;
        value += gameText[i];
    }
    return {};
}

std::optional<std::string> ResultTagValue(std::string_view gameText)
{
    const auto p = gameText.find("[Result");
    if (p == std::string_view::npos)
        return std::nullopt;
    const auto q = gameText.find(']', p);
    if (q == std::string_view::npos)
        return std::nullopt;
    // Between "[Result" and the character before "]" (normally the closing quote).
    const auto from = p + 7;
    std::string value = q > from ? std::string(gameText.substr(from, q - from - 1)) : std::string();
    blankDelimiters(value);
    return trimmedCopy(value);
}

} // namespace morvane
