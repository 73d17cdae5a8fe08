#include "app/VersionInfo.h"
#include "app/frmTW.h"
#include "editor/PictureBox.h"
#include "editor/ScreenEditor.h"
#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "rom/SampleRom.h"
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
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>

using Answer = Dialogs::Answer;
using Icon = Dialogs::Icon;
using Flags = std::array<bool, rom::SectionCount>;

namespace {

const QString RomFilter = QStringLiteral("Game Boy ROMs (*.gb)|*.gb|All files (*.*)|*.*");
const QString LevelDataFilter = QStringLiteral("Tarnwick Data (*.twd)|*.twd|All files (*.*)|*.*");
const QString ImageFilter = QStringLiteral("PNG images (*.png)|*.png|All files (*.*)|*.*");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray sampleRom() {
    const std::vector<uint8_t> bytes = rom::makeSampleRom();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Picks, as the user would, another entry of a drop-down box of the Screen Manager.
void chooseAnother(QWidget* window, const char* box) {
    auto* combo = window->findChild<ChoiceBox*>(box);
    QVERIFY2(combo && combo->count() > 1, box);
    combo->setCurrentIndex(combo->currentIndex() == 0 ? 1 : 0);
}

std::string valueIn(const QString& romPath, const std::string& key) {
    kiv::ConfigFile doc;
    try {
        rom::loadROM(romPath.toStdString(), doc);
    } catch (const kiv::Error& e) {
        return "unreadable ROM: " + e.description();
    }
    return doc.GetValue(key);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<frmTW> window;
    QString romPath;

    QString path(const QString& name) const { return dir->filePath(name); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    Workspace& ws() const { return window->workspace(); }
    std::string document() const { return ws().kivLevel.GetAll(); }

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
             {"mnuFileSave", "mnuFileImport", "mnuFileExport", "mnuTools", "mnuToolsDataCheck"})
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
        return ws().kivLevel.GetValue(rom::screenKey(level, 1));
    }
    // The cell of 1-1 that clickCell(0, 0) changes, and what the left button places there.
    std::string editedCell() const { return rom::cellKey("11", firstScreen("11"), 0, 0); }
    // Changes the document as the user does: a left click on cell (0, 0) of 1-1, which puts a
    // different object there than the sample holds.
    void editByMouse() {
        QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
        const std::string before = ws().kivLevel.GetValue(editedCell());
        QCOMPARE(window->editor()->buttonObject(0), 19);
        QVERIFY(before != "19");
        clickCell(0, 0);
        QCOMPARE(ws().kivLevel.GetValue(editedCell()), std::string("19"));
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
        kiv::ConfigFile& doc = ws().kivLevel;
        for (const char* level : {"11", "12", "13"}) {
            const int count = std::stoi(doc.GetValue(rom::screensKey(level)));
            for (int k = 1; k <= count; ++k) {
                const std::string ref = doc.GetValue(rom::screenKey(level, k));
                for (int x = 0; x < 20; ++x)
                    for (int y = 0; y < 16; ++y)
                        doc.WriteValue(rom::cellKey(level, ref, x, y), (x + y) % 2 ? "1" : "2");
            }
        }
        ws().sectionChanged[rom::SectionWorld1] = true;
        ws().dataChanged = true;
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        dialogs = std::make_unique<ScriptedDialogs>();
        romPath = writeSampleRom(dir->path());
        QVERIFY(!romPath.isEmpty());
    }
    void cleanup() {
        window.reset();
        dialogs.reset();
        dir.reset();
    }

    void startsWithoutRom() {
        QVERIFY(start());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarnwick"));
        QVERIFY(window->romFile().isEmpty());
        verifyRomCommandsEnabled(false);
        QVERIFY(dialogs->shown.isEmpty());
    }

    void startsWithCommandLineRom() {
        QVERIFY(start(romPath));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarnwick - ") + romPath);
        QCOMPARE(window->romFile(), romPath);
        QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
        verifyRomCommandsEnabled(true);
        QVERIFY(ws().kivLevel.GetValue(rom::screensKey("11")) != kiv::ConfigFile::NotFound);
        QVERIFY(!ws().dataChanged);
        for (const auto& s : dialogs->shown)
            QCOMPARE(s.kind, QStringLiteral("message")); // no file dialog at start-up
        QVERIFY(shownTitled(QStringLiteral("Load ROM Error")).isEmpty());
    }

    void startUpEndsWithoutCatalogue() {
        QVERIFY(!start(romPath, dir->path()));
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Tarnwick"));
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY2(shown.text.contains(path("Objects.txt")), qPrintable(shown.text));
        QVERIFY2(shown.text.endsWith(QStringLiteral(", 53")), qPrintable(shown.text));
        QVERIFY(window->romFile().isEmpty()); // the command line is not read
    }

    void badCommandLineRomKeepsNoRomState() {
        QByteArray bytes = sampleRom();
        bytes[0x134] = char(bytes[0x134] + 1);
        writeFile(path("other.gb"), bytes);
        QVERIFY(start(path("other.gb")));
        verifyMessage(dialogs->lastMessage(), QStringLiteral("Load ROM Error"),
                      QStringLiteral("Unable to load file: '%1' - This is not a Super Mario Land "
                                     "ROM file, -2147221503")
                          .arg(path("other.gb")),
                      Icon::Critical);
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarnwick"));
        QVERIFY(window->romFile().isEmpty());
        verifyRomCommandsEnabled(false);
    }

    void failedOpenKeepsDocument_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("ending");
        QTest::newRow("not the game") << "other.gb"
                                      << "This is not a Super Mario Land ROM file, "
                                         "-2147221503";
        QTest::newRow("vanished file") << "missing.gb"
                                       << ", 53";
    }
    void failedOpenKeepsDocument() {
        QFETCH(QString, file);
        QFETCH(QString, ending);
        QByteArray bytes = sampleRom();
        bytes[0x140] = 0;
        writeFile(path("other.gb"), bytes);

        startWithRom();
        ws().kivLevel.WriteValue(rom::cellKey("11", "41472", 0, 0), "7");
        ws().sectionChanged[rom::SectionWorld1] = true;
        ws().dataChanged = true;
        const std::string before = document();

        dialogs->answers = {Answer::No};
        dialogs->files = {path(file)};
        window->mnuFileOpen_Click();

        const auto errors = shownTitled(QStringLiteral("Load ROM Error"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors[0].icon, Icon::Critical);
        QVERIFY2(errors[0].text.startsWith(
                     QStringLiteral("Unable to load file: '%1' - ").arg(path(file))),
                 qPrintable(errors[0].text));
        QVERIFY2(errors[0].text.endsWith(ending), qPrintable(errors[0].text));
        QCOMPARE(window->romFile(), romPath);
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarnwick - ") + romPath);
        QVERIFY(document() == before);
        QVERIFY(ws().dataChanged);
        QVERIFY(ws().sectionChanged[rom::SectionWorld1]);
        verifyRomCommandsEnabled(true);
    }

    void closingAsksAboutChanges_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("closes");
        QTest::newRow("no changes") << false << QList<Answer>{} << QStringList{} << true;
        QTest::newRow("cancel") << true << QList<Answer>{Answer::Cancel} << QStringList{} << false;
        QTest::newRow("no") << true << QList<Answer>{Answer::No} << QStringList{} << true;
        QTest::newRow("yes, save cancelled")
            << true << QList<Answer>{Answer::Yes} << QStringList{} << false;
        QTest::newRow("yes, saved")
            << true << QList<Answer>{Answer::Yes, Answer::Ok} << QStringList{"saved.gb"} << true;
    }
    void closingAsksAboutChanges() {
        QFETCH(bool, changed);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, files);
        QFETCH(bool, closes);
        startWithRom();
        if (changed)
            editByMouse();
        dialogs->answers = answers;
        for (const QString& f : files)
            dialogs->files.append(path(f));

        QCOMPARE(window->close(), closes);
        for (const QString& f : files)
            QCOMPARE(valueIn(path(f), editedCell()), std::string("19"));

        const auto questions = shownTitled(QStringLiteral("Save Changes"));
        QCOMPARE(questions.size(), changed ? 1 : 0);
        if (changed) {
            verifyMessage(questions[0], QStringLiteral("Save Changes"),
                          QStringLiteral("You have unsaved changes.  Do you want to save the "
                                         "changes?"),
                          Icon::Question);
            QCOMPARE(questions[0].buttons, Dialogs::Buttons::YesNoCancel);
        }
        QCOMPARE(ws().dataChanged, changed && files.isEmpty()); // only a save clears it
        QVERIFY(dialogs->answers.isEmpty());
    }

    void exitClosesThroughTheQuestion() {
        startWithRom();
        window->show();
        ws().dataChanged = true;
        dialogs->answers = {Answer::Cancel};
        action("mnuFileExit")->trigger();
        QCOMPARE(shownTitled(QStringLiteral("Save Changes")).size(), 1);
        QVERIFY(window->isVisible());
    }

    void openAsksAboutChanges_data() {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("reopened");
        QTest::newRow("cancel") << QList<Answer>{Answer::Cancel} << QStringList{} << false;
        QTest::newRow("no, then open")
            << QList<Answer>{Answer::No} << QStringList{"sample.gb"} << true;
        QTest::newRow("no, dialog cancelled")
            << QList<Answer>{Answer::No} << QStringList{""} << false;
        QTest::newRow("yes, save cancelled")
            << QList<Answer>{Answer::Yes} << QStringList{""} << false;
        QTest::newRow("yes, saved, then open") << QList<Answer>{Answer::Yes, Answer::Ok}
                                               << QStringList{"saved.gb", "sample.gb"} << true;
    }
    void openAsksAboutChanges() {
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, files);
        QFETCH(bool, reopened);
        startWithRom();
        const std::string loaded = document();
        ws().kivLevel.WriteValue(rom::cellKey("11", "41472", 0, 0), "7");
        ws().sectionChanged[rom::SectionWorld1] = true;
        ws().dataChanged = true;
        const std::string edited = document();
        dialogs->answers = answers;
        for (const QString& f : files)
            dialogs->files.append(f.isEmpty() ? QString() : path(f));

        window->mnuFileOpen_Click();

        QCOMPARE(shownTitled(QStringLiteral("Save Changes")).size(), 1);
        QVERIFY(document() == (reopened ? loaded : edited));
        const bool saved = answers.size() == 2;
        if (saved)
            QCOMPARE(valueIn(path("saved.gb"), rom::cellKey("11", "41472", 0, 0)),
                     std::string("7"));
        QCOMPARE(ws().dataChanged, !reopened && !saved);
        QCOMPARE(ws().sectionChanged[rom::SectionWorld1], !reopened);
        QVERIFY(dialogs->answers.isEmpty());
        QVERIFY(dialogs->files.isEmpty());
    }

    void openDialogStartsFromLastUsedName() {
        startWithRom();
        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();
        window->mnuFileOpen_Click();
        const auto& open = dialogs->shown.last();
        QCOMPARE(open.kind, QStringLiteral("open"));
        QCOMPARE(open.filter, RomFilter);
        QCOMPARE(open.fileName, path("saved.gb"));
    }

    void saveAsWritesCopy() {
        startWithRom();
        editByMouse();
        const QList<QByteArray> edited = entries(document());
        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();

        const auto& dialog = dialogs->shown.first();
        QCOMPARE(dialog.kind, QStringLiteral("save"));
        QCOMPARE(dialog.filter, RomFilter);
        QCOMPARE(dialog.fileName, path("sample_tw_1.gb"));
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("ROM Saved"));
        QCOMPARE(shown.icon, Icon::Information);
        // The window breaks its lines the Windows way.
        QVERIFY2(shown.text.startsWith(QStringLiteral("ROM saved: ") + path("saved.gb") +
                                       QStringLiteral("\r\n\r\nData written for world 1 (")),
                 qPrintable(shown.text));
        QVERIFY(!ws().dataChanged);
        QCOMPARE(readFile(path("saved.gb")).size(), readFile(romPath).size());
        QVERIFY(readFile(path("saved.gb")) != readFile(romPath));
        QVERIFY2(documentOf(path("saved.gb")) == edited,
                 firstDifference(documentOf(path("saved.gb")), edited).constData());
        QCOMPARE(readFile(romPath), sampleRom()); // the opened ROM is left alone
    }

    // The undone click is no longer in the saved ROM, so closing must not drop the undo.
    void undoAfterSaveAsIsAnUnsavedChange() {
        startWithRom();
        const std::string loaded = document();
        editByMouse();
        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();
        QVERIFY(!ws().dataChanged);

        auto* cmdUndo = window->editor()->findChild<QPushButton*>("cmdUndo");
        QVERIFY(cmdUndo->isEnabled());
        QTest::mouseClick(cmdUndo, Qt::LeftButton);
        QVERIFY(document() == loaded);
        QVERIFY(ws().dataChanged);
        QVERIFY(ws().sectionChanged[rom::SectionWorld1]);

        dialogs->answers = {Answer::Yes, Answer::Ok};
        dialogs->files = {path("undone.gb")};
        QVERIFY(window->close());
        QCOMPARE(shownTitled(QStringLiteral("Save Changes")).size(), 1);
        QCOMPARE(documentOf(path("undone.gb")), entries(loaded));
    }

    void saveAsRefusesTooMuchData() {
        startWithRom();
        overfillWorld1();
        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Too Much Level Data"));
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY2(shown.text.startsWith(
                     QStringLiteral("Unable to save ROM as data usage for world 1 is: ")),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.endsWith(QStringLiteral(" out of 5,847\r\n\r\nNothing was written.")),
                 qPrintable(shown.text));
        QVERIFY(ws().dataChanged);
    }

    void saveAsCancelledDoesNothing() {
        startWithRom();
        ws().dataChanged = true;
        window->mnuFileSave_Click();
        QCOMPARE(dialogs->shown.size(), 1);
        QVERIFY(ws().dataChanged);
        QVERIFY(!QFile::exists(path("sample_tw_1.gb")));
    }

    void saveAsFailureNamesTheOpenedRom() {
        startWithRom();
        ws().dataChanged = true;
        dialogs->files = {path("no/such/folder/saved.gb")};
        window->mnuFileSave_Click();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Save ROM Error"));
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Unable to save file: '%1' - ").arg(romPath)),
                 qPrintable(shown.text));
        QVERIFY(ws().dataChanged);
    }

    void saveAsNeedsTheOpenedFile() {
        startWithRom();
        QVERIFY(QFile::remove(romPath));
        window->mnuFileSave_Click();
        QCOMPARE(dialogs->shown.size(), 1);
        verifyMessage(dialogs->lastMessage(), QStringLiteral("Save Error"),
                      QStringLiteral("Unable to find the opened file '%1'.  Please export the "
                                     "level data, open the ROM and then import before attempting "
                                     "to save again.")
                          .arg(romPath),
                      Icon::Exclamation);
    }

    void exportThenImportGivesSameDocument() {
        startWithRom();
        const std::string loaded = document();
        dialogs->files = {path("levels.twd")};
        window->mnuFileExport_Click();
        QCOMPARE(dialogs->shown.first().filter, LevelDataFilter);
        QVERIFY(dialogs->shown.first().fileName.isEmpty());
        QVERIFY(QFile::exists(path("levels.twd")));
        QVERIFY(!ws().dataChanged); // exporting writes no ROM
        window->mnuFileOpen_Click();
        QCOMPARE(dialogs->shown.last().fileName, path("levels.twd")); // Open starts from it

        ws().kivLevel.WriteValue(rom::cellKey("11", "41472", 0, 0), "7");
        selectLevel(5);
        dialogs->shown.clear();
        dialogs->files = {path("levels.twd")};
        window->mnuFileImport_Click();

        QCOMPARE(dialogs->shown.first().kind, QStringLiteral("open"));
        QCOMPARE(dialogs->shown.first().filter, LevelDataFilter);
        QVERIFY(dialogs->shown.first().fileName.isEmpty());
        QVERIFY(document() == loaded);
        QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
        QVERIFY(ws().dataChanged);
        QCOMPARE(ws().sectionChanged, (Flags{true, true, true, true, true, true}));
    }

    void rejectedImportKeepsDocument_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Icon>("icon");
        QTest::newRow("not level data")
            << "Objects.txt"
            << "Please import a valid Tarnwick Data file." << Icon::Exclamation;
        QTest::newRow("vanished file") << "missing.twd"
                                       << "Unable to import file: '%1' - " << Icon::Critical;
    }
    void rejectedImportKeepsDocument() {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(Icon, icon);
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/Objects.txt",
                            path("Objects.txt")));
        startWithRom();
        const std::string loaded = document();
        dialogs->files = {path(file)};
        window->mnuFileImport_Click();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Import Error"));
        QCOMPARE(shown.icon, icon);
        QVERIFY2(shown.text.startsWith(text.replace("%1", path(file))), qPrintable(shown.text));
        QVERIFY(document() == loaded);
        QVERIFY(!ws().dataChanged);
        QCOMPARE(ws().sectionChanged, Flags{});
    }

    // The dialog adds the extension, so its question before replacing a file is about the file
    // really written; the window writes the name the dialog gave, unchanged.
    void exportLetsTheDialogAddTheExtension_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("level data") << "mnuFileExport" << LevelDataFilter << "twd";
        QTest::newRow("level image") << "mnuFileExportImage" << ImageFilter << "png";
    }
    void exportLetsTheDialogAddTheExtension() {
        QFETCH(QString, command);
        QFETCH(QString, filter);
        QFETCH(QString, suffix);
        startWithRom();
        dialogs->files = {path("levels")};
        action(qPrintable(command))->trigger();

        QCOMPARE(dialogs->shown.size(), 1);
        const auto& dialog = dialogs->shown.first();
        QCOMPARE(dialog.kind, QStringLiteral("save"));
        QCOMPARE(dialog.filter, filter);
        QCOMPARE(dialog.defaultSuffix, suffix);
        QVERIFY(QFileInfo(path("levels")).size() > 0);
        QVERIFY(!QFile::exists(path("levels.") + suffix));
        window->mnuFileOpen_Click();
        QCOMPARE(dialogs->shown.last().fileName, path("levels"));
    }

    void saveAsAddsNoExtensionOfItsOwn() {
        startWithRom();
        window->mnuFileSave_Click();
        QCOMPARE(dialogs->shown.first().kind, QStringLiteral("save"));
        QVERIFY(dialogs->shown.first().defaultSuffix.isEmpty());
    }

    // Import replaces the whole document, so it asks first, as Open does, before its dialog.
    void importAsksAboutChanges_data() {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("imported");
        QTest::newRow("cancel") << QList<Answer>{Answer::Cancel} << QStringList{} << false;
        QTest::newRow("no, then import")
            << QList<Answer>{Answer::No} << QStringList{"levels.twd"} << true;
        QTest::newRow("no, dialog cancelled")
            << QList<Answer>{Answer::No} << QStringList{""} << false;
        QTest::newRow("yes, save cancelled")
            << QList<Answer>{Answer::Yes} << QStringList{""} << false;
        QTest::newRow("yes, saved, then import") << QList<Answer>{Answer::Yes, Answer::Ok}
                                                 << QStringList{"saved.gb", "levels.twd"} << true;
    }
    void importAsksAboutChanges() {
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, files);
        QFETCH(bool, imported);
        startWithRom();
        const std::string loaded = document();
        QVERIFY(!levelDataFile("levels.twd", [](kiv::ConfigFile&) {}).isEmpty());
        editByMouse();
        const std::string edited = document();
        dialogs->answers = answers;
        for (const QString& f : files)
            dialogs->files.append(f.isEmpty() ? QString() : path(f));

        window->mnuFileImport_Click();

        const auto questions = shownTitled(QStringLiteral("Save Changes"));
        QCOMPARE(questions.size(), 1);
        QCOMPARE(questions[0].buttons, Dialogs::Buttons::YesNoCancel);
        QCOMPARE(dialogs->shown.first().title, QStringLiteral("Save Changes"));
        QVERIFY(document() == (imported ? loaded : edited));
        const bool saved = answers.size() == 2;
        QCOMPARE(ws().dataChanged, imported || !saved);
        if (saved)
            QCOMPARE(valueIn(path("saved.gb"), editedCell()), std::string("19"));
        if (answers.first() == Answer::Cancel)
            QCOMPARE(dialogs->shown.size(), 1); // no file dialog after Cancel
        QVERIFY(dialogs->answers.isEmpty());
        QVERIFY(dialogs->files.isEmpty());
    }

    // A level-data file the writer could not take back is refused when it is imported, not at
    // the next Save As after the document it replaced is gone.
    void malformedImportKeepsDocument_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<QString>("names"); // what the message must name
        QTest::newRow("bad cell value") << "cell x" << Icon::Critical << "\"x\"";
        QTest::newRow("cell value 300") << "cell 300" << Icon::Critical << "\"300\"";
        QTest::newRow("Screens_22=x") << "Screens_22=x" << Icon::Critical << "Screens_22";
        // Counts beyond the game's tables, or no whole numbers, are refused before anything
        // loops over them.
        for (const char* line :
             {"Screens_11=2000000000", "Enemies_11=99999999999", "Screens_11=-1", "Screens_11=1e3",
              "Enemies_21= 5", "Screens_31=26", "Enemies_41=82"}) {
            const QString text = QString::fromLatin1(line);
            const qsizetype eq = text.indexOf('=');
            QTest::newRow(line) << text << Icon::Critical
                                << text.left(eq) + " holds \"" + text.mid(eq + 1) + "\"";
        }
        QTest::newRow("no Screens_11")
            << "no Screens_11" << Icon::Exclamation << "Please import a valid Tarnwick Data file.";
        QTest::newRow("253 starts a run") << "253 alone" << Icon::Critical << "_0_4 holds 253";
        QTest::newRow("254 starts a run") << "254 alone" << Icon::Critical << "_0_4 holds 254";
        QTest::newRow("254 repeated") << "254 x3" << Icon::Critical << "_0_7 holds 254";
        QTest::newRow("enemy screen x") << "enemy x" << Icon::Critical << "Enemy_11_screen_1";
    }
    void malformedImportKeepsDocument() {
        QFETCH(QString, change);
        QFETCH(Icon, icon);
        QFETCH(QString, names);
        startWithRom();
        const std::string cell = rom::cellKey("11", firstScreen("11"), 0, 0);
        const std::string column = cell.substr(0, cell.size() - 1); // "11_<ref>_0_" and a row
        const QString file = levelDataFile("bad.twd", [&](kiv::ConfigFile& doc) {
            const auto emptyColumn = [&] {
                for (int y = 0; y < 16; ++y)
                    doc.DelKey(column + std::to_string(y));
            };
            if (change == "cell x")
                doc.WriteValue(cell, "x");
            else if (change == "cell 300")
                doc.WriteValue(cell, "300");
            else if (change.contains('='))
                doc.WriteValue(change.section('=', 0, 0).toStdString(),
                               change.section('=', 1).toStdString());
            else if (change == "no Screens_11")
                doc.DelKey("Screens_11");
            else if (change == "253 alone") {
                emptyColumn();
                doc.WriteValue(column + "0", "1"); // 254 inside a literal run is fine
                doc.WriteValue(column + "1", "254");
                doc.WriteValue(column + "4", "253");
            } else if (change == "254 alone") {
                emptyColumn();
                doc.WriteValue(column + "4", "254");
                doc.WriteValue(column + "5", "1");
            } else if (change == "254 x3") {
                emptyColumn();
                for (const char* y : {"7", "8", "9"})
                    doc.WriteValue(column + y, "254");
            } else if (change == "enemy x")
                doc.WriteValue(rom::enemyKey("11", "screen", 1), "x");
        });
        ws().kivLevel.WriteValue(cell, "5"); // an unsaved edit that must survive
        ws().sectionChanged[rom::SectionWorld1] = true;
        ws().dataChanged = true;
        const std::string before = document();
        dialogs->answers = {Answer::No};
        dialogs->files = {file};

        window->mnuFileImport_Click();

        const auto errors = shownTitled(QStringLiteral("Import Error"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors[0].icon, icon);
        QVERIFY2(errors[0].text.contains(names), qPrintable(errors[0].text));
        if (icon == Icon::Critical)
            QVERIFY2(errors[0].text.startsWith(
                         QStringLiteral("Unable to import file: '%1' - ").arg(file)),
                     qPrintable(errors[0].text));
        QVERIFY(document() == before);
        QVERIFY(ws().dataChanged);
        QCOMPARE(ws().sectionChanged, (Flags{true, false, false, false, false, false}));
    }

    // Object codes 253 and 254 are ordinary where the encoding does not start a run with them.
    void importTakesMarkCodesInsideARun() {
        startWithRom();
        const std::string column = rom::cellKey("11", firstScreen("11"), 0, 0);
        const std::string prefix = column.substr(0, column.size() - 1);
        const QString file = levelDataFile("fine.twd", [&](kiv::ConfigFile& doc) {
            for (int y = 0; y < 16; ++y)
                doc.DelKey(prefix + std::to_string(y));
            doc.WriteValue(prefix + "2", "1");
            doc.WriteValue(prefix + "3", "254");
            doc.WriteValue(prefix + "4", "253");
        });
        dialogs->files = {file};
        window->mnuFileImport_Click();
        QVERIFY(shownTitled(QStringLiteral("Import Error")).isEmpty());
        QCOMPARE(ws().kivLevel.GetValue(prefix + "3"), std::string("254"));
        QVERIFY(ws().dataChanged);
    }

    void exportErrorNamesTheFile() {
        startWithRom();
        const QString file = path("no/such/folder/levels.twd");
        dialogs->files = {file};
        window->mnuFileExport_Click();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Export Error"));
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Unable to export file: '%1' - ").arg(file)),
                 qPrintable(shown.text));
    }

    void dataCheckAsksThenReports() {
        startWithRom();
        dialogs->answers = {Answer::No};
        window->mnuToolsDataCheck_Click();
        QCOMPARE(dialogs->shown.size(), 1);
        verifyMessage(dialogs->lastMessage(), QStringLiteral("Check World Data Usage"),
                      QStringLiteral("This could take a few seconds or even over a minute; "
                                     "continue?"),
                      Icon::Exclamation);
        QCOMPARE(dialogs->lastMessage().buttons, Dialogs::Buttons::YesNo);

        const std::string loaded = document();
        window->mnuToolsDataCheck_Click();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Check World Data Usage"));
        QCOMPARE(shown.icon, Icon::Information);
        // The figures of the sample ROM, one region a line.
        QCOMPARE(shown.text, QStringLiteral("Bytes used for world 1: 4,067 out of 5,847\r\n"
                                            "Bytes used for worlds 2 and 4: 7,153 out of 10,544\r\n"
                                            "Bytes used for world 3: 3,186 out of 4,426"));
        QVERIFY(document() == loaded);
        QVERIFY(!ws().dataChanged);
    }

    void aboutShowsVersion() {
        QVERIFY(start());
        action("mnuHelpAbout")->trigger();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("About Tarnwick"));
        QCOMPARE(shown.icon, Icon::Information);
        const QStringList lines = shown.text.split('\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], QStringLiteral("Tarnwick version 1.4.6.  ") +
                               QString::fromUtf8(versionInfo::CompanyName));
        QCOMPARE(lines[4], QStringLiteral("Tarnwick"));
    }

    // A letter typed in the open File menu runs its item only while no other item shares it.
    void fileMenuAccessKeysRunTheirItem_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("filter");
        QTest::newRow("open") << int(Qt::Key_O) << "open" << RomFilter;
        QTest::newRow("save as") << int(Qt::Key_S) << "save" << RomFilter;
        QTest::newRow("import") << int(Qt::Key_I) << "open" << LevelDataFilter;
    }
    void fileMenuAccessKeysRunTheirItem() {
        QFETCH(int, key);
        QFETCH(QString, dialog);
        QFETCH(QString, filter);
        startWithRom();
        window->show();
        auto* mnuFile = window->findChild<QMenu*>(QStringLiteral("mnuFile"));
        mnuFile->popup(window->pos());
        QVERIFY(QTest::qWaitForWindowExposed(mnuFile));
        QTest::keyClick(mnuFile, Qt::Key(key));
        QCOMPARE(dialogs->shown.size(), 1);
        QCOMPARE(dialogs->shown.first().kind, dialog);
        QCOMPARE(dialogs->shown.first().filter, filter);
    }

    // The placement options' access keys must not be taken by a menu of the window.
    void placementAccessKeysChooseTheOption_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("option");
        QTest::newRow("4 x 4") << int(Qt::Key_4) << "opt4x4";
        QTest::newRow("full vertical line") << int(Qt::Key_V) << "optVertical";
    }
    void placementAccessKeysChooseTheOption() {
        QFETCH(int, key);
        QFETCH(QString, option);
        startWithRom();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY(window->findChild<QRadioButton*>(option)->isChecked());
    }

    void editsMarkTheirSection() {
        startWithRom();
        emit window->editor()->screenEdited(rom::SectionWorld3);
        QCOMPARE(ws().sectionChanged, (Flags{false, false, true, false, false, false}));
        QVERIFY(ws().dataChanged);
    }

    void realEditMarksItsSection_data() {
        QTest::addColumn<int>("levelIndex");
        QTest::addColumn<Flags>("expected");
        QTest::newRow("1-1") << 0 << Flags{true, false, false, false, false, false};
        QTest::newRow("4-2") << 10 << Flags{false, true, false, false, false, false};
        QTest::newRow("3-1") << 6 << Flags{false, false, true, false, false, false};
    }
    void realEditMarksItsSection() {
        QFETCH(int, levelIndex);
        QFETCH(Flags, expected);
        startWithRom();
        selectLevel(levelIndex);
        clickCell(3, 4, Qt::RightButton);
        QCOMPARE(ws().sectionChanged, expected);
        QVERIFY(ws().dataChanged);
    }

    // The whole path: an edit with the mouse, one change of each kind made in the Screen
    // Manager's own controls, Save As, and File > Open of the saved ROM give back the document
    // as it was edited.
    void editsReachTheSavedRom() {
        startWithRom();
        window->show();
        // The edit is in world 3, the Screen Manager's changes in 1-1: each must flag its own.
        selectLevel(6);
        const std::string cell = rom::cellKey("31", firstScreen("31"), 2, 3);
        QVERIFY(ws().kivLevel.GetValue(cell) != "19");
        clickCell(2, 3);
        QCOMPARE(ws().kivLevel.GetValue(cell), std::string("19"));
        selectLevel(0);
        const std::string beforeManager = document();

        bool driven = false;
        QTimer::singleShot(0, [&driven] {
            auto* sm = qobject_cast<frmScreenManager*>(QApplication::activeModalWidget());
            if (!sm)
                return;
            auto* tabs = sm->findChild<QTabBar*>();
            auto* lstScreens = sm->findChild<QListWidget*>("lstScreens");
            auto* down = sm->findChild<QPushButton*>("cmdScreensDown");
            for (int row = lstScreens->count() - 1; row >= 0 && !down->isEnabled(); --row)
                lstScreens->setCurrentRow(row);
            QTest::mouseClick(down, Qt::LeftButton);

            tabs->setCurrentIndex(1);
            auto* enemies = sm->findChild<QTreeWidget*>("lvEnemies");
            enemies->setCurrentItem(enemies->topLevelItem(0));
            chooseAnother(sm, "cmbX");

            tabs->setCurrentIndex(2);
            auto* powerUps = sm->findChild<QTreeWidget*>("lvPowerups");
            powerUps->setCurrentItem(powerUps->topLevelItem(0));
            auto* level = sm->findChild<ChoiceBox*>("cmbLevelP");
            level->setCurrentIndex(level->findText(level->text() == "4-3" ? "1-1" : "4-3"));

            tabs->setCurrentIndex(3);
            auto* pipes = sm->findChild<QTreeWidget*>("lvPipes");
            pipes->setCurrentItem(pipes->topLevelItem(0));
            chooseAnother(sm, "cmbExitY");

            driven = true;
            QTest::mouseClick(sm->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        QTest::mouseClick(window->editor()->managerButton(), Qt::LeftButton);
        QVERIFY2(driven, "the Screen Manager was not shown as a modal window");
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(ws().sectionChanged, (Flags{true, false, true, true, true, true}));
        QVERIFY(ws().dataChanged);
        const std::string edited = document();
        QVERIFY(edited != beforeManager);

        dialogs->files = {path("saved.gb")};
        action("mnuFileSave")->trigger();
        QCOMPARE(dialogs->lastMessage().title, QStringLiteral("ROM Saved"));
        dialogs->files = {path("saved.gb")};
        action("mnuFileOpen")->trigger();
        QCOMPARE(window->romFile(), path("saved.gb"));
        QVERIFY(shownTitled(QStringLiteral("Save Changes")).isEmpty());
        QVERIFY2(entries(document()) == entries(edited),
                 firstDifference(entries(document()), entries(edited)).constData());
    }

    void screenManagerChangesMarkSections_data() {
        QTest::addColumn<int>("levelIndex");
        QTest::addColumn<Flags>("sm"); // order, enemies, power-ups, pipes (first four entries)
        QTest::addColumn<Flags>("expected");
        QTest::newRow("nothing changed") << 0 << Flags{} << Flags{};
        QTest::newRow("order of 1-2")
            << 1 << Flags{true} << Flags{true, false, false, false, false, false};
        QTest::newRow("order of 4-2")
            << 10 << Flags{true} << Flags{false, true, false, false, false, false};
        QTest::newRow("order of 2-1")
            << 3 << Flags{true} << Flags{false, true, false, false, false, false};
        QTest::newRow("order of 3-3")
            << 8 << Flags{true} << Flags{false, false, true, false, false, false};
        QTest::newRow("enemies and pipes") << 0 << Flags{false, true, false, true}
                                           << Flags{false, false, false, true, false, true};
        QTest::newRow("power-ups") << 6 << Flags{false, false, true, false}
                                   << Flags{false, false, false, false, true, false};
    }
    void screenManagerChangesMarkSections() {
        QFETCH(int, levelIndex);
        QFETCH(Flags, sm);
        QFETCH(Flags, expected);
        startWithRom();
        selectLevel(levelIndex);
        ws().smChanged = sm[0];
        ws().smEnemyChanged = sm[1];
        ws().smPowerUpChanged = sm[2];
        ws().smPipeChanged = sm[3];

        window->applyScreenManagerChanges();

        QCOMPARE(ws().sectionChanged, expected);
        QCOMPARE(ws().dataChanged, expected != Flags{});
        QVERIFY(!ws().smChanged && !ws().smEnemyChanged && !ws().smPowerUpChanged &&
                !ws().smPipeChanged);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
