#include "file_change_watch.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <ctime>
#include <mutex>

namespace morvane {

namespace {

// A real-time signal far from the ones libraries take from the low end.
int noticeSignal()
{
    return SIGRTMAX - 5;
}

std::atomic<unsigned> gNotices{0};
static_assert(std::atomic<unsigned>::is_always_lock_free, "counted inside a signal handler");

void countNotice(int, siginfo_t*, void*)
{
    gNotices.fetch_add(1, std::memory_order_relaxed);
}

// Installs the counter once; false when the signal already has another owner.
bool handlerInstalled()
{
    static std::once_flag once;
    static bool installed = false;
    std::call_once(once, [] {
        struct sigaction previous {};
        if (::sigaction(noticeSignal(), nullptr, &previous) != 0 || (previous.sa_flags & SA_SIGINFO) != 0 ||
            previous.sa_handler != SIG_DFL)
            return;
        struct sigaction action {};
        action.sa_sigaction = countNotice;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        installed = ::sigaction(noticeSignal(), &action, nullptr) == 0;
    });
    return installed;
}

std::int64_t coarseNow()
{
    // The coarse clock is read from memory, never through a system call.
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

constexpr std::int64_t kLongestTrust = 1000000000; // one second

} // namespace

FileChangeWatch::~FileChangeWatch()
{
    stop();
}

void FileChangeWatch::stop()
{
    settled_ = false;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool FileChangeWatch::watch(const std::string& path)
{
    stop();
    if (path.empty() || !handlerInstalled())
        return false;
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0)
        return false;
    // The folder too: a file saved by writing another and renaming it over
    // this one leaves the watched file untouched.
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const bool watching =
        ::inotify_add_watch(fd_, path.c_str(), IN_MODIFY | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF) >= 0 &&
        ::inotify_add_watch(fd_, folder.c_str(), IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO) >= 0 &&
        ::fcntl(fd_, F_SETSIG, noticeSignal()) == 0 && ::fcntl(fd_, F_SETOWN, ::getpid()) == 0 &&
        ::fcntl(fd_, F_SETFL, O_NONBLOCK | O_ASYNC) == 0;
    if (!watching) {
        stop();
        return false;
    }
    return true;
}

bool FileChangeWatch::quiet() const
{
    return settled_ && gNotices.load(std::memory_order_relaxed) == seen_ && coarseNow() - settledAt_ < kLongestTrust;
}

void FileChangeWatch::settle()
{
    seen_ = gNotices.load(std::memory_order_relaxed);
    settledAt_ = coarseNow();
    settled_ = fd_ >= 0;
    if (fd_ < 0)
        return;
    // Notices left queued would swallow the next one of the same kind.
    alignas(inotify_event) char events[4096];
    while (::read(fd_, events, sizeof events) > 0) {
    }
}

} // namespace morvane
