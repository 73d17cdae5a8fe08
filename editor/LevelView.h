#pragma once

#include "editor/LevelMarks.h"
#include "rom/ObjectPlacement.h"

#include <QMainWindow>

#include <cstdint>

class LevelCanvas;
class PictureLibrary;
class QAction;
class QLabel;
class QScrollArea;
class QToolBar;
class ScreenEditor;
class Workspace;

// The level view: the main window's current level whole, screen beside screen, zoomed 1 to 4
// times. A click edits the screen under the pointer with the main window's tools, through the
// editor's own edit click; enemies and power-ups are dragged to new places, and a double-click on
// any mark opens the Screen Manager on its record. The view follows the level and screen chosen
// in the main window, and a click in it chooses the screen there.
class LevelView : public QMainWindow {
    Q_OBJECT

public:
    // `editActions` (Undo, Redo) are the main window's, shown and usable here too.
    LevelView(Workspace& workspace, const PictureLibrary& pictures, ScreenEditor& editor,
              const QList<QAction*>& editActions, QWidget* parent = nullptr);

    LevelCanvas* canvas() const { return canvas_; }
    QScrollArea* scrollArea() const { return scroll; }
    int zoom() const;
    void setZoom(int zoom);

    // Shows what the document and the main window's editor show now.
    void documentShown();

signals:
    // Enemies or power-ups were moved here: the document changed outside the editor.
    void documentEdited();
    // A double-click on the mark of a record.
    void recordActivated(LevelMark::Kind kind, int record);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions(const QList<QAction*>& editActions);
    void showLevelOfEditor();
    void followSelection();
    void cellReleased(int position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      QPoint pixel);
    void screenChosen(int position);
    void moveEnemy(int record, const rom::EnemyPlace& place);
    void movePowerUp(int record, const rom::PowerUpPlace& place);
    // Zooms by `steps`, keeping the level's point under `anchor` (view pixels) where it is.
    void zoomBy(int steps, QPoint anchor);
    void showZoom();
    void fitHeight();
    void scrollToSelected();

    Workspace& ws;
    ScreenEditor& editor;
    LevelCanvas* canvas_ = nullptr;
    QScrollArea* scroll = nullptr;
    QToolBar* tools = nullptr;
    QLabel* lblZoom = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuShowObjects = nullptr;
    uint64_t seenChanges_ = 0;
    bool cellsExplained_ = false;
    // The selection is the view's own doing: the screen is in view already.
    bool selectingHere_ = false;
};
