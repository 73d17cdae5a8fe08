#include "Canvas.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

Canvas::Canvas(int width, int height, QColor background)
    : image_(width, height, QImage::Format_ARGB32) {
    image_.fill(background);
}

void Canvas::dot(int x, int y, QColor colour) {
    if (x >= 0 && y >= 0 && x < width() && y < height())
        image_.setPixelColor(x, y, colour);
}

void Canvas::fill(int x, int y, int w, int h, QColor colour) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            dot(i, j, colour);
}

void Canvas::frame(int x, int y, int w, int h, QColor colour) {
    fill(x, y, w, 1, colour);
    fill(x, y + h - 1, w, 1, colour);
    fill(x, y, 1, h, colour);
    fill(x + w - 1, y, 1, h, colour);
}

void Canvas::line(int x0, int y0, int x1, int y1, QColor colour) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        dot(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::oval(int x, int y, int w, int h, QColor colour) {
    const double cx = x + w / 2.0, cy = y + h / 2.0, rx = w / 2.0, ry = h / 2.0;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            const double u = (i + 0.5 - cx) / rx, v = (j + 0.5 - cy) / ry;
            if (u * u + v * v <= 1.0)
                dot(i, j, colour);
        }
    }
}

void Canvas::polygon(const std::vector<QPointF>& corners, QColor colour) {
    for (int j = 0; j < height(); ++j) {
        for (int i = 0; i < width(); ++i) {
            const double px = i + 0.5, py = j + 0.5;
            bool inside = false;
            for (size_t a = 0, b = corners.size() - 1; a < corners.size(); b = a++) {
                const QPointF &u = corners[a], &v = corners[b];
                if ((u.y() > py) != (v.y() > py) &&
                    px < (v.x() - u.x()) * (py - u.y()) / (v.y() - u.y()) + u.x())
                    inside = !inside;
            }
            if (inside)
                dot(i, j, colour);
        }
    }
}

void Canvas::bevel(int x, int y, int w, int h, QColor light, QColor dark) {
    fill(x, y, w, 1, light);
    fill(x, y, 1, h, light);
    fill(x, y + h - 1, w, 1, dark);
    fill(x + w - 1, y, 1, h, dark);
}

void Canvas::sprite(int x, int y, std::initializer_list<const char*> rows,
                    const std::map<char, QColor>& colours) {
    // Rows of differing length mean a slip in the drawing, not a shape.
    const size_t width = std::strlen(*rows.begin());
    int j = y;
    for (const char* row : rows) {
        if (std::strlen(row) != width)
            throw std::logic_error(std::string("uneven sprite row: ") + row);
        for (int i = 0; row[i] != '\0'; ++i) {
            const auto found = colours.find(row[i]);
            if (found != colours.end())
                dot(x + i, j, found->second);
        }
        ++j;
    }
}

void Canvas::paste(int x, int y, const QImage& picture) {
    for (int j = 0; j < picture.height(); ++j) {
        for (int i = 0; i < picture.width(); ++i) {
            const QColor colour = picture.pixelColor(i, j);
            if (colour.alpha() > 0)
                dot(x + i, y + j, colour);
        }
    }
}

void Canvas::mirror() {
    image_ = image_.mirrored(true, false);
}

QImage Canvas::opaque(QColor background) const {
    QImage result(image_.size(), QImage::Format_RGB32);
    result.fill(background);
    for (int j = 0; j < height(); ++j) {
        for (int i = 0; i < width(); ++i) {
            const QColor colour = image_.pixelColor(i, j);
            if (colour.alpha() > 0)
                result.setPixelColor(i, j, colour);
        }
    }
    return result;
}
