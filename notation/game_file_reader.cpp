#include "game_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace morvane {

namespace {
// Large enough that a read costs little per game, small enough to keep memory flat.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
} // namespace

GameFileReader::~GameFileReader()
{
    close();
}

void GameFileReader::close()
{
    watch_.stop();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool GameFileReader::exists(const std::string& path)
{
    if (found_ && fd_ >= 0 && path == path_ && watch_.quiet())
        return true;
    // Whatever the file now holds, the block may no longer be it.
    watch_.settle();
    dropBlock();
    struct stat info {};
    found_ = ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    if (!found_)
        return false;
    stamp_ = {static_cast<std::int64_t>(info.st_size),
              static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    if (fd_ < 0 || info.st_dev != device_ || info.st_ino != inode_ || path != path_) {
        close();
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ >= 0)
            watch_.watch(path);
        device_ = info.st_dev;
        inode_ = info.st_ino;
        path_ = path;
    }
    return true;
}

std::optional<std::string_view> GameFileReader::read(std::int64_t begin, std::int64_t length)
{
    if (!found_ || fd_ < 0)
        return std::nullopt;
    // A damaged index may name any length: only what the file holds is read.
    if (length <= 0 || begin < 1 || begin > stamp_.size)
        return std::string_view();
    const std::int64_t offset = begin - 1;
    const auto wanted = static_cast<std::size_t>(std::min(length, stamp_.size - offset));
    if (offset >= blockStart_ &&
        offset + static_cast<std::int64_t>(wanted) <= blockStart_ + static_cast<std::int64_t>(blockBytes_))
        return std::string_view(buffer_.get() + (offset - blockStart_), wanted);
    // The games after this one come with it.
    const std::size_t fill =
        std::max(wanted, static_cast<std::size_t>(std::min<std::int64_t>(kBlockBytes, stamp_.size - offset)));
    if (fill > capacity_) {
        dropBlock();
        buffer_.reset(new char[fill]);
        capacity_ = fill;
    }
    std::size_t done = 0;
    while (done < fill) {
        const ssize_t n =
            ::pread(fd_, buffer_.get() + done, fill - done, static_cast<off_t>(offset) + static_cast<off_t>(done));
        if (n < 0) {
            dropBlock();
            return std::nullopt;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    blockStart_ = offset;
    blockBytes_ = done;
    return std::string_view(buffer_.get(), std::min(done, wanted));
}

} // namespace morvane
