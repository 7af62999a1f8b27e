#pragma once
// Tag values as the replay shows them.

#include <span>
#include <string>
#include <string_view>

namespace morvane {

// Replaces every "[", "]" and double quote of `fragment` by a blank, in place,
// and returns the result (same length).
std::string TagValue(std::string& fragment);
// The same in place only, for callers that need no copy.
void blankTagMarks(std::string& fragment);

// The fragment the loader shows for a tag: from the first occurrence of `tag`
// (for example "[White"), skipping `offset` characters, up to the first "]"
// after the tag. An absent tag gives the empty text; a tag with no "]" after
// it runs to the end of the game's text.
std::string tagFragment(std::string_view gameText, std::string_view tag, std::size_t offset);
// The same as a view into the game's text.
std::string_view tagFragmentView(std::string_view gameText, std::string_view tag, std::size_t offset);
// The same for a tag already found at `p` (npos: absent).
std::string_view tagFragmentAt(std::string_view gameText, std::size_t p, std::size_t offset);

// The first occurrence of `tag` in `text` (text.find(tag)), for tags that
// begin with "[".
std::size_t findTag(std::string_view text, std::string_view tag);
// findTag() of each of `tags` (all beginning with "[") in one pass over the
// text's "[" characters: `at[i]` is where `tags[i]` first occurs. A game's
// tags are looked up together rather than each from the start of the text.
void findTags(std::string_view text, std::span<const std::string_view> tags, std::span<std::size_t> at);

// Trims blanks at both ends (blanks only, as the shown values need). Inline:
// the move lists trim a token or two for every move.
inline std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace morvane
