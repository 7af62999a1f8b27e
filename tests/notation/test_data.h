#pragma once
// Where the shared PGN files are: $MORVANE3_TEST_DATA, else the folder the
// build was configured with (ctest does not always pass the variable on).

#include <cstdlib>
#include <filesystem>

namespace testdata {

inline std::filesystem::path pgnFolder()
{
    const char* data = std::getenv("MORVANE3_TEST_DATA");
#ifdef MORVANE3_DEFAULT_TEST_DATA
    if (!data || !*data)
        data = MORVANE3_DEFAULT_TEST_DATA;
#endif
    if (!data || !*data)
        return {};
    const std::filesystem::path folder = std::filesystem::path(data) / "pgn";
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) ? folder : std::filesystem::path();
}

} // namespace testdata
