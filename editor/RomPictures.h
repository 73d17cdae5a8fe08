#pragma once

// Object pictures drawn from the tiles of the opened ROM, so the editor shows the user's own
// game; the program itself carries none of the game's art.

#include "rom/TileGraphics.h"

#include <QHash>
#include <QImage>
#include <QRgb>

#include <array>

class PictureLibrary;
namespace rom {
class RomImage;
}

namespace rompictures {

// The four shades as the pictures show them, lightest first. The lightest is the background of
// the game's screen, so it is drawn white like an empty cell; the others are soft green-greys.
inline constexpr std::array<QRgb, rom::TileShadeCount> Palette = {
    qRgb(255, 255, 255), qRgb(152, 172, 128), qRgb(76, 96, 72), qRgb(28, 36, 32)};

// The 16 x 16 picture of a tile: every pixel drawn as a 2 x 2 square in its shade.
QImage tilePicture(const rom::TileShades& shades);

// A picture from the tiles of `image` for every object picture that `bundled` carries: the
// universal pictures from the common tiles, each world's pictures from that world's tiles.
// The two plain squares 1232 and 4232 mark no tile and are left out, as are the fallback and
// the enemy pictures; so is any tile that lies outside `image`.
QHash<int, QImage> objectPictures(const rom::RomImage& image, const PictureLibrary& bundled);

} // namespace rompictures
