// Throughput of the default-file scan (the game index shared with the settings
// dialog) on the file named by MORVANE3_BENCH_FILE: the scan alone over the
// bytes in memory, and the scan of the file read in blocks from the page cache.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "game_index.h"
#include "pgn_file.h"

namespace {

const std::string& benchFile()
{
    static const std::string path = [] {
        const char* p = std::getenv("MORVANE3_BENCH_FILE");
        return std::string(p ? p : "");
    }();
    return path;
}

void IndexInMemory(benchmark::State& state)
{
    const auto text = morvane::readWholeFile(benchFile());
    if (!text) {
        state.SkipWithError("set MORVANE3_BENCH_FILE to a readable PGN file");
        return;
    }
    std::int64_t games = 0;
    for (auto _ : state) {
        games = morvane::IndexGames(*text, [](const morvane::GameSpan& span) { benchmark::DoNotOptimize(span); });
        benchmark::DoNotOptimize(games);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text->size()));
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(IndexInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

// What EnumDefault does: the file read in blocks from the page cache and scanned.
void IndexFileFromPageCache(benchmark::State& state)
{
    const auto text = morvane::readWholeFile(benchFile());
    if (!text) {
        state.SkipWithError("set MORVANE3_BENCH_FILE to a readable PGN file");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(
            morvane::IndexGameFile(benchFile(), [](const morvane::GameSpan& span) { benchmark::DoNotOptimize(span); }));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text->size()));
}
BENCHMARK(IndexFileFromPageCache)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
