// Reading and replacing files as the store and the codec do: which error each situation reports,
// and that a replace that fails leaves the folder as it was.

#include <files/FileError.h>
#include <files/Files.h>

#include <kiv/Error.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FileLayer : public testing::Test {
protected:
    FileLayer() {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        write("plain.txt", "a=1\r\n");
        fs::create_directory(path("folder"));
    }
    ~FileLayer() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const {
        return name.empty() ? "" : (folder_ / name).string();
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    const fs::path folder_ =
        fs::temp_directory_path() / ("tw-files-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
};

struct Situation {
    const char* name; // in the test folder, which holds plain.txt and folder/
    int32_t number;
};

int32_t numberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const files::FileError& error) {
        return error.number();
    }
    return 0;
}

TEST_F(FileLayer, ReadingReportsWhyTheFileCannotBeRead) {
    const Situation situations[] = {
        {"missing.txt", kiv::errors::FileNotFound},
        {"no-folder/file.txt", kiv::errors::PathNotFound},
        {"plain.txt/file.txt", kiv::errors::PathNotFound},
        {"folder", kiv::errors::PathFileAccess},
        {"", kiv::errors::PathFileAccess},
    };
    for (const Situation& s : situations) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(numberOf([&] { files::readWhole(path(s.name)); }), s.number);
        EXPECT_EQ(numberOf([&] { files::readStart(path(s.name), 1); }), s.number);
    }
}

TEST_F(FileLayer, ReplacingReportsWhyTheFileCannotBeWrittenAndLeavesTheFolderAsItWas) {
    const Situation situations[] = {
        {"no-folder/file.txt", kiv::errors::PathNotFound},
        {"plain.txt/file.txt", kiv::errors::PathNotFound},
        {"folder", kiv::errors::PathFileAccess},
        {"", kiv::errors::PathFileAccess},
    };
    const std::vector<std::string> before = entries();
    for (const Situation& s : situations) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(numberOf([&] { files::replace(path(s.name), "new"); }), s.number);
        EXPECT_EQ(entries(), before);
        EXPECT_EQ(files::readWhole(path("plain.txt")), "a=1\r\n");
        EXPECT_TRUE(fs::is_empty(path("folder")));
    }
}

TEST_F(FileLayer, ReadsEveryByteOrTheFirstOnes) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    write("bytes.bin", bytes);
    EXPECT_EQ(files::readWhole(path("bytes.bin")), bytes);
    EXPECT_EQ(files::readStart(path("bytes.bin"), 10), bytes.substr(0, 10));
    EXPECT_EQ(files::readStart(path("bytes.bin"), 1000), bytes);
    write("empty.bin", "");
    EXPECT_EQ(files::readWhole(path("empty.bin")), "");
}

TEST_F(FileLayer, ReplacingKeepsThePermissionsAndLeavesOnlyTheFile) {
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path("plain.txt"), mode);
    files::replace(path("plain.txt"), std::string("new\0bytes", 9));
    EXPECT_EQ(files::readWhole(path("plain.txt")), std::string("new\0bytes", 9));
    EXPECT_EQ(fs::status(path("plain.txt")).permissions(), mode);

    files::replace(path("made.txt"), "made");
    EXPECT_EQ(files::readWhole(path("made.txt")), "made");
    EXPECT_EQ(entries(), (std::vector<std::string>{"folder", "made.txt", "plain.txt"}));
}

TEST_F(FileLayer, ALoopOfLinksIsRefusedAndStaysAsItWas) {
    fs::create_symlink("second.txt", path("first.txt"));
    fs::create_symlink("first.txt", path("second.txt"));
    try {
        files::replace(path("first.txt"), "new");
        FAIL() << "no error";
    } catch (const files::FileError& e) {
        EXPECT_EQ(e.number(), kiv::errors::PathFileAccess);
        EXPECT_EQ(e.description(),
                  "Path/File access error: " + path("first.txt") + " is a loop of symbolic links");
    }
    EXPECT_TRUE(fs::is_symlink(path("first.txt")));
    EXPECT_TRUE(fs::is_symlink(path("second.txt")));
    EXPECT_EQ(entries(),
              (std::vector<std::string>{"first.txt", "folder", "plain.txt", "second.txt"}));
}

} // namespace
