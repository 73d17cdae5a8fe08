// Start-up as an installed program: where the object catalogue is found (beside the program,
// else in the data folder relative to it) and what a level-data file given on the command line
// does.

#include "app/CatalogueLocation.h"
#include "tests/app/MainWindowFixture.h"

#include <QDir>

class InstalledStartUpTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    // An installed tree in the temporary folder: <dir>/bin and its data folder.
    QString bin() const { return path("bin"); }
    QString data() const { return QDir::cleanPath(bin() + "/" TARNWICK_DATA_FROM_BIN); }
    void putCatalogue(const QString& folder) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/Objects.txt",
                            folder + "/Objects.txt"));
    }

private slots:
    void init() {
        setUp();
        QVERIFY(QDir().mkpath(bin()));
    }
    void cleanup() { tearDown(); }

    void dataFolderSitsBesideTheProgramFolder() {
        QVERIFY(data().endsWith(QStringLiteral("/tarnwick")));
        QVERIFY2(!data().startsWith(bin()), qPrintable(data()));
    }

    void catalogueLocation_data() {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("dataFolder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside the program first") << true << true << true << "bin";
        QTest::newRow("installed data folder") << false << true << true << "data";
        QTest::newRow("missing from an installed tree") << false << false << true << "data";
        QTest::newRow("missing, not installed") << false << false << false << "bin";
    }
    void catalogueLocation() {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(bool, dataFolder);
        QFETCH(QString, expected);
        if (beside)
            putCatalogue(bin());
        if (installed)
            putCatalogue(data());
        if (dataFolder)
            QVERIFY(QDir().mkpath(data()));
        const QString folder = expected == "bin" ? bin() : data();
        QCOMPARE(catalogueFile(bin()), folder + "/Objects.txt");
    }

    void startsFromTheDataFolder() {
        putCatalogue(data());
        QVERIFY(start(romPath, bin()));
        QCOMPARE(window->romFile(), romPath);
        QVERIFY(dialogs->messages().isEmpty());
    }

    void missingInstalledCatalogueNamesTheDataFolder() {
        QVERIFY(QDir().mkpath(data()));
        QVERIFY(!start(romPath, bin()));
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Unable to load the object catalogue '") +
                                       data() + QStringLiteral("/Objects.txt' - ")),
                 qPrintable(shown.text));
    }

    // The desktop offers .twd files to the program; they are not ROMs, so nothing is opened and
    // the user learns how to import one.
    void levelDataOnTheCommandLineIsNotOpened_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("lower case") << "level data.twd";
        QTest::newRow("upper case") << "LEVEL.TWD";
    }
    void levelDataOnTheCommandLineIsNotOpened() {
        QFETCH(QString, name);
        writeFile(path(name), QByteArrayLiteral("Screens_11=17\r\n"));
        QVERIFY(start(path(name)));
        QVERIFY(window->romFile().isEmpty());
        verifyRomCommandsEnabled(false);
        QCOMPARE(dialogs->messages().size(), 1);
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Tarnwick"));
        QCOMPARE(shown.icon, Icon::Information);
        QVERIFY2(shown.text.startsWith("'" + path(name) + "' holds level data."),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(QStringLiteral("File > Import level data...")),
                 qPrintable(shown.text));
    }
};

QTEST_MAIN(InstalledStartUpTest)
#include "InstalledStartUpTest.moc"
