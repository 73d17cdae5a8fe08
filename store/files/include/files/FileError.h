#pragma once

// How a failed file operation is reported: one table from the system's error codes to the file
// error numbers of the platform's numbering (the ones kiv::Error carries) and their wording.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace files {

namespace numbers {
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t DiskFull = 61;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t PathFileAccess = 75;
inline constexpr int32_t PathNotFound = 76;
} // namespace numbers

// A file operation that failed: the platform's error number and its description.
class FileError : public std::runtime_error {
public:
    FileError(int32_t number, std::string description);
    ~FileError() override;

    // The error with the standard wording of one of the numbers above.
    static FileError standard(int32_t number);

    int32_t number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

private:
    int32_t number_;
    std::string description_;
};

// The error for `err`, the errno of a call on `path` that failed. A path that does not exist is
// told apart by its folder: a missing file (53) and a missing folder (76) ask the user for
// different things.
FileError errorFor(int err, const std::string& path);

} // namespace files
