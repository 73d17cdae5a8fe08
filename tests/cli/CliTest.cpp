#include "rom/SampleRom.h"

#include <kiv/ConfigFile.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string quoted(const std::string& arg) {
    std::string out = "'";
    for (char c : arg)
        if (c == '\'')
            out.append("'\\''");
        else
            out.push_back(c);
    return out + "'";
}

class Cli : public ::testing::Test {
protected:
    Cli() {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~Cli() override { fs::remove_all(folder); }

    CliRun run(const std::vector<std::string>& args) const {
        std::string command = quoted(TARNWICK_CLI);
        for (const auto& arg : args)
            command.append(" ").append(quoted(arg));
        const fs::path out = folder / "stdout.txt";
        const fs::path err = folder / "stderr.txt";
        command.append(" >").append(quoted(out)).append(" 2>").append(quoted(err));
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readText(out), readText(err)};
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    const fs::path folder = fs::temp_directory_path() / "tw_cli" /
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(Cli, SampleWritesTheGeneratedImage) {
    const CliRun r = run({"sample", path("s.gb"), "--seed", "9"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string bytes = readText(path("s.gb"));
    const auto expected = rom::makeSampleRom(9);
    EXPECT_EQ(bytes, std::string(expected.begin(), expected.end()));
}

TEST_F(Cli, ExportThenBuildGivesTheSameRom) {
    ASSERT_EQ(run({"sample", path("s.gb")}).exitCode, 0);
    const CliRun exported = run({"export", path("s.gb"), path("s.twd")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    kiv::ConfigFile twd;
    twd.ConfigLoad(path("s.twd"));
    EXPECT_EQ(twd.GetValue("Screens_11"), "17");

    const CliRun built = run({"build", path("s.gb"), path("s.twd"), path("b.gb")});
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(built.out.rfind("ROM saved: " + path("b.gb") + "\n\nData written for world 1 (", 0),
              0u)
        << built.out;
    EXPECT_NE(built.out.find("Pipe data written"), std::string::npos);
    EXPECT_EQ(readText(path("b.gb")), readText(path("s.gb")));
}

TEST_F(Cli, UsagePrintsTheThreeRegionsOfARomOrALevelDataFile) {
    ASSERT_EQ(run({"sample", path("s.gb")}).exitCode, 0);
    ASSERT_EQ(run({"export", path("s.gb"), path("s.TWD")}).exitCode, 0);
    const CliRun fromRom = run({"usage", path("s.gb")});
    const CliRun fromTwd = run({"usage", path("s.TWD")});
    ASSERT_EQ(fromRom.exitCode, 0) << fromRom.err;
    EXPECT_EQ(fromRom.out.rfind("Bytes used for world 1: ", 0), 0u);
    EXPECT_NE(fromRom.out.find(" out of 5,847\nBytes used for worlds 2 and 4: "),
              std::string::npos);
    EXPECT_NE(fromRom.out.find(" out of 4,426\n"), std::string::npos);
    EXPECT_EQ(fromTwd.out, fromRom.out);
}

TEST_F(Cli, BuildRefusesAFileThatIsNoLevelData) {
    ASSERT_EQ(run({"sample", path("s.gb")}).exitCode, 0);
    kiv::ConfigFile other;
    other.WriteValue("Universal", "0");
    other.ConfigSave(path("other.twd"));
    const CliRun r = run({"build", path("s.gb"), path("other.twd"), path("b.gb")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Please import a valid Tarnwick Data file."), std::string::npos);
    EXPECT_FALSE(fs::exists(path("b.gb")));
}

TEST_F(Cli, ErrorsNameTheFileAndExitWithOne) {
    const CliRun r = run({"export", path("missing.gb"), path("x.twd")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Unable to load file: '" + path("missing.gb") + "' - "), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(", 53"), std::string::npos);
}

TEST_F(Cli, WrongUsageExitsWithTwo) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"frob"},
                                                 {"sample"},
                                                 {"sample", "a.gb", "--seed", "x"},
                                                 {"build", "a.gb"},
                                                 {"usage"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("tarnwick-cli build ROM.gb IN.twd OUT.gb"), std::string::npos);
}

} // namespace
