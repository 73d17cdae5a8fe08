#pragma once

// The game's 8 x 8 background tiles: a cell's object code is the number of the tile the game
// shows for it. Tiles are stored uncompressed, two bits per pixel, 16 bytes each.

#include "rom/RomImage.h"

#include <array>
#include <cstdint>
#include <optional>

namespace rom {

inline constexpr int TileSize = 8;
inline constexpr int TileBytes = 16;
inline constexpr int TileCount = 256;
inline constexpr int TileShadeCount = 4; // shade 0 is the lightest, 3 the darkest

// Tiles common to all worlds: tiles below 128 count from one base, the others from another.
inline constexpr int CommonTileBase = 0x9032;
inline constexpr int CommonHighTileBase = 0x8032;
inline constexpr int FirstHighTile = 128;

// Worlds 2, 3 and 4 draw tiles 49 to 111 from their own sets; world 1 uses the common ones.
inline constexpr int FirstWorldTile = 49;
inline constexpr int LastWorldTile = 111;
inline constexpr std::array<int, 4> WorldTileBases = {0, 0x4402, 0xC402, 0x4BC2};

// The shades of one tile, row by row from the top, left to right within a row.
using TileShades = std::array<uint8_t, TileSize * TileSize>;

// The file offset of `tile` (0 to 255) as world `world` (1 to 4) shows it; nothing for a tile
// or world out of range.
std::optional<long> tileOffset(int world, int tile);

// Decodes one tile: row r is the byte pair at 2r (low bits) and 2r + 1 (high bits), and pixel x
// takes bit 7 - x of each.
TileShades decodeTile(const std::array<uint8_t, TileBytes>& bytes);

// The shades of `tile` as world `world` shows it; nothing when the tile or world is out of
// range or the tile's bytes lie outside `image`.
std::optional<TileShades> readTile(const RomImage& image, int world, int tile);

} // namespace rom
