#pragma once
// Tells whether a file may have changed without asking the system on every
// look. The kernel signals the process when the file, or the folder that
// names it, changes; the signal handler only counts. A look costs a memory
// read while nothing has been reported, and at least once a second the answer
// is "may have changed" anyway, so a change the watch cannot see (a link's
// target replaced elsewhere, a lost notice) is still found within a second.

#include <cstdint>
#include <string>

namespace morvane {

class FileChangeWatch {
public:
    FileChangeWatch() = default;
    ~FileChangeWatch();
    FileChangeWatch(const FileChangeWatch&) = delete;
    FileChangeWatch& operator=(const FileChangeWatch&) = delete;

    // Watches `path` from now on (the last file watched is let go). False when
    // the system cannot watch it: then every look answers "may have changed".
    // Until the next settle() the file may have changed (it may have, between
    // the caller's look and the watch).
    bool watch(const std::string& path);
    void stop();
    // True when nothing may have changed since the last settle().
    bool quiet() const;
    // Forgets what was reported so far; call it just before looking at the
    // file, so that a change while looking is reported again.
    void settle();

private:
    int fd_ = -1;
    bool settled_ = false;
    unsigned seen_ = 0;          // notices counted at the last settle()
    std::int64_t settledAt_ = 0; // coarse clock, nanoseconds
};

} // namespace morvane
