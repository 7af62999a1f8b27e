// The product's cleaner and move-line builder against the literal models, on
// generated texts full of the characters they react to. The real-game replays hold
// both to the real games.
#include <gtest/gtest.h>

#include <random>

#include "clean_pgn.h"
#include "move_list.h"
#include "reference_pgn.h"

namespace {

const char* const kFragments[] = {"1.",  "2.",  "3.",  "10.",     "11.", "1...", "2...", "3...", " 2...", "12...",
                                  "...", ".",   " ",   "  ",      "   ", "e4",   "e5",   "Nf3",  "Nc6",   "exd5",
                                  "O-O", "1-0", "0-1", "1/2-1/2", "*",   "{",    "}",    "[",    "]",     "(",
                                  ")",   "\"",  "\\",  "\\\"",    "$1",  "$",    "\r\n", "\n",   "\r",    "[Event \"",
                                  "\"]", "x",   "0",   "9",       ";",   "\t",   "..."};

std::string generate(std::mt19937& rng)
{
    std::uniform_int_distribution<std::size_t> count(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kFragments) - 1);
    std::string text;
    const std::size_t n = count(rng);
    for (std::size_t i = 0; i < n; ++i)
        text += kFragments[pick(rng)];
    return text;
}

// A plausible movetext with numbers in order, sometimes with gaps and continuations.
std::string generateMovetext(std::mt19937& rng)
{
    std::uniform_int_distribution<int> coin(0, 9);
    std::string text;
    const int moves = coin(rng) * 3;
    for (int n = 1; n <= moves; ++n) {
        if (coin(rng) == 0)
            continue;
        text += std::to_string(n) + (coin(rng) < 2 ? "." : ". ");
        text += coin(rng) < 5 ? "e4" : "Nbxd7+!?";
        text += std::string(static_cast<std::size_t>(coin(rng) % 3 + 1), ' ');
        if (coin(rng) < 2)
            text += std::to_string(n) + "... ";
        if (coin(rng) < 8)
            text += coin(rng) < 5 ? "e5 " : "Qxf7# ";
    }
    const char* endings[] = {"1-0", "0-1 ", "1/2-1/2\n", "*", "", " ", "junk"};
    text += endings[coin(rng) % 7];
    return text;
}

void expectSameClean(const std::string& text)
{
    const auto fast = morvane::CleanPGN(text);
    const auto slow = reference::cleanPGN(text);
    ASSERT_EQ(fast.text, slow.text) << "text: " << text;
    ASSERT_EQ(static_cast<int>(fast.imbalance), slow.stage) << "text: " << text;
}

void expectSameList(const std::string& text, const std::string& resultTag)
{
    std::vector<std::string> fastLines{"old"};
    std::vector<std::string> slowLines{"old"};
    std::string fastResult = "before";
    std::string slowResult = "before";
    morvane::ListMoves(text, fastLines, fastResult, resultTag);
    reference::listMoves(text, slowLines, slowResult, resultTag);
    ASSERT_EQ(fastLines, slowLines) << "text: " << text;
    ASSERT_EQ(fastResult, slowResult) << "text: " << text;
}

TEST(Differential, CleanerOnGeneratedTexts)
{
    std::mt19937 rng(20240601);
    for (int i = 0; i < 40000; ++i)
        expectSameClean(generate(rng));
}

TEST(Differential, MoveLinesOnGeneratedTexts)
{
    std::mt19937 rng(777);
    for (int i = 0; i < 20000; ++i) {
        expectSameList(generate(rng), i % 3 == 0 ? "1-0" : "");
        expectSameList(generateMovetext(rng), i % 2 == 0 ? "1/2-1/2" : "");
    }
}

} // namespace
