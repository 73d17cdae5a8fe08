#include "rom/LevelKeys.h"
#include "rom/RomImage.h"
#include "rom/ScreenDecoder.h"
#include "rom/ScreenEncoder.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace rom;

namespace {

constexpr uint8_t FD = RepeatMark;
constexpr uint8_t FE = ColumnEnd;
const std::string Level = "11";
const std::string Ref = "41472";

// The encoding of a screen whose first column holds `cells` (row 0 first, "" empty) and whose
// other columns are empty.
SaveBuffer encodeFirstColumn(const std::vector<std::string>& cells) {
    kiv::ConfigFile doc;
    for (size_t y = 0; y < cells.size(); ++y)
        if (!cells[y].empty())
            doc.WriteValue(cellKey(Level, Ref, 0, static_cast<int>(y)), cells[y]);
    SaveBuffer out;
    screenData(doc, Level, Ref, out);
    return out;
}

SaveBuffer withEmptyColumns(std::vector<uint8_t> firstColumn) {
    firstColumn.insert(firstColumn.end(), ScreenColumns - 1, FE);
    return firstColumn;
}

std::vector<std::string> rows(std::initializer_list<std::pair<int, const char*>> cells) {
    std::vector<std::string> column(ScreenRows);
    for (const auto& [y, value] : cells)
        column[static_cast<size_t>(y)] = value;
    return column;
}

struct ColumnCase {
    const char* name;
    std::vector<std::string> cells;
    std::vector<uint8_t> bytes;

    friend void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }
};

class ColumnEncoding : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnEncoding, GivesTheExpectedGroups) {
    EXPECT_EQ(encodeFirstColumn(GetParam().cells), withEmptyColumns(GetParam().bytes));
}

std::vector<std::string> sixteenDistinct() {
    std::vector<std::string> column;
    for (int y = 0; y < ScreenRows; ++y)
        column.push_back(num(y));
    return column;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnEncoding,
    ::testing::Values(
        ColumnCase{"SixteenEqualCells", std::vector<std::string>(16, "5"), {0x00, FD, 5, FE}},
        ColumnCase{"TwoEqualCellsStayLiteral", rows({{3, "7"}, {4, "7"}}), {0x32, 7, 7, FE}},
        ColumnCase{"LiteralStopsBeforeARepeat",
                   rows({{0, "1"}, {1, "2"}, {2, "2"}, {3, "2"}}),
                   {0x01, 1, 0x13, FD, 2, FE}},
        ColumnCase{"EmptyColumn", rows({}), {FE}},
        ColumnCase{"SixteenDistinctCells",
                   sixteenDistinct(),
                   {0x00, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, FE}},
        ColumnCase{
            "RepeatReachingTheBottom", rows({{13, "4"}, {14, "4"}, {15, "4"}}), {0xD3, FD, 4, FE}},
        ColumnCase{"PairAtTheBottomIsNoRepeat",
                   rows({{13, "8"}, {14, "9"}, {15, "9"}}),
                   {0xD3, 8, 9, 9, FE}},
        ColumnCase{"GapsSplitGroups", rows({{0, "1"}, {2, "1"}}), {0x01, 1, 0x21, 1, FE}},
        // Cells are equal when their texts are: "05" is no repeat of "5", yet still object 5.
        ColumnCase{"CellsCompareAsText",
                   rows({{0, "05"}, {1, "5"}, {2, "5"}, {3, "5"}}),
                   {0x01, 5, 0x13, FD, 5, FE}},
        ColumnCase{"HighestObjectCode", rows({{0, "255"}}), {0x01, 0xFF, FE}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenEncoding, EmptyScreenIsTwentyColumnEnds) {
    kiv::ConfigFile doc;
    SaveBuffer out;
    screenData(doc, Level, Ref, out);
    EXPECT_EQ(out, SaveBuffer(ScreenColumns, FE));
}

TEST(ScreenEncoding, ACellThatIsNoObjectCodeIsAnErrorNamingItsKey) {
    for (const char* bad : {"abc", "256", "-1", "", "1.5", " 5"}) {
        SCOPED_TRACE(bad);
        kiv::ConfigFile doc;
        doc.WriteValue(cellKey(Level, Ref, 3, 9), bad);
        SaveBuffer out;
        try {
            screenData(doc, Level, Ref, out);
            FAIL() << "no error";
        } catch (const kiv::Error& e) {
            EXPECT_EQ(e.number(), kiv::errors::TypeMismatch);
            EXPECT_NE(e.description().find("11_41472_3_9"), std::string::npos) << e.description();
        }
    }
}

// Where a group begins, the decoder reads 253 and 254 as marks, so no bytes could hold such a
// cell there; further on in a literal run they are plain object codes.
TEST(ScreenEncoding, AMarkCodeThatWouldStartARunIsAnErrorNamingItsCell) {
    const struct {
        const char* name;
        std::vector<std::string> cells;
        int badRow;
    } cases[] = {
        {"253 alone", rows({{9, "253"}}), 9},
        {"254 starting a literal run", rows({{4, "254"}, {5, "1"}}), 4},
        {"a repeat of 253", rows({{0, "253"}, {1, "253"}, {2, "253"}}), 0},
        {"254 after a repeat", rows({{0, "1"}, {1, "1"}, {2, "1"}, {3, "254"}, {4, "2"}}), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            encodeFirstColumn(c.cells);
            FAIL() << "no error";
        } catch (const kiv::Error& e) {
            EXPECT_EQ(e.number(), kiv::errors::InvalidArgument);
            EXPECT_NE(e.description().find("the cell 11_41472_0_" + num(c.badRow) + " holds 25"),
                      std::string::npos)
                << e.description();
        }
    }
    EXPECT_EQ(encodeFirstColumn(rows({{0, "7"}, {1, "253"}, {2, "254"}})),
              withEmptyColumns({0x03, 7, FD, FE, FE}));
}

// A level listing the references `order`, holding a design of each of `designed` with one
// object `code` in its top-left cell.
void addLevel(kiv::ConfigFile& doc, const std::string& level, const std::vector<std::string>& order,
              const std::vector<std::string>& designed, const std::string& code = "1") {
    doc.WriteValue(screensKey(level), num(static_cast<long>(order.size())));
    for (size_t k = 0; k < order.size(); ++k)
        doc.WriteValue(screenKey(level, static_cast<int>(k + 1)), order[k]);
    for (const auto& ref : designed) {
        doc.WriteValue(markerKey(level, ref), "Y");
        doc.WriteValue(cellKey(level, ref, 0, 0), code);
    }
}

constexpr long OneCellScreen = 3 + ScreenColumns - 1; // header, object, column end; 19 more ends

TEST(LevelEncoding, EncodesARepeatedScreenOnceAndRecordsWhereEachBegins) {
    kiv::ConfigFile doc;
    addLevel(doc, "13", {"41472", "41600", "41472", "41700"}, {"41472", "41600"});
    kiv::ConfigFile save;
    SaveBuffer buffer(5, 0); // what earlier levels of the region left
    EXPECT_EQ(GenkivSave(doc, save, "13", 0x6200, buffer), 0x6200);

    EXPECT_EQ(buffer.size(), 5 + 2 * OneCellScreen);
    EXPECT_EQ(save.GetValue("Saved_13"), "2");
    EXPECT_EQ(save.GetValue("Save_13_1"), "41472");
    EXPECT_EQ(save.GetValue("Save_13_2"), "41600");
    EXPECT_EQ(save.GetValue("ScreenRef_41472"), num(0x6200 + 5));
    EXPECT_EQ(save.GetValue("ScreenRef_41600"), num(0x6200 + 5 + OneCellScreen));
    // Without a design of its own the level encodes nothing for a reference.
    EXPECT_EQ(save.GetValue("ScreenRef_41700"), kiv::ConfigFile::NotFound);
}

TEST(LevelEncoding, LeavesAScreenSharedWithTheSecondLevelToIt) {
    kiv::ConfigFile doc;
    addLevel(doc, "11", {"41472", "41600"}, {"41472", "41600"}, "1");
    addLevel(doc, "12", {"41600"}, {"41600"}, "2");
    addLevel(doc, "13", {}, {});
    kiv::ConfigFile save;
    const SaveBuffer region = encodeRegion(Regions[0], doc, save);

    ASSERT_EQ(region.size(), 2 * OneCellScreen);
    EXPECT_EQ(save.GetValue("ScreenRef_41472"), num(0x6200));
    EXPECT_EQ(save.GetValue("ScreenRef_41600"), num(0x6200 + OneCellScreen));
    EXPECT_EQ(region[OneCellScreen + 1], 2) << "level 12's design is the one encoded";
}

TEST(LevelEncoding, ARegionStartsFromAnEmptyScratchStore) {
    kiv::ConfigFile doc;
    addLevel(doc, "11", {"41472"}, {"41472"});
    addLevel(doc, "12", {}, {});
    addLevel(doc, "13", {}, {});
    kiv::ConfigFile save;
    save.WriteValue("ScreenRef_99999", "1");
    encodeRegion(Regions[0], doc, save);
    EXPECT_EQ(save.GetValue("ScreenRef_99999"), kiv::ConfigFile::NotFound);
}

TEST(PointerFormat, SplitsIntoLowAndHighByte) {
    EXPECT_EQ(sOrderVals(0x6200).lo, 0x00);
    EXPECT_EQ(sOrderVals(0x6200).hi, 0x62);
    EXPECT_EQ(sOrderVals(0x56CD).lo, 0xCD);
    EXPECT_EQ(sOrderVals(0x56CD).hi, 0x56);
    EXPECT_EQ(sOrderVals(0x0005).hi, 0x00);
    EXPECT_THROW(sOrderVals(0x10000), kiv::Error);
}

// Random screens: runs of equal objects, lone objects and gaps in every column. Codes 253 and 254
// are left out: at the start of a group the decoder reads them as marks, so no encoder could
// store them there.
std::map<std::pair<int, int>, std::string> randomScreen(std::mt19937& rng) {
    const auto code = [&] {
        const int c = static_cast<int>(rng() % 254);
        return num(c == 253 ? 255 : c);
    };
    std::map<std::pair<int, int>, std::string> cells;
    for (int x = 0; x < ScreenColumns; ++x) {
        for (int y = 0; y < ScreenRows;) {
            const int length = 1 + static_cast<int>(rng() % 6);
            const int kind = static_cast<int>(rng() % 3);
            const std::string repeated = code();
            for (int i = 0; i < length && y < ScreenRows; ++i, ++y)
                if (kind == 1)
                    cells[{x, y}] = repeated;
                else if (kind == 2)
                    cells[{x, y}] = code();
        }
    }
    return cells;
}

TEST(ScreenEncoding, RandomScreensDecodeToTheSameCells) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        const auto cells = randomScreen(rng);
        kiv::ConfigFile doc;
        for (const auto& [xy, value] : cells)
            doc.WriteValue(cellKey(Level, Ref, xy.first, xy.second), value);
        SaveBuffer bytes;
        screenData(doc, Level, Ref, bytes);

        std::map<std::pair<int, int>, std::string> decoded;
        decodeScreen(RomImage(bytes), 0, Level, [&](int x, int y, int repeat, uint8_t obj) {
            for (int i = 0; i < std::max(repeat, 1); ++i)
                decoded[{x, y + i}] = num(obj);
        });
        ASSERT_EQ(decoded, cells);
    }
}

} // namespace
