#pragma once

#include "editor/LevelMarks.h"
#include "editor/ScreenNumbering.h"
#include "rom/LevelId.h"

#include <QDialog>
#include <QList>

#include <array>

class EnemiesTab;
class PictureLibrary;
class PipesTab;
class PowerUpsTab;
class QCheckBox;
class QFrame;
class QPushButton;
class QTabBar;
class ScreenEditor;
class ScreenOrderTab;
class ScreenPreviews;
class Workspace;
struct ManagerChanges;

// The Screen Manager: screen order, enemies, power-ups and pipes of the main window's current
// level. Shown modally; the tabs edit typed records read once when the window opens. A new screen
// order is written at once, as the previews draw from the document; when the window closes it
// writes the other changed tabs and runs the main editor's cmbLevel_Click. Edits raise the sm*
// flags of `changes`.
class frmScreenManager : public QDialog {
    Q_OBJECT

public:
    frmScreenManager(Workspace& workspace, ManagerChanges& changes, ScreenEditor& mainEditor,
                     const PictureLibrary& pictures, QWidget* parent = nullptr);
    ~frmScreenManager() override;

    // Redraws the six previews; with `autoRefresh` only when "Auto-refresh" is ticked.
    void drawScreens(bool autoRefresh);
    void ShowTab();
    // Shows the tab of `kind` with the row of the document's record `record` selected, as a click
    // on the row would; nothing for a record the tab does not list.
    void showRecord(LevelMark::Kind kind, int record);

    ScreenOrderTab& screenOrderTab() const { return *tabOrder; }
    EnemiesTab& enemiesTab() const { return *tabEnemies; }
    PowerUpsTab& powerUpsTab() const { return *tabPowerUps; }
    PipesTab& pipesTab() const { return *tabPipes; }

public slots:
    void cmdScrollUp_Click();
    void cmdScrollDown_Click();
    void cmdRefresh_Click();
    void cmdClose_Click();
    // Every way of closing (Close, Escape, the close box) ends here or in closeEvent.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void createControls();
    void layOutControls();
    void connectHandlers();

    // ---- The only members that reach the workspace ----
    void Form_Load();
    void Form_Unload();
    // The screen order tab's order into the document; raises smChanged.
    void Tab1WriteKIV();
    // Raises the sm* flag of the tab whose records changed.
    void tabChanged(QFrame* tab);
    // The document the previews are drawn from.
    const kiv::ConfigFile& document() const;
    // ----

    void screensSwapped(int s);
    // Redraws (if auto-refresh allows) when one of these screen numbers is previewed.
    void redrawIfShown(const QList<int>& screens);

    Workspace& ws;
    ManagerChanges& changes;
    ScreenEditor& mainEditor;
    const PictureLibrary& pictures;
    const ScreenNumbering numbering;
    const rom::LevelId level;
    int topScreen;
    bool unloaded = false;

    QTabBar* tab1 = nullptr;
    std::array<QFrame*, 4> fraTab{};
    ScreenOrderTab* tabOrder = nullptr;
    EnemiesTab* tabEnemies = nullptr;
    PowerUpsTab* tabPowerUps = nullptr;
    PipesTab* tabPipes = nullptr;
    ScreenPreviews* previewGrid = nullptr;
    QPushButton* cmdScrollUp = nullptr;
    QPushButton* cmdScrollDown = nullptr;
    QCheckBox* chkAutoRefresh = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdClose = nullptr;
};
