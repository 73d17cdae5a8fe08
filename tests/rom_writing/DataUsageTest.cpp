#include "WritingFixtures.h"

#include "rom/DataUsage.h"
#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"

#include <gtest/gtest.h>

using namespace rom;

namespace {

// The sample ROM made with seed 1, figures taken once from `tarnwick-cli usage`.
TEST(DataUsage, ReportsEachRegionOfTheSampleAgainstItsBudget) {
    const kiv::ConfigFile doc = sampleDocument();
    kiv::ConfigFile scratch;
    const DataUsage usage = dataUsage(doc, scratch);

    EXPECT_EQ(usage.used, (std::array<long, 3>{4134, 7154, 3439}));
    EXPECT_EQ(usage.budget, (std::array<long, 3>{5847, 10544, 4426}));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(usage.overBudget(i));
}

// One screen per region, small enough to count: every level lists no screen except
//  1-1: column 0 all object 5        00 FD 05 FE and 19 empty columns FE: 23 bytes, used 22
//  2-1: objects 1, 2, 2, 2 in rows 0-3  01 01 13 FD 02 FE and 19 x FE: 25 bytes, used 24
//  3-1: an empty screen             20 x FE: 20 bytes, used 19
TEST(DataUsage, CountsAHandMadeDocument) {
    kiv::ConfigFile doc;
    for (std::string_view level : Levels)
        doc.WriteValue(screensKey(level), "0");
    const auto oneScreen = [&](const std::string& level, const std::string& ref) {
        doc.WriteValue(screensKey(level), "1");
        doc.WriteValue(screenKey(level, 1), ref);
        doc.WriteValue(markerKey(level, ref), "Y");
    };
    oneScreen("11", "41472");
    for (int y = 0; y < ScreenRows; ++y)
        doc.WriteValue(cellKey("11", "41472", 0, y), "5");
    oneScreen("21", "22221");
    for (const auto& [y, code] : {std::pair{0, "1"}, {1, "2"}, {2, "2"}, {3, "2"}})
        doc.WriteValue(cellKey("21", "22221", 0, y), code);
    oneScreen("31", "54000");
    kiv::ConfigFile scratch;
    const DataUsage usage = dataUsage(doc, scratch);

    EXPECT_EQ(usage.used, (std::array<long, 3>{22, 24, 19}));
}

TEST(DataUsage, AFigureOverItsBudgetIsMeasuredInFull) {
    kiv::ConfigFile doc = sampleDocument();
    for (int k = 1; k <= 25; ++k)
        for (int x = 0; x < ScreenColumns; ++x)
            for (int y = 0; y < ScreenRows; ++y)
                doc.WriteValue(cellKey("31", doc.GetValue(screenKey("31", k)), x, y), num(y));
    kiv::ConfigFile scratch;
    const DataUsage usage = dataUsage(doc, scratch);

    EXPECT_TRUE(usage.overBudget(2));
    EXPECT_EQ(usage.used[2], 10235);
    EXPECT_EQ(usage.budget[2], 4426);
    EXPECT_FALSE(usage.overBudget(0));
    EXPECT_FALSE(usage.overBudget(1));
}

TEST(DataUsage, AStoreFailureIsReportedAsAnError) {
    kiv::ConfigFile doc = sampleDocument();
    doc.WriteValue("Screens_22", "fourteen");
    kiv::ConfigFile scratch;
    EXPECT_THROW(dataUsage(doc, scratch), kiv::Error);
}

} // namespace
