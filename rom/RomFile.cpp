#include "rom/RomFile.h"

#include <kiv/Error.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace rom {

namespace fs = std::filesystem;

namespace {

kiv::Error fileError(int err) {
    switch (err) {
    case ENOENT:
        return kiv::Error::standard(kiv::errors::FileNotFound);
    case ENOTDIR:
        return kiv::Error::standard(kiv::errors::PathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
        return kiv::Error::standard(kiv::errors::PermissionDenied);
    case ENOSPC:
    case EDQUOT:
        return kiv::Error::standard(kiv::errors::DiskFull);
    default:
        return kiv::Error::standard(kiv::errors::PathFileAccess);
    }
}

// Closes the descriptor and removes the temporary file unless the rename took it over.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& target) {
        std::string base = target.parent_path().string();
        if (!base.empty())
            base += '/';
        base += '.';
        base += target.filename().string();
        for (int attempt = 0; fd_ < 0; ++attempt) {
            path_ = base + ".tw-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                throw fileError(errno == ENOENT ? ENOTDIR : errno);
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

    void write(const std::vector<uint8_t>& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw fileError(errno);
            done += static_cast<size_t>(n);
        }
    }

    void keepPermissionsOf(const fs::path& target) {
        struct stat st {};
        if (::stat(target.c_str(), &st) == 0 && ::fchmod(fd_, st.st_mode & 07777) != 0)
            throw fileError(errno);
    }

    void commitAs(const fs::path& target) {
        if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
            fd_ = -1;
            throw fileError(errno);
        }
        fd_ = -1;
        // The folder went away while the bytes were written.
        if (::rename(path_.c_str(), target.c_str()) != 0)
            throw fileError(errno == ENOENT ? ENOTDIR : errno);
        path_.clear();
    }

private:
    std::string path_;
    int fd_ = -1;
};

// Beyond this many links in a row the chain is taken for a loop, as the system does.
constexpr int MaxLinkHops = 40;

// The file that a save onto `path` has to replace: `path` itself, or, when it is a symbolic
// link, the file at the end of its chain of links. Replacing the link itself would turn it into
// a plain file and leave the file it points to behind unchanged.
fs::path linkTarget(const fs::path& path) {
    fs::path current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)))
            return current;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec)
            throw fileError(ec.value());
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    throw kiv::Error(kiv::errors::PathFileAccess,
                     "Path/File access error: " + path.string() + " is a loop of symbolic links");
}

} // namespace

std::vector<uint8_t> readWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw fileError(errno);
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        throw kiv::Error::standard(kiv::errors::PathFileAccess);
    return bytes;
}

void replaceFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    const fs::path target = linkTarget(path);
    std::error_code ec;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::is_directory(folder, ec)) {
        if (target != fs::path(path))
            throw kiv::Error(kiv::errors::PathNotFound, "Path not found: " + path +
                                                            " is a link to " + target.string() +
                                                            ", whose folder does not exist");
        throw kiv::Error::standard(kiv::errors::PathNotFound);
    }
    // Renaming over a read-only file would succeed, as the folder allows it, and quietly undo
    // the protection the user gave the file; it is refused as writing into it would be.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            throw kiv::Error::standard(kiv::errors::PathFileAccess);
        if (::access(target.c_str(), W_OK) != 0)
            throw fileError(errno);
    }
    TemporaryFile temporary(target);
    temporary.write(bytes);
    temporary.keepPermissionsOf(target);
    temporary.commitAs(target);
}

} // namespace rom
