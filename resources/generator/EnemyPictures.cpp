#include "Pictures.h"

#include "Canvas.h"

namespace {

const QColor Paper(255, 255, 255), Ink(32, 24, 24);

QImage creature(int w, int h, QColor body) {
    Canvas c(w, h);
    c.oval(1, 1, w - 2, h - 3, Ink);
    c.oval(2, 2, w - 4, h - 5, body);
    c.fill(w / 2 - 3, h / 3, 2, 3, Ink);
    c.fill(w / 2 + 1, h / 3, 2, 3, Ink);
    c.fill(2, h - 3, w / 3, 3, Ink);
    c.fill(w - 2 - w / 3, h - 3, w / 3, 3, Ink);
    return c.opaque(Paper);
}

QImage bar(int w, int h) {
    Canvas c(w, h);
    c.fill(0, h / 2 - 3, w, 6, QColor(200, 120, 60));
    c.frame(0, h / 2 - 3, w, 6, Ink);
    return c.opaque(Paper);
}

} // namespace

std::vector<Picture> enemyPictures() {
    return {
        {600, creature(16, 16, QColor(168, 96, 48))},
        {602, creature(16, 16, QColor(216, 40, 40))},
        {603, creature(32, 32, QColor(140, 136, 140))},
        {604, creature(16, 16, QColor(60, 170, 70))},
        {606, creature(16, 16, QColor(240, 200, 150))},
        {608, creature(64, 48, QColor(220, 170, 60))},
        {609, creature(16, 16, QColor(240, 120, 180))},
        {610, bar(48, 16)},
        {611, bar(16, 16)},
        {612, bar(16, 16)},
        {614, creature(16, 16, QColor(90, 90, 90))},
        {616, creature(16, 16, QColor(80, 140, 230))},
        {622, creature(16, 16, QColor(150, 150, 170))},
        {626, creature(32, 64, QColor(70, 160, 120))},
        {629, creature(16, 16, QColor(100, 200, 160))},
        {632, creature(16, 16, QColor(120, 60, 140))},
        {636, creature(16, 16, QColor(80, 180, 200))},
        {637, creature(16, 16, QColor(60, 60, 60))},
        {647, creature(16, 16, QColor(230, 130, 60))},
        {649, creature(16, 16, QColor(160, 150, 140))},
        {650, creature(16, 16, QColor(120, 120, 130))},
        {653, creature(16, 16, QColor(180, 180, 190))},
        {654, creature(16, 16, QColor(200, 120, 60))},
        {656, bar(16, 16)},
        {657, bar(16, 16)},
        {658, bar(16, 16)},
        {659, bar(16, 16)},
        {660, creature(16, 16, QColor(130, 130, 130))},
        {663, creature(16, 16, QColor(150, 140, 120))},
        {666, creature(16, 16, QColor(240, 200, 40))},
        {671, creature(16, 16, QColor(120, 110, 100))},
        {672, creature(16, 16, QColor(60, 60, 160))},
        {673, creature(16, 16, QColor(50, 50, 50))},
        {675, creature(16, 16, QColor(240, 90, 40))},
        {682, creature(16, 16, QColor(100, 130, 80))},
        {683, creature(16, 16, QColor(250, 250, 240))},
        {684, creature(16, 16, QColor(250, 140, 40))},
        {685, creature(16, 16, QColor(216, 40, 40))},
        {686, creature(16, 16, QColor(90, 160, 110))},
        {689, creature(16, 16, QColor(255, 240, 120))},
        {697, creature(64, 32, QColor(230, 230, 240))},
    };
}
