#include "editor/RomPictures.h"

#include "editor/PictureLibrary.h"
#include "rom/RomImage.h"

#include <initializer_list>
#include <optional>

namespace rompictures {

namespace {

constexpr int Scale = 2;
constexpr int Worlds = 4;
constexpr int WorldIdStep = 1000;

bool keepsBundled(int id) {
    for (int plain : {1232, 4232})
        if (id == plain)
            return true;
    return false;
}

} // namespace

QImage tilePicture(const rom::TileShades& shades) {
    constexpr int side = rom::TileSize * Scale;
    QImage picture(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < side; ++x)
            line[x] = Palette[shades[static_cast<size_t>((y / Scale) * rom::TileSize + x / Scale)]];
    }
    return picture;
}

QHash<int, QImage> objectPictures(const rom::RomImage& image, const PictureLibrary& bundled) {
    QHash<int, QImage> pictures;
    // World 0 stands for the universal pictures, which show the common tiles as world 1 does.
    for (int world = 0; world <= Worlds; ++world) {
        for (int code = 0; code < rom::TileCount; ++code) {
            const int id = world * WorldIdStep + code;
            if (keepsBundled(id) || bundled.bundledPicture(id).isNull())
                continue;
            if (const std::optional<rom::TileShades> tile =
                    rom::readTile(image, world == 0 ? 1 : world, code))
                pictures.insert(id, tilePicture(*tile));
        }
    }
    return pictures;
}

} // namespace rompictures
