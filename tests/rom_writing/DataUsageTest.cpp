#include "WritingFixtures.h"

#include "rom/DataUsage.h"
#include "rom/LevelKeys.h"
#include "rom/RomWriter.h"

#include <gtest/gtest.h>

using namespace rom;

namespace {

TEST(DataUsage, ReportsEachRegionAgainstItsBudget) {
    const kiv::ConfigFile doc = sampleDocument();
    kiv::ConfigFile scratch;
    const DataUsage usage = dataUsage(doc, scratch);

    EXPECT_EQ(usage.budget, (std::array<long, 3>{5847, 10544, 4426}));
    EXPECT_EQ(usage.message,
              "Bytes used for world 1: " + formatCount(usage.used[0]) +
                  " out of 5,847\r\nBytes used for worlds 2 and 4: " + formatCount(usage.used[1]) +
                  " out of 10,544\r\nBytes used for world 3: " + formatCount(usage.used[2]) +
                  " out of 4,426");
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(usage.overBudget(i));
}

TEST(DataUsage, AFigureOverItsBudgetIsOnlyShown) {
    kiv::ConfigFile doc = sampleDocument();
    for (int k = 1; k <= 25; ++k)
        for (int x = 0; x < ScreenColumns; ++x)
            for (int y = 0; y < ScreenRows; ++y)
                doc.WriteValue(cellKey("31", doc.GetValue(screenKey("31", k)), x, y), num(y));
    kiv::ConfigFile scratch;
    const DataUsage usage = dataUsage(doc, scratch);

    EXPECT_TRUE(usage.overBudget(2));
    EXPECT_GT(usage.used[2], 4426);
    // The figure is shown as it is, with no warning after it.
    const std::string last =
        "Bytes used for world 3: " + formatCount(usage.used[2]) + " out of 4,426";
    ASSERT_GE(usage.message.size(), last.size());
    EXPECT_EQ(usage.message.substr(usage.message.size() - last.size()), last);
}

TEST(DataUsage, AStoreFailureIsReportedAsAnError) {
    kiv::ConfigFile doc = sampleDocument();
    doc.WriteValue("Screens_22", "fourteen");
    kiv::ConfigFile scratch;
    EXPECT_THROW(dataUsage(doc, scratch), kiv::Error);
}

} // namespace
