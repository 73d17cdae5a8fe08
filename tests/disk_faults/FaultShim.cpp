// Preloaded into a test (LD_PRELOAD) to make the disk fail on demand, without any hook in the
// program: while TARNWICK_FAULT_PATTERN is set, the call named by TARNWICK_FAULT_CALL (write,
// the default; fsync; rename) fails with TARNWICK_FAULT_ERRNO (ENOSPC, the default; EIO) for every
// file whose path contains the pattern. A failing write first takes part of the bytes, as a disk
// filling up does, so that a half-written file would show. TARNWICK_FAULT_CALL=vanish instead
// removes the folder of the file, with everything in it, when the file is flushed: the folder
// disappears in the middle of a save.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

template <typename F> F real(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

int faultFor(const char* call, const char* path) {
    const char* pattern = std::getenv("TARNWICK_FAULT_PATTERN");
    if (pattern == nullptr || *pattern == '\0' || path == nullptr)
        return 0;
    const char* which = std::getenv("TARNWICK_FAULT_CALL");
    if (std::strcmp(which != nullptr ? which : "write", call) != 0 ||
        std::strstr(path, pattern) == nullptr)
        return 0;
    const char* kind = std::getenv("TARNWICK_FAULT_ERRNO");
    return kind != nullptr && std::strcmp(kind, "EIO") == 0 ? EIO : ENOSPC;
}

int faultForDescriptor(const char* call, int fd) {
    if (std::getenv("TARNWICK_FAULT_PATTERN") == nullptr)
        return 0;
    char link[64];
    char path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length < 0)
        return 0;
    path[length] = '\0';
    return faultFor(call, path);
}

void removeFolderOf(const char* file) {
    const std::string path(file);
    const std::string folder = path.substr(0, path.rfind('/'));
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                ::unlink((folder + "/" + entry->d_name).c_str());
        ::closedir(dir);
    }
    ::rmdir(folder.c_str());
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* bytes, size_t count) {
    static const auto next = real<ssize_t (*)(int, const void*, size_t)>("write");
    if (const int err = faultForDescriptor("write", fd); err != 0) {
        if (count > 1)
            return next(fd, bytes, count / 2);
        errno = err;
        return -1;
    }
    return next(fd, bytes, count);
}

int fsync(int fd) {
    static const auto next = real<int (*)(int)>("fsync");
    if (faultForDescriptor("vanish", fd) != 0) {
        char link[64];
        char path[4096];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        const ssize_t length = ::readlink(link, path, sizeof path - 1);
        if (length > 0) {
            path[length] = '\0';
            removeFolderOf(path);
        }
        return next(fd);
    }
    if (const int err = faultForDescriptor("fsync", fd); err != 0) {
        errno = err;
        return -1;
    }
    return next(fd);
}

int rename(const char* from, const char* to) noexcept {
    static const auto next = real<int (*)(const char*, const char*)>("rename");
    if (const int err = faultFor("rename", to); err != 0) {
        errno = err;
        return -1;
    }
    return next(from, to);
}

} // extern "C"
