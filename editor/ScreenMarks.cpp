#include "editor/ScreenMarks.h"

#include <QtMath>

namespace marks {

namespace {

constexpr int Cell = 16;
constexpr int EnemyStep = 32;    // enemy X counts in two-cell units
constexpr int HalfCell = 8;      // each step of the fine shift in bits 6 and 7
constexpr int LowerScreen = 256; // bit 4: sixteen rows further down
constexpr int Top = 1;
constexpr int Bottom = 255;

int cells(double units) {
    return qRound(Cell * units);
}

} // namespace

QPoint enemyTopLeft(const QImage& picture, double x, int positionByte) {
    const int high = (positionByte >> 4) & 0xF;
    const int row = positionByte & 0xF;
    // A byte with bit 5 set is neither shifted nor moved down.
    const bool plain = (high & 2) != 0;
    const int pixelX = qRound(EnemyStep * x) + (plain ? 0 : HalfCell * (high >> 2));
    int pixelY = Cell * row - Cell - picture.height();
    if (!plain && (high & 1))
        pixelY += LowerScreen;
    return {pixelX, pixelY};
}

QRect powerUpBar(double x) {
    return QRect(QPoint(cells(x), Top), QPoint(cells(x + 1), Bottom));
}

QRect pipeEntryBar(double x) {
    return QRect(QPoint(cells(x), Top), QPoint(cells(x + 2), Bottom));
}

QRect pipeExitBox(double x, double y) {
    return QRect(QPoint(cells(x), cells(y - 1)), QPoint(cells(x + 2), cells(y)));
}

} // namespace marks
