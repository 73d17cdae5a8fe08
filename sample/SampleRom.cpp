#include "sample/SampleRom.h"

#include "rom/DocumentValues.h"
#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"
#include "rom/RomLayout.h"
#include "rom/RomWriter.h"
#include "rom/ScreenEncoder.h"
#include "sample/SampleTiles.h"
#include "sample/ScreenDesigner.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <stdexcept>
#include <string_view>

// The sample is laid out by the same encoder and table writers that a save uses: the levels are
// designed as a document, encoded once to learn where each screen lands, renamed to those file
// offsets and written into a blank image. Loading the image and saving it with every section
// flag set therefore gives the same bytes back.

namespace rom {

namespace {

using namespace sample;

// Each world's ground, platforms and scenery, made of the objects the game shows in that world:
// ground and blocks from its solid codes, scenery from the codes Mario walks through.
constexpr int E = Empty; // keeps the stamps below readable

constexpr std::array<WorldTheme, 4> Themes = {{
    // Rounded ground blocks, canopy platforms, palms, a sphinx, torches and a pyramid.
    {{101, 102, 102, 101},
     {109, 110, 110, 109},
     99,
     {2, 2, {101, 102, 109, 110}},
     {104, 105, 106, 105},
     {4, 2, {E, 65, 66, 67, 68, 69, 70, 71}},
     100,
     {{{2, 3, {50, 51, 49, E, 49, E}},
       {4, 2, {72, E, E, E, 73, 74, 75, 76}},
       {1, 2, {93, 53}},
       {4, 2, {E, 54, 94, E, 54, 83, 83, 94}}}},
     {0, 4, 14, 2, 10, 11},
     8},
    // Rocky ground, platforms on posts, domed huts, domes and seaweed.
    {{108, 109, 109, 108},
     same(110),
     110,
     {2, 2, {103, 104, 105, 106}},
     {96, 97, 99, 97},
     {4, 2, {E, 66, 67, 68, 69, 70, 71, 72}},
     110,
     {{{3, 2, {51, 52, 53, 54, 55, 56}},
       {2, 1, {84, 85}},
       {2, 2, {91, 92, 91, 92}},
       {4, 2, {57, 58, 59, 60, 61, 62, 63, 64}}}},
     {16, 29, 36, 32, 22, 12},
     26},
    // Dotted stone blocks, shiny ledges, carved posts, a bowl on its pedestal and shrubs.
    {{101, 102, 102, 101},
     {103, 104, 104, 103},
     99,
     {2, 2, {101, 102, 103, 104}},
     {108, 110, 109, 110},
     {4, 2, {E, 49, 50, 51, 52, 53, 54, 55}},
     96,
     {{{1, 4, {91, 73, 87, 86}},
       {4, 2, {80, 81, 81, 82, E, 83, 84, E}},
       {2, 1, {76, 77}},
       {2, 1, {78, 79}}}},
     {60, 63, 71, 3, 6, 49},
     50},
    // Wavy-capped ground, beams, big clouds, small trees, peaks in outline and a railing.
    {{101, 96, 99, 97},
     same(111),
     103,
     {2, 2, {111, 111, 111, 111}},
     {105, 106, 106, 105},
     {4, 2, {82, 83, 84, 85, 86, 87, 88, 89}},
     111,
     {{{1, 2, {56, 57}},
       {2, 3, {77, 62, 74, 69, 69, 69}},
       {2, 3, {75, 76, 76, 69, 69, 69}},
       {3, 1, {58, 51, 51}}}},
     {86, 85, 89, 66, 82, 84},
     97},
}};

constexpr std::array<int, 5> PowerUpTypes = {192, 192, 40, 240, 42};
constexpr int StarPowerUp = 52;

struct LevelPlan {
    const LevelTable* table;
    int world;
    bool sky;
    std::vector<std::string> order; // the screens' labels in playing order
};

bool isSkyLevel(std::string_view level) {
    return level == "23" || level == "43";
}
bool repeatsScreen(std::string_view level) {
    return level == "13" || level == "31" || level == "33" || level == "43";
}

// Where the screen that both levels of a world list stands in each playing order.
constexpr int SharedFromPosition = 6; // of the first level
constexpr int SharedToPosition = 4;   // of the second level

// Fill of each region's budget that the designs aim at, in percent, and what a sky screen takes.
constexpr std::array<int, 3> RegionFill = {72, 70, 74};
constexpr int SkyScreenBytes = 28;

class SampleBuilder {
public:
    explicit SampleBuilder(uint32_t seed) : rng_(seed) {}

    std::vector<uint8_t> build() {
        planLevels();
        designScreens();
        const std::map<std::string, std::string> refs = placeScreens();
        kiv::ConfigFile doc;
        writeScreens(doc, refs);
        writeEnemies(doc);
        writePowerUps(doc);
        writePipes(doc);
        return writeImage(doc);
    }

private:
    std::string newLabel() { return num(++labels_); }

    void planLevels() {
        for (const LevelTable& table : LevelTables) {
            LevelPlan plan{&table, table.level[0] - '0', isSkyLevel(table.level), {}};
            for (int k = 0; k < table.screens; ++k)
                plan.order.push_back(newLabel());
            if (repeatsScreen(table.level)) // the third screen from the end comes back two later
                plan.order[table.screens - 3] = plan.order[table.screens - 5];
            if (isSecondLevelOfWorld(table.level))
                plan.order[SharedToPosition - 1] = firstLevelOf(plan).order[SharedFromPosition - 1];
            plans_.push_back(std::move(plan));
        }
    }

    const LevelPlan& firstLevelOf(const LevelPlan& plan) const {
        return *std::find_if(plans_.begin(), plans_.end(), [&](const LevelPlan& p) {
            return p.world == plan.world && p.table->level[1] == '1';
        });
    }

    static std::vector<std::string> distinct(const std::vector<std::string>& order) {
        std::vector<std::string> out;
        for (const auto& label : order)
            if (std::find(out.begin(), out.end(), label) == out.end())
                out.push_back(label);
        return out;
    }

    // Bytes a land screen of the region may take so that the region reaches its fill.
    int landTarget(const Region& region) const {
        int land = 0;
        int sky = 0;
        for (const LevelPlan& plan : plans_) {
            if (screenSectionOfWorld(plan.table->level[0]) != region.section)
                continue;
            const int screens = static_cast<int>(distinct(plan.order).size());
            (plan.sky ? sky : land) += screens - (plan.table->level[1] == '1' ? 1 : 0);
        }
        const int bytes = region.budget * RegionFill[region.section] / 100 - sky * SkyScreenBytes;
        return bytes / land;
    }

    void designScreens() {
        for (const LevelPlan& plan : plans_) {
            ScreenDesigner designer(rng_, Themes[plan.world - 1]);
            const Region& region = Regions[screenSectionOfWorld(plan.table->level[0])];
            const int target = landTarget(region);
            const auto labels = distinct(plan.order);
            for (size_t i = 0; i < labels.size(); ++i) {
                const std::string key = cat({plan.table->level, "_", labels[i]});
                const auto shared =
                    designs_.find(cat({firstLevelOf(plan).table->level, "_", labels[i]}));
                // A screen both levels of a world list shows the same design in both.
                if (shared != designs_.end())
                    designs_[key] = shared->second;
                else
                    designs_[key] =
                        plan.sky ? designer.sky(SkyScreenBytes) : designer.land(target, i == 0);
            }
        }
    }

    // Encodes the levels under their labels to learn each screen's file offset.
    std::map<std::string, std::string> placeScreens() const {
        kiv::ConfigFile doc;
        kiv::ConfigFile save;
        writeScreens(doc, {});
        std::map<std::string, std::string> refs;
        for (const Region& region : Regions) {
            encodeRegion(region, doc, save);
            for (const LevelPlan& plan : plans_)
                if (screenSectionOfWorld(plan.table->level[0]) == region.section)
                    for (const auto& label : plan.order)
                        refs[label] =
                            num(decimalValue(save, screenRefKey(label)) + plan.table->refAdd);
        }
        return refs;
    }

    void writeScreens(kiv::ConfigFile& doc, const std::map<std::string, std::string>& refs) const {
        const auto refOf = [&](const std::string& label) {
            const auto it = refs.find(label);
            return it == refs.end() ? label : it->second;
        };
        for (const LevelPlan& plan : plans_) {
            const std::string level(plan.table->level);
            doc.WriteValue(screensKey(level), num(static_cast<long>(plan.order.size())));
            for (size_t k = 0; k < plan.order.size(); ++k)
                doc.WriteValue(screenKey(level, static_cast<int>(k + 1)), refOf(plan.order[k]));
            for (const auto& label : distinct(plan.order)) {
                const std::string ref = refOf(label);
                doc.WriteValue(markerKey(level, ref), "Y");
                const Grid& grid = designs_.at(cat({level, "_", label}));
                for (int x = 0; x < ScreenColumns; ++x)
                    for (int y = 0; y < ScreenRows; ++y)
                        if (grid[x][y] != Empty)
                            doc.WriteValue(cellKey(level, ref, x, y), num(grid[x][y]));
            }
        }
    }

    void writeEnemies(kiv::ConfigFile& doc) {
        for (size_t i = 0; i < EnemyTables.size(); ++i) {
            const EnemyTable& table = EnemyTables[i];
            const LevelPlan& plan = plans_[i];
            const WorldTheme& theme = Themes[plan.world - 1];
            const int screens = std::min(plan.table->screens, 25);
            std::vector<int> positions = uniquePositions(table.records, 10, (screens - 1) * 10 + 9);
            const std::string level(table.level);
            doc.WriteValue(enemiesKey(level), num(table.records));
            for (int k = 1; k <= table.records; ++k) {
                const int b0 = positions[k - 1];
                const bool boss = level[1] == '3' && k == table.records;
                const int row = rng_.chance(70) ? GroundRow - 1 : rng_.range(4, 12);
                const int y = row | (rng_.chance(12) ? rng_.range(1, 3) << 6 : 0);
                const int type = boss ? theme.boss : rng_.pick(theme.enemies);
                doc.WriteValue(enemyKey(level, "screen", k), num(b0 / 10 + 1));
                doc.WriteValue(enemyKey(level, "x", k), num(b0 % 10));
                doc.WriteValue(enemyKey(level, "y", k), hexText(y));
                doc.WriteValue(enemyKey(level, "type", k), hexText(type));
                doc.WriteValue(enemyKey(level, "hard", k), !boss && rng_.chance(15) ? "Y" : "N");
            }
        }
    }

    // `count` distinct numbers from lo to hi in ascending order.
    std::vector<int> uniquePositions(int count, int lo, int hi) {
        std::vector<int> all(static_cast<size_t>(hi - lo + 1));
        std::iota(all.begin(), all.end(), lo);
        for (size_t i = all.size() - 1; i > 0; --i)
            std::swap(all[i], all[static_cast<size_t>(rng_.range(0, static_cast<int>(i)))]);
        all.resize(static_cast<size_t>(count));
        std::sort(all.begin(), all.end());
        return all;
    }

    void writePowerUps(kiv::ConfigFile& doc) {
        std::vector<int> perLevel(Levels.size(), 1);
        for (int extra = PowerUpCount - static_cast<int>(Levels.size()); extra > 0; --extra)
            ++perLevel[static_cast<size_t>(rng_.range(0, static_cast<int>(Levels.size()) - 1))];
        int k = 0;
        for (size_t i = 0; i < Levels.size(); ++i) {
            const int screens = std::min(plans_[i].table->screens, 25);
            // screen * 20 + x, so that sorting orders by screen, then x.
            for (int place : uniquePositions(perLevel[i], 20, screens * 20 + 19)) {
                ++k;
                doc.WriteValue(powerUpKey("level", k), std::string(Levels[i]));
                doc.WriteValue(powerUpKey("screen", k), num(place / 20));
                doc.WriteValue(powerUpKey("x", k), num(place % 20));
                doc.WriteValue(powerUpKey("type", k),
                               num(rng_.chance(5) ? StarPowerUp : rng_.pick(PowerUpTypes)));
            }
        }
    }

    void writePipes(kiv::ConfigFile& doc) {
        for (std::string_view levelView : PipeLevels) {
            const std::string level(levelView);
            const int screens = plans_[levelIndex(level)].table->screens;
            // entry screen * 20 + entry x, so that the two pipes come in the order the editor
            // sorts.
            const std::vector<int> entries =
                uniquePositions(PipesPerLevel, 3 * 20, (screens - 2) * 20 + 19);
            for (int k = 1; k <= PipesPerLevel; ++k) {
                const int entryScreen = entries[k - 1] / 20;
                doc.WriteValue(pipeKey(level, "entryscreen", k), num(entryScreen));
                doc.WriteValue(pipeKey(level, "entryx", k), num(entries[k - 1] % 20));
                doc.WriteValue(pipeKey(level, "bonusscreen", k), num(rng_.range(1, 2)));
                doc.WriteValue(pipeKey(level, "exitscreen", k),
                               num(rng_.range(entryScreen + 1, screens)));
                doc.WriteValue(pipeKey(level, "exitx", k), num(rng_.range(0, 18)));
                doc.WriteValue(pipeKey(level, "exity", k), num(rng_.range(1, 15)));
            }
        }
    }

    static size_t levelIndex(std::string_view level) {
        return static_cast<size_t>(std::find(Levels.begin(), Levels.end(), level) - Levels.begin());
    }

    std::vector<uint8_t> writeImage(const kiv::ConfigFile& doc) const;

    Random rng_;
    long labels_ = 10000;
    std::vector<LevelPlan> plans_;
    std::map<std::string, Grid> designs_; // level "_" label
};

// --- Cartridge header ----------------------------------------------------------------------------

constexpr std::string_view Title = "SUPER MARIOLAND";
constexpr int CartridgeTypeOffset = 0x147; // 0x01: MBC1, so that emulators switch the banks
constexpr int RomSizeOffset = 0x148;       // 0x01: 64 KiB
constexpr int HeaderChecksumOffset = 0x14D;
constexpr int GlobalChecksumOffset = 0x14E;

void writeHeader(std::vector<uint8_t>& image) {
    std::copy(Title.begin(), Title.end(), image.begin() + TitleFirst);
    image[CartridgeTypeOffset] = 0x01;
    image[RomSizeOffset] = 0x01;
    uint8_t headerSum = 0;
    for (int i = TitleFirst; i < HeaderChecksumOffset; ++i)
        headerSum = static_cast<uint8_t>(headerSum - image[static_cast<size_t>(i)] - 1);
    image[HeaderChecksumOffset] = headerSum;
    image[GlobalChecksumOffset] = image[GlobalChecksumOffset + 1] = 0;
    const uint16_t sum = static_cast<uint16_t>(std::accumulate(image.begin(), image.end(), 0u));
    image[GlobalChecksumOffset] = static_cast<uint8_t>(sum >> 8);
    image[GlobalChecksumOffset + 1] = static_cast<uint8_t>(sum & 0xFF);
}

std::vector<uint8_t> SampleBuilder::writeImage(const kiv::ConfigFile& doc) const {
    std::vector<uint8_t> image(RomSize, 0);
    drawSampleTiles(image);
    kiv::ConfigFile save;
    SectionFlags all;
    all.fill(true);
    if (writeSections(image, doc, save, all).refused)
        throw std::logic_error("The sample levels do not fit their regions");
    writeHeader(image);
    return image;
}

} // namespace

std::vector<uint8_t> makeSampleRom(uint32_t seed) {
    return SampleBuilder(seed).build();
}

} // namespace rom
