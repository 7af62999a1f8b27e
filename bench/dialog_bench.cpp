// The settings dialog on a big PGN file: opening it (the PGN Import list is
// filled at once), then Apply storing the whole match list. For each step: how
// long it took, the longest time the event loop did not run (a 10 ms timer's
// longest gap: what a user sees as a frozen window), and whether a second
// connection to the settings file saw any of Apply's writes before it ended.
//   morvane3-dialog-bench SETTINGS_FILE DATA_FOLDER/
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "frm_settings.h"
#include "quiet_dialogs.h"
#include "settings_store.h"

namespace {

// The longest pause between two turns of the event loop while `step` runs.
class StallWatch {
public:
    explicit StallWatch(std::function<void()> onTick = {}) : onTick_(std::move(onTick))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            note(sinceTick_.restart());
            if (onTick_)
                onTick_();
        });
    }

    // Milliseconds the step took.
    qint64 run(const std::function<void()>& step)
    {
        longest_ = 0;
        took_.start();
        sinceTick_.start();
        timer_.start();
        step();
        timer_.stop();
        note(sinceTick_.elapsed());
        return took_.elapsed();
    }
    qint64 longest() const { return longest_; }
    // When the longest stall began, in milliseconds from the step's start.
    qint64 longestFrom() const { return longestFrom_; }

private:
    void note(qint64 gap)
    {
        if (gap > longest_) {
            longest_ = gap;
            longestFrom_ = took_.elapsed() - gap;
        }
    }

    QElapsedTimer took_;
    qint64 longestFrom_ = 0;
    QTimer timer_;
    QElapsedTimer sinceTick_;
    qint64 longest_ = 0;
    std::function<void()> onTick_;
};

std::string peakMemory()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return line.substr(line.find_first_not_of(" \t", 6));
    return "?";
}

// Another program's view of the stored game count, as Apply runs.
std::string seenCount(sqlite3* db)
{
    sqlite3_stmt* query = nullptr;
    std::string value = "<none>";
    if (sqlite3_prepare_v2(db, "SELECT value FROM settings WHERE key = 'NumOfGames'", -1, &query, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(query) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
    sqlite3_finalize(query);
    return value;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: morvane3-dialog-bench SETTINGS_FILE DATA_FOLDER/\n");
        return 2;
    }
    morvane::SettingsStore store(argv[1]);
    morvane::QuietDialogs dialogs;
    std::unique_ptr<morvane::FrmSettings> dialog;

    StallWatch opening;
    const qint64 openMs = opening.run([&] {
        dialog = std::make_unique<morvane::FrmSettings>(store, dialogs, QString::fromUtf8(argv[2]));
        dialog->selectTab(morvane::FrmSettings::PgnImportPage);
        dialog->show();
    });
    std::printf(
        "opening, the list filled: %lld ms, event loop stalled at most %lld ms (from %lld ms), peak memory %s\n",
        static_cast<long long>(openMs), static_cast<long long>(opening.longest()),
        static_cast<long long>(opening.longestFrom()), peakMemory().c_str());

    sqlite3* other = nullptr;
    sqlite3_open_v2(argv[1], &other, SQLITE_OPEN_READONLY, nullptr);
    const std::string before = seenCount(other);
    bool seenEarly = false;
    StallWatch applying([&] { seenEarly = seenEarly || seenCount(other) != before; });
    const qint64 applyMs = applying.run([&] { dialog->CmdApply_Click(); });
    std::printf("Apply: %lld ms, event loop stalled at most %lld ms (from %lld ms), peak memory %s\n",
                static_cast<long long>(applyMs), static_cast<long long>(applying.longest()),
                static_cast<long long>(applying.longestFrom()), peakMemory().c_str());
    std::printf("another connection saw NumOfGames %s before Apply, %s during it, %s after\n", before.c_str(),
                seenEarly ? "a change" : "no change", seenCount(other).c_str());
    sqlite3_close(other);
    return 0;
}
