#include "WritingFixtures.h"

#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

using namespace rom;

namespace {

// A first level's screen that its world's second level lists is written once, from the second
// level's design. When the second level lists it without a design of its own (a level-data file
// can say so), the first level's design must still be written and its pointers must name it.
TEST(SharedScreenSaving, AScreenTheSecondLevelListsWithoutADesignKeepsTheFirstLevelsDesign) {
    for (const char* world : {"1", "2", "3", "4"}) {
        SCOPED_TRACE(world);
        const std::string first = std::string(world) + "1";
        const std::string second = std::string(world) + "2";
        kiv::ConfigFile doc = sampleDocument();
        const std::string ref = doc.GetValue(screenKey(first, 3));
        ASSERT_NE(doc.GetValue(markerKey(second, ref)), "Y");
        doc.WriteValue(screenKey(second, 3), ref);

        std::vector<uint8_t> image = makeSampleRom();
        kiv::ConfigFile scratch;
        SectionFlags all;
        all.fill(true);
        ASSERT_FALSE(writeSections(image, doc, scratch, all).refused);

        kiv::ConfigFile reloaded;
        loadROM(RomImage(image), reloaded);
        EXPECT_EQ(screenCells(reloaded, first, reloaded.GetValue(screenKey(first, 3))),
                  screenCells(doc, first, ref));
        EXPECT_EQ(reloaded.GetValue(screenKey(second, 3)), reloaded.GetValue(screenKey(first, 3)));
    }
}

} // namespace
