#include "files/FileError.h"

#include "Folders.h"

#include <cerrno>
#include <utility>

namespace files {

namespace {

struct Mapping {
    int err;
    int32_t number;
};

// Every code not listed is a path/file access error (75). ENOENT is settled by the folder.
constexpr Mapping Table[] = {
    {ENOENT, numbers::FileNotFound},     {ENOTDIR, numbers::PathNotFound},
    {EACCES, numbers::PermissionDenied}, {EPERM, numbers::PermissionDenied},
    {EROFS, numbers::PermissionDenied},  {ENOSPC, numbers::DiskFull},
    {EDQUOT, numbers::DiskFull},
};

int32_t numberFor(int err) {
    for (const Mapping& mapping : Table)
        if (mapping.err == err)
            return mapping.number;
    return numbers::PathFileAccess;
}

} // namespace

FileError::FileError(int32_t number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

// Defined here so that the type's identity lives in this library alone.
FileError::~FileError() = default;

FileError FileError::standard(int32_t number) {
    switch (number) {
    case numbers::FileNotFound:
        return FileError(number, "File not found");
    case numbers::DiskFull:
        return FileError(number, "Disk full");
    case numbers::PermissionDenied:
        return FileError(number, "Permission denied");
    case numbers::PathFileAccess:
        return FileError(number, "Path/File access error");
    case numbers::PathNotFound:
        return FileError(number, "Path not found");
    default:
        return FileError(number, "Application-defined or object-defined error");
    }
}

FileError errorFor(int err, const std::string& path) {
    // No file has an empty name: it is not a missing one.
    if (path.empty())
        return FileError::standard(numbers::PathFileAccess);
    if (err == ENOENT && !folderExists(folderOf(path)))
        return FileError::standard(numbers::PathNotFound);
    return FileError::standard(numberFor(err));
}

} // namespace files
