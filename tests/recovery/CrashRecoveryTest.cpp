// Work survives the program being killed: a child process runs the main window, edits with a real
// click and is killed with SIGKILL once the copy is kept; the window started again on the same
// ROM offers the work back. The child is this program started again with ChildOption, so that the
// edit goes through the window's real input path.

#include "app/RecoveryFile.h"
#include "app/RecoveryOffer.h"
#include "tests/app/MainWindowFixture.h"

#include <QApplication>
#include <QProcess>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* ChildOption = "--edit-and-wait-to-be-killed";
constexpr const char* CopyKept = "copy kept";

// The child: opens `romPath`, changes a cell by mouse, writes the document's text to
// `documentPath` and says so once the recovery copy exists; then it runs until killed.
int editAndWaitToBeKilled(const QString& romPath, const QString& documentPath) {
    ScriptedDialogs dialogs;
    frmTW window(dialogs);
    if (!window.Form_Load(QCoreApplication::applicationDirPath(), romPath))
        return 2;
    window.show();
    auto* picEditor = window.editor()->findChild<PictureBox*>(QStringLiteral("picEditor"));
    QTest::mouseClick(picEditor, Qt::LeftButton, {}, QPoint(8, 8));
    if (!window.workspace().document().dataChanged())
        return 3;
    QFile document(documentPath);
    if (!document.open(QIODevice::WriteOnly) ||
        document.write(
            QByteArray::fromStdString(window.workspace().document().kivLevel().GetAll())) < 0)
        return 4;
    document.close();
    if (!QTest::qWaitFor([&] { return RecoveryFile(romPath).exists(); }, 30000))
        return 5;
    std::printf("%s\n", CopyKept);
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class CrashRecoveryTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    QTemporaryDir dataHome;

    // Runs the child until the copy is kept, then kills it; `killed` is what its document held.
    void editThenKill(std::string& killed) {
        const QString documentPath = path(QStringLiteral("child-document.txt"));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QLatin1String(ChildOption), romPath, documentPath});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
        while (!child.canReadLine())
            QVERIFY2(child.waitForReadyRead(30000), "the child ended before it kept a copy");
        QCOMPARE(child.readLine().trimmed(), QByteArray(CopyKept));
        child.kill(); // SIGKILL: nothing of the program runs after it
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        killed = readFile(documentPath).toStdString();
    }
    std::string romDocument() const {
        kiv::ConfigFile doc;
        rom::loadROM(romPath.toStdString(), doc);
        return doc.GetAll();
    }

private slots:
    void initTestCase() {
        QVERIFY(dataHome.isValid());
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8()); // the child inherits it
        QVERIFY(RecoveryFile::defaultFolder().startsWith(dataHome.path()));
    }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void killedWorkIsOfferedOnTheNextStart_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Yes restores it") << Answer::Yes;
        QTest::newRow("No deletes it") << Answer::No;
    }
    void killedWorkIsOfferedOnTheNextStart() {
        QFETCH(Answer, answer);
        std::string killed;
        editThenKill(killed);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(killed != romDocument());
        QVERIFY(RecoveryFile(romPath).exists());

        dialogs->answers << answer;
        QVERIFY(start(romPath));
        QCOMPARE(dialogs->messages().size(), 1);
        QCOMPARE(dialogs->lastMessage().title, RecoveryOffer::Title);
        if (answer == Answer::Yes) {
            QCOMPARE(document(), killed);
            QVERIFY(ws().document().dataChanged());
        } else {
            QCOMPARE(document(), romDocument());
            QVERIFY(!ws().document().dataChanged());
            QVERIFY(!RecoveryFile(romPath).exists());
        }
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], ChildOption) == 0)
        return editAndWaitToBeKilled(QString::fromLocal8Bit(argv[2]),
                                     QString::fromLocal8Bit(argv[3]));
    CrashRecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CrashRecoveryTest.moc"
