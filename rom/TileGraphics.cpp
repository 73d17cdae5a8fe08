#include "rom/TileGraphics.h"

namespace rom {

std::optional<long> tileOffset(int world, int tile) {
    if (world < 1 || world > static_cast<int>(WorldTileBases.size()) || tile < 0 ||
        tile >= TileCount)
        return std::nullopt;
    if (world > 1 && tile >= FirstWorldTile && tile <= LastWorldTile)
        return WorldTileBases[static_cast<size_t>(world - 1)] + TileBytes * (tile - FirstWorldTile);
    const int base = tile < FirstHighTile ? CommonTileBase : CommonHighTileBase;
    return base + TileBytes * tile;
}

TileShades decodeTile(const std::array<uint8_t, TileBytes>& bytes) {
    TileShades shades{};
    for (int r = 0; r < TileSize; ++r) {
        const int low = bytes[static_cast<size_t>(2 * r)];
        const int high = bytes[static_cast<size_t>(2 * r + 1)];
        for (int x = 0; x < TileSize; ++x) {
            const int bit = TileSize - 1 - x;
            shades[static_cast<size_t>(r * TileSize + x)] =
                static_cast<uint8_t>(((high >> bit) & 1) * 2 + ((low >> bit) & 1));
        }
    }
    return shades;
}

std::optional<TileShades> readTile(const RomImage& image, int world, int tile) {
    const std::optional<long> offset = tileOffset(world, tile);
    if (!offset || !image.containsRange(*offset, TileBytes))
        return std::nullopt;
    std::array<uint8_t, TileBytes> bytes{};
    for (int i = 0; i < TileBytes; ++i)
        bytes[static_cast<size_t>(i)] = image.at(*offset + i);
    return decodeTile(bytes);
}

} // namespace rom
