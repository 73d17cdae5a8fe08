#include "WritingFixtures.h"

#include "tests/support/Unprivileged.h"

#include "rom/DataUsage.h"
#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <unistd.h>

using namespace rom;

namespace {

SectionFlags flags(std::initializer_list<int> sections) {
    SectionFlags out{};
    for (int s : sections)
        out[static_cast<size_t>(s)] = true;
    return out;
}

const SectionFlags AllSections = flags({0, 1, 2, 3, 4, 5});

// The sample ROM on disk as the opened file, its loaded document and a scratch store.
class Saving : public ::testing::Test {
protected:
    Saving() {
        writeBytes(romFile, original);
        loadROM(romFile, doc);
    }

    SaveOutcome save(const SectionFlags& sections) {
        return saveROM(romFile, outFile, doc, scratch, sections);
    }

    std::vector<uint8_t> bytesOf(const std::string& path, int first, int last) const {
        const std::vector<uint8_t> all = readBytes(path);
        return {all.begin() + first, all.begin() + last + 1};
    }

    TempFolder folder;
    const std::string romFile = folder.path("game.gb");
    std::string outFile = folder.path("game_tw_1.gb");
    const std::vector<uint8_t> original = makeSampleRom(1);
    kiv::ConfigFile doc;
    kiv::ConfigFile scratch;
};

using Status = RegionWrite::Status;

// Every region as it is written, and whether each object table is.
void expectWritten(const SectionsWritten& written, const std::array<RegionWrite, 3>& regions,
                   bool tables) {
    EXPECT_EQ(written.regions, regions);
    EXPECT_EQ(written.enemies, tables);
    EXPECT_EQ(written.powerUps, tables);
    EXPECT_EQ(written.pipes, tables);
}

TEST_F(Saving, EverySectionOfALoadedSampleGivesTheSameImage) {
    const SaveOutcome outcome = save(AllSections);

    ASSERT_EQ(outcome.kind, SaveOutcome::Kind::Saved) << outcome.errorDescription;
    EXPECT_EQ(readBytes(outFile), original);
    // The sample ROM made with seed 1 fills its regions to these figures.
    expectWritten(outcome.sections,
                  {{{Status::Written, 4134, 5847},
                    {Status::Written, 7154, 10544},
                    {Status::Written, 3439, 4426}}},
                  true);
    EXPECT_FALSE(outcome.sections.refused);
}

TEST_F(Saving, OtherSamplesAlsoComeBackUnchanged) {
    for (uint32_t seed : {2u, 77u, 4000000000u}) {
        SCOPED_TRACE(seed);
        const std::vector<uint8_t> image = makeSampleRom(seed);
        writeBytes(romFile, image);
        kiv::ConfigFile loaded;
        loadROM(romFile, loaded);
        ASSERT_EQ(saveROM(romFile, outFile, loaded, scratch, AllSections).kind,
                  SaveOutcome::Kind::Saved);
        EXPECT_EQ(readBytes(outFile), image);
    }
}

TEST_F(Saving, WithoutFlagsTheOutputIsACopyOfTheOpenedFile) {
    doc.WriteValue(cellKey("11", doc.GetValue("Screen_11_1"), 0, 0), "99");
    doc.WriteValue("Enemy_11_x_1", "1");
    const SaveOutcome outcome = save(SectionFlags{});

    ASSERT_EQ(outcome.kind, SaveOutcome::Kind::Saved);
    EXPECT_EQ(readBytes(outFile), original);
    expectWritten(outcome.sections, {}, false);
}

TEST_F(Saving, OntoTheOpenedFileReplacesIt) {
    const std::string ref = doc.GetValue("Screen_13_2");
    doc.WriteValue(cellKey("13", ref, 5, 5), "99");
    const SaveOutcome outcome = saveROM(romFile, romFile, doc, scratch, flags({SectionWorld1}));

    ASSERT_EQ(outcome.kind, SaveOutcome::Kind::Saved) << outcome.errorDescription;
    kiv::ConfigFile reloaded;
    loadROM(romFile, reloaded);
    EXPECT_EQ(reloaded.GetValue(cellKey("13", reloaded.GetValue("Screen_13_2"), 5, 5)), "99");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.gb"});
}

// A link stays a link: the save writes the file at the end of its chain, in that file's folder.
TEST_F(Saving, OntoASymbolicLinkWritesTheFileItPointsTo) {
    namespace fs = std::filesystem;
    fs::create_directory(folder.path("real"));
    fs::create_symlink("real/old.gb", folder.path("relative.gb"));
    fs::create_symlink("relative.gb", folder.path("chain.gb"));
    fs::create_symlink(folder.path("real/new.gb"), folder.path("absolute.gb"));
    const struct {
        const char* link;
        const char* target;
    } cases[] = {{"relative.gb", "real/old.gb"},
                 {"chain.gb", "real/old.gb"},
                 {"absolute.gb", "real/new.gb"}}; // dangling: the target is made
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        writeBytes(folder.path("real/old.gb"), {1, 2, 3});
        fs::remove(folder.path("real/new.gb"));
        outFile = folder.path(c.link);
        const SaveOutcome outcome = save(SectionFlags{});

        ASSERT_EQ(outcome.kind, SaveOutcome::Kind::Saved) << outcome.errorDescription;
        EXPECT_TRUE(fs::is_symlink(outFile));
        EXPECT_EQ(readBytes(folder.path(c.target)), original);
        for (const auto& entry : fs::directory_iterator(folder.path("real")))
            EXPECT_TRUE(entry.path().filename() == "old.gb" || entry.path().filename() == "new.gb")
                << entry.path();
    }
}

TEST_F(Saving, OntoALinkIntoAMissingFolderIsPathNotFound) {
    std::filesystem::create_symlink("gone/out.gb", outFile);
    const SaveOutcome outcome = save(AllSections);
    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(outcome.errorNumber, kiv::errors::PathNotFound);
    EXPECT_NE(outcome.errorDescription.find("gone/out.gb"), std::string::npos)
        << outcome.errorDescription;
    EXPECT_TRUE(std::filesystem::is_symlink(outFile));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"game.gb", "game_tw_1.gb"}));
}

TEST_F(Saving, RewritesTheFirstScreensBlocksWithTheFirstLevelsTable) {
    // Two screens of one size swapped would leave the table as it was, so the new first screen
    // also gets one more cell.
    for (const char* level : {"21", "31", "41"}) {
        const std::string first = doc.GetValue(screenKey(level, 1));
        const std::string second = doc.GetValue(screenKey(level, 2));
        doc.WriteValue(screenKey(level, 1), second);
        doc.WriteValue(screenKey(level, 2), first);
        doc.WriteValue(cellKey(level, second, 0, 0), "19");
    }
    ASSERT_EQ(save(flags({SectionWorlds2And4, SectionWorld3})).kind, SaveOutcome::Kind::Saved);

    kiv::ConfigFile reloaded;
    loadROM(outFile, reloaded);
    for (const FirstScreensBlock& block : FirstScreensBlocks) {
        SCOPED_TRACE(block.offset);
        const std::string level(block.fromLevel);
        const LevelTable& table = *std::find_if(LevelTables.begin(), LevelTables.end(),
                                                [&](const auto& t) { return t.level == level; });
        const auto written = bytesOf(outFile, table.first, table.first + 3);
        ASSERT_NE(written, bytesOf(romFile, table.first, table.first + 3));
        EXPECT_EQ(bytesOf(outFile, block.offset, block.offset + 3), written);
        EXPECT_EQ(screenCells(reloaded, level, reloaded.GetValue(screenKey(level, 1))),
                  screenCells(doc, level, doc.GetValue(screenKey(level, 1))));
    }
}

// Gives every screen of the document new sparse cells, the same for a reference in every level
// that designs it, so that a screen two levels share reads back alike in both.
void randomizeScreens(kiv::ConfigFile& doc, unsigned seed) {
    for (std::string_view levelView : Levels) {
        const std::string level(levelView);
        const int count = std::stoi(doc.GetValue(screensKey(level)));
        for (int k = 1; k <= count; ++k) {
            const std::string ref = doc.GetValue(screenKey(level, k));
            std::mt19937 rng(seed * 100003u + static_cast<unsigned>(std::stoul(ref)));
            for (int x = 0; x < ScreenColumns; ++x)
                for (int y = 0; y < ScreenRows; ++y) {
                    const std::string key = cellKey(level, ref, x, y);
                    if (rng() % 100 < 7)
                        doc.WriteValue(key, num(static_cast<long>(rng() % 253)));
                    else
                        doc.DelKey(key);
                }
        }
    }
}

TEST_F(Saving, RandomDesignsReadBackAsTheyWereSaved) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        randomizeScreens(doc, seed);
        const SaveOutcome outcome = save(flags({SectionWorld1, SectionWorlds2And4, SectionWorld3}));
        ASSERT_EQ(outcome.kind, SaveOutcome::Kind::Saved) << outcome.errorDescription;
        kiv::ConfigFile reloaded;
        loadROM(outFile, reloaded);
        for (std::string_view levelView : Levels) {
            const std::string level(levelView);
            for (int k = 1; k <= std::stoi(doc.GetValue(screensKey(level))); ++k)
                ASSERT_EQ(screenCells(reloaded, level, reloaded.GetValue(screenKey(level, k))),
                          screenCells(doc, level, doc.GetValue(screenKey(level, k))))
                    << level << " screen " << k;
        }
    }
}

// Replaces world 1's screens: level 11 lists 17 screens taking `level11Bytes` together,
// levels 12 and 13 repeat one empty screen each (20 bytes).
void setWorld1Size(kiv::ConfigFile& doc, long level11Bytes) {
    const auto list = [&](const std::string& level, int count, auto refOf) {
        for (int k = 1; k <= count; ++k) {
            const std::string ref = refOf(k);
            doc.WriteValue(screenKey(level, k), ref);
            doc.WriteValue(markerKey(level, ref), "Y");
        }
    };
    list("12", 14, [](int) { return std::string("50100"); });
    list("13", 17, [](int) { return std::string("50200"); });
    list("11", 17, [](int k) { return num(50000 + k); });
    for (int k = 1; k <= 17; ++k) {
        long remaining = level11Bytes / 17 + (k <= level11Bytes % 17 ? 1 : 0) - ScreenColumns;
        for (int x = 0; x < ScreenColumns && remaining > 0; ++x) {
            long group = std::min(remaining, 17L); // a header and up to 16 distinct objects
            if (remaining - group == 1)
                --group;
            for (int y = 0; y < group - 1; ++y)
                doc.WriteValue(cellKey("11", num(50000 + k), x, y), num(y + 1));
            remaining -= group;
        }
    }
}

TEST_F(Saving, AWorldMayTakeOneByteMoreThanItsBudget) {
    setWorld1Size(doc, 5848 - 40);
    kiv::ConfigFile usageScratch;
    ASSERT_EQ(dataUsage(doc, usageScratch).used[0], 5847);
    const SaveOutcome outcome = save(flags({SectionWorld1}));

    ASSERT_EQ(outcome.kind, SaveOutcome::Kind::Saved) << outcome.errorDescription;
    expectWritten(outcome.sections, {{{Status::Written, 5847, 5847}, {}, {}}}, false);
    kiv::ConfigFile reloaded;
    loadROM(outFile, reloaded);
    EXPECT_EQ(screenCells(reloaded, "11", reloaded.GetValue("Screen_11_17")),
              screenCells(doc, "11", "50017"));
}

// Fills the first 25 screens of level 4-1 with a different object in every row.
void overfillWorlds2And4(kiv::ConfigFile& doc) {
    for (int k = 1; k <= 25; ++k)
        for (int x = 0; x < ScreenColumns; ++x)
            for (int y = 0; y < ScreenRows; ++y)
                doc.WriteValue(cellKey("41", doc.GetValue(screenKey("41", k)), x, y), num(y));
}

// A refusal writes nothing: no output file appears, and one already there keeps its bytes.
TEST_F(Saving, ARefusedSaveWritesNothing) {
    struct Case {
        const char* name;
        std::function<void(kiv::ConfigFile&)> overfill;
        std::array<RegionWrite, 3> regions;
        int refused;
    };
    const Case cases[] = {
        {"world 1",
         [](kiv::ConfigFile& d) { setWorld1Size(d, 5849 - 40); },
         {{{Status::Refused, 5848, 5847}, {}, {}}},
         SectionWorld1},
        {"worlds 2 and 4 after a written world 1",
         overfillWorlds2And4,
         {{{Status::Written, 4136, 5847}, {Status::Refused, 13856, 10544}, {}}},
         SectionWorlds2And4},
    };
    for (const Case& c : cases) {
        for (const bool existing : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (existing ? ", over a file" : ""));
            kiv::ConfigFile edited = sampleDocument();
            edited.WriteValue(cellKey("13", edited.GetValue("Screen_13_2"), 5, 5), "99");
            c.overfill(edited);
            std::filesystem::remove(outFile);
            if (existing)
                writeBytes(outFile, {1, 2, 3});
            const SaveOutcome outcome = saveROM(romFile, outFile, edited, scratch, AllSections);

            ASSERT_EQ(outcome.kind, SaveOutcome::Kind::Refused);
            expectWritten(outcome.sections, c.regions, false);
            EXPECT_TRUE(outcome.sections.refused);
            EXPECT_EQ(outcome.sections.refusedRegion(), c.refused);
            if (existing)
                EXPECT_EQ(readBytes(outFile), (std::vector<uint8_t>{1, 2, 3}));
            else
                EXPECT_FALSE(std::filesystem::exists(outFile));
            EXPECT_EQ(readBytes(romFile), original);
        }
    }
}

TEST_F(Saving, AListedScreenWithoutADesignIsAnError) {
    doc.WriteValue("Screen_12_3", "12345");
    const SaveOutcome outcome = save(flags({SectionWorld1}));
    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(outcome.errorNumber, kiv::errors::TypeMismatch);
    EXPECT_NE(outcome.errorDescription.find("12345"), std::string::npos);
}

// Failures write nothing: the output and the opened file keep what they held.
TEST_F(Saving, AValueOutOfRangeFailsAndLeavesTheOutputUntouched) {
    writeBytes(outFile, {1, 2, 3});
    doc.WriteValue("Enemy_43_screen_5", "27");
    const SaveOutcome outcome = save(AllSections);

    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(outcome.errorNumber, kiv::errors::Overflow);
    EXPECT_EQ(readBytes(outFile), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(readBytes(romFile), original);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"game.gb", "game_tw_1.gb"}));
}

TEST_F(Saving, AFailedSaveOntoTheOpenedFileLeavesItAsItWas) {
    doc.WriteValue("Pipe_22_exity_2", "40");
    const SaveOutcome outcome = saveROM(romFile, romFile, doc, scratch, AllSections);
    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(readBytes(romFile), original);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.gb"});
}

TEST_F(Saving, AMissingOpenedFileIsFileNotFound) {
    std::filesystem::remove(romFile);
    const SaveOutcome outcome = save(AllSections);
    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(outcome.errorNumber, kiv::errors::FileNotFound);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(Saving, AMissingOutputFolderIsPathNotFound) {
    outFile = folder.path("gone/out.gb");
    const SaveOutcome outcome = save(AllSections);
    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(outcome.errorNumber, kiv::errors::PathNotFound);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"game.gb"});
}

TEST_F(Saving, AnUnwritableFolderIsPermissionDenied) {
    RUN_AS_UNPRIVILEGED_USER();
    std::filesystem::create_directory(folder.path("locked"));
    std::filesystem::permissions(folder.path("locked"), std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec);
    outFile = folder.path("locked/out.gb");
    const SaveOutcome outcome = save(AllSections);
    std::filesystem::permissions(folder.path("locked"), std::filesystem::perms::owner_all);
    EXPECT_EQ(outcome.errorNumber, kiv::errors::PermissionDenied);
    EXPECT_FALSE(std::filesystem::exists(outFile));
}

// The folder would let a rename replace the file, but the file itself says it is not to be
// written: the save is refused as the store's ConfigSave refuses it, and the file keeps its bytes.
TEST_F(Saving, AReadOnlyOutputFileIsPermissionDenied) {
    RUN_AS_UNPRIVILEGED_USER();
    for (const bool throughLink : {false, true}) {
        SCOPED_TRACE(throughLink ? "through a symbolic link" : "the file itself");
        const std::string kept = folder.path("kept.gb");
        writeBytes(kept, {1, 2, 3});
        std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
        std::filesystem::remove(folder.path("link.gb"));
        if (throughLink)
            std::filesystem::create_symlink("kept.gb", folder.path("link.gb"));
        outFile = throughLink ? folder.path("link.gb") : kept;
        const SaveOutcome outcome = save(AllSections);
        EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
        EXPECT_EQ(outcome.errorNumber, kiv::errors::PermissionDenied);
        EXPECT_EQ(readBytes(kept), (std::vector<uint8_t>{1, 2, 3}));
        std::filesystem::permissions(kept, std::filesystem::perms::owner_all);
        EXPECT_EQ(folder.entries().size(), throughLink ? 3u : 2u); // no temporary file left
    }
}

TEST_F(Saving, AnOpenedFileTooShortForAnImageIsRefused) {
    writeBytes(romFile, std::vector<uint8_t>(original.begin(), original.begin() + 1000));
    const SaveOutcome outcome = save(SectionFlags{});
    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Failed);
    EXPECT_FALSE(std::filesystem::exists(outFile));
}

TEST(SaveName, TakesTheFirstFreeNumber) {
    TempFolder folder;
    writeBytes(folder.path("game.gb"), {});
    writeBytes(folder.path("game_tw_1.gb"), {});
    EXPECT_EQ(proposeSaveName(folder.path("game.gb")), folder.path("game_tw_2.gb"));
}

TEST(SaveName, KeepsAPathWithoutAPointWhole) {
    TempFolder folder;
    EXPECT_EQ(proposeSaveName(folder.path("game")), folder.path("game_tw_1.gb"));
    EXPECT_EQ(proposeSaveName(folder.path("v1.2/game")), folder.path("v1.2/game_tw_1.gb"));
    EXPECT_EQ(proposeSaveName(folder.path("v1.2/game.rom.gb")),
              folder.path("v1.2/game.rom_tw_1.gb"));
}

} // namespace
