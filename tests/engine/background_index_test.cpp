// A default file indexed on a thread of its own while its first game plays.

#include <chrono>
#include <deque>
#include <mutex>

#include "engine_fixture.h"

using enginetest::game;
using enginetest::Rig;

namespace {

// Tasks handed to the user-interface thread, run by the test when it chooses.
struct TaskQueue {
    std::mutex mutex;
    std::deque<std::function<void()>> tasks;
    void post(std::function<void()> task)
    {
        const std::lock_guard lock(mutex);
        tasks.push_back(std::move(task));
    }
    // Runs tasks until `done` holds (or a generous time has passed).
    template <class Done> void runUntil(Done done)
    {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!done() && std::chrono::steady_clock::now() < limit) {
            std::function<void()> task;
            {
                const std::lock_guard lock(mutex);
                if (!tasks.empty()) {
                    task = std::move(tasks.front());
                    tasks.pop_front();
                }
            }
            if (task)
                task();
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
};

// More games than one portion of stores, so that the index is stored in several.
std::string manyGames(int count)
{
    std::string text = "junk before the first game\n";
    for (int i = 0; i < count; ++i)
        text += game("W" + std::to_string(i), "B", i % 3 ? "1. e4 e5 *" : "1. d4 d5 2. c4 *");
    return text;
}

std::vector<std::string> indexKeys(morvane::MemorySettings& settings, int games)
{
    std::vector<std::string> values{settings.get("NumOfGames", "-")};
    for (int n = 1; n <= games + 1; ++n) {
        values.push_back(settings.get("MatchBegin" + std::to_string(n), "-"));
        values.push_back(settings.get("MatchEnd" + std::to_string(n), "-"));
    }
    return values;
}

TEST(BackgroundIndex, FirstGamePlaysAtOnceAndTheStoredIndexIsTheSynchronousOne)
{
    constexpr int kGames = 9000;
    const std::string bytes = manyGames(kGames);

    Rig reference;
    std::string path = reference.dir.write("default.pgn", bytes);
    reference.engine.EnumDefault(path);
    reference.settings.save("PGNFile", path);

    Rig rig;
    rig.dir.write("default.pgn", bytes);
    TaskQueue queue;
    rig.engine.indexInBackground([&queue](std::function<void()> task) { queue.post(std::move(task)); });
    rig.engine.Timer2_Timer();
    // Game 1 stands on the board before the rest of the file is stored, and
    // the file becomes the stored one only once its whole index is.
    EXPECT_EQ(rig.engine.GameNumber, 1);
    EXPECT_EQ(rig.screen.labels[1], "  W0 ");
    EXPECT_TRUE(rig.screen.timer1);
    EXPECT_TRUE(rig.engine.indexing());
    EXPECT_EQ(rig.settings.get("PGNFile", "no file"), "no file");

    // Loads during the indexing play the games in order from the same file.
    rig.engine.Timer2_Timer();
    EXPECT_EQ(rig.screen.labels[1], "  W1 ");

    queue.runUntil([&rig] { return !rig.engine.indexing(); });
    EXPECT_FALSE(rig.engine.indexing());
    EXPECT_EQ(indexKeys(rig.settings, kGames), indexKeys(reference.settings, kGames));
    EXPECT_EQ(rig.settings.get("PGNFile", ""), rig.dir.file("default.pgn"));
}

} // namespace
