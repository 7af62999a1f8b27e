// Every game of every shared PGN file, replayed as the screensaver does, must
// end on the placement an independent reader found, with no message.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "board_model.h"
#include "headless_replay.h"
#include "memory_settings.h"
#include "replay_engine.h"
#include "test_data.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::vector<std::string>> rows(const std::string& text)
{
    std::vector<std::vector<std::string>> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        out.push_back(fields);
    }
    return out;
}

// The replay tool's report of `path`.
std::string replayReport(const std::string& path)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    {
        morvane::MemorySettings settings;
        quill::BoardModel board;
        morvane::HeadlessReplay replay(out);
        morvane::ReplayEngine engine(board, replay, replay, settings, nullptr, fs::path(path).parent_path().string());
        std::string file = path;
        EXPECT_TRUE(engine.EnumDefault(file));
        settings.save("PGNFile", file);
        replay.run(engine, board, std::stoll(settings.get("NumOfGames", "0")));
    }
    std::fclose(out);
    std::string report(buffer, size);
    std::free(buffer);
    return report;
}

TEST(ReplayFiles, EveryGameEndsOnTheExpectedPlacement)
{
    const auto files = testdata::realGameFiles();
    int checked = 0;
    for (const fs::path& pgn : files) {
        fs::path expectedPath = pgn;
        expectedPath.replace_extension(".expected.tsv");
        std::ifstream in(expectedPath);
        ASSERT_TRUE(in) << expectedPath;
        std::stringstream expectedText;
        expectedText << in.rdbuf();
        const auto expected = rows(expectedText.str());
        const auto actual = rows(replayReport(pgn.string()));
        ASSERT_EQ(actual.size(), expected.size()) << pgn;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(actual[i].size(), 4u) << pgn << " line " << i + 1;
            EXPECT_EQ(actual[i][0], expected[i][0]) << pgn;
            if (expected[i].size() > 1 && expected[i][1] == "skip")
                continue; // not from the standard start: replayed, not compared
            EXPECT_EQ(actual[i][1], expected[i][1]) << pgn << " game " << expected[i][0];
            EXPECT_EQ(actual[i][2], "ok") << pgn << " game " << expected[i][0];
            EXPECT_EQ(actual[i][3], expected[i][2]) << pgn << " game " << expected[i][0];
            ++checked;
        }
    }
    EXPECT_GT(checked, 2000);
}

// One number over the whole run: any change in what the replay does to any
// shared game shows here. Update it only for a change of behaviour you meant.
TEST(ReplayFiles, FullRunSignature)
{
    const auto files = testdata::realGameFiles();
    std::uint64_t hash = 1469598103934665603ull;
    for (const fs::path& pgn : files) {
        for (const unsigned char c : pgn.filename().string() + "\n" + replayReport(pgn.string())) {
            hash ^= c;
            hash *= 1099511628211ull;
        }
    }
    EXPECT_EQ(hash, 5224267156917294096ull) << "signature of the full run";
}

} // namespace
