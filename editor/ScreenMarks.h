#pragma once

// Where the marks of enemies, power-ups and pipes go on a 320 x 256 screen picture. The Screen
// Manager's previews and the level pictures both mark screens this way. Rectangles are given
// with inclusive corners, as the picture boxes draw them.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace marks {

inline const QColor PowerUpColor(0, 128, 255);
inline const QColor PipeColor(132, 255, 0);

// The top-left pixel of an enemy's `picture` for an enemy at `x` (in units of two cells) with
// the position byte `positionByte`: the low nibble is the cell row, bit 4 puts it sixteen rows
// lower and bits 6 and 7 shift it right by half cells, unless bit 5 is set. The picture's bottom
// edge lies on the top of the row above the enemy's row.
QPoint enemyTopLeft(const QImage& picture, double x, int positionByte);

// A full-height bar one cell wide over column `x`.
QRect powerUpBar(double x);
// A full-height bar two cells wide from column `x`.
QRect pipeEntryBar(double x);
// A box two cells wide and one cell high whose bottom edge lies on row `y`.
QRect pipeExitBox(double x, double y);

} // namespace marks
