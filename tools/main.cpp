// morvane3-replay [--bench] [--store] FILE: replays every game of a PGN file
// exactly as the screensaver would, with no window, one report line per game.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "board_model.h"
#include "headless_replay.h"
#include "memory_settings.h"
#include "pgn_file.h"
#include "replay_engine.h"
#include "settings_store.h"
#include "store_settings.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: morvane3-replay [--bench] [--store] FILE\n"
                         "  --bench  print only the summary\n"
                         "  --store  keep the game index in an in-memory SQLite settings store\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    bool bench = false;
    bool store = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bench") == 0)
            bench = true;
        else if (std::strcmp(argv[i], "--store") == 0)
            store = true;
        else if (argv[i][0] == '-' && argv[i][1] != '\0')
            return usage();
        else if (file.empty())
            file = argv[i];
        else
            return usage();
    }
    if (file.empty())
        return usage();

    const auto start = std::chrono::steady_clock::now();
    if (!morvane::isFile(file)) {
        std::fprintf(stderr, "morvane3-replay: cannot read %s: no such file, or not a regular file\n", file.c_str());
        return 2;
    }

    // Never the user's settings: the index lives in memory for this run.
    morvane::MemorySettings memory;
    std::unique_ptr<morvane::SettingsStore> sqlite;
    std::unique_ptr<morvane::StoreSettings> storeSettings;
    morvane::SettingsAccess* settings = &memory;
    if (store) {
        sqlite = std::make_unique<morvane::SettingsStore>(":memory:");
        storeSettings = std::make_unique<morvane::StoreSettings>(*sqlite);
        settings = storeSettings.get();
    }

    quill::BoardModel board;
    morvane::HeadlessReplay replay(bench ? nullptr : stdout);
    const std::string folder = std::filesystem::path(file).parent_path().string();
    morvane::ReplayEngine engine(board, replay, replay, *settings, nullptr, folder.empty() ? "./" : folder + "/");

    std::string path = file;
    if (!engine.EnumDefault(path)) {
        std::fprintf(stderr, "morvane3-replay: cannot read %s\n", file.c_str());
        return 2;
    }
    settings->save("PGNFile", path);
    const std::int64_t games = std::llround(morvane::numericValue(settings->get("NumOfGames", "0")));
    replay.run(engine, board, games);
    std::fflush(stdout);

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const morvane::ReplaySummary& s = replay.summary();
    std::fprintf(stderr, "games: %lld, ok: %lld, failed: %lld, half-moves: %lld, seconds: %.3f, games/s: %.0f\n",
                 static_cast<long long>(s.games), static_cast<long long>(s.ok), static_cast<long long>(s.games - s.ok),
                 static_cast<long long>(s.halfMoves), seconds,
                 seconds > 0 ? static_cast<double>(s.games) / seconds : 0.0);
    return 0;
}
