#include "files/FileError.h"
#include "files/Files.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// The bytes of the open file `fd`, up to `count`; the errno of the failure, if any, in `err`.
std::string readOpen(int fd, std::size_t count, int& err) {
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        err = errno;
        return bytes;
    }
    if (S_ISDIR(info.st_mode)) {
        err = EISDIR;
        return bytes;
    }
    bytes.reserve(std::min(count, static_cast<std::size_t>(info.st_size)));
    char chunk[65536];
    while (bytes.size() < count) {
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, count - bytes.size()));
        if (got == 0)
            break;
        if (got > 0)
            bytes.append(chunk, static_cast<std::size_t>(got));
        else if (errno != EINTR) {
            err = errno;
            break;
        }
    }
    return bytes;
}

} // namespace

std::string readStart(const std::string& path, std::size_t count) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw errorFor(errno, path);
    int err = 0;
    std::string bytes = readOpen(fd, count, err);
    ::close(fd);
    if (err != 0)
        throw errorFor(err, path);
    return bytes;
}

std::string readWhole(const std::string& path) {
    return readStart(path, std::numeric_limits<std::size_t>::max());
}

} // namespace files
