#include "game_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace morvane {

GameFileReader::~GameFileReader()
{
    close();
}

void GameFileReader::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool GameFileReader::exists(const std::string& path)
{
    struct stat info {};
    found_ = ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    if (!found_)
        return false;
    stamp_ = {static_cast<std::int64_t>(info.st_size),
              static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    if (fd_ < 0 || info.st_dev != device_ || info.st_ino != inode_ || path != path_) {
        close();
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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
    const auto wanted = static_cast<std::size_t>(std::min(length, stamp_.size - (begin - 1)));
    if (wanted > capacity_) {
        buffer_.reset(new char[wanted]);
        capacity_ = wanted;
    }
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t n =
            ::pread(fd_, buffer_.get() + done, wanted - done, static_cast<off_t>(begin - 1) + static_cast<off_t>(done));
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return std::string_view(buffer_.get(), done);
}

} // namespace morvane
