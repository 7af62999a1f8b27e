#include "tag_value.h"

#include <cstring>

namespace morvane {

std::string TagValue(std::string& fragment)
{
    blankTagMarks(fragment);
    return fragment;
}

void blankTagMarks(std::string& fragment)
{
    for (char& c : fragment) {
        if (c == '[' || c == ']' || c == '"')
            c = ' ';
    }
}

std::string tagFragment(std::string_view gameText, std::string_view tag, std::size_t offset)
{
    return std::string(tagFragmentView(gameText, tag, offset));
}

std::string_view tagFragmentView(std::string_view gameText, std::string_view tag, std::size_t offset)
{
    const std::size_t p = findTag(gameText, tag);
    if (p == std::string_view::npos)
        return {};
    std::size_t q = gameText.find(']', p + 1);
    if (q == std::string_view::npos)
        q = gameText.size();
    if (q < p + offset)
        return {};
    return gameText.substr(p + offset, q - p - offset);
}

std::size_t findTag(std::string_view text, std::string_view tag)
{
    if (tag.empty())
        return 0;
    // A game's text holds few of the tag's first character ("["): each one
    // found is compared in place rather than through a library call.
    const char* data = text.data();
    const char* end = data + text.size();
    for (const char* p = data; tag.size() <= static_cast<std::size_t>(end - p); ++p) {
        p = static_cast<const char*>(std::memchr(p, tag[0], static_cast<std::size_t>(end - p)));
        if (!p || tag.size() > static_cast<std::size_t>(end - p))
            return std::string_view::npos;
        std::size_t k = 1;
        while (k < tag.size() && p[k] == tag[k])
            ++k;
        if (k == tag.size())
            return static_cast<std::size_t>(p - data);
    }
    return std::string_view::npos;
}

} // namespace morvane
