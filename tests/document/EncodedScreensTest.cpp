// The document keeps its encoded screens between measurements; whatever path changed it, its
// figures and the image a save builds from those screens must be those of a fresh encoding.

#include "rom/DataUsage.h"
#include "rom/LevelDocument.h"
#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace rom;

namespace {

class EncodedScreensTest : public ::testing::TestWithParam<uint32_t> {
protected:
    void SetUp() override {
        romFile = (std::filesystem::temp_directory_path() /
                   ("tw_encoded_screens_" + std::to_string(GetParam()) + ".gb"))
                      .string();
        const std::vector<uint8_t> image = makeSampleRom();
        std::ofstream(romFile, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        doc.loadROM(romFile);
        random.seed(GetParam());
    }
    void TearDown() override { std::filesystem::remove(romFile); }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    LevelId anyLevel() { return LevelId::at(pick(static_cast<int>(Levels.size()))); }
    // One of the level's own screens, or now and then one listed by another level.
    std::string anyRef(LevelId level) {
        const std::vector<ScreenRef> refs = doc.screenOrder(pick(6) == 0 ? anyLevel() : level);
        const ScreenRef& ref = refs[pick(static_cast<int>(refs.size()))];
        return ref ? *ref : "40000";
    }
    // Mostly plain objects; now and then nothing, or a code that no run may start with.
    std::optional<int> anyCode() {
        const int roll = pick(100);
        if (roll < 20)
            return std::nullopt;
        if (roll == 20)
            return 253;
        return pick(3) == 0 ? 19 : pick(253);
    }

    // An edit click over a block of cells, then now and then its undo: the editor puts back
    // each cell it remembered through the document.
    void clickAndMaybeUndo() {
        const LevelId level = anyLevel();
        const std::string ref = anyRef(level);
        const int x0 = pick(ScreenColumns - 2);
        const int y0 = pick(ScreenRows - 2);
        const std::optional<int> code = anyCode();
        std::vector<std::optional<int>> before;
        for (int x = x0; x < x0 + 3; ++x)
            for (int y = y0; y < y0 + 3; ++y) {
                before.push_back(doc.cell(level, ref, x, y));
                doc.setCell(level, ref, x, y, code);
            }
        if (pick(3) != 0)
            return;
        check("before undo");
        auto previous = before.begin();
        for (int x = x0; x < x0 + 3; ++x)
            for (int y = y0; y < y0 + 3; ++y)
                doc.setCell(level, ref, x, y, *previous++);
    }
    void reorder() {
        const LevelId level = anyLevel();
        std::vector<ScreenRef> refs = doc.screenOrder(level);
        if (pick(2) == 0)
            std::shuffle(refs.begin(), refs.end(), random);
        else
            refs[pick(static_cast<int>(refs.size()))] = anyRef(level);
        doc.setScreenOrder(level, refs);
    }
    void importAnother() {
        kiv::ConfigFile other;
        loadROM(RomImage(makeSampleRom(GetParam() + 1 + static_cast<uint32_t>(pick(3)))), other);
        EXPECT_EQ(doc.importStore(other), "");
    }
    void editStoreDirectly() {
        const LevelId level = anyLevel();
        const std::string key = cellKey(level.key(), anyRef(level), pick(ScreenColumns), 0);
        doc.storeForKeyEdits().WriteValue(key, pick(2) ? "05" : "7");
        doc.markChanged(level.screenSection());
    }
    void step() {
        switch (pick(10)) {
        case 0:
            doc.clearScreen(anyLevel(), anyRef(anyLevel()));
            break;
        case 1:
        case 2:
            reorder();
            break;
        case 3:
            if (pick(4) == 0)
                importAnother();
            else
                editStoreDirectly();
            break;
        default:
            clickAndMaybeUndo();
        }
    }

    // The outcome of measuring: the figures, or the fault's number and text.
    static std::string outcome(const std::function<DataUsage()>& measure) {
        try {
            const DataUsage usage = measure();
            std::string text;
            for (int i = 0; i < 3; ++i)
                text += std::to_string(usage.used[i]) + "/" + std::to_string(usage.budget[i]) + " ";
            return text;
        } catch (const kiv::Error& e) {
            return std::to_string(e.number()) + " " + e.description();
        }
    }
    void check(const std::string& when) {
        kiv::ConfigFile copy;
        copy.WriteAll(doc.kivLevel().GetAll());
        const std::string fresh = outcome([&] {
            kiv::ConfigFile kivSave;
            return dataUsage(copy, kivSave);
        });
        ASSERT_EQ(outcome([&] { return doc.dataUsage(); }), fresh) << when;
    }
    void checkSavedImage(const std::string& when) {
        SectionFlags all;
        all.fill(true);
        kiv::ConfigFile kivSave;
        const BuiltImage fresh = buildImage(romFile, doc.kivLevel(), kivSave, all);
        const BuiltImage kept =
            buildImage(romFile, doc.kivLevel(), kivSave, all, doc.encodedScreens());
        ASSERT_EQ(kept.outcome.kind, fresh.outcome.kind) << when;
        ASSERT_EQ(kept.outcome.errorDescription, fresh.outcome.errorDescription) << when;
        ASSERT_EQ(kept.outcome.sections.regions, fresh.outcome.sections.regions) << when;
        ASSERT_TRUE(kept.image == fresh.image) << when;
    }

    std::string romFile;
    LevelDocument doc;
    std::mt19937 random;
};

TEST_P(EncodedScreensTest, FollowTheDocumentThroughEveryKindOfChange) {
    check("opened");
    for (int n = 1; n <= 200; ++n) {
        step();
        const std::string when = "after step " + std::to_string(n);
        check(when);
        if (n % 10 == 0)
            checkSavedImage(when);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, EncodedScreensTest, ::testing::Values(1u, 2u, 3u, 4u, 5u));

} // namespace
