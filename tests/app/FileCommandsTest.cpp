// The main window's file commands: Save As, Import and Export of level data.

#include "tests/app/MainWindowFixture.h"

#include "app/UsageMeter.h"

#include <QStatusBar>

class FileCommandsTest : public QObject, public MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

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
        QVERIFY(!ws().document().dataChanged());
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
        QVERIFY(!ws().document().dataChanged());

        auto* cmdUndo = window->editor()->findChild<QPushButton*>("cmdUndo");
        QVERIFY(cmdUndo->isEnabled());
        QTest::mouseClick(cmdUndo, Qt::LeftButton);
        QVERIFY(document() == loaded);
        QVERIFY(ws().document().dataChanged());
        QVERIFY(ws().document().sectionChanged()[rom::SectionWorld1]);

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
        QVERIFY(ws().document().dataChanged());
    }

    void saveAsCancelledDoesNothing() {
        startWithRom();
        ws().document().markChanged(rom::SectionWorld1);
        window->mnuFileSave_Click();
        QCOMPARE(dialogs->shown.size(), 1);
        QVERIFY(ws().document().dataChanged());
        QVERIFY(!QFile::exists(path("sample_tw_1.gb")));
    }

    void saveAsFailureNamesTheOpenedRom() {
        startWithRom();
        ws().document().markChanged(rom::SectionWorld1);
        dialogs->files = {path("no/such/folder/saved.gb")};
        window->mnuFileSave_Click();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Save ROM Error"));
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Unable to save file: '%1' - ").arg(romPath)),
                 qPrintable(shown.text));
        QVERIFY(ws().document().dataChanged());
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
        QVERIFY(!ws().document().dataChanged()); // exporting writes no ROM
        window->mnuFileOpen_Click();
        QCOMPARE(dialogs->shown.last().fileName, path("levels.twd")); // Open starts from it

        ws().document().storeForKeyEdits().WriteValue(rom::cellKey("11", "41472", 0, 0), "7");
        selectLevel(5);
        dialogs->shown.clear();
        dialogs->files = {path("levels.twd")};
        window->mnuFileImport_Click();

        QCOMPARE(dialogs->shown.first().kind, QStringLiteral("open"));
        QCOMPARE(dialogs->shown.first().filter, LevelDataFilter);
        QVERIFY(dialogs->shown.first().fileName.isEmpty());
        QVERIFY(document() == loaded);
        QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
        QVERIFY(ws().document().dataChanged());
        QCOMPARE(ws().document().sectionChanged(), (Flags{true, true, true, true, true, true}));
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
        QVERIFY(!ws().document().dataChanged());
        QCOMPARE(ws().document().sectionChanged(), Flags{});
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
        QCOMPARE(ws().document().dataChanged(), imported || !saved);
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
        ws().document().storeForKeyEdits().WriteValue(cell,
                                                      "5"); // an unsaved edit that must survive
        ws().document().markChanged(rom::SectionWorld1);
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
        QVERIFY(ws().document().dataChanged());
        QCOMPARE(ws().document().sectionChanged(),
                 (Flags{true, false, false, false, false, false}));
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
        QCOMPARE(ws().document().kivLevel().GetValue(prefix + "3"), std::string("254"));
        QVERIFY(ws().document().dataChanged());
    }

    // A command that wrote a file says so in the status bar, and the usage meter stays in view.
    void writtenFileIsToldInTheStatusBar_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("overfull");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("told"); // empty: nothing was written, nothing is told
        QTest::newRow("save as") << "mnuFileSave" << false << "saved.gb"
                                 << "ROM written: ";
        QTest::newRow("export level data") << "mnuFileExport" << false << "levels.twd"
                                           << "Level data written: ";
        QTest::newRow("export level image") << "mnuFileExportImage" << false << "level.png"
                                            << "Level image written: ";
        QTest::newRow("save as cancelled") << "mnuFileSave" << false << ""
                                           << "";
        QTest::newRow("save as refused") << "mnuFileSave" << true << "saved.gb"
                                         << "";
        QTest::newRow("export failed") << "mnuFileExport" << false << "no/levels.twd"
                                       << "";
        QTest::newRow("image export failed") << "mnuFileExportImage" << false << "no/level.png"
                                             << "";
    }
    void writtenFileIsToldInTheStatusBar() {
        QFETCH(QString, command);
        QFETCH(bool, overfull);
        QFETCH(QString, file);
        QFETCH(QString, told);
        startWithRom();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (overfull)
            overfillWorld1();
        dialogs->files = {file.isEmpty() ? QString() : path(file)};

        action(command.toLatin1())->trigger();

        QCOMPARE(window->statusBar()->currentMessage(),
                 told.isEmpty() ? QString() : told + path(file));
        QCOMPARE(!file.isEmpty() && QFileInfo::exists(path(file)), !told.isEmpty());
        QCOMPARE(window->statusBar()->toolTip(), window->statusBar()->currentMessage());
        // The message has the bar to itself until it goes; then the meter is back.
        QCOMPARE(window->usageMeter()->isVisible(), told.isEmpty());
        window->statusBar()->clearMessage();
        QVERIFY(window->usageMeter()->isVisible());
    }

    void anEditEndsTheMessageAndBringsTheMeterBack() {
        startWithRom();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        dialogs->files = {path("levels.twd")};
        action("mnuFileExport")->trigger();
        QVERIFY(!window->statusBar()->currentMessage().isEmpty());
        QVERIFY(!window->usageMeter()->isVisible());

        clickCell(3, 5);

        QVERIFY(window->statusBar()->currentMessage().isEmpty());
        QVERIFY(window->usageMeter()->isVisible());
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
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
