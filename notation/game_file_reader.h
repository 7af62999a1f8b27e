#pragma once
// Reads games out of a PGN file by their byte ranges. The file stays open
// between loads as long as its path still names the same file (same device and
// inode), and is read in large blocks: games played in file order cost one read
// per block, not one per game. A file replaced under the same name is opened
// afresh. While the file is watched and nothing was reported about it, a look
// costs no system call at all; once something was, the block is read again.

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "file_change_watch.h"

namespace morvane {

class GameFileReader {
public:
    GameFileReader() = default;
    ~GameFileReader();
    GameFileReader(const GameFileReader&) = delete;
    GameFileReader& operator=(const GameFileReader&) = delete;

    // True when `path` names a regular file; it becomes the file read next.
    bool exists(const std::string& path);
    // Size and modification time of that file as exists() last saw them.
    struct Stamp {
        std::int64_t size = -1;
        std::int64_t modified = 0; // nanoseconds
        bool operator==(const Stamp&) const = default;
    };
    const Stamp& stamp() const { return stamp_; }
    // `length` bytes from the 1-based position `begin` of the file last found by
    // exists() (fewer at its end, which the read never passes; empty for
    // length <= 0, begin < 1 or begin beyond the end), or
    // nothing when it cannot be read. The view stays valid until the next read.
    std::optional<std::string_view> read(std::int64_t begin, std::int64_t length);

private:
    void close();

    int fd_ = -1;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::string path_;
    bool found_ = false;
    Stamp stamp_;
    FileChangeWatch watch_;
    void dropBlock() { blockBytes_ = 0; }

    std::unique_ptr<char[]> buffer_; // grown as needed, never cleared
    std::size_t capacity_ = 0;
    std::int64_t blockStart_ = 0; // file offset of buffer_[0]
    std::size_t blockBytes_ = 0;  // bytes of the file held from there
};

} // namespace morvane
