#pragma once

#include "Canvas.h"
#include "Palette.h"

#include <QImage>

// The few steps every drawing starts and ends with.
namespace draw::kit {

inline Canvas tile(const Palette& p) {
    return Canvas(16, 16, p.sky);
}

inline QImage done(Canvas& c, bool mirrored = false) {
    if (mirrored)
        c.mirror();
    return c.image().convertToFormat(QImage::Format_RGB32);
}

// The 16 x 16 piece at (col, row) of a drawing that spans several cells.
inline QImage piece(const Canvas& c, int col, int row) {
    return c.image().copy(col * 16, row * 16, 16, 16).convertToFormat(QImage::Format_RGB32);
}

} // namespace draw::kit
