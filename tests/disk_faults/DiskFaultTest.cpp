// Saves onto a disk that fails: full, failing to read back what it was given, refusing the final
// rename, or losing the folder half-way. Each save reports the disk's error and leaves the
// folder as it was: no partial file, no temporary file, an existing target with its old bytes,
// and the opened ROM untouched. The faults come from the preloaded FaultShim; where this process
// may mount file systems, a tiny tmpfs also gives a real full disk.

#include "rom/RomFile.h"
#include "rom/RomReader.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"
#include "tests/support/FileText.h"

#include <kiv/ConfigFile.h>
#include <kiv/Error.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct FaultCase {
    const char* name;
    const char* call;
    const char* kind;
    int32_t number;
    const char* description;
};

const FaultCase Faults[] = {
    {"full disk while writing", "write", "ENOSPC", kiv::errors::DiskFull, "Disk full"},
    {"I/O error while writing", "write", "EIO", kiv::errors::PathFileAccess,
     "Path/File access error"},
    {"full disk when flushing", "fsync", "ENOSPC", kiv::errors::DiskFull, "Disk full"},
    {"I/O error when renaming", "rename", "EIO", kiv::errors::PathFileAccess,
     "Path/File access error"},
    {"folder removed during the save", "vanish", "", kiv::errors::PathNotFound, "Path not found"},
};

// Makes the calls of `fault` fail for the files whose path contains `pattern` while it lives.
class Fault {
public:
    Fault(const FaultCase& fault, const std::string& pattern) {
        ::setenv("TARNWICK_FAULT_CALL", fault.call, 1);
        ::setenv("TARNWICK_FAULT_ERRNO", fault.kind, 1);
        ::setenv("TARNWICK_FAULT_PATTERN", pattern.c_str(), 1);
    }
    ~Fault() {
        ::unsetenv("TARNWICK_FAULT_PATTERN");
        ::unsetenv("TARNWICK_FAULT_CALL");
        ::unsetenv("TARNWICK_FAULT_ERRNO");
    }
    Fault(const Fault&) = delete;
    Fault& operator=(const Fault&) = delete;
};

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class DiskFaults : public ::testing::Test {
protected:
    DiskFaults() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::vector<uint8_t> image = rom::makeSampleRom(1);
        romBytes.assign(image.begin(), image.end());
        rom::replaceFile(romFile(), image);
        rom::loadROM(romFile(), doc);
    }
    ~DiskFaults() override {
        ::umount2(out().c_str(), MNT_DETACH);
        fs::remove_all(folder);
    }

    std::string romFile() const { return (folder / "game.gb").string(); }
    fs::path out() const { return folder / "out"; }

    // A fresh output folder, holding `target` with the bytes "keep" when `existing`.
    void prepareOut(const std::string& target, bool existing) {
        fs::remove_all(out());
        fs::create_directories(out());
        if (existing)
            writeText(out() / target, "keep");
    }

    // The output folder holds what it held before the failed save, and the opened ROM too.
    void expectNothingWritten(const FaultCase& fault, const std::string& target, bool existing) {
        std::vector<std::string> names;
        if (fs::exists(out()))
            for (const auto& entry : fs::directory_iterator(out()))
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        if (std::strcmp(fault.call, "vanish") == 0) {
            EXPECT_FALSE(fs::exists(out()));
        } else {
            EXPECT_EQ(names,
                      existing ? std::vector<std::string>{target} : std::vector<std::string>{});
            if (existing) {
                EXPECT_EQ(readText(out() / target), "keep");
            }
        }
        EXPECT_EQ(readText(romFile()), romBytes);
    }

    struct CliRun {
        int exitCode;
        std::string err;
    };
    CliRun cli(const std::vector<std::string>& args) const {
        std::string command = quoted(TARNWICK_CLI);
        for (const auto& arg : args)
            command.append(" ").append(quoted(arg));
        const fs::path err = folder / "stderr.txt";
        command.append(" >/dev/null 2>").append(quoted(err.string()));
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readText(err)};
    }

    const fs::path folder = fs::temp_directory_path() /
                            ("tw_faults_" + std::to_string(::getpid()) + "_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string romBytes;
    kiv::ConfigFile doc;
};

TEST_F(DiskFaults, ConfigSaveReportsTheFaultAndWritesNothing) {
    for (const FaultCase& fault : Faults) {
        for (const bool existing : {false, true}) {
            SCOPED_TRACE(std::string(fault.name) + (existing ? ", over a file" : ""));
            prepareOut("levels.twd", existing);
            try {
                const Fault failing(fault, "levels.twd");
                doc.ConfigSave((out() / "levels.twd").string());
                ADD_FAILURE() << "the save succeeded";
            } catch (const kiv::Error& e) {
                EXPECT_EQ(e.number(), fault.number);
                EXPECT_EQ(e.description(), fault.description);
            }
            expectNothingWritten(fault, "levels.twd", existing);
        }
    }
}

TEST_F(DiskFaults, RomSaveReportsTheFaultAndWritesNothing) {
    rom::SectionFlags all;
    all.fill(true);
    for (const FaultCase& fault : Faults) {
        for (const bool existing : {false, true}) {
            SCOPED_TRACE(std::string(fault.name) + (existing ? ", over a file" : ""));
            prepareOut("new.gb", existing);
            kiv::ConfigFile scratch;
            const Fault failing(fault, "new.gb");
            const rom::SaveOutcome outcome =
                rom::saveROM(romFile(), (out() / "new.gb").string(), doc, scratch, all);
            EXPECT_EQ(outcome.kind, rom::SaveOutcome::Kind::Failed);
            EXPECT_EQ(outcome.errorNumber, fault.number);
            EXPECT_EQ(outcome.errorDescription, fault.description);
            expectNothingWritten(fault, "new.gb", existing);
        }
    }
}

TEST_F(DiskFaults, CliBuildReportsTheFaultAndWritesNothing) {
    ASSERT_EQ(cli({"export", romFile(), (folder / "levels.twd").string()}).exitCode, 0);
    for (const FaultCase& fault : Faults) {
        for (const bool existing : {false, true}) {
            SCOPED_TRACE(std::string(fault.name) + (existing ? ", over a file" : ""));
            prepareOut("new.gb", existing);
            const Fault failing(fault, "new.gb");
            const CliRun r = cli({"build", romFile(), (folder / "levels.twd").string(),
                                  (out() / "new.gb").string()});
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_NE(
                r.err.find(std::string(fault.description) + ", " + std::to_string(fault.number)),
                std::string::npos)
                << r.err;
            expectNothingWritten(fault, "new.gb", existing);
        }
    }
}

TEST_F(DiskFaults, CliExportReportsTheFaultAndWritesNothing) {
    for (const FaultCase& fault : Faults) {
        for (const bool existing : {false, true}) {
            SCOPED_TRACE(std::string(fault.name) + (existing ? ", over a file" : ""));
            prepareOut("levels.twd", existing);
            const Fault failing(fault, "levels.twd");
            const CliRun r = cli({"export", romFile(), (out() / "levels.twd").string()});
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_NE(r.err.find(fault.description), std::string::npos) << r.err;
            expectNothingWritten(fault, "levels.twd", existing);
        }
    }
}

// A real full disk: a 64 KiB tmpfs, partly filled, cannot take a 64 KiB ROM image or a level
// document of about 700 KiB.
TEST_F(DiskFaults, ARealFullDiskWritesNothing) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a tmpfs needs the superuser; this test runs as user "
                     << ::geteuid();
    fs::create_directories(out());
    if (::mount("tmpfs", out().c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a tmpfs is not allowed here: " << std::strerror(errno);
    writeText(out() / "filler", std::string(8192, 'f'));
    writeText(out() / "old.twd", "keep");
    writeText(out() / "old.gb", "keep");

    EXPECT_THROW(
        {
            try {
                doc.ConfigSave((out() / "old.twd").string());
            } catch (const kiv::Error& e) {
                EXPECT_EQ(e.number(), kiv::errors::DiskFull);
                throw;
            }
        },
        kiv::Error);
    rom::SectionFlags all;
    all.fill(true);
    kiv::ConfigFile scratch;
    const rom::SaveOutcome outcome =
        rom::saveROM(romFile(), (out() / "old.gb").string(), doc, scratch, all);
    EXPECT_EQ(outcome.kind, rom::SaveOutcome::Kind::Failed);
    EXPECT_EQ(outcome.errorNumber, kiv::errors::DiskFull);

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(out()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"filler", "old.gb", "old.twd"}));
    EXPECT_EQ(readText(out() / "old.twd"), "keep");
    EXPECT_EQ(readText(out() / "old.gb"), "keep");
    EXPECT_EQ(readText(romFile()), romBytes);
}

} // namespace
