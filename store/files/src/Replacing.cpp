#include "files/FileError.h"
#include "files/Files.h"

#include "Folders.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace files {

namespace {

// A new file beside the one it is to replace. It is removed again unless it took that file's
// place, so a failed save leaves nothing behind.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : target_(target) {
        static std::atomic<unsigned> counter{0};
        const std::string folder = folderOf(target);
        const std::string stem = folder + "/." + target.substr(target.rfind('/') + 1) + ".~";
        while (fd_ < 0) {
            path_ = stem + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                throw errorFor(errno, target_);
        }
    }
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                throw errorFor(errno, target_);
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void setPermissions(mode_t mode) {
        if (::fchmod(fd_, mode & 07777) != 0)
            throw errorFor(errno, target_);
    }

    // Flushes the bytes to the disk and renames the file over the target.
    void commit() {
        const bool synced = ::fsync(fd_) == 0;
        const int err = errno;
        if (::close(std::exchange(fd_, -1)) != 0 || !synced)
            throw errorFor(synced ? errno : err, target_);
        if (::rename(path_.c_str(), target_.c_str()) != 0)
            throw errorFor(errno, target_);
        path_.clear();
    }

private:
    std::string target_;
    std::string path_;
    int fd_ = -1;
};

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
    throw FileError(numbers::PathFileAccess,
                    "Path/File access error: " + path + " is a loop of symbolic links");
}

} // namespace

// Writing straight into the target would leave a torn file behind if the write failed half
// way, so the bytes go to a file in the same folder that then takes the target's place.
void replace(const std::string& linkOrPath, std::string_view bytes) {
    if (linkOrPath.empty())
        throw FileError::standard(numbers::PathFileAccess);
    const std::string path = linkTarget(linkOrPath);
    if (path != linkOrPath && !folderExists(folderOf(path)))
        throw FileError(numbers::PathNotFound, "Path not found: " + linkOrPath + " is a link to " +
                                                   path + ", whose folder does not exist");
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw FileError::standard(numbers::PathFileAccess);
    // Renaming over a read-only file would succeed, as the folder allows it, and quietly undo
    // the protection the user gave the file; it is refused as writing into it would be.
    if (exists && ::access(path.c_str(), W_OK) != 0)
        throw errorFor(errno, path);

    TemporaryFile temporary(path);
    temporary.write(bytes);
    if (exists)
        temporary.setPermissions(existing.st_mode);
    temporary.commit();
}

} // namespace files
