// The main window: start-up, the questions about unsaved changes, menus and access keys, and
// how edits in the editor and the Screen Manager mark what the next save writes.

#include "tests/app/MainWindowFixture.h"

class MainWindowTest : public QObject, public MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void startsWithoutRom() {
        QVERIFY(start());
        QCOMPARE(shownTitle(), QStringLiteral("Tarnwick"));
        QVERIFY(window->romFile().isEmpty());
        verifyRomCommandsEnabled(false);
        QVERIFY(dialogs->shown.isEmpty());
    }

    void startsWithCommandLineRom() {
        QVERIFY(start(romPath));
        QCOMPARE(shownTitle(), QStringLiteral("Tarnwick - ") + romPath);
        QCOMPARE(window->romFile(), romPath);
        QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
        verifyRomCommandsEnabled(true);
        QVERIFY(ws().document().kivLevel().GetValue(rom::screensKey("11")) !=
                kiv::ConfigFile::NotFound);
        QVERIFY(!ws().document().dataChanged());
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
        QCOMPARE(shownTitle(), QStringLiteral("Tarnwick"));
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
        ws().document().storeForKeyEdits().WriteValue(rom::cellKey("11", "41472", 0, 0), "7");
        ws().document().markChanged(rom::SectionWorld1);
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
        QCOMPARE(shownTitle(), QStringLiteral("Tarnwick - ") + romPath);
        QVERIFY(document() == before);
        QVERIFY(ws().document().dataChanged());
        QVERIFY(ws().document().sectionChanged()[rom::SectionWorld1]);
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
        QCOMPARE(ws().document().dataChanged(),
                 changed && files.isEmpty()); // only a save clears it
        QVERIFY(dialogs->answers.isEmpty());
    }

    // The title reads as ever; Qt's "[*]" carries the mark of unsaved changes, which follows
    // every way the document changes and every way it is saved or replaced.
    void titleMarksUnsavedChanges() {
        const QString opened = QStringLiteral("Tarnwick - ") + romPath;
        const auto verifyTitle = [&](const QString& caption, bool modified) {
            QCOMPARE(window->windowTitle(), caption + QStringLiteral("[*]"));
            QCOMPARE(window->isWindowModified(), modified);
            QCOMPARE(shownTitle(), caption + (modified ? QStringLiteral("*") : QString()));
        };
        QVERIFY(start());
        verifyTitle(QStringLiteral("Tarnwick"), false);
        dialogs->files = {romPath};
        window->mnuFileOpen_Click();
        verifyTitle(opened, false);

        editByMouse();
        verifyTitle(opened, true);
        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();
        verifyTitle(opened, false);
        QTest::mouseClick(window->editor()->findChild<QPushButton*>("cmdUndo"), Qt::LeftButton);
        verifyTitle(opened, true);
        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();
        verifyTitle(opened, false);

        QTimer::singleShot(0, [] {
            if (auto* sm = qobject_cast<frmScreenManager*>(QApplication::activeModalWidget())) {
                auto* tabs = sm->findChild<QTabBar*>();
                tabs->setCurrentIndex(3);
                auto* pipes = sm->findChild<QTreeView*>("lvPipes");
                pipes->setCurrentIndex(pipes->model()->index(0, 0));
                chooseAnother(sm, "cmbExitY");
                sm->close();
            }
        });
        QTest::mouseClick(window->editor()->managerButton(), Qt::LeftButton);
        verifyTitle(opened, true);

        // A failed open keeps both the title and the mark.
        dialogs->answers = {Answer::No};
        dialogs->files = {path("missing.gb")};
        window->mnuFileOpen_Click();
        verifyTitle(opened, true);
        dialogs->answers = {Answer::No};
        dialogs->files = {romPath};
        window->mnuFileOpen_Click();
        verifyTitle(opened, false);

        dialogs->files = {path("levels.twd")};
        window->mnuFileExport_Click();
        verifyTitle(opened, false);
        dialogs->files = {path("levels.twd")};
        window->mnuFileImport_Click();
        verifyTitle(opened, true);
    }

    // Qt would take "[*]" in a ROM's path for the place of the mark.
    void titleShowsAPathHoldingTheMarkPlace() {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("a[*]b")));
        const QString rom = path(QStringLiteral("a[*]b/sample.gb"));
        QVERIFY(QFile::copy(romPath, rom));
        QVERIFY(start(rom));
        QCOMPARE(shownTitle(), QStringLiteral("Tarnwick - ") + rom);
        editByMouse();
        QCOMPARE(shownTitle(), QStringLiteral("Tarnwick - ") + rom + QStringLiteral("*"));
    }

    void exitClosesThroughTheQuestion() {
        startWithRom();
        window->show();
        ws().document().markChanged(rom::SectionWorld1);
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
        ws().document().storeForKeyEdits().WriteValue(rom::cellKey("11", "41472", 0, 0), "7");
        ws().document().markChanged(rom::SectionWorld1);
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
        QCOMPARE(ws().document().dataChanged(), !reopened && !saved);
        QCOMPARE(ws().document().sectionChanged()[rom::SectionWorld1], !reopened);
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
        QCOMPARE(shown.text, QStringLiteral("Bytes used for world 1: 4,134 out of 5,847\r\n"
                                            "Bytes used for worlds 2 and 4: 7,154 out of 10,544\r\n"
                                            "Bytes used for world 3: 3,439 out of 4,426"));
        QVERIFY(document() == loaded);
        QVERIFY(!ws().document().dataChanged());
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

    void clearScreenMarksItsSection() {
        startWithRom();
        selectLevel(6);
        dialogs->answers = {Answer::Yes};
        QTest::mouseClick(window->editor()->findChild<QPushButton*>("cmdClear"), Qt::LeftButton);
        QCOMPARE(ws().document().sectionChanged(),
                 (Flags{false, false, true, false, false, false}));
        QVERIFY(ws().document().dataChanged());
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
        QCOMPARE(ws().document().sectionChanged(), expected);
        QVERIFY(ws().document().dataChanged());
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
        QVERIFY(ws().document().kivLevel().GetValue(cell) != "19");
        clickCell(2, 3);
        QCOMPARE(ws().document().kivLevel().GetValue(cell), std::string("19"));
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
            auto* enemies = sm->findChild<QTreeView*>("lvEnemies");
            enemies->setCurrentIndex(enemies->model()->index(0, 0));
            chooseAnother(sm, "cmbX");

            tabs->setCurrentIndex(2);
            auto* powerUps = sm->findChild<QTreeView*>("lvPowerups");
            powerUps->setCurrentIndex(powerUps->model()->index(0, 0));
            auto* level = sm->findChild<ChoiceBox*>("cmbLevelP");
            level->setCurrentIndex(level->findText(level->text() == "4-3" ? "1-1" : "4-3"));

            tabs->setCurrentIndex(3);
            auto* pipes = sm->findChild<QTreeView*>("lvPipes");
            pipes->setCurrentIndex(pipes->model()->index(0, 0));
            chooseAnother(sm, "cmbExitY");

            driven = true;
            QTest::mouseClick(sm->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        QTest::mouseClick(window->editor()->managerButton(), Qt::LeftButton);
        QVERIFY2(driven, "the Screen Manager was not shown as a modal window");
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(ws().document().sectionChanged(), (Flags{true, false, true, true, true, true}));
        QVERIFY(ws().document().dataChanged());
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
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
