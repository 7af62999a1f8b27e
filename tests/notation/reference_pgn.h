#pragma once
// Slow, literal models of the cleaner and of the move-line builder, written
// step by step with 1-based searches as the behaviour is described. The
// product's fast versions must give the same results on every text.

#include <string>
#include <vector>

#include "move_list.h"

namespace reference {

// InStr(start, s, what): 1-based position of `what` at or after `start`, 0 when absent.
inline long inStr(long start, const std::string& s, const std::string& what)
{
    if (start < 1 || start > static_cast<long>(s.size()) + 1)
        return 0;
    const auto p = s.find(what, static_cast<std::size_t>(start - 1));
    return p == std::string::npos ? 0 : static_cast<long>(p) + 1;
}

inline long inStr(const std::string& s, const std::string& what)
{
    return inStr(1, s, what);
}

// Removes the 1-based positions a..b inclusive.
inline std::string cut(const std::string& s, long a, long b)
{
    return s.substr(0, static_cast<std::size_t>(a - 1)) + s.substr(static_cast<std::size_t>(b));
}

inline std::string trim(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// 1-based end of the bracket group opened at 1-based `a`: the first "]" after
// it that is not inside a double-quoted value closed on the same line.
inline long groupEnd(const std::string& s, long a)
{
    std::size_t i = static_cast<std::size_t>(a); // 0-based, just after "["
    while (i < s.size() && s[i] != '\n' && s[i] != '\r') {
        if (s[i] == ']')
            return static_cast<long>(i) + 1;
        if (s[i] == '"') {
            std::size_t j = i + 1;
            bool closed = false;
            while (j < s.size() && s[j] != '\n' && s[j] != '\r') {
                if (s[j] == '\\' && j + 1 < s.size() && (s[j + 1] == '"' || s[j + 1] == '\\')) {
                    j += 2;
                    continue;
                }
                if (s[j] == '"') {
                    closed = true;
                    break;
                }
                ++j;
            }
            if (closed) {
                i = j + 1;
                continue;
            }
        }
        ++i;
    }
    return inStr(a, s, "]"); // the line ended first: the first "]"
}

struct Cleaned {
    std::string text;
    int stage = 0; // 0 fine, else the stage (1..3) that found an imbalance
};

inline Cleaned cleanPGN(std::string s)
{
    // 1. Brackets.
    for (;;) {
        const long a = inStr(s, "[");
        const long b = inStr(s, "]");
        if (b < a)
            return {"", 1};
        if (a == 0)
            break;
        const long e = groupEnd(s, a);
        if (e == 0)
            return {"", 1};
        s = cut(s, a, e);
    }
    // 2. Braces.
    for (;;) {
        const long a = inStr(s, "{");
        const long b = inStr(s, "}");
        if (b < a)
            return {"", 2};
        if (a == 0)
            break;
        s = cut(s, a, b);
    }
    // 3. Parentheses, innermost first.
    for (;;) {
        long a = inStr(s, "(");
        const long b = inStr(s, ")");
        while (a != 0) {
            const long further = inStr(a + 1, s, "(");
            if (further == 0 || further >= b)
                break;
            a = further;
        }
        if (b < a)
            return {"", 3};
        if (a == 0)
            break;
        s = cut(s, a, b);
    }
    // 4. Line breaks.
    for (char& c : s)
        if (c == '\n' || c == '\t')
            c = ' ';
    for (char& c : s)
        if (c == '\r')
            c = ' ';
    // 5. NAGs (to the end of the text when no blank follows).
    for (;;) {
        const long p = inStr(s, "$");
        if (p == 0)
            break;
        long q = inStr(p, s, " ");
        if (q == 0)
            q = static_cast<long>(s.size()) + 1;
        for (long k = p; k < q; ++k)
            s[static_cast<std::size_t>(k - 1)] = ' ';
    }
    return {s, 0};
}

inline void listMoves(std::string s, std::vector<std::string>& list, std::string& gameResult,
                      const std::string& resultTag)
{
    list.clear();
    long n = 0;
    long pos = 0;
    for (;;) {
        ++n;
        const std::string number = std::to_string(n);
        const long p = inStr(pos + 1, s, number + ".");
        if (p == 0)
            break;
        pos = p;
        const long d = static_cast<long>(number.size()) + 2;
        const std::string continuation = " " + number + "...";
        if (const long k = inStr(s, continuation); k != 0)
            for (std::size_t i = 0; i < continuation.size(); ++i)
                s[static_cast<std::size_t>(k - 1) + i] = ' ';
        long q = inStr(pos + d, s, " ");
        if (q == 0)
            return; // a run-time failure: the list so far stays
        const long period = static_cast<long>(s.rfind('.', static_cast<std::size_t>(q - 1))) + 1;
        pos = period;
        std::string white = trim(s.substr(static_cast<std::size_t>(period), static_cast<std::size_t>(q - period - 1)));
        if (white.empty()) {
            long t = period + 1;
            while (t <= static_cast<long>(s.size()) && s[static_cast<std::size_t>(t - 1)] == ' ')
                ++t;
            if (t > static_cast<long>(s.size()))
                return;
            q = inStr(t, s, " ");
            if (q == 0)
                return;
            white = s.substr(static_cast<std::size_t>(t - 1), static_cast<std::size_t>(q - t));
        }
        long b = q;
        while (b <= static_cast<long>(s.size()) && s[static_cast<std::size_t>(b - 1)] == ' ')
            ++b;
        std::string black;
        if (b <= static_cast<long>(s.size())) {
            const long e = inStr(b, s, " ");
            black = e == 0 ? s.substr(static_cast<std::size_t>(b - 1))
                           : s.substr(static_cast<std::size_t>(b - 1), static_cast<std::size_t>(e - b));
        }
        std::string line = number + ". " + white;
        if (white.size() < 8)
            line += std::string(8 - white.size(), ' ');
        else if (black.size() >= 8 && white.size() + black.size() > 16)
            line += ' ';
        if (black.size() < 8)
            line += std::string(8 - black.size(), ' ');
        list.push_back(line + black);
    }
    const std::string all = trim(s);
    const auto lastBlank = all.rfind(' ');
    const std::string last = lastBlank == std::string::npos ? all : all.substr(lastBlank + 1);
    gameResult = last;
    if (!resultTag.empty() && last != "1-0" && last != "0-1" && last != "1/2-1/2" && last != "*")
        gameResult = resultTag;
}

} // namespace reference
