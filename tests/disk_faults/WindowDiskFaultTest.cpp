// The window's Save ROM and Export level data onto a failing disk (see FaultShim): the message
// names the disk's error, the folder keeps what it held, and the opened ROM and the document
// stay as they were, still marked as changed where they were.

#include "app/frmTW.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <memory>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class WindowDiskFaultTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<frmTW> window;
    QString romPath;

    QString outFolder() const { return dir->filePath("out"); }

    // Starts the window on the sample ROM, with an output folder holding `target` ("keep")
    // when `existing`, and makes `call` fail with `kind` for that target.
    void prepare(const QString& target, bool existing, const QString& call, const QString& kind) {
        romPath = writeSampleRom(dir->path());
        QVERIFY(!romPath.isEmpty());
        window = std::make_unique<frmTW>(*dialogs);
        QVERIFY(window->Form_Load(QCoreApplication::applicationDirPath(), romPath));
        dialogs->shown.clear();
        QVERIFY(QDir().mkpath(outFolder()));
        if (existing) {
            QFile file(outFolder() + "/" + target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep");
        }
        qputenv("TARNWICK_FAULT_CALL", call.toLatin1());
        qputenv("TARNWICK_FAULT_ERRNO", kind.toLatin1());
        qputenv("TARNWICK_FAULT_PATTERN", target.toLatin1());
    }

    void verifyNothingWritten(const QString& target, bool existing, const QString& call,
                              const QByteArray& rom) {
        qunsetenv("TARNWICK_FAULT_PATTERN");
        if (call == "vanish") {
            QVERIFY(!QDir(outFolder()).exists());
        } else {
            const QStringList names =
                QDir(outFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            QCOMPARE(names, existing ? QStringList{target} : QStringList{});
            if (existing)
                QCOMPARE(contentOf(outFolder() + "/" + target), QByteArray("keep"));
        }
        QCOMPARE(contentOf(romPath), rom);
    }

    static void faultRows() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("error");
        const struct {
            const char* name;
            const char* call;
            const char* kind;
            const char* error;
        } faults[] = {
            {"full disk", "write", "ENOSPC", "Disk full, 61"},
            {"I/O error", "write", "EIO", "Path/File access error, 75"},
            {"full at flush", "fsync", "ENOSPC", "Disk full, 61"},
            {"rename fails", "rename", "EIO", "Path/File access error, 75"},
            {"folder removed", "vanish", "", "Path not found, 76"},
        };
        for (const auto& f : faults)
            for (const bool existing : {false, true})
                QTest::newRow(qPrintable(QString(f.name) + (existing ? ", over a file" : "")))
                    << f.call << f.kind << existing << f.error;
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        qunsetenv("TARNWICK_FAULT_PATTERN");
        window.reset();
        dialogs.reset();
        dir.reset();
    }

    void saveRomOnAFailingDisk_data() { faultRows(); }
    void saveRomOnAFailingDisk() {
        QFETCH(QString, call);
        QFETCH(QString, kind);
        QFETCH(bool, existing);
        QFETCH(QString, error);
        prepare("new.gb", existing, call, kind);
        const QByteArray rom = contentOf(romPath);
        const std::string document = window->workspace().document().kivLevel().GetAll();
        window->workspace().document().markChanged(rom::SectionWorld1);
        dialogs->files = {outFolder() + "/new.gb"};

        window->mnuFileSave_Click();

        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Save ROM Error"));
        QCOMPARE(shown.icon, Dialogs::Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Unable to save file: '%1' - ").arg(romPath)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.endsWith(error), qPrintable(shown.text));
        QVERIFY(window->workspace().document().kivLevel().GetAll() == document);
        QVERIFY(window->workspace().document().dataChanged());
        QCOMPARE(window->romFile(), romPath);
        verifyNothingWritten("new.gb", existing, call, rom);
    }

    void exportOnAFailingDisk_data() { faultRows(); }
    void exportOnAFailingDisk() {
        QFETCH(QString, call);
        QFETCH(QString, kind);
        QFETCH(bool, existing);
        QFETCH(QString, error);
        prepare("levels.twd", existing, call, kind);
        const QByteArray rom = contentOf(romPath);
        const QString file = outFolder() + "/levels.twd";
        dialogs->files = {file};

        window->mnuFileExport_Click();

        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Export Error"));
        QCOMPARE(shown.icon, Dialogs::Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Unable to export file: '%1' - ").arg(file)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.endsWith(error), qPrintable(shown.text));
        verifyNothingWritten("levels.twd", existing, call, rom);
    }
};

QTEST_MAIN(WindowDiskFaultTest)
#include "WindowDiskFaultTest.moc"
