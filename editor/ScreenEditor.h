#pragma once

#include "editor/Footprint.h"
#include "rom/EditHistory.h"
#include "rom/LevelId.h"

#include <kiv/ConfigFile.h>

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <bitset>
#include <string>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QIcon;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QMenu;
class Dialogs;
class PictureBox;
class PictureLibrary;
class Workspace;

// The editing panel of the main window: level and screen choosers, the editing area
// `picEditor`, the tools frame and the object list `lvObjects`. Controls carry their
// conventional names as objectName.
class ScreenEditor : public QWidget {
    Q_OBJECT

public:
    ScreenEditor(Workspace& workspace, const PictureLibrary& pictures, Dialogs& dialogs,
                 QWidget* parent = nullptr);
    ~ScreenEditor() override;

    // Enables the choosers, the Screen Manager button, the editing area and the object list,
    // and shows the tools frame (after a ROM has been read).
    void enableEditing();
    // Selects level 1-1: sets the level chooser to its first entry, or runs cmbLevel_Click
    // when it is already there.
    void selectFirstLevel();

    rom::LevelId level() const { return level_; }
    QString levelText() const;  // "1-1" ... "4-3"
    std::string screen() const; // the selected screen reference
    // The selected screen's place in the level's order, 1 onwards; 0 before a ROM is read.
    int screenPosition() const;
    // Selects the screen at `position` of the level's order, as choosing it in the screen box
    // does (with the shared-screen warning); nothing when it already is selected.
    void selectScreen(int position);
    // An edit click on the screen at `position`: the screen is selected first, as above, then
    // `pos` (pixels of the editing area) is edited exactly as a click in the editing area is.
    void editScreenAt(int position, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                      QPointF pos);
    int buttonObject(int index) const { return buttonObject_[index]; }
    // The picture that button `index` paints; null while the button erases.
    const QImage& buttonPicture(int index) const { return buttonPicture_[index]; }

    QPushButton* managerButton() const { return cmdManager; }
    // What the undo of the last edit click gives back (see kivUndo).
    const kiv::ConfigFile& undoCells() const { return kivUndo; }

public slots:
    void cmbLevel_Click();
    void cmbScreen_Click();
    void picEditor_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void picEditor_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void cmdUndo_Click();
    void cmdClear_Click();
    // Edit > Undo and Redo: the document's history of edit clicks and clears, many steps deep.
    // The screen the step changed is shown. False when there was nothing to take back or redo.
    bool undoStep();
    bool redoStep();
    void cmdEraser_Click();
    void mnuPopupLeftButton_Click();
    void mnuPopupRightButton_Click();
    // Redraws the current screen from the document (for example after the pictures changed).
    void redraw();
    // Shows the object pictures anew wherever they appear: the object list's icons, the two
    // button pictures and the current screen. Nothing is shown before a ROM has been read.
    void refreshPictures();

signals:
    // The document changed through an edit click or an undo: `section` is the world's screen
    // section.
    void screenEdited(int section);
    // The level or screen selection changed, or the document was edited.
    void documentShown();
    // The cells of screen `ref` of level `levelIndex` changed (an edit click, an undo or redo, a
    // clear); sent before the documentShown that follows.
    void cellsChanged(int levelIndex, const QString& ref);
    // The object pictures changed, so every drawing of cells is out of date.
    void picturesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createChoosers();
    void createEditingArea();
    void createTools();
    void createPlacementOptions();
    void createObjectList();
    void createPopup();
    // The controls that stay disabled until a ROM has been read.
    QList<QWidget*> romControls() const;

    void lvObjects_MouseUp(Qt::MouseButton button);
    void buildObjectList();
    QIcon objectIcon(int code) const;
    void giveObject(int index, int code);
    void makeEraser(int index);
    void showScreen();
    footprint::Placement placement() const;
    // cmbLevel_Click showing `screen` of the level chosen, or its first screen when it has no
    // screen of that reference.
    void showLevelAt(const std::string& screen);
    // Shows the screen of a step taken back or redone, selecting its level and screen when
    // another one is shown.
    void showStep(const rom::EditStep& step);

    Workspace& ws;
    rom::LevelId level_ = rom::LevelId::at(0);
    const PictureLibrary& pictures;
    Dialogs& dialogs;
    std::array<int, 2> buttonObject_{0, 0};
    std::array<QImage, 2> buttonPicture_;
    // The cells of the last edit click as they were before it, under "x_y" keys; "0" for an
    // empty cell.
    kiv::ConfigFile kivUndo;
    // The undo copy writes "0" for a cell that was empty; these are the cells of the last click
    // that really held object 0, so undo can give them back instead of emptying them.
    std::bitset<20 * 16> undoHeldZero_;
    // The last click's step in the document's history, which the Undo button takes back.
    uint64_t lastClickStep_ = 0;

    QLabel* lblLevel = nullptr;
    QComboBox* cmbLevel = nullptr;
    QLabel* lblScreen = nullptr;
    QComboBox* cmbScreen = nullptr;
    QPushButton* cmdManager = nullptr;
    PictureBox* picEditor = nullptr;
    QGroupBox* fraTools = nullptr;
    QListWidget* lvObjects = nullptr;
    QMenu* mnuPopup = nullptr;
    QAction* mnuPopupLeftButton = nullptr;
    QAction* mnuPopupRightButton = nullptr;
    std::array<QLabel*, 2> picObject{};
    QPushButton* cmdEraser = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdUndo = nullptr;
    QButtonGroup* placementOptions = nullptr;
};
