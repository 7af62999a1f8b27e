#pragma once
// The game scan of one PGN file on a thread of its own. The user-interface
// thread takes the spans found so far in portions it can store without
// keeping input waiting, and may wait for the few games it needs at once.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "game_index.h"

namespace morvane {

class BackgroundIndex {
public:
    // `ready` runs on the scanning thread when spans wait to be taken or the
    // scan is over; it is called again only after take() has emptied the queue.
    BackgroundIndex(std::string path, std::function<void()> ready);
    ~BackgroundIndex(); // stops the scan and waits for its thread
    BackgroundIndex(const BackgroundIndex&) = delete;
    BackgroundIndex& operator=(const BackgroundIndex&) = delete;

    // Blocks until `count` games are found or the scan is over.
    void waitFor(std::int64_t count);
    // Up to `max` of the spans not taken yet, in file order.
    std::vector<GameSpan> take(std::size_t max);
    // The scan is over and every span has been taken.
    bool finished();
    // The number of games, or -1 when the file could not be read; meaningful once finished.
    std::int64_t result();
    const std::string& path() const { return path_; }

private:
    void scan();
    void hand(std::vector<GameSpan>& spans);

    std::string path_;
    std::function<void()> ready_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<GameSpan> pending_;
    std::int64_t found_ = 0;
    std::int64_t result_ = 0;
    bool done_ = false;
    bool stop_ = false;
    bool notified_ = false;
    std::thread thread_;
};

} // namespace morvane
