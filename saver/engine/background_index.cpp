#include "background_index.h"

#include <algorithm>

namespace morvane {

namespace {

// Spans handed over at once, and the most that may wait untaken: the scan
// outruns any store, and waiting spans must not grow with the file.
constexpr std::size_t kHandOver = 4096;
constexpr std::size_t kMaxWaiting = std::size_t{1} << 18;

struct Stopped {};

} // namespace

BackgroundIndex::BackgroundIndex(std::string path, std::function<void()> ready)
    : path_(std::move(path)), ready_(std::move(ready)), thread_([this] { scan(); })
{
}

BackgroundIndex::~BackgroundIndex()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundIndex::scan()
{
    std::vector<GameSpan> spans;
    std::int64_t count = -1;
    try {
        count = IndexGameFile(path_, [this, &spans](const GameSpan& span) {
            spans.push_back(span);
            // The first game is wanted at once; later ones go over in portions.
            if (spans.size() >= kHandOver || found_ == 0)
                hand(spans);
        });
        hand(spans);
    } catch (const Stopped&) {
        return;
    }
    bool call = false;
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
        result_ = count;
        call = !notified_;
        notified_ = true;
    }
    changed_.notify_all();
    if (call && ready_)
        ready_();
}

void BackgroundIndex::hand(std::vector<GameSpan>& spans)
{
    bool call = false;
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stop_ || pending_.size() < kMaxWaiting; });
        if (stop_)
            throw Stopped{};
        pending_.insert(pending_.end(), spans.begin(), spans.end());
        found_ += static_cast<std::int64_t>(spans.size());
        call = !notified_ && !pending_.empty();
        notified_ = notified_ || call;
    }
    spans.clear();
    changed_.notify_all();
    if (call && ready_)
        ready_();
}

void BackgroundIndex::waitFor(std::int64_t count)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, count] { return done_ || found_ >= count; });
}

std::vector<GameSpan> BackgroundIndex::take(std::size_t max)
{
    std::vector<GameSpan> spans;
    {
        const std::lock_guard lock(mutex_);
        const std::size_t n = std::min(max, pending_.size());
        spans.assign(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
        if (pending_.empty() && !done_)
            notified_ = false;
    }
    changed_.notify_all();
    return spans;
}

bool BackgroundIndex::finished()
{
    const std::lock_guard lock(mutex_);
    return done_ && pending_.empty();
}

std::int64_t BackgroundIndex::result()
{
    const std::lock_guard lock(mutex_);
    return result_;
}

} // namespace morvane
