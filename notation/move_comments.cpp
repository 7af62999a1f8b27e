#include "move_comments.h"

#include <algorithm>
#include <cstdlib>

#include "move_list.h"

namespace morvane {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Appends `words` to `out` with every run of blanks made one blank.
void appendWords(std::string& out, std::string_view words)
{
    for (char c : words) {
        if (isBlank(c)) {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else {
            out += c;
        }
    }
}

// Reads the main line: move numbers set the half-move the next move is, a move
// without a number follows the one before, and comments go to the last move.
class NoteReader {
public:
    void token(std::string_view t);
    void comment(std::string_view text);
    MoveNotes notes;

private:
    std::int64_t number_ = 1;
    bool black_ = false;
    std::optional<std::int64_t> last_;
};

void NoteReader::token(std::string_view t)
{
    if (isTerminationMarker(t))
        return;
    std::size_t digits = 0;
    while (digits < t.size() && isDigit(t[digits]))
        ++digits;
    if (digits > 0 && digits < t.size() && t[digits] == '.' && digits <= 9) {
        std::size_t dots = digits;
        while (dots < t.size() && t[dots] == '.')
            ++dots;
        number_ = std::strtoll(std::string(t.substr(0, digits)).c_str(), nullptr, 10);
        black_ = dots - digits >= 3;
        t.remove_prefix(dots);
    }
    // Annotation glyphs and NAGs standing alone are no moves.
    if (t.empty() || t[0] == '$' || t.find_first_not_of("!?.") == std::string_view::npos)
        return;
    last_ = halfMoveKey(number_, black_);
    if (black_)
        ++number_;
    black_ = !black_;
}

void NoteReader::comment(std::string_view text)
{
    if (!last_)
        return;
    MoveNote& note = notes[*last_];
    std::string words;
    std::size_t from = 0;
    for (std::size_t open = text.find("[%"); open != std::string_view::npos; open = text.find("[%", from)) {
        appendWords(words, text.substr(from, open - from));
        const std::size_t close = text.find(']', open);
        const std::string_view command =
            text.substr(open + 2, (close == std::string_view::npos ? text.size() : close) - open - 2);
        from = close == std::string_view::npos ? text.size() : close + 1;
        const std::size_t blank = command.find(' ');
        if (blank == std::string_view::npos)
            continue;
        const std::string_view name = command.substr(0, blank);
        std::string_view value = command.substr(blank + 1);
        value = value.substr(0, value.find(' '));
        if (name == "clk")
            note.clock = clockSeconds(value);
        else if (name == "emt")
            note.elapsed = clockSeconds(value);
    }
    if (from < text.size())
        appendWords(words, text.substr(from));
    if (!words.empty() && words.back() == ' ')
        words.pop_back();
    const std::string_view trimmed = std::string_view(words).substr(words.starts_with(' ') ? 1 : 0);
    if (trimmed.empty())
        return;
    if (!note.caption.empty())
        note.caption += ' ';
    note.caption += trimmed;
}

// The end of a "[...]" group opened at `open`: the first "]" outside a quoted
// value (a quote runs to its line's end at most); the text's end when none.
std::size_t groupEnd(std::string_view s, std::size_t open)
{
    bool quoted = false;
    for (std::size_t i = open + 1; i < s.size(); ++i) {
        const char c = s[i];
        if (quoted && c == '\\' && i + 1 < s.size())
            ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (c == '\n')
            quoted = false;
        else if (c == ']' && !quoted)
            return i;
    }
    return s.size();
}

} // namespace

MoveNotes readMoveNotes(std::string_view s)
{
    NoteReader reader;
    int depth = 0;
    std::size_t start = std::string_view::npos; // of the token being read
    for (std::size_t i = 0; i <= s.size(); ++i) {
        const char c = i < s.size() ? s[i] : ' ';
        const bool ends = isBlank(c) || c == '{' || c == '}' || c == '(' || c == ')' || c == '[';
        if (!ends) {
            if (start == std::string_view::npos)
                start = i;
            continue;
        }
        if (start != std::string_view::npos && depth == 0)
            reader.token(s.substr(start, i - start));
        start = std::string_view::npos;
        if (c == '[') {
            i = groupEnd(s, i);
        } else if (c == '{') {
            const std::size_t close = std::min(s.find('}', i + 1), s.size());
            if (depth == 0)
                reader.comment(s.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        }
    }
    return std::move(reader.notes);
}

std::optional<double> clockSeconds(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789:.") != std::string_view::npos)
        return std::nullopt;
    double seconds = 0;
    int fields = 0;
    while (!text.empty()) {
        const std::size_t colon = text.find(':');
        const std::string field(text.substr(0, colon));
        char* end = nullptr;
        const double value = std::strtod(field.c_str(), &end);
        if (field.empty() || *end != '\0' || ++fields > 3 ||
            (colon != std::string_view::npos && field.find('.') != std::string::npos))
            return std::nullopt;
        seconds = seconds * 60 + value;
        text = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
        if (colon != std::string_view::npos && text.empty())
            return std::nullopt;
    }
    return seconds;
}

} // namespace morvane
