#pragma once

// The program's pictures are pixel art. Where a screen has more device pixels than points, Qt
// scales a picture up when it shows it, and for icons and labels it smooths the edges. These
// hand Qt the picture already scaled for the screen, each of its pixels a square of one colour,
// so there is nothing left to smooth.

#include <QIcon>
#include <QImage>
#include <QPixmap>

// `picture` scaled by `devicePixelRatio` without smoothing; it keeps the picture's size in points.
QPixmap crispPixmap(const QImage& picture, qreal devicePixelRatio);

// An icon holding `picture` at its own size and, for a screen of `devicePixelRatio`, as
// crispPixmap scales it.
QIcon crispIcon(const QImage& picture, qreal devicePixelRatio);
