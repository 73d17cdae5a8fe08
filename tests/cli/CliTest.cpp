#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "sample/SampleRom.h"
#include "tests/support/FileText.h"

#include <kiv/ConfigFile.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

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

    // The process id keeps two builds testing at once out of each other's folders.
    const fs::path folder = fs::temp_directory_path() /
                            ("tw_cli_" + std::to_string(::getpid()) + "_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
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

// The sample ROM s.gb and its level data, loaded, for a test to change and build from.
class CliBuild : public Cli {
protected:
    CliBuild() {
        EXPECT_EQ(run({"sample", path("s.gb")}).exitCode, 0);
        EXPECT_EQ(run({"export", path("s.gb"), path("s.twd")}).exitCode, 0);
        levelData.ConfigLoad(path("s.twd"));
    }

    kiv::ConfigFile levelData;
};

// Each malformed file is refused with a message naming what is wrong, and the output path keeps
// what it held: nothing when there was no file, the old bytes when there was one.
TEST_F(CliBuild, MalformedLevelDataWritesNothing) {
    const std::string screen = levelData.GetValue("Screen_13_1");
    const std::string cell = "13_" + screen + "_0_0"; // row 0 always begins a run
    const struct {
        const char* name;
        std::function<void(kiv::ConfigFile&)> damage;
        std::string error;
    } cases[] = {
        {"a cell that is no object code", [&](auto& d) { d.WriteValue(cell, "abc"); },
         "the cell " + cell + " holds \"abc\", which is not an object code 0 to 255"},
        {"a screen count that is no number", [](auto& d) { d.WriteValue("Screens_22", "x"); },
         "Screens_22 holds \"x\", which is not a number"},
        {"a screen count of two billion", [](auto& d) { d.WriteValue("Screens_11", "2000000000"); },
         "Screens_11 holds \"2000000000\", but the screen table of level 1-1 holds at most 17"},
        {"an enemy count beyond any integer",
         [](auto& d) { d.WriteValue("Enemies_11", "99999999999"); },
         "Enemies_11 holds \"99999999999\", but the enemy table of level 1-1 holds at most 37"},
        {"a negative screen count", [](auto& d) { d.WriteValue("Screens_11", "-1"); },
         "Screens_11 holds \"-1\", which is below 0"},
        {"a screen count in exponent form", [](auto& d) { d.WriteValue("Screens_11", "1e3"); },
         "Screens_11 holds \"1e3\", which is not a number"},
        {"an enemy count after a space", [](auto& d) { d.WriteValue("Enemies_21", " 5"); },
         "Enemies_21 holds \" 5\", which is not a number"},
        {"fewer screens than the level's table", [](auto& d) { d.WriteValue("Screens_12", "0"); },
         "Screens_12 holds \"0\", but the game's table holds 14 screens"},
        {"fewer enemies than the level's table", [](auto& d) { d.WriteValue("Enemies_43", "75"); },
         "Enemies_43 holds \"75\", but the game's table holds 76 enemies"},
        {"a power-up that reads as a separator",
         [](auto& d) { d.WriteValue("PowerUp_screen_40", "255"); },
         "PowerUp_screen_40 holds 255, which the game reads as the end of a level's records"},
        {"no Screens_11", [](auto& d) { d.DelKey("Screens_11"); },
         "Please import a valid Tarnwick Data file."},
        {"253 starting a run", [&](auto& d) { d.WriteValue(cell, "253"); },
         "the cell " + cell + " holds 253, which the game reads as a mark"},
        {"254 starting a run", [&](auto& d) { d.WriteValue(cell, "254"); },
         "the cell " + cell + " holds 254, which the game reads as a mark"},
    };
    for (const auto& c : cases) {
        for (const bool existing : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (existing ? ", over a file" : ""));
            kiv::ConfigFile damaged;
            damaged.WriteAll(levelData.GetAll());
            c.damage(damaged);
            damaged.ConfigSave(path("bad.twd"));
            fs::remove(path("out.gb"));
            if (existing)
                std::ofstream(path("out.gb"), std::ios::binary) << "keep";

            const CliRun r = run({"build", path("s.gb"), path("bad.twd"), path("out.gb")});
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
            if (existing)
                EXPECT_EQ(readText(path("out.gb")), "keep");
            else
                EXPECT_FALSE(fs::exists(path("out.gb")));
        }
    }
}

// usage measures a level-data file only once it passed the import check that build and the
// window's Import use, and refuses it with the same message.
TEST_F(CliBuild, UsageRefusesWhatBuildRefuses) {
    const std::string cell = "13_" + levelData.GetValue("Screen_13_1") + "_0_0";
    const std::pair<std::string, std::string> damages[] = {
        {cell, "254"}, {"Screens_22", "x"}, {"Enemies_11", "99999999999"}, {"Screens_11", ""}};
    for (const auto& [key, value] : damages) {
        SCOPED_TRACE(key + " = \"" + value + "\"");
        kiv::ConfigFile damaged;
        damaged.WriteAll(levelData.GetAll());
        if (value.empty())
            damaged.DelKey(key);
        else
            damaged.WriteValue(key, value);
        damaged.ConfigSave(path("bad.twd"));

        const CliRun built = run({"build", path("s.gb"), path("bad.twd"), path("out.gb")});
        const CliRun usage = run({"usage", path("bad.twd")});
        EXPECT_EQ(built.exitCode, 1);
        EXPECT_EQ(usage.exitCode, 1);
        EXPECT_EQ(usage.out, "");
        EXPECT_EQ(usage.err, built.err);
    }
}

TEST_F(CliBuild, AWorldOverItsBudgetWritesNothing) {
    for (int k = 1; k <= 25; ++k)
        for (int x = 0; x < rom::ScreenColumns; ++x)
            for (int y = 0; y < rom::ScreenRows; ++y)
                levelData.WriteValue(
                    rom::cellKey("31", levelData.GetValue(rom::screenKey("31", k)), x, y),
                    rom::num(y));
    levelData.ConfigSave(path("big.twd"));
    std::ofstream(path("out.gb"), std::ios::binary) << "keep";

    const CliRun r = run({"build", path("s.gb"), path("big.twd"), path("out.gb")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "tarnwick-cli: Unable to save ROM as data usage for world 3 is: 10,235 out "
                     "of 4,426\n\nNothing was written.\n");
    EXPECT_EQ(readText(path("out.gb")), "keep");
}

// Each level's power-ups as "screen,x,type" in the order the level data lists them.
std::map<std::string, std::vector<std::string>> powerUpsByLevel(const kiv::ConfigFile& doc) {
    std::map<std::string, std::vector<std::string>> out;
    for (int k = 1; k <= rom::PowerUpCount; ++k)
        out[doc.GetValue(rom::powerUpKey("level", k))].push_back(
            doc.GetValue(rom::powerUpKey("screen", k)) + "," +
            doc.GetValue(rom::powerUpKey("x", k)) + "," + doc.GetValue(rom::powerUpKey("type", k)));
    return out;
}

TEST_F(CliBuild, PowerUpsMovedOutOfALevelStayWithTheirLevels) {
    for (int k = 1; k <= rom::PowerUpCount; ++k)
        if (levelData.GetValue(rom::powerUpKey("level", k)) == "12")
            levelData.WriteValue(rom::powerUpKey("level", k), "11");
    levelData.ConfigSave(path("moved.twd"));
    ASSERT_EQ(run({"build", path("s.gb"), path("moved.twd"), path("out.gb")}).exitCode, 0);
    ASSERT_EQ(run({"export", path("out.gb"), path("again.twd")}).exitCode, 0);

    kiv::ConfigFile again;
    again.ConfigLoad(path("again.twd"));
    EXPECT_EQ(powerUpsByLevel(again), powerUpsByLevel(levelData));
    EXPECT_EQ(again.GetValue(rom::powerUpKey("level", rom::PowerUpCount + 1)),
              kiv::ConfigFile::NotFound);
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
                                                 {"usage"},
                                                 {"patch", "a.gb", "b.gb"},
                                                 {"patch", "a.gb", "b.gb", "out.txt"},
                                                 {"apply", "p.bps", "a.gb"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* line : {"tarnwick-cli build ROM.gb IN.twd OUT.gb",
                             "tarnwick-cli patch ORIGINAL.gb EDITED.gb OUT.bps|OUT.ips",
                             "tarnwick-cli apply PATCH ORIGINAL.gb OUT.gb"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
}

TEST_F(Cli, PatchThenApplyGivesTheEditedRom) {
    ASSERT_EQ(run({"sample", path("original.gb")}).exitCode, 0);
    ASSERT_EQ(run({"sample", path("edited.gb"), "--seed", "3"}).exitCode, 0);
    for (const std::string name : {"p.bps", "p.ips", "P.BPS"}) {
        const CliRun made = run({"patch", path("original.gb"), path("edited.gb"), path(name)});
        ASSERT_EQ(made.exitCode, 0) << made.err;
        EXPECT_EQ(made.out, "Patch written: " + path(name) + "\n");
        EXPECT_EQ(readText(path(name)).substr(0, 4), name[2] == 'i' ? "PATC" : "BPS1");
        const CliRun applied = run({"apply", path(name), path("original.gb"), path("out.gb")});
        ASSERT_EQ(applied.exitCode, 0) << applied.err;
        EXPECT_EQ(applied.out, "Patched ROM written: " + path("out.gb") + "\n");
        EXPECT_EQ(readText(path("out.gb")), readText(path("edited.gb"))) << name;
        fs::remove(path("out.gb"));
    }
}

// A refused patch leaves the output as it was: absent, or with its old bytes.
TEST_F(Cli, ARefusedPatchWritesNothing) {
    ASSERT_EQ(run({"sample", path("original.gb")}).exitCode, 0);
    ASSERT_EQ(run({"sample", path("edited.gb"), "--seed", "3"}).exitCode, 0);
    ASSERT_EQ(run({"sample", path("other.gb"), "--seed", "5"}).exitCode, 0);
    ASSERT_EQ(run({"patch", path("original.gb"), path("edited.gb"), path("p.bps")}).exitCode, 0);
    ASSERT_EQ(run({"patch", path("original.gb"), path("edited.gb"), path("p.ips")}).exitCode, 0);
    std::ofstream(path("cut.ips"), std::ios::binary) << readText(path("p.ips")).substr(0, 40);
    std::ofstream(path("text.bps"), std::ios::binary) << "not a patch at all";
    const struct {
        const char* patch;
        const char* rom;
        const char* message;
    } cases[] = {
        {"p.bps", "other.gb", "The source checksum does not match"},
        {"cut.ips", "original.gb", "The IPS patch is truncated"},
        {"text.bps", "original.gb", "The file is not a patch"},
    };
    for (const auto& c : cases)
        for (const bool prior : {false, true}) {
            fs::remove(path("out.gb"));
            if (prior)
                std::ofstream(path("out.gb")) << "prior";
            const CliRun r = run({"apply", path(c.patch), path(c.rom), path("out.gb")});
            EXPECT_EQ(r.exitCode, 1) << c.patch;
            EXPECT_EQ(r.err.rfind("tarnwick-cli: Unable to apply file: '" + path(c.patch) + "' - " +
                                      c.message,
                                  0),
                      0u)
                << r.err;
            EXPECT_TRUE(r.out.empty()) << r.out;
            EXPECT_EQ(fs::exists(path("out.gb")), prior) << c.patch;
            if (prior) {
                EXPECT_EQ(readText(path("out.gb")), "prior");
            }
        }
}

} // namespace
