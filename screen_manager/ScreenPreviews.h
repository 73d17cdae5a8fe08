#pragma once

#include <QWidget>

#include <array>

class PictureBox;
class QLabel;

// Six 320 x 256 screen previews in two rows of three, each with a caption above its left corner.
// A hidden preview keeps its place, so the grid does not move when the level runs out.
class ScreenPreviews : public QWidget {
    Q_OBJECT

public:
    static constexpr int Count = 6;

    explicit ScreenPreviews(QWidget* parent = nullptr);

    PictureBox& picEditor(int i) const { return *boxes[i]; }
    QLabel& lblRef(int i) const { return *captions[i]; }

private:
    std::array<PictureBox*, Count> boxes{};
    std::array<QLabel*, Count> captions{};
};
