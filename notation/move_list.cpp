#include "move_list.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <unordered_map>
#include <utility>

#include "tag_value.h"

namespace morvane {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// First positions of the Black continuations " <n>..." in the text, kept up to
// date while they are blanked, so that each move number does not search the
// whole text again.
class Continuations {
public:
    explicit Continuations(const std::string& s)
    {
        for (std::size_t x = s.find("..."); x != std::string::npos; x = s.find("...", x + 1))
            noteAt(s, x);
    }

    // Blanks the first " <n>..." when there is one.
    void blank(std::string& s, long n)
    {
        const auto it = found_.find(n);
        if (it == found_.end())
            return;
        const std::size_t t = it->second;
        found_.erase(it);
        std::size_t e = t + 1;
        while (isDigit(s[e]))
            ++e;
        e += 3;
        std::memset(s.data() + t, ' ', e - t);
        // The blanked run may now stand before digits and "..." of its own.
        std::size_t d = e;
        while (d < s.size() && isDigit(s[d]))
            ++d;
        if (d > e && s.compare(d, 3, "...") == 0)
            noteAt(s, d);
    }

private:
    // "..." at x: digits before it preceded by a blank make an occurrence.
    void noteAt(const std::string& s, std::size_t x)
    {
        std::size_t y = x;
        while (y > 0 && isDigit(s[y - 1]))
            --y;
        if (y == x || y == 0 || s[y - 1] != ' ' || s[y] == '0' || x - y > 9)
            return;
        long n = 0;
        std::from_chars(s.data() + y, s.data() + x, n);
        const auto [it, added] = found_.try_emplace(n, y - 1);
        if (!added && y - 1 < it->second)
            it->second = y - 1;
    }

    // Move number -> position of the blank before its first continuation; a
    // hash keeps the builder linear in the text however many markers it holds.
    std::unordered_map<long, std::size_t> found_;
};

// Blanks and moves are a few characters long: a plain loop beats a library
// call per token.
std::size_t nextBlank(const std::string& s, std::size_t from)
{
    for (; from < s.size(); ++from) {
        if (s[from] == ' ')
            return from;
    }
    return std::string::npos;
}

std::size_t nextNonBlank(const std::string& s, std::size_t from)
{
    for (; from < s.size(); ++from) {
        if (s[from] != ' ')
            return from;
    }
    return std::string::npos;
}

std::size_t findNumber(const std::string& s, const char* digits, std::size_t length, std::size_t from)
{
    // digits followed by ".": found from the periods, which movetext holds far
    // fewer of than digits (every square names a rank).
    const char* text = s.data();
    for (std::size_t dot = from + length; dot < s.size(); ++dot) {
        const void* hit = std::memchr(text + dot, '.', s.size() - dot);
        if (!hit)
            return std::string::npos;
        dot = static_cast<std::size_t>(static_cast<const char*>(hit) - text);
        std::size_t i = 0;
        while (i < length && text[dot - length + i] == digits[i])
            ++i;
        if (i == length)
            return dot - length;
    }
    return std::string::npos;
}

} // namespace

bool isTerminationMarker(std::string_view token)
{
    return token == "1-0" || token == "0-1" || token == "1/2-1/2" || token == "*";
}

namespace {

// Writes the line into `line`, whose storage is reused from game to game.
void writeMoveLine(std::string& line, long moveNumber, std::string_view white, std::string_view black)
{
    char number[24];
    auto [end, ec] = std::to_chars(number, number + sizeof number, moveNumber);
    line.clear();
    line.reserve(static_cast<std::size_t>(end - number) + 2 + std::max(white.size(), kFieldWidth) +
                 std::max(black.size(), kFieldWidth) + 1);
    line.append(number, end);
    line += ". ";
    line += white;
    if (white.size() < kFieldWidth)
        line.append(kFieldWidth - white.size(), ' ');
    else if (black.size() >= kFieldWidth && white.size() + black.size() > 2 * kFieldWidth)
        line += ' '; // two long moves would otherwise read back as one
    if (black.size() < kFieldWidth)
        line.append(kFieldWidth - black.size(), ' ');
    line += black;
}

} // namespace

std::string moveLine(int moveNumber, std::string_view white, std::string_view black)
{
    std::string line;
    writeMoveLine(line, moveNumber, white, black);
    return line;
}

MoveFields moveFields(std::string_view line)
{
    MoveFields fields;
    std::string_view body = line;
    if (const std::size_t dot = line.find(". "); dot != std::string_view::npos)
        body = line.substr(dot + 2);
    if (body.size() <= 2 * kFieldWidth) {
        if (line.size() >= 2 * kFieldWidth)
            body = line.substr(line.size() - 2 * kFieldWidth);
        fields.white = trimBlanks(body.substr(0, std::min(body.size(), kFieldWidth)));
        if (body.size() > kFieldWidth)
            fields.black = trimBlanks(body.substr(kFieldWidth));
        return fields;
    }
    // A long move: White's field is longer than eight when its first eight
    // characters hold no blank and the ninth is no blank either.
    const std::string_view head = body.substr(0, kFieldWidth);
    std::size_t split = kFieldWidth;
    if (head.find(' ') == std::string_view::npos && body[kFieldWidth] != ' ')
        split = std::min(body.find(' '), body.size());
    fields.white = trimBlanks(body.substr(0, split));
    fields.black = trimBlanks(body.substr(split));
    return fields;
}

void ListMoves(std::string_view movetext, std::vector<std::string>& list, std::string& GameResult,
               const std::string& ResultTag, long firstNumber, std::vector<MoveFields>* fields)
{
    // A line's fields, read back from the line only when a move is too long
    // for its field: otherwise they are the two tokens themselves.
    const auto keepFields = [fields](std::size_t at, std::string_view white, std::string_view black,
                                     const std::string& line) {
        if (!fields)
            return;
        if (at == fields->size())
            fields->emplace_back();
        MoveFields& f = (*fields)[at];
        if (white.size() <= kFieldWidth && black.size() <= kFieldWidth) {
            f.white = white;
            f.black = black;
        } else {
            f = moveFields(line);
        }
    };
    const auto finish = [&list, fields](std::size_t used) {
        list.resize(used);
        if (fields)
            fields->resize(used);
    };
    // The lines of the last game are overwritten rather than freed.
    std::size_t used = 0;
    std::string s(movetext);
    const bool hasContinuations = s.find("...") != std::string::npos;
    Continuations continuations = hasContinuations ? Continuations(s) : Continuations(std::string());

    std::size_t searchFrom = 0;
    for (long n = firstNumber;; ++n) {
        char digits[24];
        auto [digitsEnd, ec] = std::to_chars(digits, digits + sizeof digits, n);
        const std::size_t length = static_cast<std::size_t>(digitsEnd - digits);
        const std::size_t at = findNumber(s, digits, length, searchFrom);
        if (at == std::string::npos)
            break;
        if (hasContinuations)
            continuations.blank(s, n);

        // White: the text between the period before the first blank after the
        // number and that blank, or else the first token after the period.
        std::size_t q = nextBlank(s, at + length + 2);
        if (q == std::string::npos) {
            finish(used);
            return;
        }
        const std::size_t period = s.rfind('.', q);
        std::string_view white = trimBlanks(std::string_view(s).substr(period + 1, q - period - 1));
        if (white.empty()) {
            const std::size_t t = nextNonBlank(s, period + 1);
            if (t != std::string::npos)
                q = nextBlank(s, t);
            if (t == std::string::npos || q == std::string::npos) {
                finish(used);
                return;
            }
            white = std::string_view(s).substr(t, q - t);
        }
        // Black: the next token, up to a blank or the end of the text.
        std::string_view black;
        if (const std::size_t b = nextNonBlank(s, q); b != std::string::npos) {
            const std::size_t e = std::min(nextBlank(s, b), s.size());
            black = std::string_view(s).substr(b, e - b);
        }
        if (used == list.size())
            list.emplace_back();
        writeMoveLine(list[used], static_cast<int>(n), white, black);
        keepFields(used, white, black, list[used]);
        ++used;
        searchFrom = period + 1;
    }

    finish(used);
    const std::string_view all = trimBlanks(s);
    const std::size_t lastBlank = all.rfind(' ');
    const std::string_view last = lastBlank == std::string_view::npos ? all : all.substr(lastBlank + 1);
    GameResult = std::string(last);
    if (!ResultTag.empty() && !isTerminationMarker(last))
        GameResult = ResultTag;
}

} // namespace morvane
