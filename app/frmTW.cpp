#include "app/frmTW.h"

#include "app/CatalogueLocation.h"
#include "app/GameGraphics.h"
#include "app/RecoveryOffer.h"
#include "app/RecoveryWriter.h"
#include "app/UsageMeter.h"
#include "app/VersionInfo.h"
#include "editor/Dialogs.h"
#include "editor/LevelImage.h"
#include "editor/LevelView.h"
#include "editor/ScreenEditor.h"
#include "editor/WaitCursor.h"
#include "messages/CodecMessages.h"
#include "patch/Patch.h"
#include "rom/RomFile.h"
#include "rom/RomWriter.h"
#include "screen_manager/ManagerChanges.h"
#include "screen_manager/frmScreenManager.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

const QString Caption = QStringLiteral("Tarnwick");
const QString RomFilter = QStringLiteral("Game Boy ROMs (*.gb)|*.gb|All files (*.*)|*.*");
const QString LevelDataFilter = QStringLiteral("Tarnwick Data (*.twd)|*.twd|All files (*.*)|*.*");
const QString ImageFilter = QStringLiteral("PNG images (*.png)|*.png|All files (*.*)|*.*");
const QString PatchFilter = QStringLiteral("BPS patch (*.bps)|*.bps|IPS patch (*.ips)|*.ips");
const QString DataCheckTitle = QStringLiteral("Check World Data Usage");
const QString PlayTitle = QStringLiteral("Play in Emulator");
constexpr QSize ClientSize(729, 474);
// How long the status bar tells what a command did.
constexpr int StatusTimeoutMs = 5000;
// The window's messages break lines the Windows way.
constexpr std::string_view LineBreak = "\r\n";

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// The opened ROM's path with ".bps" for its extension.
QString proposePatchName(const QString& romFile) {
    const QFileInfo rom(romFile);
    return rom.dir().filePath(rom.completeBaseName() + QStringLiteral(".bps"));
}

// The patch from the opened ROM `romFile` to `edited`, written to `file` in the format its
// extension names (BPS for any other). Throws kiv::Error; a failure leaves `file` as it was.
void writePatch(const std::string& romFile, const std::vector<uint8_t>& edited,
                const QString& file) {
    const patch::Format format =
        patch::formatOfName(file.toStdString()).value_or(patch::Format::Bps);
    rom::replaceFile(file.toStdString(),
                     patch::makePatch(format, rom::readWholeFile(romFile), edited));
}

} // namespace

frmTW::frmTW(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs(dialogs),
      screenEditor(new ScreenEditor(ws, pictures, dialogs, this)), meter(new UsageMeter(this)),
      recovery(new RecoveryWriter(ws, this)),
      gameGraphics(new GameGraphics(pictures, *screenEditor, this)) {
    setObjectName(QStringLiteral("frmTW"));
    showCaption();
    screenEditor->setFixedSize(ClientSize);
    setCentralWidget(screenEditor);
    statusBar()->setSizeGripEnabled(false);
    // A command's message (what it wrote where) takes the whole bar for a few seconds, as a path
    // needs the room, and the meter comes back after it or at the next change to the document.
    // A message too long even for the whole bar is whole in the bar's tool tip.
    statusBar()->addWidget(meter, 1);
    connect(statusBar(), &QStatusBar::messageChanged, statusBar(), &QWidget::setToolTip);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setAcceptDrops(true);
    createMenus();

    connect(screenEditor->managerButton(), &QPushButton::clicked, this, &frmTW::cmdManager_Click);
    connect(screenEditor, &ScreenEditor::documentShown, this, &frmTW::documentShown);
    // Every change of the document ends with the editor showing it, so that is where the
    // recovery copy learns of it.
    connect(screenEditor, &ScreenEditor::documentShown, recovery, &RecoveryWriter::documentShown);
}

frmTW::~frmTW() = default;

QAction* frmTW::addAction(QMenu* menu, const char* name, const QString& caption,
                          const QKeySequence& shortcut, void (frmTW::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void frmTW::createMenus() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    addAction(mnuFile, "mnuFileOpen", QStringLiteral("&Open..."),
              QKeySequence(Qt::CTRL | Qt::Key_O), &frmTW::mnuFileOpen_Click);
    mnuFileSave = addAction(mnuFile, "mnuFileSave", QStringLiteral("&Save As..."),
                            QKeySequence(Qt::CTRL | Qt::Key_S), &frmTW::mnuFileSave_Click);
    mnuFile->addSeparator();
    mnuFileImport = addAction(mnuFile, "mnuFileImport", QStringLiteral("&Import level data..."),
                              QKeySequence(Qt::CTRL | Qt::Key_I), &frmTW::mnuFileImport_Click);
    mnuFileExport = addAction(mnuFile, "mnuFileExport", QStringLiteral("&Export level data..."),
                              QKeySequence(Qt::CTRL | Qt::Key_E), &frmTW::mnuFileExport_Click);
    mnuFileExportPatch =
        addAction(mnuFile, "mnuFileExportPatch", QStringLiteral("Export &patch..."), QKeySequence(),
                  &frmTW::mnuFileExportPatch_Click);
    mnuFileExportImage =
        addAction(mnuFile, "mnuFileExportImage", QStringLiteral("Export level i&mage..."),
                  QKeySequence(), &frmTW::mnuFileExportImage_Click);
    mnuFile->addSeparator();
    addAction(mnuFile, "mnuFileExit", QStringLiteral("&Exit"), QKeySequence(),
              &frmTW::mnuFileExit_Click);

    QMenu* mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditUndo = addAction(mnuEdit, "mnuEditUndo", QStringLiteral("&Undo"),
                            QKeySequence(Qt::CTRL | Qt::Key_Z), &frmTW::mnuEditUndo_Click);
    mnuEditRedo =
        addAction(mnuEdit, "mnuEditRedo", QStringLiteral("&Redo"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &frmTW::mnuEditRedo_Click);
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* mnuView = menuBar()->addMenu(QStringLiteral("Vie&w"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuView->addAction(gameGraphics->action());
    mnuViewLevel = addAction(mnuView, "mnuViewLevel", QStringLiteral("&Level view"),
                             QKeySequence(Qt::CTRL | Qt::Key_L), &frmTW::mnuViewLevel_Click);

    QMenu* toolsMenu = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuTools = toolsMenu->menuAction();
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuToolsDataCheck =
        addAction(toolsMenu, "mnuToolsDataCheck", QStringLiteral("World data usage check..."),
                  QKeySequence(Qt::CTRL | Qt::Key_W), &frmTW::mnuToolsDataCheck_Click);
    toolsMenu->addSeparator();
    mnuToolsPlay = addAction(toolsMenu, "mnuToolsPlay", QStringLiteral("&Play in emulator"),
                             QKeySequence(Qt::Key_F5), &frmTW::mnuToolsPlay_Click);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addAction(mnuHelp, "mnuHelpAbout", QStringLiteral("&About..."), QKeySequence(Qt::Key_F1),
              &frmTW::mnuHelpAbout_Click);

    for (QAction* action :
         {mnuFileSave, mnuFileImport, mnuFileExport, mnuFileExportPatch, mnuFileExportImage,
          mnuEditUndo, mnuEditRedo, mnuViewLevel, mnuTools, mnuToolsDataCheck, mnuToolsPlay})
        action->setEnabled(false);
}

bool frmTW::Form_Load(const QString& programFolder, const QString& commandLine) {
    const QString catalogue = catalogueFile(programFolder);
    try {
        ws.loadCatalogue(catalogue.toStdString());
    } catch (const kiv::Error& e) {
        dialogs.message(this, Caption,
                        QStringLiteral("Unable to load the object catalogue '%1' - %2, %3")
                            .arg(catalogue, qs(e.description()))
                            .arg(e.number()),
                        Dialogs::Icon::Critical);
        return false;
    }
    // Level data goes into an opened ROM, so a .twd file given to the program (the desktop opens
    // them with it) is answered with the way to import it.
    if (commandLine.endsWith(QStringLiteral(".twd"), Qt::CaseInsensitive))
        dialogs.message(this, Caption,
                        QStringLiteral("'%1' holds level data.  Open the ROM it belongs to with "
                                       "File > Open..., then bring the level data in with "
                                       "File > Import level data...")
                            .arg(commandLine),
                        Dialogs::Icon::Information);
    else if (!commandLine.isEmpty())
        loadROM(commandLine);
    return true;
}

bool frmTW::loadROM(const QString& path) {
    WaitCursor wait;
    try {
        ws.openROM(path.toStdString());
    } catch (const kiv::Error& e) {
        wait.restore();
        showFileError(QStringLiteral("Load ROM Error"), QStringLiteral("load"), path,
                      e.description(), e.number());
        return false;
    }
    showCaption();
    gameGraphics->useRom(ws.romPath());
    screenEditor->selectFirstLevel();
    enableRomCommands();
    if (RecoveryOffer(dialogs, this).run(ws, *recovery))
        screenEditor->selectFirstLevel();
    return true;
}

void frmTW::enableRomCommands() {
    for (QAction* action :
         {mnuFileSave, mnuFileImport, mnuFileExport, mnuFileExportPatch, mnuFileExportImage,
          mnuViewLevel, mnuTools, mnuToolsDataCheck, mnuToolsPlay})
        action->setEnabled(true);
    screenEditor->enableEditing();
    showHistory();
}

bool frmTW::openedRomExists() {
    const QString opened = romFile();
    if (QFileInfo(opened).isFile())
        return true;
    dialogs.message(this, QStringLiteral("Save Error"),
                    QStringLiteral("Unable to find the opened file '") + opened +
                        QStringLiteral("'.  Please export the level data, open the ROM and "
                                       "then import before attempting to save again."),
                    Dialogs::Icon::Exclamation);
    return false;
}

void frmTW::saveROM() {
    if (!openedRomExists())
        return;
    const QString outPath = chooseSaveFile(RomFilter, qs(rom::proposeSaveName(ws.romPath())));
    if (outPath.isEmpty())
        return;

    WaitCursor wait;
    const rom::SaveOutcome outcome = ws.saveROM(outPath.toStdString());
    wait.restore();
    if (!reportBuildOutcome(outcome))
        return;
    recovery->discard();
    showModified();
    dialogs.message(this, QStringLiteral("ROM Saved"),
                    qs(messages::savedText(outPath.toStdString(), outcome.sections, LineBreak)),
                    Dialogs::Icon::Information);
    statusBar()->showMessage(QStringLiteral("ROM written: ") + outPath, StatusTimeoutMs);
}

bool frmTW::reportBuildOutcome(const rom::SaveOutcome& outcome) {
    switch (outcome.kind) {
    case rom::SaveOutcome::Kind::Saved:
        return true;
    case rom::SaveOutcome::Kind::Refused:
        showRefusal(outcome.sections);
        return false;
    case rom::SaveOutcome::Kind::Failed:
        showFileError(QStringLiteral("Save ROM Error"), QStringLiteral("save"), romFile(),
                      outcome.errorDescription, outcome.errorNumber);
        return false;
    }
    return false;
}

void frmTW::showRefusal(const rom::SectionsWritten& sections) {
    dialogs.message(this, QStringLiteral("Too Much Level Data"),
                    qs(messages::refusedText(sections, LineBreak)), Dialogs::Icon::Critical);
}

void frmTW::documentShown() {
    statusBar()->clearMessage();
    refreshUsage();
    showModified();
    showHistory();
}

void frmTW::showHistory() {
    const rom::EditHistory& history = ws.document().history();
    mnuEditUndo->setEnabled(ws.hasRom() && history.canUndo());
    mnuEditRedo->setEnabled(ws.hasRom() && history.canRedo());
}

void frmTW::showCaption() {
    // Qt marks the place of "[*]" in a title; a path holding those characters doubles them.
    QString path = romFile();
    path.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle((ws.hasRom() ? Caption + QStringLiteral(" - ") + path : Caption) +
                   QStringLiteral("[*]"));
}

void frmTW::showModified() {
    setWindowModified(ws.document().dataChanged());
}

void frmTW::refreshUsage() {
    if (ws.hasRom())
        meter->refresh(ws.document());
}

bool frmTW::askToSaveChanges() {
    if (!ws.document().dataChanged())
        return true;
    switch (dialogs.message(
        this, QStringLiteral("Save Changes"),
        QStringLiteral("You have unsaved changes.  Do you want to save the changes?"),
        Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel)) {
    case Dialogs::Answer::Yes:
        saveROM();
        return !ws.document().dataChanged();
    case Dialogs::Answer::No:
        recovery->discard();
        return true;
    default:
        return false;
    }
}

QString frmTW::chooseOpenFile(const QString& filter, const QString& fileName) {
    lastFileName = fileName;
    const QString chosen = dialogs.openFile(this, filter, lastFileName);
    if (!chosen.isEmpty())
        lastFileName = chosen;
    return chosen;
}

QString frmTW::chooseSaveFile(const QString& filter, const QString& fileName,
                              const QString& defaultSuffix) {
    lastFileName = fileName;
    const QString chosen = dialogs.saveFile(this, filter, lastFileName, defaultSuffix);
    if (!chosen.isEmpty())
        lastFileName = chosen;
    return chosen;
}

void frmTW::showFileError(const QString& title, const QString& verb, const QString& file,
                          const std::string& description, int number) {
    dialogs.message(this, title,
                    QStringLiteral("Unable to %1 file: '%2' - %3, %4")
                        .arg(verb, file, qs(description))
                        .arg(number),
                    Dialogs::Icon::Critical);
}

void frmTW::mnuFileOpen_Click() {
    if (!askToSaveChanges())
        return;
    const QString path = chooseOpenFile(RomFilter, lastFileName);
    if (!path.isEmpty())
        loadROM(path);
}

void frmTW::mnuFileSave_Click() {
    saveROM();
}

void frmTW::mnuFileExport_Click() {
    const QString file = chooseSaveFile(LevelDataFilter, QString(), QStringLiteral("twd"));
    if (file.isEmpty())
        return;
    try {
        ws.document().exportFile(file.toStdString());
        statusBar()->showMessage(QStringLiteral("Level data written: ") + file, StatusTimeoutMs);
    } catch (const kiv::Error& e) {
        showFileError(QStringLiteral("Export Error"), QStringLiteral("export"), file,
                      e.description(), e.number());
    }
}

void frmTW::mnuFileExportImage_Click() {
    const QString file = chooseSaveFile(ImageFilter, QString(), QStringLiteral("png"));
    if (file.isEmpty())
        return;
    try {
        const WaitCursor wait;
        saveLevelImage(levelImage(ws.document().kivLevel(), pictures,
                                  std::string(screenEditor->level().key()), true),
                       file.toStdString());
        statusBar()->showMessage(QStringLiteral("Level image written: ") + file, StatusTimeoutMs);
    } catch (const kiv::Error& e) {
        showFileError(QStringLiteral("Export Error"), QStringLiteral("export"), file,
                      e.description(), e.number());
    }
}

// The patch holds what Save As would write now, so it refuses what Save As refuses; the document
// keeps its unsaved changes, as nothing was saved.
void frmTW::mnuFileExportPatch_Click() {
    if (!openedRomExists())
        return;
    const QString file =
        chooseSaveFile(PatchFilter, proposePatchName(romFile()), QStringLiteral("bps"));
    if (file.isEmpty())
        return;
    rom::BuiltImage built;
    try {
        const WaitCursor wait;
        built = ws.buildImage();
        if (built.outcome.kind == rom::SaveOutcome::Kind::Failed)
            throw kiv::Error(built.outcome.errorNumber, built.outcome.errorDescription);
        if (built.outcome.kind == rom::SaveOutcome::Kind::Saved)
            writePatch(ws.romPath(), built.image, file);
    } catch (const kiv::Error& e) {
        showFileError(QStringLiteral("Export Error"), QStringLiteral("export"), file,
                      e.description(), e.number());
        return;
    }
    if (built.outcome.kind == rom::SaveOutcome::Kind::Refused) {
        showRefusal(built.outcome.sections);
        return;
    }
    statusBar()->showMessage(QStringLiteral("Patch written: ") + file, StatusTimeoutMs);
}

void frmTW::mnuFileImport_Click() {
    if (!askToSaveChanges())
        return;
    const QString file = chooseOpenFile(LevelDataFilter, QString());
    if (!file.isEmpty())
        importLevelData(file);
}

void frmTW::importLevelData(const QString& file) {
    // A value the writer cannot take would otherwise only come to light at the next Save As,
    // after the document it replaced is gone: the import checks the file before taking it.
    try {
        if (const std::string refusal = ws.document().importFile(file.toStdString());
            !refusal.empty()) {
            dialogs.message(this, QStringLiteral("Import Error"), QString::fromStdString(refusal),
                            Dialogs::Icon::Exclamation);
            return;
        }
    } catch (const kiv::Error& e) {
        showFileError(QStringLiteral("Import Error"), QStringLiteral("import"), file,
                      e.description(), e.number());
        return;
    }
    screenEditor->selectFirstLevel();
}

bool frmTW::takesDrop(const DroppedFile& file) const {
    return file.kind == DroppedFile::Kind::Rom ||
           (file.kind == DroppedFile::Kind::LevelData && ws.hasRom());
}

void frmTW::dragEnterEvent(QDragEnterEvent* event) {
    if (takesDrop(DroppedFile::of(event->mimeData())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void frmTW::dropEvent(QDropEvent* event) {
    const DroppedFile file = DroppedFile::of(event->mimeData());
    if (!takesDrop(file)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The questions and messages that may follow wait for the user; the program the file came
    // from should not wait with them.
    QMetaObject::invokeMethod(
        this, [this, file] { openDroppedFile(file); }, Qt::QueuedConnection);
}

void frmTW::openDroppedFile(const DroppedFile& file) {
    if (!askToSaveChanges())
        return;
    if (file.kind == DroppedFile::Kind::Rom)
        loadROM(file.path);
    else
        importLevelData(file.path);
}

void frmTW::mnuFileExit_Click() {
    close();
}

void frmTW::mnuEditUndo_Click() {
    screenEditor->undoStep();
}

void frmTW::mnuEditRedo_Click() {
    screenEditor->redoStep();
}

void frmTW::mnuViewLevel_Click() {
    if (!levelView_) {
        levelView_ = new LevelView(ws, pictures, *screenEditor, {mnuEditUndo, mnuEditRedo}, this);
        connect(levelView_, &LevelView::recordActivated, this, &frmTW::openManagerOn);
        // Records moved in the view change the document as the editor's edits do.
        connect(levelView_, &LevelView::documentEdited, this, &frmTW::documentShown);
        connect(levelView_, &LevelView::documentEdited, recovery, &RecoveryWriter::documentShown);
    }
    levelView_->show();
    levelView_->raise();
    levelView_->activateWindow();
}

void frmTW::mnuToolsDataCheck_Click() {
    if (dialogs.message(this, DataCheckTitle,
                        QStringLiteral("This could take a few seconds or even over a minute; "
                                       "continue?"),
                        Dialogs::Icon::Exclamation,
                        Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    std::string report;
    try {
        WaitCursor wait;
        report = messages::dataUsageText(ws.dataUsage(), LineBreak);
    } catch (const kiv::Error& e) {
        dialogs.message(this, DataCheckTitle,
                        QStringLiteral("Unable to check the world data usage - %1, %2")
                            .arg(qs(e.description()))
                            .arg(e.number()),
                        Dialogs::Icon::Critical);
        return;
    }
    dialogs.message(this, DataCheckTitle, qs(report), Dialogs::Icon::Information);
}

void frmTW::mnuToolsPlay_Click() {
    const QString program = EmulatorLauncher::findEmulator();
    if (program.isEmpty()) {
        dialogs.message(this, PlayTitle, EmulatorLauncher::missingText(qs(std::string(LineBreak))),
                        Dialogs::Icon::Exclamation);
        return;
    }
    if (!openedRomExists())
        return;
    WaitCursor wait;
    const rom::BuiltImage built = ws.buildImage();
    wait.restore();
    if (reportBuildOutcome(built.outcome))
        play(program, built.image);
}

void frmTW::play(const QString& program, const std::vector<uint8_t>& image) {
    QString error;
    const QString imagePath = emulator.writeImage(romFile(), image, error);
    if (imagePath.isEmpty()) {
        dialogs.message(this, PlayTitle,
                        QStringLiteral("Unable to write the image to play - %1").arg(error),
                        Dialogs::Icon::Critical);
        return;
    }
    if (!EmulatorLauncher::start(program, imagePath, error)) {
        dialogs.message(
            this, PlayTitle,
            QStringLiteral("Unable to start the emulator '%1' - %2").arg(program, error),
            Dialogs::Icon::Critical);
        return;
    }
    statusBar()->showMessage(
        QStringLiteral("Playing %1 in %2").arg(imagePath, QFileInfo(program).fileName()),
        StatusTimeoutMs);
}

void frmTW::mnuHelpAbout_Click() {
    dialogs.message(this, QStringLiteral("About Tarnwick"), versionInfo::aboutText(),
                    Dialogs::Icon::Information);
}

void frmTW::cmdManager_Click() {
    ManagerChanges changes;
    frmScreenManager manager(ws, changes, *screenEditor, pictures, this);
    manager.exec();
}

void frmTW::openManagerOn(LevelMark::Kind kind, int record) {
    ManagerChanges changes;
    frmScreenManager manager(ws, changes, *screenEditor, pictures, this);
    manager.showRecord(kind, record);
    manager.exec();
}

void frmTW::Form_Unload(QCloseEvent* event) {
    if (askToSaveChanges()) {
        recovery->discard();
        event->accept();
    } else {
        event->ignore();
    }
}
