// Every game of every real PGN file, replayed as the screensaver does, must end
// on the placement an independent reader found, with no message.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "replay_report.h"
#include "test_data.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::vector<std::string>> rows(std::istream&& in)
{
    std::vector<std::vector<std::string>> out;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        out.emplace_back();
        for (std::string field; std::getline(fields, field, '\t');)
            out.back().push_back(field);
    }
    return out;
}

// Also one number over the whole run: any change in what the replay does to any
// real game shows there. Update it only for a change of behaviour you meant.
TEST(ReplayFiles, EveryGameEndsOnTheExpectedPlacement)
{
    std::uint64_t hash = 1469598103934665603ull;
    int checked = 0;
    for (const fs::path& pgn : testdata::realGameFiles()) {
        const std::string report = replayReport(pgn);
        for (const unsigned char c : pgn.filename().string() + "\n" + report)
            hash = (hash ^ c) * 1099511628211ull;
        const auto expected = rows(std::ifstream(fs::path(pgn).replace_extension(".expected.tsv")));
        const auto actual = rows(std::istringstream(report));
        ASSERT_EQ(actual.size(), expected.size()) << pgn;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(pgn.string() + " game " + expected[i][0]);
            ASSERT_EQ(actual[i].size(), 4u);
            EXPECT_EQ(actual[i][0], expected[i][0]);
            if (expected[i].size() > 1 && expected[i][1] == "skip")
                continue; // not from the standard start: replayed, not compared
            EXPECT_EQ(actual[i][1], expected[i][1]);
            EXPECT_EQ(actual[i][2], "ok");
            EXPECT_EQ(actual[i][3], expected[i][2]);
            ++checked;
        }
    }
    EXPECT_GT(checked, 2000);
    EXPECT_EQ(hash, 5224267156917294096ull) << "signature of the full run";
}

} // namespace
