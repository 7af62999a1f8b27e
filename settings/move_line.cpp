#include "move_line.h"

#include <cstdlib>

namespace morvane {

std::string trimmedCopy(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string MoveLine(std::string_view numberCaption, std::string_view white, std::string_view black)
{
    std::string line(numberCaption);
    line += ' ';
    line += white;
    if (white.size() < kMoveFieldWidth)
        line.append(kMoveFieldWidth - white.size(), ' ');
    if (!black.empty()) {
        if (black.size() < kMoveFieldWidth)
            line.append(kMoveFieldWidth - black.size(), ' ');
        line += black;
    }
    return line;
}

MoveLineFields SplitMoveLine(std::string_view line)
{
    MoveLineFields fields;
    const auto dot = line.find('.');
    if (dot == std::string_view::npos) {
        fields.white = trimmedCopy(line);
        return fields;
    }
    const std::size_t d = dot + 1; // 1-based position of the "."
    fields.numberCaption = std::string(line.substr(0, d));
    fields.number = std::strtol(std::string(line.substr(0, dot)).c_str(), nullptr, 10);
    const std::string_view rest = line.substr(d);
    if (rest.size() < kMoveFieldWidth + 2) {
        fields.white = trimmedCopy(rest);
        return fields;
    }
    fields.black = trimmedCopy(rest.substr(rest.size() - kMoveFieldWidth));
    fields.white = trimmedCopy(rest.substr(0, rest.size() - kMoveFieldWidth));
    return fields;
}

} // namespace morvane
