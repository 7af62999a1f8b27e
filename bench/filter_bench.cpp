// The PGN Import tab's filter on a big file: reading every game's tags once,
// then the list narrowing keystroke by keystroke (filter, shown spans, model
// reset), the median of five runs each.
//   morvane3-filter-bench FILE
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "game_index.h"
#include "match_list_model.h"
#include "shown_match_list.h"

namespace {

using Clock = std::chrono::steady_clock;

double medianMs(const std::function<void()>& run)
{
    std::vector<double> ms;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane3-filter-bench FILE\n");
        return 2;
    }
    std::vector<morvane::GameSpan> games;
    morvane::IndexGameFile(argv[1], [&games](const morvane::GameSpan& span) { games.push_back(span); });
    const std::size_t count = games.size();
    morvane::MatchListModel model;
    model.setGames(argv[1], std::move(games));
    morvane::ShownMatchList shown(model);
    std::printf("%zu games\n", count);
    // The tags are read when the first word is typed after a listing.
    std::printf("first word after listing (tags read from the file): %.1f ms\n", medianMs([&] {
                    shown.sourceListed();
                    shown.setFilter(QStringLiteral("s"));
                }));

    const char* const typed[] = {"s",
                                 "sp",
                                 "spa",
                                 "spas",
                                 "spassky",
                                 "spassky ",
                                 "spassky 1",
                                 "spassky 1972",
                                 "Kasparov",
                                 "rated bullet game",
                                 "nobody at all",
                                 ""};
    double worst = 0;
    for (const char* t : typed) {
        const double ms = medianMs([&] { shown.setFilter(QString::fromLatin1(t)); });
        worst = std::max(worst, ms);
        std::printf("%-20s %7d games  %6.1f ms\n", (std::string("\"") + t + "\"").c_str(), shown.rowCount(), ms);
    }
    std::printf("slowest keystroke: %.1f ms\n", worst);
    return 0;
}
