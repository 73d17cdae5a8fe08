// Files dropped on the main window: a ROM opens as File > Open opens it, level data is imported
// as File > Import imports it, each after the same question about unsaved changes.

#include "tests/app/MainWindowFixture.h"

#include <QMimeData>

class DropTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    static std::unique_ptr<QMimeData> carrying(const QList<QUrl>& urls) {
        auto data = std::make_unique<QMimeData>();
        data->setUrls(urls);
        return data;
    }
    std::unique_ptr<QMimeData> carrying(const QString& file) const {
        return carrying({QUrl::fromLocalFile(file)});
    }
    bool takesDragOf(const QMimeData& data) const {
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        enter.ignore();
        QCoreApplication::sendEvent(window.get(), &enter);
        return enter.isAccepted();
    }
    // Drops `file` as the user does: the drag enters, then the file is let go; what the drop
    // starts runs once the drop itself is over.
    void drop(const QString& file) const {
        const auto data = carrying(file);
        QVERIFY(takesDragOf(*data));
        QDropEvent dropped(QPointF(100, 100), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        dropped.ignore();
        QCoreApplication::sendEvent(window.get(), &dropped);
        QVERIFY(dropped.isAccepted());
        QCoreApplication::processEvents();
    }
    QString copyOfRom(const QString& name) const {
        QFile::copy(romPath, path(name));
        return path(name);
    }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void dragTakesOnlyRomsAndLevelData_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("romOpen");
        QTest::addColumn<bool>("taken");
        const auto local = [](const char* name) {
            return QUrl::fromLocalFile(QDir::tempPath() + "/" + name);
        };
        QTest::newRow("ROM") << QList<QUrl>{local("a.gb")} << false << true;
        QTest::newRow("ROM, capitals") << QList<QUrl>{local("A.GB")} << true << true;
        QTest::newRow("level data") << QList<QUrl>{local("a.twd")} << true << true;
        QTest::newRow("level data, capitals") << QList<QUrl>{local("a.TWD")} << true << true;
        QTest::newRow("level data without a ROM") << QList<QUrl>{local("a.twd")} << false << false;
        QTest::newRow("picture") << QList<QUrl>{local("a.png")} << true << false;
        QTest::newRow("no extension") << QList<QUrl>{local("gb")} << true << false;
        QTest::newRow("two ROMs") << QList<QUrl>{local("a.gb"), local("b.gb")} << true << false;
        QTest::newRow("remote ROM")
            << QList<QUrl>{QUrl("http://example.invalid/a.gb")} << true << false;
        QTest::newRow("no file") << QList<QUrl>{} << true << false;
    }
    void dragTakesOnlyRomsAndLevelData() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, romOpen);
        QFETCH(bool, taken);
        QVERIFY(start(romOpen ? romPath : QString()));
        QVERIFY(window->acceptDrops());
        QCOMPARE(takesDragOf(*carrying(urls)), taken);
    }

    void droppedRomOpensAfterTheQuestion_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no changes") << false << QList<Answer>{} << QStringList{} << true;
        QTest::newRow("cancel") << true << QList<Answer>{Answer::Cancel} << QStringList{} << false;
        QTest::newRow("no") << true << QList<Answer>{Answer::No} << QStringList{} << true;
        QTest::newRow("yes, save cancelled")
            << true << QList<Answer>{Answer::Yes} << QStringList{""} << false;
        QTest::newRow("yes, saved")
            << true << QList<Answer>{Answer::Yes, Answer::Ok} << QStringList{"saved.gb"} << true;
    }
    void droppedRomOpensAfterTheQuestion() {
        QFETCH(bool, changed);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, files);
        QFETCH(bool, opened);
        startWithRom();
        const std::string loaded = document();
        if (changed)
            editByMouse();
        const std::string before = document();
        const QString dropped = copyOfRom("dropped.gb");
        dialogs->answers = answers;
        for (const QString& f : files)
            dialogs->files.append(f.isEmpty() ? QString() : path(f));

        drop(dropped);

        QCOMPARE(shownTitled(QStringLiteral("Save Changes")).size(), changed ? 1 : 0);
        for (const auto& shown : dialogs->shown)
            QVERIFY(shown.kind != QStringLiteral("open")); // the dropped file is the one
        QCOMPARE(window->romFile(), opened ? dropped : romPath);
        QVERIFY(document() == (opened ? loaded : before));
        QCOMPARE(ws().document().dataChanged(), !opened);
        QCOMPARE(shownTitle(), QStringLiteral("Tarnwick - ") + window->romFile() +
                                   (opened ? QString() : QStringLiteral("*")));
        QVERIFY(dialogs->answers.isEmpty());
    }

    void droppedRomOpensTheFirstOne() {
        QVERIFY(start());
        drop(romPath);
        QCOMPARE(window->romFile(), romPath);
        verifyRomCommandsEnabled(true);
        QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
    }

    // A dropped ROM that cannot be read is reported as File > Open reports it.
    void droppedBadRomIsReported() {
        startWithRom();
        QByteArray bytes = sampleRom();
        bytes[0x134] = char(bytes[0x134] + 1);
        writeFile(path("other.gb"), bytes);
        drop(path("other.gb"));
        const auto fromDrop = dialogs->lastMessage();
        QCOMPARE(fromDrop.title, QStringLiteral("Load ROM Error"));
        dialogs->files = {path("other.gb")};
        window->mnuFileOpen_Click();
        QCOMPARE(dialogs->lastMessage().text, fromDrop.text);
        QCOMPARE(window->romFile(), romPath);
    }

    void droppedLevelDataImportsAfterTheQuestion_data() {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("imported");
        QTest::newRow("cancel") << QList<Answer>{Answer::Cancel} << false;
        QTest::newRow("no") << QList<Answer>{Answer::No} << true;
    }
    void droppedLevelDataImportsAfterTheQuestion() {
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, imported);
        startWithRom();
        const std::string loaded = document();
        const QString file = levelDataFile("levels.twd", [](kiv::ConfigFile&) {});
        selectLevel(4);
        clickCell(0, 0);
        const std::string edited = document();
        dialogs->answers = answers;

        drop(file);

        QCOMPARE(shownTitled(QStringLiteral("Save Changes")).size(), 1);
        QCOMPARE(dialogs->shown.size(), 1); // no file dialog
        QVERIFY(document() == (imported ? loaded : edited));
        QVERIFY(ws().document().dataChanged());
        if (imported) {
            QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
            QCOMPARE(ws().document().sectionChanged(), (Flags{true, true, true, true, true, true}));
        }
    }

    // Level data that Import refuses is refused with its very message when dropped.
    void droppedLevelDataIsCheckedAsImportChecksIt_data() {
        QTest::addColumn<QString>("line"); // written into an exported document
        QTest::newRow("not level data") << "";
        QTest::newRow("bad count") << "Screens_22=x";
    }
    void droppedLevelDataIsCheckedAsImportChecksIt() {
        QFETCH(QString, line);
        startWithRom();
        const QString file = line.isEmpty() ? path("objects.twd")
                                            : levelDataFile("bad.twd", [&](kiv::ConfigFile& doc) {
                                                  const auto eq = line.indexOf('=');
                                                  doc.WriteValue(line.left(eq).toStdString(),
                                                                 line.mid(eq + 1).toStdString());
                                              });
        if (line.isEmpty())
            QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/Objects.txt", file));
        const std::string before = document();

        drop(file);
        const auto fromDrop = dialogs->lastMessage();
        QCOMPARE(fromDrop.title, QStringLiteral("Import Error"));
        QVERIFY(document() == before);
        QVERIFY(!ws().document().dataChanged());

        dialogs->files = {file};
        window->mnuFileImport_Click();
        QCOMPARE(dialogs->lastMessage().text, fromDrop.text);
        QCOMPARE(dialogs->lastMessage().icon, fromDrop.icon);
        QCOMPARE(dialogs->messages().size(), 2);
    }
};

QTEST_MAIN(DropTest)
#include "DropTest.moc"
