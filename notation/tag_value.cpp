#include "tag_value.h"

namespace morvane {

std::string TagValue(std::string& fragment)
{
    for (char& c : fragment) {
        if (c == '[' || c == ']' || c == '"')
            c = ' ';
    }
    return fragment;
}

std::string tagFragment(std::string_view gameText, std::string_view tag, std::size_t offset)
{
    const std::size_t p = gameText.find(tag);
    if (p == std::string_view::npos)
        return {};
    std::size_t q = gameText.find(']', p + 1);
    if (q == std::string_view::npos)
        q = gameText.size();
    if (q < p + offset)
        return {};
    return std::string(gameText.substr(p + offset, q - p - offset));
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace morvane
