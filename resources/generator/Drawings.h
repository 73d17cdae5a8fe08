#pragma once

#include "Palette.h"

#include <QImage>

// The shapes every world's pictures are made of. Each function returns one 16 x 16 picture
// unless it says otherwise; shapes larger than a cell are drawn whole and cut into cells, so
// their pieces fit together on the grid.
namespace draw {

constexpr int Cell = 16;

enum class Side { Left, Middle, Right };
enum class Part { Top, Middle, Bottom };
enum class Mark { Plain, Rivets, Crack, Studs };
enum class PipeFacing { Up, Left, Down };

QImage solid(QColor colour);
// The picture shown for a code that has no picture of its own.
QImage fallback();

// Ground
QImage groundTop(const Palette& p, Side side);
QImage groundFill(const Palette& p, bool stones);
QImage slope(const Palette& p, bool rising);
QImage cliff(const Palette& p, Side side);

// Blocks
QImage bricks(QColor face, QColor light, QColor mortar);
QImage block(const Palette& p, Mark mark);
// A stone block with a ten by ten carving drawn in the palette's accent colour.
QImage carved(const Palette& p, std::initializer_list<const char*> carving);
QImage questionBlock(QColor mark);
QImage usedBlock();
QImage hiddenBlock(const Palette& p);
QImage coin(const Palette& p);

// Building parts
QImage column(const Palette& p, Part part);
QImage platform(const Palette& p, QColor face, QColor light, QColor dark, Side side);
QImage plank(const Palette& p);
QImage post(const Palette& p);
QImage stairs(const Palette& p, bool rising);
QImage door(const Palette& p, Part part);
QImage windowSlit(const Palette& p);
QImage torch(const Palette& p);
QImage girder(const Palette& p);
QImage liftRail(const Palette& p);

// Climbing, hanging and hurting
QImage ladder(const Palette& p);
QImage chain(const Palette& p);
QImage rope(const Palette& p);
QImage fence(const Palette& p);
QImage spikes(const Palette& p);

// Water
QImage waterTop(const Palette& p);
QImage water(const Palette& p);
QImage waterfall(const Palette& p);

// Plants
QImage trunk(const Palette& p, bool palm);
QImage canopy(const Palette& p, int col, int row);
QImage palmLeaves(const Palette& p, Side side);
QImage bush(const Palette& p);
QImage vine(const Palette& p);

// Pipes: a two by two pipe end, turned to face up, left or down.
QImage pipe(PipeFacing facing, int col, int row);

// Clouds
QImage cloud(const Palette& p, Side side);
QImage cloudFill(const Palette& p, bool bottom);

} // namespace draw
