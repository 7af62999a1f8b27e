#pragma once
// Where the real game files are: $MORVANE3_TEST_DATA, else tests/data of the
// source tree the build was configured with (ctest does not always pass the
// variable on). A missing folder is returned as it is, so that the test that
// wanted it fails naming it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testdata {

inline std::filesystem::path pgnFolder()
{
    const char* data = std::getenv("MORVANE3_TEST_DATA");
#ifdef MORVANE3_DEFAULT_TEST_DATA
    if (!data || !*data)
        data = MORVANE3_DEFAULT_TEST_DATA;
#endif
    if (!data || !*data)
        data = "tests/data";
    return std::filesystem::path(data) / "pgn";
}

// The bytes of tests/data/annotated.pgn: a lichess blitz game with clocks, a
// master game with notes and a variation, a club game with move times.
inline std::string annotatedPgn()
{
    std::ifstream in(pgnFolder().parent_path() / "annotated.pgn", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The real game files, each beside its .expected.tsv. One that is missing is
// a failure that names it, never a reason to skip.
inline std::vector<std::filesystem::path> realGameFiles()
{
    std::vector<std::filesystem::path> files;
    for (const char* name : {"1001_minis", "100_best_games", "Fischer", "lichess_2019"}) {
        const std::filesystem::path pgn = pgnFolder() / (std::string(name) + ".pgn");
        std::error_code ec;
        if (std::filesystem::is_regular_file(pgn, ec))
            files.push_back(pgn);
        else
            ADD_FAILURE() << "missing test data: " << pgn;
    }
    return files;
}

} // namespace testdata
