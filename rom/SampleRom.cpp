#include "rom/SampleRom.h"

#include "rom/DocumentValues.h"
#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"
#include "rom/RomLayout.h"
#include "rom/RomWriter.h"
#include "rom/SampleTiles.h"
#include "rom/ScreenEncoder.h"

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

// A small deterministic generator: the same seed gives the same image on every platform.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint32_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    }
    int range(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1));
    }
    bool chance(int percent) { return range(1, 100) <= percent; }
    template <typename T, size_t N> T pick(const std::array<T, N>& items) {
        return items[static_cast<size_t>(range(0, static_cast<int>(N) - 1))];
    }

private:
    uint64_t state_;
};

// Object codes the designs use, by their meaning in the object catalogue. Universal blocks look
// the same in every world.
constexpr int Empty = ColumnCells::Empty;
constexpr int Brick = 127;
constexpr int CoinBlock = 128;
constexpr int PowerUpBlock = 129;
constexpr int HardBlock = 19;
constexpr int Coin = 244;
constexpr int PipeTopLeft = 112;
constexpr int PipeTopRight = 113;
constexpr int PipeLeft = 114;
constexpr int PipeRight = 115;

constexpr int GroundRow = 14; // the ground covers rows 14 and 15
constexpr int LastRow = ScreenRows - 1;

// A small picture made of several objects, row by row from the top; Empty leaves a cell alone.
struct Stamp {
    int width;
    int height;
    std::array<int, 9> codes;
    int at(int x, int y) const { return codes[static_cast<size_t>(y * width + x)]; }
};

// Three codes that make a row of any length: its left end, its middle, its right end.
struct Span {
    int left;
    int middle;
    int right;
};

// Each world's own objects (codes 49 to 111 are drawn per world) and the enemies met there.
struct WorldTheme {
    Span groundTop;
    int groundFill;
    int block;                    // a world's own solid block
    Span platform;                // a floating ledge
    Span cloud;                   // Empty when the world has no clouds
    int ceiling;                  // the scrolling levels' scraps of ceiling
    std::array<Stamp, 4> scenery; // things that stand on the ground
    std::array<int, 6> enemies;
    int boss;
};

constexpr Span NoClouds = {Empty, Empty, Empty};
constexpr int E = Empty; // keeps the stamps below readable

constexpr std::array<WorldTheme, 4> Themes = {{
    // Sand, stone ledges, palms, cacti, columns and a sphinx.
    {{49, 50, 51},
     52,
     54,
     {78, 79, 80},
     NoClouds,
     55,
     {{{3, 3, {68, 69, 70, E, 67, E, E, 67, E}},
       {1, 3, {71, 73, 72}},
       {1, 3, {64, 65, 66}},
       {2, 2, {74, 75, 76, 77}}}},
     {0, 4, 14, 2, 10, 11},
     8},
    // Sea floor, pier decks, coral, seaweed and island palms.
    {{49, 49, 49},
     51,
     56,
     {69, 70, 71},
     NoClouds,
     96,
     {{{3, 3, {87, 88, 89, E, 86, E, E, 86, E}},
       {1, 3, {59, 60, 60}},
       {2, 1, {57, 58}},
       {2, 1, {61, 99}}}},
     {16, 29, 36, 32, 22, 12},
     26},
    // Grassy rock, rock ledges, boulders, stone heads and dead trees.
    {{49, 50, 51},
     52,
     69,
     {79, 80, 81},
     NoClouds,
     82,
     {{{2, 2, {54, 55, 56, 57}},
       {2, 3, {58, 59, 60, 61, 62, 63}},
       {3, 3, {90, 89, 91, E, 89, E, E, 89, E}},
       {1, 3, {76, 77, 78}}}},
     {60, 63, 71, 3, 6, 49},
     50},
    // Mountain ground, bamboo platforms, clouds, pines and a small temple.
    {{78, 79, 81},
     82,
     111,
     {57, 58, 59},
     {49, 50, 51},
     100,
     {{{2, 3, {86, 87, 86, 87, 85, E}},
       {1, 3, {56, 55, 54}},
       {3, 3, {61, 62, 63, 65, 69, 65, 65, 70, 65}},
       {1, 1, {74}}}},
     {86, 85, 89, 66, 82, 84},
     97},
}};

constexpr std::array<int, 5> PowerUpTypes = {192, 192, 40, 240, 42};
constexpr int StarPowerUp = 52;

using Grid = std::array<std::array<int, ScreenRows>, ScreenColumns>;

int encodedSize(const Grid& grid) {
    SaveBuffer bytes;
    ColumnCells column;
    for (const auto& cells : grid) {
        for (int y = 0; y < ScreenRows; ++y) {
            column.text[y] = cells[y];
            column.code[y] = static_cast<uint8_t>(cells[y]);
        }
        encodeColumn(column, bytes);
    }
    return static_cast<int>(bytes.size());
}

Grid emptyGrid() {
    Grid grid;
    for (auto& column : grid)
        column.fill(Empty);
    return grid;
}

bool hasGround(const Grid& grid, int x) {
    return x >= 0 && x < ScreenColumns && grid[x][GroundRow] != Empty;
}

// Whether the w x h cells from (x, y) lie on the screen and hold nothing yet.
bool isFree(const Grid& grid, int x, int y, int w, int h) {
    if (x < 0 || y < 0 || x + w > ScreenColumns || y + h > ScreenRows)
        return false;
    for (int i = x; i < x + w; ++i)
        for (int j = y; j < y + h; ++j)
            if (grid[i][j] != Empty)
                return false;
    return true;
}

// Designs one screen: ground with pits, then features until the screen takes about
// `targetBytes` when encoded.
class ScreenDesigner {
public:
    ScreenDesigner(Random& rng, const WorldTheme& theme) : rng_(rng), theme_(theme) {}

    // The first screen of a level starts the ground at its left edge.
    Grid land(int targetBytes, bool firstScreen) {
        Grid grid = emptyGrid();
        for (int x = 0; x < ScreenColumns; ++x)
            grid[x][GroundRow] = grid[x][LastRow] = theme_.groundFill;
        if (!firstScreen)
            carvePits(grid, targetBytes * 2 / 3);
        topTheGround(grid, firstScreen);
        addFeatures(grid, targetBytes, false);
        return grid;
    }

    // The scrolling levels fly over open sky: floating blocks and scraps of floor and ceiling.
    Grid sky(int targetBytes) {
        Grid grid = emptyGrid();
        addFeatures(grid, targetBytes, true);
        return grid;
    }

private:
    void carvePits(Grid& grid, int groundBytes) {
        for (int tries = 0; tries < 12 && encodedSize(grid) > groundBytes; ++tries) {
            const int x0 = rng_.range(2, ScreenColumns - 4);
            const int width = rng_.range(2, 3);
            for (int x = x0; x < x0 + width; ++x)
                grid[x][GroundRow] = grid[x][LastRow] = Empty;
        }
    }

    // The ground's top row gets its edges beside the pits.
    void topTheGround(Grid& grid, bool firstScreen) const {
        for (int x = 0; x < ScreenColumns; ++x) {
            if (!hasGround(grid, x))
                continue;
            const bool leftEdge = x == 0 ? firstScreen : !hasGround(grid, x - 1);
            const bool rightEdge = x + 1 < ScreenColumns && !hasGround(grid, x + 1);
            const Span& top = theme_.groundTop;
            grid[x][GroundRow] = leftEdge ? top.left : rightEdge ? top.right : top.middle;
        }
    }

    void addFeatures(Grid& grid, int targetBytes, bool sky) {
        int misses = 0;
        while (misses < 8 && encodedSize(grid) < targetBytes * 19 / 20) {
            Grid candidate = grid;
            if (sky)
                addSkyFeature(candidate);
            else
                addLandFeature(candidate);
            if (candidate != grid && encodedSize(candidate) <= targetBytes * 21 / 20)
                grid = candidate;
            else
                ++misses;
        }
    }

    bool hasClouds() const { return theme_.cloud.middle != Empty; }

    void addLandFeature(Grid& grid) {
        switch (rng_.range(0, 6)) {
        case 0:
            blockRow(grid, rng_.chance(70) ? 9 : 5);
            break;
        case 1:
            pipe(grid);
            break;
        case 2:
            stairs(grid);
            break;
        case 3:
            row(grid, rng_.range(6, 8), rng_.range(2, 16), rng_.range(3, 5), Coin);
            break;
        case 4:
            span(grid, rng_.range(8, 11), rng_.range(1, 15), rng_.range(3, 5), theme_.platform);
            break;
        case 5:
            if (hasClouds()) {
                span(grid, rng_.range(1, 4), rng_.range(0, 16), rng_.range(2, 4), theme_.cloud);
                break;
            }
            [[fallthrough]];
        default:
            scenery(grid);
            break;
        }
    }

    void addSkyFeature(Grid& grid) {
        switch (rng_.range(0, 4)) {
        case 0:
            block(grid, rng_.range(0, 18), rng_.range(2, 12));
            break;
        case 1:
            row(grid, 0, rng_.range(0, 14), rng_.range(3, 6), theme_.ceiling);
            break;
        case 2:
            span(grid, LastRow, rng_.range(0, 14), rng_.range(3, 6), theme_.groundTop);
            break;
        case 3:
            row(grid, rng_.range(3, 11), rng_.range(0, 16), rng_.range(2, 4), Coin);
            break;
        default:
            span(grid, rng_.range(1, 6), rng_.range(0, 16), rng_.range(2, 4),
                 hasClouds() ? theme_.cloud : theme_.platform);
            break;
        }
    }

    static void row(Grid& grid, int y, int x0, int length, int code) {
        span(grid, y, x0, length, {code, code, code});
    }

    // A row with its ends, left where it would cover something or leave the screen.
    static void span(Grid& grid, int y, int x0, int length, const Span& codes) {
        length = std::min(length, ScreenColumns - x0);
        if (!isFree(grid, x0, y, length, 1))
            return;
        for (int i = 0; i < length; ++i)
            grid[x0 + i][y] = i == 0 ? codes.left : i == length - 1 ? codes.right : codes.middle;
    }

    void blockRow(Grid& grid, int y) {
        const int x0 = rng_.range(1, 15);
        const int length = std::min(rng_.range(3, 5), ScreenColumns - x0);
        if (!isFree(grid, x0, y, length, 1))
            return;
        for (int x = x0; x < x0 + length; ++x)
            grid[x][y] = !rng_.chance(30) ? Brick : rng_.chance(25) ? PowerUpBlock : CoinBlock;
    }

    void block(Grid& grid, int x, int y) {
        const int code = rng_.chance(50) ? HardBlock : theme_.block;
        place(grid, x, y, {2, 2, {code, code, code, code}});
    }

    void pipe(Grid& grid) {
        const int x = rng_.range(1, ScreenColumns - 3);
        const int top = GroundRow - rng_.range(2, 4);
        Stamp stamp{2, GroundRow - top, {PipeTopLeft, PipeTopRight}};
        for (int y = 1; y < stamp.height; ++y) {
            stamp.codes[static_cast<size_t>(2 * y)] = PipeLeft;
            stamp.codes[static_cast<size_t>(2 * y + 1)] = PipeRight;
        }
        standOnGround(grid, x, stamp);
    }

    void stairs(Grid& grid) {
        const int height = rng_.range(3, 4);
        const int x0 = rng_.range(1, ScreenColumns - height - 1);
        const bool up = rng_.chance(50);
        if (!onGround(grid, x0, height) || !isFree(grid, x0, GroundRow - height, height, height))
            return;
        for (int i = 0; i < height; ++i) {
            const int steps = up ? i + 1 : height - i;
            for (int y = GroundRow - steps; y < GroundRow; ++y)
                grid[x0 + i][y] = HardBlock;
        }
    }

    void scenery(Grid& grid) {
        const Stamp& stamp = theme_.scenery[static_cast<size_t>(rng_.range(0, 3))];
        standOnGround(grid, rng_.range(0, ScreenColumns - stamp.width), stamp);
    }

    static bool onGround(const Grid& grid, int x, int width) {
        for (int i = x; i < x + width; ++i)
            if (!hasGround(grid, i))
                return false;
        return true;
    }

    static void standOnGround(Grid& grid, int x, const Stamp& stamp) {
        if (onGround(grid, x, stamp.width))
            place(grid, x, GroundRow - stamp.height, stamp);
    }

    static void place(Grid& grid, int x, int y, const Stamp& stamp) {
        if (!isFree(grid, x, y, stamp.width, stamp.height))
            return;
        for (int i = 0; i < stamp.width; ++i)
            for (int j = 0; j < stamp.height; ++j)
                if (stamp.at(i, j) != Empty)
                    grid[x + i][y + j] = stamp.at(i, j);
    }

    Random& rng_;
    const WorldTheme& theme_;
};

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
