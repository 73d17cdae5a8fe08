#include "FileAccess.h"

#include <kiv/Error.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kiv::file {

namespace {

bool parentFolderExists(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

Error errorFor(int err, const std::string& path) {
    if (path.empty())
        return Error::standard(errors::PathFileAccess);
    switch (err) {
    case ENOENT:
        return Error::standard(parentFolderExists(path) ? errors::FileNotFound
                                                        : errors::PathNotFound);
    case ENOTDIR:
        return Error::standard(errors::PathNotFound);
    case EACCES:
    case EPERM:
        return Error::standard(errors::PermissionDenied);
    case ENOSPC:
    case EDQUOT:
        return Error::standard(errors::DiskFull);
    default:
        return Error::standard(errors::PathFileAccess);
    }
}

// Closes the descriptor and, unless released, removes the file it was created as.
class TempFile {
public:
    TempFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!released_)
            ::unlink(path_.c_str());
    }

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    int close() { return ::close(std::exchange(fd_, -1)); }
    void release() { released_ = true; }

private:
    int fd_;
    std::string path_;
    bool released_ = false;
};

TempFile createBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    for (;;) {
        const std::string name =
            path + ".~kiv" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return TempFile(fd, name);
        if (errno != EEXIST)
            throw errorFor(errno, path);
    }
}

void writeAll(int fd, const std::string& path, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw errorFor(errno, path);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Beyond this many links in a row the chain is taken for a loop, as the system does.
constexpr int MaxLinkHops = 40;

// The file that saving onto `path` has to replace: `path` itself, or, when it is a symbolic
// link, the file at the end of its chain of links. Replacing the link itself would turn it into
// a plain file and leave the file it points to behind unchanged.
std::string linkTarget(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::string next(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), next.data(), next.size());
        if (length < 0)
            throw errorFor(errno, current);
        next.resize(static_cast<std::size_t>(length));
        if (next.empty() || next.front() != '/') {
            const auto slash = current.rfind('/');
            if (slash != std::string::npos)
                next.insert(0, current, 0, slash + 1);
        }
        current = std::move(next);
    }
    throw Error(errors::PathFileAccess,
                "Path/File access error: " + path + " is a loop of symbolic links");
}

} // namespace

std::string readAll(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw errorFor(errno, path);
    std::string bytes;
    int err = 0;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        err = errno;
    else if (S_ISDIR(info.st_mode))
        err = EISDIR;
    else
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[65536];
    while (err == 0) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got > 0)
            bytes.append(chunk, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            err = errno;
    }
    ::close(fd);
    if (err != 0)
        throw errorFor(err, path);
    return bytes;
}

// Writing straight into the target would leave a torn file behind if the write failed half
// way, so the bytes go to a file in the same folder that then takes the target's place.
void replaceWith(const std::string& linkOrPath, std::string_view bytes) {
    if (linkOrPath.empty())
        throw Error::standard(errors::PathFileAccess);
    const std::string path = linkTarget(linkOrPath);
    if (path != linkOrPath && !parentFolderExists(path))
        throw Error(errors::PathNotFound, "Path not found: " + linkOrPath + " is a link to " +
                                              path + ", whose folder does not exist");
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw Error::standard(errors::PathFileAccess);
    if (exists && ::access(path.c_str(), W_OK) != 0)
        throw errorFor(errno, path); // a read-only file stays as it is

    TempFile temp = createBeside(path);
    writeAll(temp.fd(), path, bytes);
    if (exists)
        ::fchmod(temp.fd(), existing.st_mode & 07777);
    if (::fsync(temp.fd()) != 0 || temp.close() != 0)
        throw errorFor(errno, path);
    if (::rename(temp.path().c_str(), path.c_str()) != 0)
        throw errorFor(errno, path);
    temp.release();
}

} // namespace kiv::file
