#include "game_index.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <iterator>
#include <string>

using morvane::GameSpan;
using morvane::IndexGames;

namespace {

// Texts built from fragments that straddle the blocks of the fast search.
std::string generate(std::uint32_t& seed, int count)
{
    const char* pieces[] = {"[Event ", "[E", "vent ", "[", "x\n", "[Event", " ", "[[Event ", "abcdefghijklmnop"};
    std::string text;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += pieces[(seed >> 16) % std::size(pieces)];
    }
    return text;
}

} // namespace

TEST(GameIndex, EachGameRunsToTheNextEventTagAndTheLastKeepsItsEnd)
{
    const std::string file = "[Event \"a\"]\n\n1. e4 e5 1-0\n[Event \"b\"]\n\n1. d4 0-1\n";
    const auto games = IndexGames(file);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(morvane::GameText(file, games[0]), "[Event \"a\"]\n\n1. e4 e5 1-0");
    EXPECT_EQ(morvane::GameText(file, games[1]), "[Event \"b\"]\n\n1. d4 0-1\n");
    EXPECT_EQ(games[1].end, static_cast<std::int64_t>(file.size()) + 1);
    std::uint32_t seed = 12345;
    for (int round = 0; round < 3000; ++round) {
        const std::string text = generate(seed, static_cast<int>(seed % 40));
        for (std::int64_t from = 1; from <= static_cast<std::int64_t>(text.size()) + 1; ++from) {
            const auto pos = text.find("[Event ", static_cast<std::size_t>(from - 1));
            ASSERT_EQ(morvane::FindEventTag(text, from), pos == std::string::npos ? 0 : std::int64_t(pos) + 1) << text;
        }
    }
}

TEST(GameIndex, FileReadInBlocksGivesTheSameSpans)
{
    char path[] = "/tmp/morvane3-index-XXXXXX";
    ::close(::mkstemp(path));
    std::uint32_t seed = 99;
    for (int round = 0; round < 200; ++round) {
        const std::string text = generate(seed, 30) + "[Event \"g\"]\n1. e4 1-0\n" + generate(seed, 5);
        std::FILE* f = std::fopen(path, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        for (std::size_t block : {1u, 3u, 6u, 7u, 8u, 13u, 64u, 4096u}) {
            std::vector<GameSpan> spans;
            const auto count = morvane::IndexGameFile(
                path, [&spans](const GameSpan& s) { spans.push_back(s); }, block);
            ASSERT_EQ(spans, IndexGames(text)) << "block " << block << ": " << text;
            ASSERT_EQ(count, static_cast<std::int64_t>(spans.size()));
        }
    }
    std::remove(path);
    EXPECT_EQ(morvane::IndexGameFile("/nonexistent/file.pgn", [](const GameSpan&) {}), -1);
}
