#pragma once

#include "editor/ScreenImage.h"

#include <string>

class PictureBox;
class PictureLibrary;
namespace kiv {
class ConfigFile;
}

// Clears `picBox` and paints every non-empty cell of screen `screen` as level `level` holds it.
void drawScreen(PictureBox& picBox, const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                const std::string& level, const std::string& screen);

// Draws the grid lines and the marker box for the level at `levelIndex` (0 to 11 in the level
// chooser) and the screen at `screenPosition` (0-based place in the playing order).
void drawGrid(PictureBox& picEditor, int levelIndex, int screenPosition);
