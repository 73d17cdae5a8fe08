#pragma once

#include <QColor>

// The colours of one world's pictures. Every drawing takes its colours from a palette, so the
// same shape reads as sand in the desert, rock on the island and cloud in the sky.
struct Palette {
    QColor sky;                          // behind every shape
    QColor earth, earthLight, earthDark; // ground and dirt
    QColor crust, crustLight;            // the walkable top layer: grass, sand crust, moss
    QColor stone, stoneLight, stoneDark; // blocks, bricks, columns
    QColor accent, accentDark;           // the world's own colour: carvings, coral, lacquer
    QColor leaf, leafDark;
    QColor wood, woodDark;
    QColor water, waterLight;
    QColor ink; // outlines and dark details
};

namespace palettes {
Palette universal();
Palette desert(); // world 1
Palette sea();    // world 2
Palette rocks();  // world 3
Palette sky();    // world 4
} // namespace palettes
