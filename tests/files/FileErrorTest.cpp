// The one table from system error codes to the platform's file error numbers, which every file
// operation of the store and the codec reports through.

#include <files/FileError.h>

#include <kiv/Error.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// Where the failed call was made: the error for a missing path depends on it.
enum class Where { InFolder, BareName, InMissingFolder, EmptyPath };

std::string pathFor(Where where) {
    const std::string folder = std::filesystem::temp_directory_path().string();
    switch (where) {
    case Where::InFolder:
        return folder + "/file.gb";
    case Where::BareName:
        return "file.gb";
    case Where::InMissingFolder:
        return folder + "/no-such-folder/file.gb";
    case Where::EmptyPath:
        break;
    }
    return "";
}

struct ErrorCase {
    int err;
    Where where;
    int32_t number;
    const char* description;

    std::string name() const {
        static const char* const Wheres[] = {"InFolder", "BareName", "InMissingFolder",
                                             "EmptyPath"};
        return std::string(strerrorname_np(err)) + "_" + Wheres[static_cast<int>(where)];
    }
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name(); }
};

class FileErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(FileErrors, MapTheSystemCodeToTheStoresNumberAndWording) {
    const ErrorCase& c = GetParam();
    const files::FileError error = files::errorFor(c.err, pathFor(c.where));
    EXPECT_EQ(error.number(), c.number);
    EXPECT_EQ(error.description(), c.description);
    EXPECT_STREQ(error.what(), c.description);
    EXPECT_EQ(kiv::Error::standard(c.number).description(), c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, FileErrors,
    testing::Values(
        ErrorCase{ENOENT, Where::InFolder, kiv::errors::FileNotFound, "File not found"},
        ErrorCase{ENOENT, Where::BareName, kiv::errors::FileNotFound, "File not found"},
        ErrorCase{ENOENT, Where::InMissingFolder, kiv::errors::PathNotFound, "Path not found"},
        ErrorCase{ENOENT, Where::EmptyPath, kiv::errors::PathFileAccess, "Path/File access error"},
        ErrorCase{ENOTDIR, Where::InFolder, kiv::errors::PathNotFound, "Path not found"},
        ErrorCase{EACCES, Where::InFolder, kiv::errors::PermissionDenied, "Permission denied"},
        ErrorCase{EPERM, Where::InFolder, kiv::errors::PermissionDenied, "Permission denied"},
        ErrorCase{EROFS, Where::InFolder, kiv::errors::PermissionDenied, "Permission denied"},
        ErrorCase{ENOSPC, Where::InFolder, kiv::errors::DiskFull, "Disk full"},
        ErrorCase{EDQUOT, Where::InFolder, kiv::errors::DiskFull, "Disk full"},
        ErrorCase{EISDIR, Where::InFolder, kiv::errors::PathFileAccess, "Path/File access error"},
        ErrorCase{EIO, Where::InFolder, kiv::errors::PathFileAccess, "Path/File access error"},
        ErrorCase{EFBIG, Where::InFolder, kiv::errors::PathFileAccess, "Path/File access error"},
        ErrorCase{ELOOP, Where::InFolder, kiv::errors::PathFileAccess, "Path/File access error"},
        ErrorCase{ENAMETOOLONG, Where::InFolder, kiv::errors::PathFileAccess,
                  "Path/File access error"},
        ErrorCase{EMFILE, Where::InFolder, kiv::errors::PathFileAccess, "Path/File access error"},
        ErrorCase{EACCES, Where::EmptyPath, kiv::errors::PathFileAccess, "Path/File access error"}),
    [](const auto& info) { return info.param.name(); });

} // namespace
