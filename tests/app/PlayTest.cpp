// Tools > Play in emulator: which emulator is started, on what image, and what the user is told
// when there is none or it cannot be played. A stand-in emulator, a shell script, records the file
// it was given.

#include "tests/app/MainWindowFixture.h"

#include <QStatusBar>

namespace {

// How long a test waits for the detached stand-in to have copied its image: long enough whatever
// the machine is doing.
constexpr int StandInTimeoutMs = 30000;

} // namespace

class PlayTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    QByteArray savedPath;
    QByteArray savedVariable;
    bool hadVariable = false;
    std::unique_ptr<QTemporaryDir> bin; // the only folder on PATH

    QString played() const { return path(QStringLiteral("played.gb")); }
    QString arguments() const { return path(QStringLiteral("arguments.txt")); }

    // A stand-in emulator `name` in `folder`: it records its arguments, then copies the image it
    // was given to played.gb, renaming last so that a test sees the whole copy or none.
    QString writeStandIn(const QString& folder, const QString& name) const {
        const QString script = QDir(folder).filePath(name);
        writeFile(script, QStringLiteral("#!/bin/sh\n"
                                         "echo \"$@\" >> '%1'\n"
                                         "/bin/cp \"$1\" '%2.part' && /bin/mv '%2.part' '%2'\n")
                              .arg(arguments(), played())
                              .toUtf8());
        QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
        return script;
    }
    QString statusText() const { return window->statusBar()->currentMessage(); }
    QString playFolder() const { return window->playFolder(); }
    QString imagePath() const { return QDir(playFolder()).filePath("sample_play.gb"); }
    void play() { action("mnuToolsPlay")->trigger(); }
    void waitForStandIn() {
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(played()), StandInTimeoutMs);
    }
    // What Save As writes for the document as it is now.
    QByteArray savedAs() {
        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();
        return readFile(path("saved.gb"));
    }

private slots:
    void init() {
        setUp();
        savedPath = qgetenv("PATH");
        hadVariable = qEnvironmentVariableIsSet(EmulatorLauncher::Variable);
        savedVariable = qgetenv(EmulatorLauncher::Variable);
        qunsetenv(EmulatorLauncher::Variable);
        bin = std::make_unique<QTemporaryDir>();
        QVERIFY(bin->isValid());
        qputenv("PATH", bin->path().toLocal8Bit());
    }
    void cleanup() {
        tearDown();
        qputenv("PATH", savedPath);
        if (hadVariable)
            qputenv(EmulatorLauncher::Variable, savedVariable);
        bin.reset();
    }

    void menuItemNeedsARom() {
        QVERIFY(start());
        QAction* item = action("mnuToolsPlay");
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("&Play in emulator"));
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(action("mnuTools")->menu()->actions().contains(item));
        QVERIFY(!item->isEnabled());
        QVERIFY(window->loadROM(romPath));
        QVERIFY(item->isEnabled());
    }

    void findsTheEmulator_data() {
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<QString>("variable"); // "<bin>/" stands for the PATH folder
        QTest::addColumn<QString>("found");
        QTest::newRow("none") << QStringList{} << ""
                              << "";
        QTest::newRow("the first known wins")
            << QStringList{"gambatte_qt", "sameboy", "mgba", "mgba-qt"} << ""
            << "<bin>/mgba-qt";
        QTest::newRow("mgba before sameboy") << QStringList{"gambatte_qt", "sameboy", "mgba"} << ""
                                             << "<bin>/mgba";
        QTest::newRow("the last known") << QStringList{"gambatte_qt"} << ""
                                        << "<bin>/gambatte_qt";
        QTest::newRow("unknown names are not taken") << QStringList{"emulator"} << ""
                                                     << "";
        QTest::newRow("the variable wins") << QStringList{"mgba-qt", "my-emu"} << "my-emu"
                                           << "<bin>/my-emu";
        QTest::newRow("the variable's path") << QStringList{"mgba-qt"} << "/opt/emu/run"
                                             << "/opt/emu/run";
    }
    void findsTheEmulator() {
        QFETCH(QStringList, onPath);
        QFETCH(QString, variable);
        QFETCH(QString, found);
        for (const QString& name : onPath)
            writeStandIn(bin->path(), name);
        if (!variable.isEmpty())
            qputenv(EmulatorLauncher::Variable, variable.toLocal8Bit());
        QCOMPARE(EmulatorLauncher::findEmulator(),
                 found.replace(QStringLiteral("<bin>"), bin->path()));
    }

    // The emulator plays exactly what Save As would write, and playing changes nothing else.
    void playsWhatSaveAsWrites_data() {
        QTest::addColumn<bool>("byVariable");
        QTest::newRow("found on PATH") << false;
        QTest::newRow("named by the variable") << true;
    }
    void playsWhatSaveAsWrites() {
        QFETCH(bool, byVariable);
        if (byVariable)
            qputenv(EmulatorLauncher::Variable, writeStandIn(dir->path(), "emu").toLocal8Bit());
        else
            writeStandIn(bin->path(), "sameboy");
        startWithRom();
        editByMouse();

        play();
        waitForStandIn();

        QVERIFY(dialogs->shown.isEmpty()); // no question, no file dialog
        QCOMPARE(readFile(arguments()), imagePath().toUtf8() + '\n');
        QCOMPARE(
            statusText(),
            QStringLiteral("Playing %1 in %2").arg(imagePath(), byVariable ? "emu" : "sameboy"));
        QVERIFY(ws().document().dataChanged());
        QCOMPARE(readFile(romPath), sampleRom()); // the opened ROM is left alone
        const QByteArray image = readFile(played());
        QVERIFY(image != sampleRom());
        QCOMPARE(image, savedAs());
    }

    void noEmulatorTellsWhatToInstall() {
        startWithRom();
        editByMouse();
        play();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Play in Emulator"));
        QCOMPARE(shown.icon, Icon::Exclamation);
        for (const char* named : {"mgba-qt", "TARNWICK_EMULATOR", "mgba, sameboy, gambatte_qt"})
            QVERIFY2(shown.text.contains(QLatin1String(named)), qPrintable(shown.text));
        QVERIFY(playFolder().isEmpty()); // nothing was written
        QVERIFY(statusText().isEmpty());
    }

    void emulatorThatCannotStartIsNamed() {
        qputenv(EmulatorLauncher::Variable, path("missing/emulator").toLocal8Bit());
        startWithRom();
        play();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Play in Emulator"));
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Unable to start the emulator '%1' - ")
                                           .arg(path("missing/emulator"))),
                 qPrintable(shown.text));
        QVERIFY(statusText().isEmpty());
    }

    // Playing refuses what Save As refuses, with its message, and starts nothing.
    void tooMuchDataIsRefused() {
        writeStandIn(bin->path(), "mgba-qt");
        startWithRom();
        overfillWorld1();
        play();
        QCOMPARE(dialogs->messages().size(), 1);
        const auto refusal = dialogs->lastMessage();
        QCOMPARE(refusal.title, QStringLiteral("Too Much Level Data"));
        QVERIFY(savedAs().isEmpty());
        QCOMPARE(dialogs->lastMessage().text, refusal.text);
        QCOMPARE(dialogs->lastMessage().icon, refusal.icon);
        QVERIFY(playFolder().isEmpty());
        QVERIFY(statusText().isEmpty());
        QVERIFY(!QFileInfo::exists(arguments()));
        QVERIFY(ws().document().dataChanged());
    }

    void missingOpenedRomIsReportedAsSaveAsDoes() {
        writeStandIn(bin->path(), "mgba-qt");
        startWithRom();
        QVERIFY(QFile::remove(romPath));
        play();
        QCOMPARE(dialogs->lastMessage().title, QStringLiteral("Save Error"));
        QVERIFY(playFolder().isEmpty());
    }

    void imagesGoWithTheWindow() {
        writeStandIn(bin->path(), "mgba-qt");
        startWithRom();
        play();
        waitForStandIn();
        const QString folder = playFolder();
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(!folder.startsWith(dir->path())); // not beside the user's ROM
        window.reset();
        QVERIFY(!QFileInfo::exists(folder));
    }
};

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
