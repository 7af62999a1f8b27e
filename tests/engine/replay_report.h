#pragma once
// The replay tool's output for a whole file, as the real-game and set-up tests
// compare it with the placements worked out beside each file.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "board_model.h"
#include "headless_replay.h"
#include "memory_settings.h"
#include "replay_engine.h"

// The replay tool's report of `path`: "<game>\t<half-moves>\t<outcome>\t<placement>" per game.
inline std::string replayReport(const std::filesystem::path& path)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    {
        morvane::MemorySettings settings;
        quill::BoardModel board;
        morvane::HeadlessReplay replay(out);
        morvane::ReplayEngine engine(board, replay, replay, settings, nullptr, path.parent_path().string());
        std::string file = path.string();
        EXPECT_TRUE(engine.EnumDefault(file));
        settings.save("PGNFile", file);
        replay.run(engine, board, std::stoll(settings.get("NumOfGames", "0")));
    }
    std::fclose(out);
    std::string report(buffer, size);
    std::free(buffer);
    return report;
}
