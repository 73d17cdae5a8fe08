#pragma once

#include "app/DroppedFile.h"
#include "app/EmulatorLauncher.h"
#include "editor/LevelMarks.h"
#include "editor/PictureLibrary.h"
#include "editor/Workspace.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QString>

class Dialogs;
class GameGraphics;
class LevelView;
class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class RecoveryWriter;
class ScreenEditor;
class UsageMeter;

// The main window: it owns the workspace, hosts the screen editor and carries the File, View,
// Tools and Help commands and the bookkeeping of unsaved changes.
class frmTW : public QMainWindow {
    Q_OBJECT

public:
    explicit frmTW(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmTW() override;

    // Start-up: loads the object catalogue Objects.txt (beside the program in `programFolder`,
    // or in the installed data folder: catalogueFile()), then opens `commandLine` as a ROM when
    // it is not empty; a level-data file (.twd) is not opened, the user is told how to import
    // it. Returns false, after telling the user, when the catalogue cannot be loaded; the program
    // cannot run without it.
    bool Form_Load(const QString& programFolder, const QString& commandLine);

    // Reads the ROM at `path` into the level document. On success `path` becomes the opened
    // ROM, nothing is unsaved and the editing controls are enabled; on failure the user is told and
    // the previous document, caption and controls stay as they were. Work left unsaved on the ROM
    // when the program last ended without closing is then offered back (RecoveryOffer).
    bool loadROM(const QString& path);
    // Save As: writes the document into a copy of the opened ROM chosen by the user.
    void saveROM();

    Workspace& workspace() { return ws; }
    ScreenEditor* editor() const { return screenEditor; }
    UsageMeter* usageMeter() const { return meter; }
    // The level view, once View > Level view has opened it.
    LevelView* levelView() const { return levelView_; }
    QString romFile() const { return QString::fromStdString(ws.romPath()); }
    // Where Play in emulator writes its images; empty until the first.
    QString playFolder() const { return emulator.folder(); }

public slots:
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileImport_Click();
    void mnuFileExport_Click();
    void mnuFileExportPatch_Click();
    void mnuFileExportImage_Click();
    void mnuFileExit_Click();
    // Edit > Undo and Redo: the history of edit clicks and clears, in the main window or the
    // level view.
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuViewLevel_Click();
    void mnuToolsDataCheck_Click();
    // Play in emulator: the image Save As would write, in a folder of the window's own, started in
    // an emulator. Nothing is asked and the document keeps its unsaved changes.
    void mnuToolsPlay_Click();
    void mnuHelpAbout_Click();
    void cmdManager_Click();
    // The Screen Manager with the record `record` of `kind` selected on its tab.
    void openManagerOn(LevelMark::Kind kind, int record);

protected:
    void closeEvent(QCloseEvent* event) override { Form_Unload(event); }
    // A ROM dropped on the window is opened and level data imported, as File > Open and Import
    // do, each asking first about unsaved changes; level data only once a ROM is open.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Closing asks about unsaved changes and may be cancelled.
    void Form_Unload(QCloseEvent* event);
    void createMenus();
    QAction* addAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut, void (frmTW::*handler)());
    void enableRomCommands();
    // Import without its dialog: replaces the document with the level data in `file`, after the
    // check that Save As could write it back.
    void importLevelData(const QString& file);
    bool takesDrop(const DroppedFile& file) const;
    void openDroppedFile(const DroppedFile& file);
    // Every change of the document ends with the editor showing it again, so that is when the
    // meter measures and the title's mark follows; before a ROM is read there is nothing to
    // measure.
    void documentShown();
    void refreshUsage();
    void showHistory();
    // "Tarnwick", or "Tarnwick - " and the opened ROM, with the mark of unsaved changes.
    void showCaption();
    void showModified();
    // The question before unsaved changes would be lost; true when the pending action may go on.
    bool askToSaveChanges();
    // The file dialog of the window: it remembers the last name used, as the Open dialog
    // starts from it.
    QString chooseOpenFile(const QString& filter, const QString& fileName);
    // The dialog adds `defaultSuffix` to a name typed without one, before it asks whether to
    // replace an existing file.
    QString chooseSaveFile(const QString& filter, const QString& fileName,
                           const QString& defaultSuffix = QString());
    // Save As and Export patch start from the opened ROM's file; when it is gone the user is told
    // how to carry the work over, and false is returned.
    bool openedRomExists();
    // Tells the user why an image was not built; true when it was.
    bool reportBuildOutcome(const rom::SaveOutcome& outcome);
    // A world over its budget: nothing was written.
    void showRefusal(const rom::SectionsWritten& sections);
    // Writes `image` for `program` to play and starts it, telling the user what went wrong.
    void play(const QString& program, const std::vector<uint8_t>& image);
    void showFileError(const QString& title, const QString& verb, const QString& file,
                       const std::string& description, int number);

    Dialogs& dialogs;
    Workspace ws;
    PictureLibrary pictures;
    ScreenEditor* screenEditor = nullptr;
    UsageMeter* meter = nullptr;
    RecoveryWriter* recovery = nullptr;
    GameGraphics* gameGraphics = nullptr;
    QString lastFileName;
    EmulatorLauncher emulator;

    QAction* mnuFileSave = nullptr;
    QAction* mnuFileImport = nullptr;
    QAction* mnuFileExport = nullptr;
    QAction* mnuFileExportPatch = nullptr;
    QAction* mnuFileExportImage = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuViewLevel = nullptr;
    LevelView* levelView_ = nullptr;
    QAction* mnuTools = nullptr;
    QAction* mnuToolsDataCheck = nullptr;
    QAction* mnuToolsPlay = nullptr;
};
