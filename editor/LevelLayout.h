#pragma once

// Where the level view puts each screen: side by side in their order, each under a caption band,
// with a line between neighbours, all scaled by the zoom. Positions are the level's own places,
// 1 onwards; pixels are those of a 320 x 256 screen picture, whatever the zoom.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class LevelLayout {
public:
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 4;
    static constexpr int Margin = 8;    // around the screens
    static constexpr int LineWidth = 1; // the line between two screens

    LevelLayout() = default;
    LevelLayout(int screens, int zoom, int captionHeight);

    int screens() const { return screens_; }
    int zoom() const { return zoom_; }
    QSize size() const;

    QRect screenRect(int position) const;
    QRect captionRect(int position) const;
    // The line right of the screen at `position` (none after the last).
    QRect lineRect(int position) const;
    // The positions whose screen or caption `area` touches; an empty range is first > last.
    std::pair<int, int> positionsIn(const QRect& area) const;

    struct Place {
        int position;
        QPoint pixel;
        bool operator==(const Place&) const = default;
    };
    // The screen under `point` and the pixel of its picture there; nothing over a caption, a
    // line or the margin.
    std::optional<Place> screenAt(QPoint point) const;
    // The position whose caption is under `point`; 0 for none.
    int captionAt(QPoint point) const;
    // The screen whose column holds `point` and the pixel of its picture there, which may lie
    // beyond the picture's top or bottom (or be a line's pixel, counted as the screen's last
    // column); nothing left or right of every screen. Where a dragged mark lands.
    std::optional<Place> columnAt(QPoint point) const;
    // Where `pixel` of the screen at `position` is in the view.
    QPoint pointOf(int position, QPoint pixel) const;

private:
    int pitch() const;

    int screens_ = 0;
    int zoom_ = 1;
    int captionHeight_ = 0;
};
