#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

#include <initializer_list>
#include <map>
#include <vector>

// A small pixel canvas: every shape is set pixel by pixel, so the pictures come out the same on
// every machine and nothing needs fonts or a display.
class Canvas {
public:
    Canvas(int width, int height, QColor background = Qt::transparent);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void dot(int x, int y, QColor colour);
    void fill(int x, int y, int w, int h, QColor colour);
    void frame(int x, int y, int w, int h, QColor colour);
    void line(int x0, int y0, int x1, int y1, QColor colour);
    // A filled ellipse inside the box (x, y, w, h).
    void oval(int x, int y, int w, int h, QColor colour);
    // A filled polygon: every pixel whose centre lies inside the outline.
    void polygon(const std::vector<QPointF>& corners, QColor colour);
    // A raised block: light top and left edges, dark bottom and right edges.
    void bevel(int x, int y, int w, int h, QColor light, QColor dark);
    // Rows of characters, one per pixel; each character is looked up in `colours`, and
    // characters that are not there (such as '.') leave the pixel alone.
    void sprite(int x, int y, std::initializer_list<const char*> rows,
                const std::map<char, QColor>& colours);
    // Copies a picture onto the canvas, leaving transparent pixels alone.
    void paste(int x, int y, const QImage& picture);
    // Mirrors the canvas left to right.
    void mirror();

    // The finished picture with every pixel opaque (transparent pixels take `background`).
    QImage opaque(QColor background) const;
    const QImage& image() const { return image_; }

private:
    QImage image_;
};
