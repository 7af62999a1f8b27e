#include "game_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    if (fd_ < 0 || info.st_dev != device_ || info.st_ino != inode_ || path != path_) {
        close();
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        device_ = info.st_dev;
        inode_ = info.st_ino;
        path_ = path;
    }
    return true;
}

std::optional<std::string> GameFileReader::read(std::int64_t begin, std::int64_t length)
{
    if (!found_ || fd_ < 0)
        return std::nullopt;
    std::string text;
    if (length <= 0 || begin < 1)
        return text;
    text.resize(static_cast<std::size_t>(length));
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::pread(fd_, text.data() + done, text.size() - done,
                                  static_cast<off_t>(begin - 1) + static_cast<off_t>(done));
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    text.resize(done);
    return text;
}

} // namespace morvane
