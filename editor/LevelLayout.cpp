#include "editor/LevelLayout.h"

#include "editor/ScreenImage.h"

#include <algorithm>

namespace {

// Rounds towards minus infinity, so pixels left of or above a screen stay outside it.
int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

LevelLayout::LevelLayout(int screens, int zoom, int captionHeight)
    : screens_(std::max(screens, 0)), zoom_(std::clamp(zoom, MinZoom, MaxZoom)),
      captionHeight_(captionHeight) {}

int LevelLayout::pitch() const {
    return render::ScreenWidth * zoom_ + LineWidth;
}

QSize LevelLayout::size() const {
    const int width = screens_ > 0 ? screens_ * pitch() - LineWidth : 0;
    return {2 * Margin + width, Margin + captionHeight_ + render::ScreenHeight * zoom_ + Margin};
}

QRect LevelLayout::screenRect(int position) const {
    return {Margin + (position - 1) * pitch(), Margin + captionHeight_, render::ScreenWidth * zoom_,
            render::ScreenHeight * zoom_};
}

QRect LevelLayout::captionRect(int position) const {
    const QRect screen = screenRect(position);
    return {screen.left(), Margin, screen.width(), captionHeight_};
}

QRect LevelLayout::lineRect(int position) const {
    if (position < 1 || position >= screens_)
        return {};
    const QRect screen = screenRect(position);
    return {screen.right() + 1, Margin, LineWidth, captionHeight_ + screen.height()};
}

std::pair<int, int> LevelLayout::positionsIn(const QRect& area) const {
    const int first = std::max(1, floorDiv(area.left() - Margin, pitch()) + 1);
    const int last = std::min(screens_, floorDiv(area.right() - Margin, pitch()) + 1);
    return {first, last};
}

std::optional<LevelLayout::Place> LevelLayout::columnAt(QPoint point) const {
    const int x = point.x() - Margin;
    const int position = floorDiv(x, pitch()) + 1;
    if (x < 0 || position > screens_)
        return std::nullopt;
    const QRect screen = screenRect(position);
    const int column = std::min(point.x() - screen.left(), screen.width() - 1);
    return Place{position, {column / zoom_, floorDiv(point.y() - screen.top(), zoom_)}};
}

std::optional<LevelLayout::Place> LevelLayout::screenAt(QPoint point) const {
    const std::optional<Place> place = columnAt(point);
    if (!place || !screenRect(place->position).contains(point))
        return std::nullopt;
    return place;
}

int LevelLayout::captionAt(QPoint point) const {
    const std::optional<Place> place = columnAt(point);
    return place && captionRect(place->position).contains(point) ? place->position : 0;
}

QPoint LevelLayout::pointOf(int position, QPoint pixel) const {
    return screenRect(position).topLeft() + pixel * zoom_;
}
