#include "editor/ScreenRenderer.h"

#include "editor/PictureBox.h"
#include "rom/RomLayout.h"

namespace {

using render::Cell;

// Levels whose first screens carry the start markers on cell (2, 0) and then (5, 13).
bool isFirstMarkerGroup(int levelIndex) {
    return levelIndex == 0 || levelIndex == 2 || levelIndex == 3 || levelIndex == 6 ||
           levelIndex == 9;
}

void drawMarker(PictureBox& pic, int cx, int cy) {
    pic.drawRect({cx * Cell, cy * Cell}, {(cx + 1) * Cell, (cy + 1) * Cell}, render::MarkerColor);
}

} // namespace

void drawScreen(PictureBox& picBox, const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                const std::string& level, const std::string& screen) {
    picBox.clear();
    picBox.paintPicture(screenImage(kivLevel, pictures, level, screen, picBox.backColor()), {0, 0});
}

void drawGrid(PictureBox& picEditor, int levelIndex, int screenPosition) {
    // One-pixel filled rectangles give the same lines as drawn lines at a fraction of the cost.
    const QColor grid = picEditor.foreColor();
    const int right = rom::ScreenColumns * Cell;
    const int bottom = rom::ScreenRows * Cell;
    for (int i = 1; i < rom::ScreenColumns; ++i)
        picEditor.fillRect({i * Cell, 0}, {i * Cell, bottom}, grid);
    for (int j = 1; j < rom::ScreenRows; ++j)
        picEditor.fillRect({0, j * Cell}, {right, j * Cell}, grid);

    if (isFirstMarkerGroup(levelIndex)) {
        if (screenPosition == 0 || screenPosition == 1)
            drawMarker(picEditor, 2, 0);
        else if (screenPosition == 2)
            drawMarker(picEditor, 5, 13);
    } else if (screenPosition == 0) {
        drawMarker(picEditor, 5, 13);
    }
}
