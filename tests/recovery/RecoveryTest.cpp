// The recovery copy kept while the document holds unsaved changes: when it is written and removed,
// and what opening a ROM does with one left behind.

#include "app/RecoveryFile.h"
#include "app/RecoveryOffer.h"
#include "tests/app/MainWindowFixture.h"

#include <QDir>
#include <QLocale>

namespace {

// How long a test waits for a copy to follow an edit: long enough whatever the machine is doing
// (a sanitizer build under load). How soon a copy is written is the writer's Delay.
constexpr int CopyTimeoutMs = 15000;

void setModified(const QString& path, const QDateTime& time) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

class RecoveryTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    QTemporaryDir dataHome;

    RecoveryFile copy() const { return RecoveryFile(romPath); }
    QStringList setAside() const {
        return QDir(RecoveryFile::defaultFolder())
            .entryList({QFileInfo(copy().path()).fileName() + QStringLiteral(".rejected-*")});
    }
    std::string romDocument() const {
        kiv::ConfigFile doc;
        rom::loadROM(romPath.toStdString(), doc);
        return doc.GetAll();
    }
    // The ROM's document with one cell changed, as a killed session would have left it.
    std::string editedDocument() const {
        kiv::ConfigFile doc;
        rom::loadROM(romPath.toStdString(), doc);
        doc.WriteValue(rom::cellKey("11", doc.GetValue(rom::screenKey("11", 1)), 3, 4), "19");
        return doc.GetAll();
    }
    // Leaves `bytes` as the copy of the ROM, written after the ROM file last changed.
    void plantCopy(const QByteArray& bytes) {
        setModified(romPath, QDateTime::currentDateTime().addSecs(-3600));
        QVERIFY(QDir().mkpath(RecoveryFile::defaultFolder()));
        writeFile(copy().path(), bytes);
    }
    void plantCopyOf(const std::string& levelText) {
        setModified(romPath, QDateTime::currentDateTime().addSecs(-3600));
        copy().write(levelText);
    }
    void editAndWaitForCopy() {
        startWithRom();
        QVERIFY(!copy().exists());
        editByMouse();
        QTRY_VERIFY_WITH_TIMEOUT(copy().exists(), CopyTimeoutMs);
    }
    void verifyNotRestored() {
        QCOMPARE(document(), romDocument());
        QVERIFY(!ws().document().dataChanged());
    }

    // Moves the first enemy of 1-1 in the Screen Manager, then closes it.
    void changeAnEnemyInTheScreenManager() {
        const std::string before = document();
        bool driven = false;
        QTimer::singleShot(0, [&driven] {
            auto* sm = qobject_cast<frmScreenManager*>(QApplication::activeModalWidget());
            if (!sm)
                return;
            sm->findChild<QTabBar*>()->setCurrentIndex(1);
            auto* enemies = sm->findChild<QTreeView*>("lvEnemies");
            enemies->setCurrentIndex(enemies->model()->index(0, 0));
            chooseAnother(sm, "cmbX");
            driven = true;
            QTest::mouseClick(sm->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        QTest::mouseClick(window->editor()->managerButton(), Qt::LeftButton);
        QVERIFY2(driven, "the Screen Manager was not shown as a modal window");
        QVERIFY(document() != before);
    }

    // The copies of unusableCopyIsSetAsideAndReported.
    QByteArray unusableCopy(const QString& kind) const {
        const QByteArray levelData = QByteArray::fromStdString(editedDocument()) + "\r\n";
        const auto named = [](const QString& rom) {
            return "Recovery_Rom=" + QUrl::toPercentEncoding(rom) + "\r\n";
        };
        if (kind == "unreadable")
            return "no store\r\n";
        if (kind == "another ROM")
            return levelData + named(path(QStringLiteral("other.gb")));
        if (kind == "no ROM")
            return levelData;
        if (kind == "no level data")
            return "Screens_12=7\r\n" + named(romPath);
        return QByteArray(levelData).replace("Screens_11=", "Screens_11=9") + named(romPath);
    }

private slots:
    // Every copy these tests make lands in a folder of their own, never the user's.
    void initTestCase() {
        QVERIFY(dataHome.isValid());
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        QVERIFY(RecoveryFile::defaultFolder().startsWith(dataHome.path()));
    }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    // The copy is File > Export's level data, then the key naming the ROM, and it keeps up with
    // later edits.
    void editsAreKeptWithinTwoSeconds() {
        editAndWaitForCopy();
        const QString exported = path(QStringLiteral("exported.twd"));
        ws().document().exportFile(exported.toStdString());
        const QByteArray bytes = readFile(copy().path());
        QVERIFY(bytes.startsWith(readFile(exported)));
        QCOMPARE(bytes.mid(readFile(exported).size()),
                 "Recovery_Rom=" + QUrl::toPercentEncoding(romPath) + "\r\n");

        clickCell(1, 0, Qt::RightButton);
        QTRY_COMPARE_WITH_TIMEOUT(copy().read().levelData.GetAll(), document(), CopyTimeoutMs);
        QVERIFY(copy().read().problem.isEmpty());
    }

    // The copy learns of a change wherever the document is shown again, whichever command made it.
    void everyKindOfChangeIsKept_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("undo") << "undo";
        QTest::newRow("Screen Manager") << "manager";
        QTest::newRow("import") << "import";
    }
    void everyKindOfChangeIsKept() {
        QFETCH(QString, change);
        startWithRom();
        window->show();
        if (change == "undo") {
            editByMouse();
            QTRY_VERIFY_WITH_TIMEOUT(copy().exists(), CopyTimeoutMs);
            QTest::mouseClick(window->editor()->findChild<QPushButton*>("cmdUndo"), Qt::LeftButton);
            QCOMPARE(document(), romDocument());
        } else if (change == "manager") {
            changeAnEnemyInTheScreenManager();
        } else {
            dialogs->files << levelDataFile(QStringLiteral("levels.twd"), [](kiv::ConfigFile& doc) {
                doc.WriteValue(rom::cellKey("12", doc.GetValue(rom::screenKey("12", 1)), 1, 2),
                               "19");
            });
            action("mnuFileImport")->trigger();
            QVERIFY(dialogs->messages().isEmpty());
        }
        QVERIFY(ws().document().dataChanged());
        QTRY_COMPARE_WITH_TIMEOUT(copy().read().levelData.GetAll(), document(), CopyTimeoutMs);
    }
    void copyGoesWhenTheWorkIsSavedOrGivenUp_data() {
        QTest::addColumn<QString>("step");
        QTest::newRow("Save As") << "save";
        QTest::newRow("No to Save Changes, then closed") << "close";
        QTest::newRow("No to Save Changes, then no file imported") << "import";
    }
    void copyGoesWhenTheWorkIsSavedOrGivenUp() {
        QFETCH(QString, step);
        editAndWaitForCopy();
        if (step == "save") {
            dialogs->files << path(QStringLiteral("saved.gb"));
            action("mnuFileSave")->trigger();
            QVERIFY(!ws().document().dataChanged());
        } else {
            dialogs->answers << Answer::No;
            if (step == "close")
                QVERIFY(window->close());
            else
                action("mnuFileImport")->trigger();
            QCOMPARE(dialogs->messages().last().title, QStringLiteral("Save Changes"));
        }
        QTRY_VERIFY(!copy().exists());
        // Nothing written late brings it back.
        window.reset();
        QVERIFY(!copy().exists());
    }

    void workLeftBehindIsOfferedBack_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Yes") << Answer::Yes;
        QTest::newRow("No") << Answer::No;
    }
    void workLeftBehindIsOfferedBack() {
        QFETCH(Answer, answer);
        plantCopyOf(editedDocument());
        const QString when = QLocale().toString(copy().lastModified(), QLocale::ShortFormat);
        dialogs->answers << answer;
        QVERIFY(start(romPath));

        QCOMPARE(dialogs->messages().size(), 1);
        const auto question = dialogs->lastMessage();
        QCOMPARE(question.title, RecoveryOffer::Title);
        QCOMPARE(question.icon, Icon::Question);
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        QVERIFY2(question.text.contains(when) && question.text.contains(romPath),
                 qPrintable(question.text));
        if (answer == Answer::Yes) {
            QCOMPARE(document(), editedDocument());
            QVERIFY(ws().document().dataChanged());
            QCOMPARE(ws().document().sectionChanged(), (Flags{true, true, true, true, true, true}));
            QCOMPARE(window->editor()->levelText(), QStringLiteral("1-1"));
        } else {
            verifyNotRestored();
            QVERIFY(!copy().exists());
        }
        QVERIFY(setAside().isEmpty());
    }

    void unusableCopyIsSetAsideAndReported_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unreadable") << "unreadable" << false << "the copy cannot be read";
        QTest::newRow("another ROM")
            << "another ROM" << false << "the copy was kept for another ROM, '{other}'";
        QTest::newRow("no ROM") << "no ROM" << false << "the copy does not name its ROM";
        QTest::newRow("no level data") << "no level data" << true << "the copy holds no level data";
        QTest::newRow("fails the import check")
            << "fails the check" << true
            << "the copy fails the import check - Subscript out of range: Screens_11";
    }
    void unusableCopyIsSetAsideAndReported() {
        QFETCH(QString, kind);
        QFETCH(bool, asked);
        QFETCH(QString, problem);
        const QByteArray bytes = unusableCopy(kind);
        problem.replace(QStringLiteral("{other}"), path(QStringLiteral("other.gb")));
        plantCopy(bytes);
        dialogs->answers << Answer::Yes;
        QVERIFY(start(romPath));

        const auto shown = dialogs->messages();
        QCOMPARE(shown.size(), asked ? 2 : 1);
        QCOMPARE(shown.first().icon, asked ? Icon::Question : Icon::Exclamation);
        const auto report = shown.last();
        QCOMPARE(report.title, RecoveryOffer::Title);
        QCOMPARE(report.icon, Icon::Exclamation);
        QVERIFY2(report.text.contains(problem), qPrintable(report.text));
        verifyNotRestored();
        QVERIFY(!RecoveryFile(romPath).exists());
        const QStringList aside = setAside();
        QCOMPARE(aside.size(), 1);
        const QString asidePath = QDir(RecoveryFile::defaultFolder()).filePath(aside.first());
        QVERIFY2(report.text.contains(asidePath), qPrintable(report.text));
        QCOMPARE(readFile(asidePath), bytes);
        QFile::remove(asidePath);
    }

    // A copy older than the ROM file holds no work on the ROM as it is now; a clean exit clears it.
    void copyOlderThanTheRomIsNotOffered() {
        plantCopyOf(editedDocument());
        setModified(copy().path(), QFileInfo(romPath).lastModified().addSecs(-60));
        QVERIFY(start(romPath));
        QVERIFY(dialogs->messages().isEmpty());
        verifyNotRestored();
        QVERIFY(copy().exists());

        QVERIFY(window->close());
        QTRY_VERIFY(!copy().exists());
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
