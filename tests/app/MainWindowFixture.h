#pragma once

// The main window over the sample ROM with scripted dialogs: what the main-window tests share.

#include "app/VersionInfo.h"
#include "app/frmTW.h"
#include "editor/PictureBox.h"
#include "editor/ScreenEditor.h"
#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "sample/SampleRom.h"
#include "screen_manager/ChoiceBox.h"
#include "screen_manager/frmScreenManager.h"
#include "tests/support/DocumentEntries.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

using Answer = Dialogs::Answer;
using Icon = Dialogs::Icon;
using Flags = std::array<bool, rom::SectionCount>;

inline const QString RomFilter = QStringLiteral("Game Boy ROMs (*.gb)|*.gb|All files (*.*)|*.*");
inline const QString LevelDataFilter =
    QStringLiteral("Tarnwick Data (*.twd)|*.twd|All files (*.*)|*.*");
inline const QString ImageFilter = QStringLiteral("PNG images (*.png)|*.png|All files (*.*)|*.*");

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray sampleRom() {
    const std::vector<uint8_t> bytes = rom::makeSampleRom();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Picks, as the user would, another entry of a drop-down box of the Screen Manager.
inline void chooseAnother(QWidget* window, const char* box) {
    auto* combo = window->findChild<ChoiceBox*>(box);
    QVERIFY2(combo && combo->count() > 1, box);
    combo->setCurrentIndex(combo->currentIndex() == 0 ? 1 : 0);
}

inline std::string valueIn(const QString& romPath, const std::string& key) {
    kiv::ConfigFile doc;
    try {
        rom::loadROM(romPath.toStdString(), doc);
    } catch (const kiv::Error& e) {
        return "unreadable ROM: " + e.description();
    }
    return doc.GetValue(key);
}

// Each test class derives from QObject and this, and calls setUp() and tearDown() from its init()
// and cleanup().
class MainWindowFixture {
protected:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<frmTW> window;
    QString romPath;

    QString path(const QString& name) const { return dir->filePath(name); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    Workspace& ws() const { return window->workspace(); }
    // The title as the window shows it, Qt's mark of unsaved changes in place of "[*]".
    QString shownTitle() const {
        window->winId();
        return window->windowHandle()->title();
    }
    std::string document() const { return ws().document().kivLevel().GetAll(); }

    // Starts the window as the program does, with the catalogue beside the test program,
    // opening `commandLine` when it is not empty.
    bool start(const QString& commandLine = QString(),
               const QString& programFolder = QCoreApplication::applicationDirPath()) {
        window = std::make_unique<frmTW>(*dialogs);
        return window->Form_Load(programFolder, commandLine);
    }
    void startWithRom() {
        QVERIFY(start(romPath));
        QCOMPARE(window->romFile(), romPath);
        dialogs->shown.clear();
    }
    void selectLevel(int index) {
        auto* cmbLevel = window->editor()->findChild<QComboBox*>(QStringLiteral("cmbLevel"));
        QVERIFY(cmbLevel);
        cmbLevel->setCurrentIndex(index);
    }
    void verifyRomCommandsEnabled(bool enabled) const {
        for (const char* name :
             {"mnuFileSave", "mnuFileImport", "mnuFileExport", "mnuFileExportPatch", "mnuTools",
              "mnuToolsDataCheck", "mnuToolsPlay"})
            QVERIFY2(action(name)->isEnabled() == enabled, name);
        QVERIFY(action("mnuFileOpen")->isEnabled());
        QVERIFY(action("mnuFileExit")->isEnabled());
        QVERIFY(action("mnuHelpAbout")->isEnabled());
        QCOMPARE(window->editor()->managerButton()->isEnabled(), enabled);
    }
    void verifyMessage(const ScriptedDialogs::Shown& shown, const QString& title,
                       const QString& text, Icon icon) const {
        QCOMPARE(shown.title, title);
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.icon, icon);
    }
    QList<ScriptedDialogs::Shown> shownTitled(const QString& title) const {
        QList<ScriptedDialogs::Shown> out;
        for (const auto& s : dialogs->messages())
            if (s.title == title)
                out.append(s);
        return out;
    }
    PictureBox* picEditor() const { return window->editor()->findChild<PictureBox*>("picEditor"); }
    // A real click of the user's mouse on cell (x, y) of the editing area.
    void clickCell(int x, int y, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseClick(picEditor(), button, {}, QPoint(16 * x + 8, 16 * y + 8));
    }
    std::string firstScreen(const char* level) const {
        return ws().document().kivLevel().GetValue(rom::screenKey(level, 1));
    }
    // The cell of 1-1 that clickCell(0, 0) changes, and what the left button places there.
    std::string editedCell() const { return rom::cellKey("11", firstScreen("11"), 0, 0); }
    // Changes the document as the user does: a left click on cell (0, 0) of 1-1, which puts a
    // different object there than the sample holds.
    void editByMouse() {
        QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
        const std::string before = ws().document().kivLevel().GetValue(editedCell());
        QCOMPARE(window->editor()->buttonObject(0), 19);
        QVERIFY(before != "19");
        clickCell(0, 0);
        QCOMPARE(ws().document().kivLevel().GetValue(editedCell()), std::string("19"));
    }
    // Writes the exported sample document, changed by `change`, to `name` and returns its path.
    template <typename Change> QString levelDataFile(const QString& name, Change change) const {
        kiv::ConfigFile doc;
        rom::loadROM(romPath.toStdString(), doc);
        change(doc);
        doc.ConfigSave(path(name).toStdString());
        return path(name);
    }

    // Fills every world-1 screen with cells that only encode as literal runs: far over budget.
    void overfillWorld1() {
        kiv::ConfigFile& doc = ws().document().storeForKeyEdits();
        for (const char* level : {"11", "12", "13"}) {
            const int count = std::stoi(doc.GetValue(rom::screensKey(level)));
            for (int k = 1; k <= count; ++k) {
                const std::string ref = doc.GetValue(rom::screenKey(level, k));
                for (int x = 0; x < 20; ++x)
                    for (int y = 0; y < 16; ++y)
                        doc.WriteValue(rom::cellKey(level, ref, x, y), (x + y) % 2 ? "1" : "2");
            }
        }
        ws().document().markChanged(rom::SectionWorld1);
    }

    void setUp() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        dialogs = std::make_unique<ScriptedDialogs>();
        romPath = writeSampleRom(dir->path());
        QVERIFY(!romPath.isEmpty());
    }
    void tearDown() {
        window.reset();
        dialogs.reset();
        dir.reset();
    }
};
