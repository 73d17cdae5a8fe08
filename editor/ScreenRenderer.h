#pragma once

#include <QColor>

#include <string>

class PictureBox;
class PictureLibrary;
namespace kiv {
class ConfigFile;
}

namespace render {
inline const QColor GridColor(192, 192, 255);
inline const QColor MarkerColor(255, 0, 0);
inline const QColor Background(255, 255, 255);
} // namespace render

// Clears `picBox` and paints every non-empty cell of screen `screen` as level `level` holds it.
void drawScreen(PictureBox& picBox, const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                const std::string& level, const std::string& screen);

// Draws the grid lines and the marker box for the level at `levelIndex` (0 to 11 in the level
// chooser) and the screen at `screenPosition` (0-based place in the playing order).
void drawGrid(PictureBox& picEditor, int levelIndex, int screenPosition);
