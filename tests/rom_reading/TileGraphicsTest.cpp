#include "rom/TileGraphics.h"
#include "rom/RomLayout.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

namespace {

using Bytes = std::array<uint8_t, rom::TileBytes>;

uint8_t shadeAt(const rom::TileShades& shades, int x, int y) {
    return shades[static_cast<size_t>(y * rom::TileSize + x)];
}

TEST(TileDecoding, EachPixelTakesItsHighBitTimesTwoPlusItsLowBit) {
    Bytes bytes{};
    bytes[0] = 0b1010'0000; // row 0, low bits
    bytes[1] = 0b1100'0000; // row 0, high bits
    const rom::TileShades shades = rom::decodeTile(bytes);
    EXPECT_EQ(shadeAt(shades, 0, 0), 3);
    EXPECT_EQ(shadeAt(shades, 1, 0), 2);
    EXPECT_EQ(shadeAt(shades, 2, 0), 1);
    EXPECT_EQ(shadeAt(shades, 3, 0), 0);
}

TEST(TileDecoding, RowRIsTheBytePairAt2RAnd2RPlusOne) {
    Bytes bytes{};
    bytes[6] = 0x01;  // row 3: only the rightmost pixel has its low bit
    bytes[15] = 0x80; // row 7: only the leftmost pixel has its high bit
    const rom::TileShades shades = rom::decodeTile(bytes);
    for (int y = 0; y < rom::TileSize; ++y) {
        for (int x = 0; x < rom::TileSize; ++x) {
            const int expected = (y == 3 && x == 7) ? 1 : (y == 7 && x == 0) ? 2 : 0;
            EXPECT_EQ(shadeAt(shades, x, y), expected) << "pixel " << x << ", " << y;
        }
    }
}

struct OffsetCase {
    int world;
    int tile;
    long offset;

    friend void PrintTo(const OffsetCase& c, std::ostream* os) {
        *os << "world " << c.world << " tile " << c.tile;
    }
};

class TileOffsets : public testing::TestWithParam<OffsetCase> {};

TEST_P(TileOffsets, FollowTheCommonAndWorldBases) {
    const OffsetCase c = GetParam();
    EXPECT_EQ(rom::tileOffset(c.world, c.tile), std::optional<long>(c.offset));
}

INSTANTIATE_TEST_SUITE_P(
    Layout, TileOffsets,
    testing::Values(OffsetCase{1, 0, 0x9032}, OffsetCase{1, 127, 0x9032 + 16 * 127},
                    OffsetCase{1, 128, 0x8032 + 16 * 128}, OffsetCase{1, 255, 0x8032 + 16 * 255},
                    OffsetCase{1, 60, 0x9032 + 16 * 60}, OffsetCase{2, 49, 0x4402},
                    OffsetCase{2, 48, 0x9032 + 16 * 48}, OffsetCase{3, 111, 0xC402 + 16 * 62},
                    OffsetCase{3, 112, 0x9032 + 16 * 112}, OffsetCase{4, 60, 0x4BC2 + 16 * 11},
                    OffsetCase{4, 200, 0x8032 + 16 * 200}));

TEST(TileOffsetsOutOfRange, GiveNothing) {
    for (auto [world, tile] : {std::pair{0, 1}, {5, 1}, {1, -1}, {1, 256}, {2, 300}})
        EXPECT_FALSE(rom::tileOffset(world, tile)) << world << ", " << tile;
}

TEST(TileReading, ReadsTheWorldsOwnBytes) {
    std::vector<uint8_t> bytes(rom::RomSize, 0);
    bytes[0x4402 + 2] = 0xFF; // world 2, tile 49, row 1 low bits
    const rom::RomImage image(bytes);
    const std::optional<rom::TileShades> world2 = rom::readTile(image, 2, 49);
    ASSERT_TRUE(world2);
    EXPECT_EQ(shadeAt(*world2, 4, 1), 1);
    const std::optional<rom::TileShades> world1 = rom::readTile(image, 1, 49);
    ASSERT_TRUE(world1);
    EXPECT_EQ(shadeAt(*world1, 4, 1), 0);
}

TEST(TileReading, ATileBeyondTheImageGivesNothing) {
    // The image ends half-way through world 2's tile 49.
    const rom::RomImage image(std::vector<uint8_t>(0x4402 + 8, 0));
    EXPECT_FALSE(rom::readTile(image, 2, 49));
    EXPECT_FALSE(rom::readTile(image, 2, 48)); // the common tiles lie further on
    EXPECT_FALSE(rom::readTile(image, 9, 49));
}

TEST(TileReading, EveryTileOfEveryWorldLiesInsideAWholeImage) {
    const rom::RomImage image(rom::makeSampleRom());
    for (int world = 1; world <= 4; ++world)
        for (int tile = 0; tile < rom::TileCount; ++tile)
            EXPECT_TRUE(rom::readTile(image, world, tile)) << world << ", " << tile;
}

} // namespace
