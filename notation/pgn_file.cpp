#include "pgn_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {

namespace {

class FileHandle {
public:
    explicit FileHandle(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~FileHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// Reads up to `length` bytes at `offset`; false on an error.
bool readAt(int fd, std::string& out, std::int64_t offset, std::size_t length)
{
    out.resize(length);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n =
            ::pread(fd, out.data() + done, length - done, static_cast<off_t>(offset) + static_cast<off_t>(done));
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return true;
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path)
{
    FileHandle file(path);
    struct stat info {};
    if (file.fd() < 0 || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string text;
    if (!readAt(file.fd(), text, 0, static_cast<std::size_t>(info.st_size)))
        return std::nullopt;
    // A file that grew while being read: take the rest as well.
    std::string more;
    while (readAt(file.fd(), more, static_cast<std::int64_t>(text.size()), 1 << 16) && !more.empty())
        text += more;
    return text;
}

std::optional<std::string> readByteRange(const std::string& path, std::int64_t begin, std::int64_t length)
{
    FileHandle file(path);
    if (file.fd() < 0)
        return std::nullopt;
    std::string text;
    if (length <= 0 || begin < 1)
        return text;
    if (!readAt(file.fd(), text, begin - 1, static_cast<std::size_t>(length)))
        return std::nullopt;
    return text;
}

bool isFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace morvane
