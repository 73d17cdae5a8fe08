#include "messages/CodecMessages.h"

#include <gtest/gtest.h>

using namespace messages;
using rom::RegionWrite;
using Status = rom::RegionWrite::Status;

namespace {

constexpr std::string_view Window = "\r\n";
constexpr std::string_view Terminal = "\n";

TEST(CountFormat, GroupsThousandsAndShowsZeroAsNothing) {
    const std::pair<long, const char*> cases[] = {{0, ""},           {7, "7"},
                                                  {999, "999"},      {5847, "5,847"},
                                                  {10544, "10,544"}, {1234567, "1,234,567"},
                                                  {-1, "-1"},        {-1234, "-1,234"}};
    for (const auto& [n, text] : cases)
        EXPECT_EQ(formatCount(n), text) << n;
}

rom::DataUsage usage(std::array<long, 3> used) {
    return {used, {5847, 10544, 4426}};
}

TEST(DataUsageText, NamesEachRegionWithItsFigureAndBudget) {
    // The figures of the sample ROM made with seed 1.
    EXPECT_EQ(dataUsageText(usage({4067, 7153, 3186}), Window),
              "Bytes used for world 1: 4,067 out of 5,847\r\n"
              "Bytes used for worlds 2 and 4: 7,153 out of 10,544\r\n"
              "Bytes used for world 3: 3,186 out of 4,426");
    EXPECT_EQ(dataUsageText(usage({22, 24, 19}), Terminal),
              "Bytes used for world 1: 22 out of 5,847\n"
              "Bytes used for worlds 2 and 4: 24 out of 10,544\n"
              "Bytes used for world 3: 19 out of 4,426");
}

TEST(DataUsageText, AFigureOverItsBudgetIsOnlyShown) {
    const std::string text = dataUsageText(usage({4067, 7153, 10086}), Window);
    const std::string last = "\r\nBytes used for world 3: 10,086 out of 4,426";
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

rom::SectionsWritten written(std::array<RegionWrite, 3> regions, bool enemies, bool powerUps,
                             bool pipes) {
    rom::SectionsWritten w;
    w.regions = regions;
    w.enemies = enemies;
    w.powerUps = powerUps;
    w.pipes = pipes;
    return w;
}

TEST(SaveReport, ALineForEachSectionWritten) {
    struct Case {
        const char* name;
        rom::SectionsWritten written;
        std::string_view lineBreak;
        std::string report;
    };
    const Case cases[] = {
        {"every section of the sample ROM made with seed 1",
         written({{{Status::Written, 4067, 5847},
                   {Status::Written, 7153, 10544},
                   {Status::Written, 3186, 4426}}},
                 true, true, true),
         Window,
         "Data written for world 1 (4,067 used out of 5,847 bytes)\r\n"
         "Data written for worlds 2 and 4 (7,153 used out of 10,544 bytes)\r\n"
         "Data written for world 3 (3,186 used out of 4,426 bytes)\r\n"
         "Enemy data written\r\nPower-up data written\r\nPipe data written"},
        {"nothing", written({}, false, false, false), Window, ""},
        {"a world filled to one byte over its budget",
         written({{{Status::Written, 5847, 5847}, {}, {}}}, false, false, false), Window,
         "Data written for world 1 (5,847 used out of 5,847 bytes)\r\n"},
        {"world 3, enemies and pipes",
         written({{{}, {}, {Status::Written, 3186, 4426}}}, true, false, true), Terminal,
         "Data written for world 3 (3,186 used out of 4,426 bytes)\n"
         "Enemy data written\nPipe data written"},
        {"power-ups", written({}, false, true, false), Terminal, "Power-up data written\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(saveReport(c.written, c.lineBreak), c.report);
        const std::string breaks = std::string(c.lineBreak) + std::string(c.lineBreak);
        EXPECT_EQ(savedText("/roms/game_tw_1.gb", c.written, c.lineBreak),
                  "ROM saved: /roms/game_tw_1.gb" + breaks + c.report);
        EXPECT_EQ(refusedText(c.written, c.lineBreak), "");
    }
}

TEST(RefusedText, NamesTheRegionAndSaysNothingWasWritten) {
    struct Case {
        rom::SectionsWritten written;
        std::string_view lineBreak;
        std::string text;
    };
    const Case cases[] = {
        {written({{{Status::Refused, 5848, 5847}, {}, {}}}, false, false, false), Window,
         "Unable to save ROM as data usage for world 1 is: 5,848 out of 5,847\r\n\r\n"
         "Nothing was written."},
        {written({{{Status::Written, 4069, 5847}, {Status::Refused, 13832, 10544}, {}}}, false,
                 false, false),
         Window,
         "Unable to save ROM as data usage for world 2 and 4 is: 13,832 out of 10,544\r\n\r\n"
         "Nothing was written."},
        {written({{{}, {}, {Status::Refused, 10086, 4426}}}, false, false, false), Terminal,
         "Unable to save ROM as data usage for world 3 is: 10,086 out of 4,426\n\n"
         "Nothing was written."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusedText(c.written, c.lineBreak), c.text);
}

} // namespace
