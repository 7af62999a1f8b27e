#include "game_index.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

using morvane::FindEventTag;
using morvane::GameSpan;
using morvane::GameText;
using morvane::IndexGames;

namespace {

// The dialog's scan, literally: T = text & CR LF, InStr searches, 1-based.
std::vector<GameSpan> literalScan(const std::string& file)
{
    const std::string t = file + "\r\n";
    auto inStr = [&t](std::int64_t start, const std::string& what) -> std::int64_t {
        auto pos = t.find(what, static_cast<std::size_t>(start - 1));
        return pos == std::string::npos ? 0 : static_cast<std::int64_t>(pos) + 1;
    };
    std::vector<GameSpan> games;
    std::int64_t p = 0;
    for (;;) {
        std::int64_t e = inStr(p + 1, "[Event ");
        p = e;
        if (e == 0)
            break;
        std::int64_t n = inStr(e + 1, "[Event ");
        if (n == 0)
            n = static_cast<std::int64_t>(t.size());
        games.push_back({e, n - 1});
    }
    return games;
}

} // namespace

TEST(GameIndex, LastGameKeepsItsMarker)
{
    const std::string file = "[Event \"a\"]\n\n1. e4 e5 1-0\n[Event \"b\"]\n\n1. d4 0-1\n";
    auto games = IndexGames(file);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(GameText(file, games[0]), "[Event \"a\"]\n\n1. e4 e5 1-0");
    EXPECT_EQ(GameText(file, games[1]), "[Event \"b\"]\n\n1. d4 0-1\n");
    EXPECT_EQ(games[1].end, static_cast<std::int64_t>(file.size()) + 1);
}

TEST(GameIndex, AgreesWithLiteralScanOnGeneratedTexts)
{
    // Texts built from fragments that straddle the 16-byte blocks of the fast search.
    const char* pieces[] = {"[Event ", "[E",       "vent ",           "[", "E", "x", "\n", "[Event",
                            " ",       "[[Event ", "abcdefghijklmnop"};
    std::uint32_t seed = 12345;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        int n = static_cast<int>(seed % 40);
        for (int i = 0; i < n; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += pieces[(seed >> 16) % (sizeof pieces / sizeof *pieces)];
        }
        seed = seed * 1103515245u + 12345u;
        ASSERT_EQ(IndexGames(text), literalScan(text)) << text;
        for (std::int64_t from = 1; from <= static_cast<std::int64_t>(text.size()) + 1; ++from) {
            auto pos = text.find("[Event ", static_cast<std::size_t>(from - 1));
            ASSERT_EQ(FindEventTag(text, from), pos == std::string::npos ? 0 : static_cast<std::int64_t>(pos) + 1);
        }
    }
}

TEST(GameIndex, FileReadInBlocksGivesTheSameSpans)
{
    char pattern[] = "/tmp/morvane3-index-XXXXXX";
    const int fd = ::mkstemp(pattern);
    ASSERT_GE(fd, 0);
    ::close(fd);
    std::uint32_t seed = 99;
    const char* pieces[] = {"[Event ", "[E", "vent ", "x\n", "[Event \"g\"]\n1. e4 1-0\n", "[", " "};
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int i = 0; i < 30; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += pieces[(seed >> 16) % (sizeof pieces / sizeof *pieces)];
        }
        {
            std::FILE* f = std::fopen(pattern, "wb");
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        for (std::size_t block : {1u, 3u, 6u, 7u, 8u, 13u, 64u, 4096u}) {
            std::vector<GameSpan> spans;
            const auto count = morvane::IndexGameFile(
                pattern, [&spans](const GameSpan& s) { spans.push_back(s); }, block);
            ASSERT_EQ(spans, IndexGames(text)) << "block " << block << ": " << text;
            ASSERT_EQ(count, static_cast<std::int64_t>(spans.size()));
        }
    }
    std::remove(pattern);
    EXPECT_EQ(morvane::IndexGameFile("/nonexistent/file.pgn", [](const GameSpan&) {}), -1);
}
