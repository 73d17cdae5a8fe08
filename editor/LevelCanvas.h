#pragma once

#include "editor/LevelLayout.h"
#include "editor/LevelMarks.h"
#include "rom/LevelId.h"
#include "rom/ObjectPlacement.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class PictureLibrary;
namespace rom {
class Catalogue;
class LevelDocument;
} // namespace rom

// The whole of one level drawn at a zoom: every screen of its order side by side, with its place
// and reference above it and the marks of its enemies, power-ups and pipes over it. It edits
// nothing itself: it says which screen and pixel a click was released over, and where a mark was
// dragged to, and the level view acts on it.
class LevelCanvas : public QWidget {
    Q_OBJECT

public:
    LevelCanvas(const rom::LevelDocument& document, const PictureLibrary& pictures,
                QWidget* parent = nullptr);

    rom::LevelId level() const { return level_; }
    const LevelLayout& layout() const { return layout_; }
    const LevelMarks& marks() const { return *marks_; }
    int zoom() const { return layout_.zoom(); }
    int selectedPosition() const { return selected_; }

    // Where the pointer tells what an enemy or a power-up is.
    void setCatalogue(const rom::Catalogue* catalogue) { catalogue_ = catalogue; }
    // Shows `level` as the document holds it now.
    void showLevel(rom::LevelId level);
    // Reads the screen order and the marks again; cells already drawn are kept.
    void reloadRecords();
    // Cells of screen `ref` changed: every place showing it is drawn again.
    void cellsChanged(const std::string& ref);
    // Every drawing of cells is out of date (new pictures, or changes nobody described).
    void forgetCells();
    void setZoom(int zoom);
    void setSelectedPosition(int position);
    void setMarksShown(bool shown);

    // Draws the part `area` of the view into `painter`, as the widget paints itself.
    void paintArea(QPainter& painter, const QRect& area);

    QSize sizeHint() const override { return layout_.size(); }

signals:
    // A click, not on a mark or on a mark but not dragged, was released over `pixel` of the
    // screen at `position`.
    void cellReleased(int position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      QPoint pixel);
    // A click on a caption.
    void screenChosen(int position);
    // A dragged enemy or power-up was let go where the Screen Manager's boxes offer a place;
    // `record` is its place in the document's list. Let go anywhere else, it goes back.
    void enemyDropped(int record, const rom::EnemyPlace& place);
    void powerUpDropped(int record, const rom::PowerUpPlace& place);
    // A double-click on a mark.
    void markActivated(const LevelMark& mark);
    // What lies under the pointer, or where a dragged mark would land, for the status bar.
    void pointerDescribed(const QString& text);
    // Ctrl with the wheel: `steps` up (positive) or down, at `point` of the view.
    void zoomWheeled(int steps, QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // A left button pressed on a mark: a click, a double-click or, for an enemy or a power-up,
    // a drag.
    struct Drag {
        LevelMark mark;
        QPoint pressPoint;
        QPoint offset; // from the pointer to the mark's anchor, in view pixels
        bool moving = false;
    };
    // Where a dragged mark would land: a place the boxes offer, or nothing.
    struct Landing {
        int position = 0;
        std::optional<rom::EnemyPlace> enemy;
        std::optional<rom::PowerUpPlace> powerUp;
        QRect area; // the mark at its new place, pixels of that screen's picture
    };
    struct Click {
        int position;
        QPoint pixel;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
    };

    const QImage& screenPicture(int position);
    void relayout();
    void paintScreen(QPainter& painter, int position);
    void paintCaption(QPainter& painter, int position);
    void paintDrag(QPainter& painter);
    // The anchor of a mark: an enemy picture's bottom-left corner, a bar's left edge at the top.
    static QPoint anchorOf(const LevelMark& mark);
    Landing landing() const;
    const LevelMark* markAt(QPoint point) const;
    void describe(QPoint point);
    QString nameOf(const LevelMark& mark) const;
    void describeLanding();
    void finishDrag();
    void sendClick();
    // A press where the click waiting for a double-click was made.
    bool isSecondPress(QPoint point, Qt::MouseButton button) const;

    const rom::LevelDocument& document;
    const PictureLibrary& pictures;
    const rom::Catalogue* catalogue_ = nullptr;
    rom::LevelId level_ = rom::LevelId::at(0);
    std::vector<std::string> refs_; // by position - 1
    QHash<QString, QImage> cells_;  // each screen's cells at 1:1, by reference
    std::vector<QImage> spare_;     // pictures no longer up to date, to draw on again
    std::optional<LevelMarks> marks_;
    LevelLayout layout_;
    int selected_ = 0;
    bool marksShown_ = true;
    std::optional<Drag> drag_;
    QPoint dragPointer_;
    // A click on a mark edits cells only once it has not become a double-click.
    std::optional<Click> pendingClick_;
    QTimer clickTimer_;
    bool swallowRelease_ = false; // the release that ends a double-click or a cancelled drag
};
