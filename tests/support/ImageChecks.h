#pragma once

#include <QImage>

// True when every pixel of `image` has the colour `colour`.
inline bool isOnly(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != colour)
                return false;
    return true;
}
