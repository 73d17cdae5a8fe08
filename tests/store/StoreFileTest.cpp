#include "ErrorNumber.h"

#include "tests/support/Unprivileged.h"

#include <kiv/ConfigFile.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using kiv::ConfigFile;
namespace fs = std::filesystem;

namespace {

class StoreFile : public testing::Test {
protected:
    void SetUp() override {
        static int folders = 0;
        folder_ = fs::temp_directory_path() /
                  ("kiv-test-" + std::to_string(::getpid()) + "-" + std::to_string(++folders));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    static std::string readBytes(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeBytes(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

ConfigFile storeWith(const std::string& getAll) {
    ConfigFile store;
    store.WriteAll(getAll);
    return store;
}

} // namespace

TEST_F(StoreFile, SavesOneCrLfLinePerEntry) {
    ConfigFile store;
    store.WriteValue("Screens_11", "3");
    store.WriteValue("Name", "");
    store.ConfigSave(path("two.txt"));
    EXPECT_EQ(readBytes(path("two.txt")), "Screens_11=3\r\nName=\r\n");
}

TEST_F(StoreFile, EmptyStoreIsZeroByteFileAndBack) {
    ConfigFile store;
    store.ConfigSave(path("empty.txt"));
    EXPECT_EQ(readBytes(path("empty.txt")), "");

    ConfigFile loaded = storeWith("a=1");
    loaded.ConfigLoad(path("empty.txt"));
    EXPECT_EQ(loaded.LastSlot(), -1);
}

TEST_F(StoreFile, RoundTripKeepsEntriesOrderDuplicatesAndEscapesByteForByte) {
    ConfigFile store;
    store.WriteValue("Name", "Mario");
    store.WriteValue("Gone", "soon");
    store.WriteValue("Expr", "a=b=c");
    store.WriteValueNoCheck("Name", "Luigi");
    store.WriteValue("Text1", "Tom &\xC3\xA5; Jerry&\xC3\xA7;end");
    store.WriteValue(" spaced ", " value ");
    store.DelKey("Gone");
    const std::string expected = "Name=Mario\r\n"
                                 "Expr=a=b=c\r\n"
                                 "Name=Luigi\r\n"
                                 "Text1=Tom &\xE5; Jerry&\xE7;end\r\n"
                                 " spaced = value \r\n";

    store.ConfigSave(path("store.twd"));
    ASSERT_EQ(readBytes(path("store.twd")), expected);

    ConfigFile loaded;
    loaded.ConfigLoad(path("store.twd"));
    EXPECT_EQ(loaded.GetAll(), store.GetAll());
    EXPECT_EQ(loaded.LastSlot(), 4); // the hole is gone
    EXPECT_EQ(loaded.GetValue("Text1"), "Tom &\xC3\xA5; Jerry&\xC3\xA7;end");
    loaded.ConfigSave(path("again.twd"));
    EXPECT_EQ(readBytes(path("again.twd")), expected);

    loaded.DelKey("Name");
    EXPECT_EQ(loaded.GetValue("Name"), "Luigi");
}

TEST_F(StoreFile, EveryByteExceptCarriageReturnReadsBackUnchanged) {
    std::string bytes = "k=";
    for (int b = 0; b < 256; ++b) {
        if (b != '\r')
            bytes += static_cast<char>(b);
    }
    bytes += "\r\n";
    writeBytes(path("bytes.txt"), bytes);

    ConfigFile store;
    store.ConfigLoad(path("bytes.txt"));
    store.ConfigSave(path("copy.txt"));
    EXPECT_EQ(readBytes(path("copy.txt")), bytes);
}

struct EncodingCase {
    const char* name;
    std::string text; // UTF-8 in memory
    std::string byte; // Windows-1252 in the file

    friend void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }
};

class FileEncoding : public StoreFile, public testing::WithParamInterface<EncodingCase> {};

TEST_P(FileEncoding, WritesOneCodePageBytePerCharacter) {
    ConfigFile store;
    store.WriteValue("k", GetParam().text);
    store.ConfigSave(path("f.txt"));
    EXPECT_EQ(readBytes(path("f.txt")), "k=" + GetParam().byte + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Characters, FileEncoding,
    testing::Values(EncodingCase{"Ascii", "Az~", "Az~"}, EncodingCase{"Latin1", "\xC3\xA9", "\xE9"},
                    EncodingCase{"Euro", "\xE2\x82\xAC", "\x80"},
                    EncodingCase{"CapitalYDiaeresis", "\xC5\xB8", "\x9F"},
                    EncodingCase{"UndefinedByteStandIn", "\xC2\x81\xC2\x9D", "\x81\x9D"},
                    EncodingCase{"C1ControlOutsideCodePage", "\xC2\x80", "?"},
                    EncodingCase{"OutsideCodePage", "\xE4\xB8\xAD\xF0\x9F\x98\x80", "??"},
                    EncodingCase{"NotUtf8", "a\xFF\xC3", "a??"}),
    [](const auto& info) { return info.param.name; });

struct LoadCase {
    const char* name;
    std::string bytes;
    std::string getAll;
    int32_t lastSlot;

    friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
};

class LoadLines : public StoreFile, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadLines, SplitsAtCarriageReturns) {
    writeBytes(path("f.txt"), GetParam().bytes);
    ConfigFile store;
    store.WriteValue("old", "gone");
    store.ConfigLoad(path("f.txt"));
    EXPECT_EQ(store.GetAll(), GetParam().getAll);
    EXPECT_EQ(store.LastSlot(), GetParam().lastSlot);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadLines,
    testing::Values(LoadCase{"CrLf", "a=1\r\nb=2\r\n", "a=1\r\nb=2", 1},
                    LoadCase{"CrAlone", "a=1\rb=2", "a=1\r\nb=2", 1},
                    LoadCase{"LfAloneIsText", "a=1\nb=2\n", "a=1\nb=2\n", 0},
                    LoadCase{"BlankLinesTakeNoSlot", "\r\n\r\na=1\r\n\r\r\nb=2\r\n\r\n",
                             "a=1\r\nb=2", 1},
                    LoadCase{"ValueWithEquals", "a=b=c", "a=b=c", 0},
                    LoadCase{"DuplicatesKept", "a=1\r\na=2", "a=1\r\na=2", 1},
                    LoadCase{"EmptyNameIsFreeSlot", "=x\r\na=1\r\n", "a=1", 1}),
    [](const auto& info) { return info.param.name; });

TEST_F(StoreFile, FreeSlotFromFileIsFilledByNextNewKey) {
    writeBytes(path("hole.txt"), "=x\r\na=1\r\n");
    ConfigFile store;
    store.ConfigLoad(path("hole.txt"));
    store.WriteValue("n", "2");
    EXPECT_EQ(store.GetAll(), "n=2\r\na=1");
    EXPECT_EQ(store.LastSlot(), 2);
}

TEST_F(StoreFile, LoadOfBadContentFailsAndLeavesStoreEmpty) {
    struct Case {
        std::string bytes;
        int error;
    };
    std::string overCapacity;
    for (int32_t i = 0; i <= ConfigFile::Capacity; ++i)
        overCapacity += "k=v\r\n";
    const Case cases[] = {
        {"a=1\r\nno equals\r\nc=3\r\n", 5},
        {"a=1\r\n\n\r\n", 5}, // a lone line feed is not an empty line
        {overCapacity, 9},
    };
    for (const Case& c : cases) {
        writeBytes(path("bad.txt"), c.bytes);
        ConfigFile store = storeWith("old=1");
        EXPECT_EQ(errorNumberOf([&] { store.ConfigLoad(path("bad.txt")); }), c.error);
        EXPECT_EQ(store.LastSlot(), -1);
        EXPECT_EQ(store.GetValue("a"), "[NOT FOUND]");
    }
}

TEST_F(StoreFile, LoadTakesExactlyCapacityLines) {
    std::string bytes;
    for (int32_t i = 0; i < ConfigFile::Capacity; ++i)
        bytes += std::string("k").append(std::to_string(i)) + "=v\r\n";
    writeBytes(path("full.txt"), bytes);
    ConfigFile store;
    store.ConfigLoad(path("full.txt"));
    EXPECT_EQ(store.LastSlot(), ConfigFile::Capacity - 1);
    EXPECT_EQ(store.GetValue("k262143"), "v");
}

// Which error each unreadable file reports is the file layer's (tests/files); the store passes it
// on with its wording and keeps nothing of what it held.
TEST_F(StoreFile, LoadOfAnUnreadableFileReportsItsErrorAndLeavesStoreEmpty) {
    ConfigFile store = storeWith("old=1");
    try {
        store.ConfigLoad(path("no-folder/file.txt"));
        FAIL() << "no error";
    } catch (const kiv::Error& e) {
        EXPECT_EQ(e.number(), 76);
        EXPECT_EQ(e.description(), "Path not found");
    }
    EXPECT_EQ(store.LastSlot(), -1);
}

TEST_F(StoreFile, SaveReplacesExistingFileWholly) {
    storeWith("long=aaaaaaaaaaaaaaaaaaaaaaaa\r\nmore=bbbbbbbbbbbbbbbb").ConfigSave(path("f.txt"));
    storeWith("s=1").ConfigSave(path("f.txt"));
    EXPECT_EQ(readBytes(path("f.txt")), "s=1\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

// A link stays a link: the save writes the file at the end of its chain, in that file's folder.
TEST_F(StoreFile, SaveOntoASymbolicLinkWritesTheFileItPointsTo) {
    fs::create_directory(path("real"));
    fs::create_symlink("real/old.twd", path("relative.twd"));
    fs::create_symlink("relative.twd", path("chain.twd"));
    fs::create_symlink(path("real/new.twd"), path("absolute.twd"));
    const struct {
        const char* link;
        const char* target;
    } cases[] = {{"relative.twd", "real/old.twd"},
                 {"chain.twd", "real/old.twd"},
                 {"absolute.twd", "real/new.twd"}}; // dangling: the target is made
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        writeBytes(path("real/old.twd"), "old=1\r\n");
        fs::remove(path("real/new.twd"));
        storeWith("s=1").ConfigSave(path(c.link));

        EXPECT_TRUE(fs::is_symlink(path(c.link)));
        EXPECT_EQ(readBytes(path(c.target)), "s=1\r\n");
        for (const auto& entry : fs::directory_iterator(path("real")))
            EXPECT_TRUE(entry.path().filename() == "old.twd" ||
                        entry.path().filename() == "new.twd")
                << entry.path();
    }
}

TEST_F(StoreFile, SaveOntoALinkIntoAMissingFolderIsPathNotFound) {
    fs::create_symlink("gone/f.twd", path("dangling.twd"));
    try {
        storeWith("s=1").ConfigSave(path("dangling.twd"));
        FAIL() << "no error";
    } catch (const kiv::Error& e) {
        EXPECT_EQ(e.number(), 76);
        EXPECT_NE(e.description().find("gone/f.twd"), std::string::npos) << e.description();
    }
    EXPECT_TRUE(fs::is_symlink(path("dangling.twd")));
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(StoreFile, FailedSaveReportsErrorAndLeavesStoreAndFolderAsTheyWere) {
    const ConfigFile store = storeWith("a=1\r\nb=2");
    try {
        store.ConfigSave(path("no-folder/f.txt"));
        FAIL() << "no error";
    } catch (const kiv::Error& e) {
        EXPECT_EQ(e.number(), 76);
        EXPECT_EQ(e.description(), "Path not found");
    }
    EXPECT_EQ(store.GetAll(), "a=1\r\nb=2");
    EXPECT_EQ(filesInFolder(), 0u);
}

TEST_F(StoreFile, SaveCutShortLeavesOldFileIntact) {
    writeBytes(path("f.txt"), "old=content\r\n");
    std::string big(1 << 16, 'x');
    const ConfigFile store = storeWith("k=" + big);

    // A file size limit makes the write fail half way, as a full disk would.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const int error = errorNumberOf([&] { store.ConfigSave(path("f.txt")); });
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, 75);
    EXPECT_EQ(readBytes(path("f.txt")), "old=content\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(StoreFile, ReadOnlyFileIsNeitherReadNorReplacedWithoutPermission) {
    RUN_AS_UNPRIVILEGED_USER();
    writeBytes(path("locked.txt"), "a=1\r\n");
    fs::permissions(path("locked.txt"), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(errorNumberOf([&] { storeWith("b=2").ConfigSave(path("locked.txt")); }), 70);
    EXPECT_EQ(readBytes(path("locked.txt")), "a=1\r\n");

    fs::permissions(path("locked.txt"), fs::perms::owner_read, fs::perm_options::remove);
    ConfigFile store;
    EXPECT_EQ(errorNumberOf([&] { store.ConfigLoad(path("locked.txt")); }), 70);
}
