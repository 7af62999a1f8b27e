#include "tag_value.h"

#include <array>
#include <cstring>

namespace morvane {

std::string TagValue(std::string& fragment)
{
    blankTagMarks(fragment);
    return fragment;
}

namespace {

// Every character as blankTagMarks leaves it: a table rather than three
// compares a character, as every label of every game goes through it.
constexpr std::array<char, 256> kBlankedMarks = [] {
    std::array<char, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c)
        table[c] = static_cast<char>(c);
    table['['] = ' ';
    table[']'] = ' ';
    table['"'] = ' ';
    return table;
}();

} // namespace

void blankTagMarks(std::string& fragment)
{
    for (char& c : fragment)
        c = kBlankedMarks[static_cast<unsigned char>(c)];
}

std::string tagFragment(std::string_view gameText, std::string_view tag, std::size_t offset)
{
    return std::string(tagFragmentView(gameText, tag, offset));
}

std::string_view tagFragmentView(std::string_view gameText, std::string_view tag, std::size_t offset)
{
    return tagFragmentAt(gameText, findTag(gameText, tag), offset);
}

std::string_view tagFragmentAt(std::string_view gameText, std::size_t p, std::size_t offset)
{
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

void findTags(std::string_view text, std::span<const std::string_view> tags, std::span<std::size_t> at)
{
    std::size_t missing = tags.size();
    for (std::size_t& p : at)
        p = std::string_view::npos;
    const char* data = text.data();
    const char* end = data + text.size();
    for (const char* p = data; missing != 0 && p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '[', static_cast<std::size_t>(end - p)));
        if (!p)
            break;
        const std::string_view rest(p, static_cast<std::size_t>(end - p));
        for (std::size_t i = 0; i < tags.size(); ++i) {
            const std::string_view tag = tags[i];
            // Tag names mostly differ in their first letter: it is compared first.
            if (at[i] == std::string_view::npos && rest.size() >= tag.size() && (tag.size() < 2 || rest[1] == tag[1]) &&
                rest.starts_with(tag)) {
                at[i] = static_cast<std::size_t>(p - data);
                --missing;
            }
        }
    }
}

} // namespace morvane
