#pragma once

// Drawing screens into plain images, without widgets: the editor's picture boxes and the level
// pictures that are written to files are painted the same way.

#include <QColor>
#include <QImage>

#include <string>

class PictureLibrary;
class QPainter;
namespace kiv {
class ConfigFile;
}

namespace render {
inline const QColor GridColor(192, 192, 255);
inline const QColor MarkerColor(255, 0, 0);
inline const QColor Background(255, 255, 255);
inline constexpr int Cell = 16;
inline constexpr int ScreenWidth = 320;
inline constexpr int ScreenHeight = 256;
} // namespace render

// Paints every non-empty cell of screen `screen` as level `level` holds it, the screen's top-left
// corner at the painter's origin; empty cells are left as they were.
void paintScreenCells(QPainter& painter, const kiv::ConfigFile& kivLevel,
                      const PictureLibrary& pictures, const std::string& level,
                      const std::string& screen);

// The screen as a 320 x 256 picture on `background`, as the editor shows it without the grid.
QImage screenImage(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                   const std::string& level, const std::string& screen,
                   QColor background = render::Background);
