// The whole replay of an arbitrary PGN file, as the replay tool runs it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "board_model.h"
#include "headless_replay.h"
#include "memory_settings.h"
#include "replay_engine.h"

namespace {

std::string scratchFile()
{
    static std::string path = [] {
        std::string pattern = "/tmp/morvane3-fuzz-XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0)
            ::close(fd);
        return pattern;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = scratchFile();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    morvane::MemorySettings settings;
    quill::BoardModel board;
    morvane::HeadlessReplay replay(nullptr);
    morvane::ReplayEngine engine(board, replay, replay, settings, nullptr, "/nonexistent/");
    std::string name = path;
    if (!engine.EnumDefault(name))
        return 0;
    settings.save("PGNFile", name);
    replay.run(engine, board, std::atoll(settings.get("NumOfGames", "0").c_str()));
    return 0;
}
