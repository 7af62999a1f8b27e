#include "move_list.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <utility>

#include "movetext_scan.h"
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
        for (std::size_t x = findEllipsis(s, 0); x != std::string::npos; x = findEllipsis(s, x + 1))
            noteAt(s, x);
    }

    // Blanks the first " <n>..." when there is one.
    void blank(std::string& s, long n, CharMap& map)
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
        map.blankRange(t, e);
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

std::size_t findNumber(const std::string& s, const CharMap& map, const char* digits, std::size_t length,
                       std::size_t from)
{
    // digits followed by ".": found from the periods, which movetext holds far
    // fewer of than digits (every square names a rank).
    const char* text = s.data();
    for (std::size_t dot = map.nextDot(from + length); dot != std::string::npos; dot = map.nextDot(dot + 1)) {
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

// The number of a line as text, in a buffer of 24 characters.
std::string_view numberText(char (&buffer)[24], long moveNumber)
{
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, moveNumber);
    return {buffer, static_cast<std::size_t>(end - buffer)};
}

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
std::uint64_t load8(const char* p)
{
    std::uint64_t v = 0;
    std::memcpy(&v, p, 8);
    return v;
}

void store8(char* p, std::uint64_t v)
{
    std::memcpy(p, &v, 8);
}

constexpr std::uint64_t kBlanks = 0x2020202020202020ULL;

// The usual line, a short number and two fields of at most eight, as four
// eight-character stores. Reads eight characters at each text, so `number`
// lies in a 24-character buffer and the movetext has eight spare characters
// of storage after its end.
void writeShortLine(std::string& line, std::string_view number, std::string_view white, std::string_view black)
{
    line.resize(number.size() + 2 + 2 * kFieldWidth);
    char* p = line.data();
    store8(p, load8(number.data()));
    p += number.size();
    *p++ = '.';
    *p++ = ' ';
    const std::uint64_t kept = white.size() == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * white.size())) - 1;
    store8(p, white.empty() ? kBlanks : (load8(white.data()) & kept) | (kBlanks & ~kept));
    // Black to the right: its characters move up, blanks fill the bottom.
    std::uint64_t right = kBlanks;
    if (!black.empty())
        right =
            (load8(black.data()) << (8 * (8 - black.size()))) | (black.size() == 8 ? 0 : kBlanks >> (8 * black.size()));
    store8(p + 8, right);
}
#endif

// Writes the line into `line`, whose storage is reused from game to game: the
// length is known beforehand, so the characters are written straight in.
void writeMoveLine(std::string& line, std::string_view number, std::string_view white, std::string_view black)
{
    const std::size_t digits = number.size();
    // Two long moves would otherwise read back as one.
    const bool gap =
        white.size() >= kFieldWidth && black.size() >= kFieldWidth && white.size() + black.size() > 2 * kFieldWidth;
    line.resize(digits + 2 + std::max(white.size(), kFieldWidth) + (gap ? 1 : 0) + std::max(black.size(), kFieldWidth));
    char* p = line.data();
    std::memcpy(p, number.data(), digits);
    p += digits;
    *p++ = '.';
    *p++ = ' ';
    // An empty field may have no storage at all, which memcpy must never see.
    if (!white.empty())
        std::memcpy(p, white.data(), white.size());
    p += white.size();
    if (white.size() < kFieldWidth) {
        std::memset(p, ' ', kFieldWidth - white.size());
        p += kFieldWidth - white.size();
    } else if (gap) {
        *p++ = ' ';
    }
    if (black.size() < kFieldWidth) {
        std::memset(p, ' ', kFieldWidth - black.size());
        p += kFieldWidth - black.size();
    }
    if (!black.empty())
        std::memcpy(p, black.data(), black.size());
}

} // namespace

std::string moveLine(int moveNumber, std::string_view white, std::string_view black)
{
    std::string line;
    char buffer[24];
    writeMoveLine(line, numberText(buffer, moveNumber), white, black);
    return line;
}

namespace {

// The two fields of a line as views into it.
std::pair<std::string_view, std::string_view> fieldViews(std::string_view line)
{
    std::string_view body = line;
    if (const std::size_t dot = line.find(". "); dot != std::string_view::npos)
        body = line.substr(dot + 2);
    if (body.size() <= 2 * kFieldWidth) {
        if (line.size() >= 2 * kFieldWidth)
            body = line.substr(line.size() - 2 * kFieldWidth);
        return {trimBlanks(body.substr(0, std::min(body.size(), kFieldWidth))),
                body.size() > kFieldWidth ? trimBlanks(body.substr(kFieldWidth)) : std::string_view()};
    }
    // A long move: White's field is longer than eight when its first eight
    // characters hold no blank and the ninth is no blank either.
    const std::string_view head = body.substr(0, kFieldWidth);
    std::size_t split = kFieldWidth;
    if (head.find(' ') == std::string_view::npos && body[kFieldWidth] != ' ')
        split = std::min(body.find(' '), body.size());
    return {trimBlanks(body.substr(0, split)), trimBlanks(body.substr(split))};
}

FieldSpans spansIn(std::string_view line, std::string_view white, std::string_view black)
{
    const auto at = [&line](std::string_view field) {
        return field.empty() ? 0 : static_cast<std::uint32_t>(field.data() - line.data());
    };
    return {at(white), static_cast<std::uint32_t>(white.size()), at(black), static_cast<std::uint32_t>(black.size())};
}

} // namespace

MoveFields moveFields(std::string_view line)
{
    const auto [white, black] = fieldViews(line);
    return {std::string(white), std::string(black)};
}

FieldSpans fieldSpans(std::string_view line)
{
    const auto [white, black] = fieldViews(line);
    return spansIn(line, white, black);
}

void ListMoves(std::string_view movetext, std::vector<std::string>& list, std::string& GameResult,
               const std::string& ResultTag, long firstNumber, std::vector<FieldSpans>* fields)
{
    std::string s(movetext);
    ListMovesInPlace(s, list, GameResult, ResultTag, firstNumber, fields);
}

void ListMovesInPlace(std::string& s, std::vector<std::string>& list, std::string& GameResult,
                      const std::string& ResultTag, long firstNumber, std::vector<FieldSpans>* fields)
{
    // A line's fields, read back from the line only when a move is too long
    // for its field: otherwise they are the two tokens where the line put them.
    const auto keepFields = [fields](std::size_t at, std::string_view white, std::string_view black,
                                     const std::string& line) {
        if (!fields)
            return;
        if (at == fields->size())
            fields->emplace_back();
        if (white.size() <= kFieldWidth && black.size() <= kFieldWidth) {
            const auto whiteAt = static_cast<std::uint32_t>(line.size() - 2 * kFieldWidth);
            (*fields)[at] = {whiteAt, static_cast<std::uint32_t>(white.size()),
                             static_cast<std::uint32_t>(line.size() - black.size()),
                             static_cast<std::uint32_t>(black.size())};
        } else {
            (*fields)[at] = fieldSpans(line);
        }
    };
    // The lines of the last game are overwritten rather than freed, and those a
    // shorter game leaves over are kept for the next longer one: a line of a
    // two-digit move number no longer fits in a text's own storage. As many as
    // a long game needs: a freak game of a million moves is not kept after it.
    constexpr std::size_t kSpareLinesKept = 1000;
    thread_local std::vector<std::string> spareLines;
    const auto finish = [&list, fields](std::size_t used) {
        for (; list.size() > used; list.pop_back()) {
            if (spareLines.size() < kSpareLinesKept)
                spareLines.push_back(std::move(list.back()));
        }
        if (fields)
            fields->resize(used);
    };
    std::size_t used = 0;
    // Spare storage after the text: short lines read eight characters at a time.
    s.reserve(s.size() + kFieldWidth);
    // Kept from game to game, as the lines are.
    thread_local CharMap map;
    map.build(s);
    const bool hasContinuations = findEllipsis(s, 0) != std::string::npos;
    Continuations continuations = hasContinuations ? Continuations(s) : Continuations(std::string());

    std::size_t searchFrom = 0;
    for (long n = firstNumber;; ++n) {
        char digits[24];
        auto [digitsEnd, ec] = std::to_chars(digits, digits + sizeof digits, n);
        const std::size_t length = static_cast<std::size_t>(digitsEnd - digits);
        const std::size_t at = findNumber(s, map, digits, length, searchFrom);
        if (at == std::string::npos)
            break;
        if (hasContinuations)
            continuations.blank(s, n, map);

        // White: the text between the period before the first blank after the
        // number and that blank, or else the first token after the period.
        std::size_t q = map.nextBlank(at + length + 2);
        if (q == std::string::npos) {
            finish(used);
            return;
        }
        const std::size_t period = map.lastDot(q);
        std::string_view white = trimBlanks(std::string_view(s).substr(period + 1, q - period - 1));
        if (white.empty()) {
            const std::size_t t = map.nextNonBlank(period + 1);
            if (t != std::string::npos)
                q = map.nextBlank(t);
            if (t == std::string::npos || q == std::string::npos) {
                finish(used);
                return;
            }
            white = std::string_view(s).substr(t, q - t);
        }
        // Black: the next token, up to a blank or the end of the text.
        std::string_view black;
        if (const std::size_t b = map.nextNonBlank(q); b != std::string::npos) {
            const std::size_t e = std::min(map.nextBlank(b), s.size());
            black = std::string_view(s).substr(b, e - b);
        }
        if (used == list.size()) {
            list.emplace_back();
            if (!spareLines.empty()) {
                list.back().swap(spareLines.back());
                spareLines.pop_back();
            }
        }
        // Lines are numbered as int; the number searched for is that number
        // as long as it fits.
        char lineDigits[24];
        const std::string_view number = n <= std::numeric_limits<int>::max()
                                            ? std::string_view(digits, length)
                                            : numberText(lineDigits, static_cast<int>(n));
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        if (number.size() <= 6 && white.size() <= kFieldWidth && black.size() <= kFieldWidth)
            writeShortLine(list[used], number, white, black);
        else
#endif
            writeMoveLine(list[used], number, white, black);
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
