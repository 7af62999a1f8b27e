#include "clean_pgn.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstring>

namespace morvane {

namespace {

// Either character in the text (two memchr scans; find_first_of would test
// every character against the set one call at a time).
bool holdsEither(std::string_view s, char a, char b)
{
    // An empty view may have no storage at all, which memchr must never see.
    if (s.empty())
        return false;
    return std::memchr(s.data(), a, s.size()) != nullptr || std::memchr(s.data(), b, s.size()) != nullptr;
}

// A double-quoted value inside a bracket group, starting at the quote `p`:
// returns the position just after its closing quote, or nullptr when the value
// does not close on its line (then the quote is an ordinary character).
// Backslash escapes a quote or a backslash, as in tag values.
const char* skipQuoted(const char* p, const char* end)
{
    for (const char* q = p + 1; q < end; ++q) {
        if (*q == '\\' && q + 1 < end && (q[1] == '"' || q[1] == '\\')) {
            ++q;
            continue;
        }
        if (*q == '"')
            return q + 1;
        if (*q == '\n' || *q == '\r')
            return nullptr;
    }
    return nullptr;
}

// The "]" that closes the group opened at `open` when quoted values may hold
// "]": searched on the group's own line only. Nothing when the line ends first,
// and then the group ends at the first "]" as the written rules have it, so a
// value that merely looks quoted (`[Annotator "Joe]"`) never costs a game.
const char* quotedGroupEnd(const char* open, const char* end)
{
    for (const char* q = open + 1; q < end;) {
        if (*q == ']')
            return q;
        if (*q == '\n' || *q == '\r')
            return nullptr;
        if (*q == '"') {
            if (const char* after = skipQuoted(q, end)) {
                q = after;
                continue;
            }
        }
        ++q;
    }
    return nullptr;
}

// Stage 1. A group runs from "[" to the first "]" after it that is not inside a
// quoted value on the group's line. A "]" before the first remaining "[" is an imbalance when a "["
// still follows anywhere; when none follows, the rest of the text stays as it is.
// Reads the game's own text and writes `out`: the first stage copies nothing twice.
bool removeBracketGroups(std::string_view s, std::string& out)
{
    out.clear();
    if (!holdsEither(s, '[', ']')) {
        out.assign(s);
        return true;
    }
    out.reserve(s.size());
    const char* p = s.data();
    const char* end = p + s.size();
    while (p < end) {
        const char* open = static_cast<const char*>(std::memchr(p, '[', static_cast<std::size_t>(end - p)));
        const char* stop = open ? open : end;
        const char* stray = static_cast<const char*>(std::memchr(p, ']', static_cast<std::size_t>(stop - p)));
        if (stray) {
            if (open)
                return false;
            out.append(p, end);
            break;
        }
        if (!open) {
            out.append(p, end);
            break;
        }
        out.append(p, open);
        const char* q = quotedGroupEnd(open, end);
        if (!q)
            q = static_cast<const char*>(std::memchr(open + 1, ']', static_cast<std::size_t>(end - open - 1)));
        if (!q)
            return false;
        p = q + 1;
    }
    return true;
}

// Stage 2: "{" pairs with the first "}" after it; no nesting.
bool removeComments(std::string& s, std::string& out)
{
    if (!holdsEither(s, '{', '}'))
        return true;
    out.clear();
    out.reserve(s.size());
    const char* p = s.data();
    const char* end = p + s.size();
    while (p < end) {
        const char* open = static_cast<const char*>(std::memchr(p, '{', static_cast<std::size_t>(end - p)));
        const char* stop = open ? open : end;
        const char* stray = static_cast<const char*>(std::memchr(p, '}', static_cast<std::size_t>(stop - p)));
        if (stray) {
            if (open)
                return false;
            out.append(p, end);
            break;
        }
        if (!open) {
            out.append(p, end);
            break;
        }
        out.append(p, open);
        const char* close =
            static_cast<const char*>(std::memchr(open + 1, '}', static_cast<std::size_t>(end - open - 1)));
        if (!close)
            return false;
        p = close + 1;
    }
    s.swap(out);
    return true;
}

// Stage 3: balanced "(...)" groups go whole (removing innermost first leaves the
// same text). A ")" outside every group is an imbalance when a "(" follows.
bool removeVariations(std::string& s, std::string& out)
{
    if (!holdsEither(s, '(', ')'))
        return true;
    out.clear();
    out.reserve(s.size());
    const char* p = s.data();
    const char* end = p + s.size();
    while (p < end) {
        const char* open = static_cast<const char*>(std::memchr(p, '(', static_cast<std::size_t>(end - p)));
        const char* stop = open ? open : end;
        const char* stray = static_cast<const char*>(std::memchr(p, ')', static_cast<std::size_t>(stop - p)));
        if (stray) {
            if (open)
                return false;
            out.append(p, end);
            break;
        }
        if (!open) {
            out.append(p, end);
            break;
        }
        out.append(p, open);
        std::size_t depth = 1;
        const char* q = open + 1;
        for (; q < end && depth > 0; ++q) {
            if (*q == '(')
                ++depth;
            else if (*q == ')')
                --depth;
        }
        if (depth > 0)
            return false;
        p = q;
    }
    s.swap(out);
    return true;
}

// Stages 4 and 5 in one pass: line breaks and TABs become blanks, then each "$" and what
// follows it up to the next blank (a line break counts, being a blank by then).
void blankBreaksAndNags(std::string& s)
{
    char* p = s.data();
    char* end = p + s.size();
    // A TAB separates tokens as a line break does. Sixteen characters a step:
    // every game's text passes here once.
    char* q = p;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i blank = _mm_set1_epi8(' ');
    for (; end - q >= 16; q += 16) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        const __m128i breaks = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chars, lf), _mm_cmpeq_epi8(chars, cr)),
                                            _mm_cmpeq_epi8(chars, tab));
        const __m128i out = _mm_or_si128(_mm_and_si128(breaks, blank), _mm_andnot_si128(breaks, chars));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(q), out);
    }
#endif
    for (; q < end; ++q) {
        if (*q == '\n' || *q == '\r' || *q == '\t')
            *q = ' ';
    }
    for (q = p; q < end;) {
        q = static_cast<char*>(std::memchr(q, '$', static_cast<std::size_t>(end - q)));
        if (!q)
            break;
        while (q < end && *q != ' ')
            *q++ = ' ';
    }
}

} // namespace

CleanResult CleanPGN(std::string_view text)
{
    CleanResult result;
    std::string scratch;
    result.imbalance = CleanPGNInto(text, result.text, scratch);
    return result;
}

Imbalance CleanPGNInto(std::string_view text, std::string& out, std::string& scratch)
{
    Imbalance imbalance = Imbalance::None;
    if (!removeBracketGroups(text, out))
        imbalance = Imbalance::Brackets;
    else if (!removeComments(out, scratch))
        imbalance = Imbalance::Braces;
    else if (!removeVariations(out, scratch))
        imbalance = Imbalance::Parentheses;
    if (imbalance != Imbalance::None) {
        out.clear();
        return imbalance;
    }
    blankBreaksAndNags(out);
    return Imbalance::None;
}

std::string imbalanceMessage(Imbalance imbalance)
{
    const std::string first = "- There is an error in this PGN file.\r\n";
    switch (imbalance) {
    case Imbalance::Brackets:
        return first + "- number of left brackets are not equal to number of right brackets";
    case Imbalance::Braces:
        return first + "- number of left braces '{' are not equal to number of right braces '}'";
    case Imbalance::Parentheses:
        return first + "- number of left parenthesis are not equal to number of right parenthesis";
    case Imbalance::None:
        break;
    }
    return {};
}

} // namespace morvane
