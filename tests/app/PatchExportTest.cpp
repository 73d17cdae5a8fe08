// File > Export patch: the difference between the opened ROM and what Save As would write.

#include "patch/Patch.h"
#include "tests/app/MainWindowFixture.h"

#include <QStatusBar>

namespace {

const QString PatchFilter = QStringLiteral("BPS patch (*.bps)|*.bps|IPS patch (*.ips)|*.ips");

std::vector<uint8_t> bytesOf(const QByteArray& bytes) {
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

} // namespace

class PatchExportTest : public QObject, public MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void patchGivesWhatSaveAsWrites_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("bps") << "edit.bps" << QByteArray("BPS1");
        QTest::newRow("ips") << "edit.ips" << QByteArray("PATCH");
        QTest::newRow("IPS in capitals") << "EDIT.IPS" << QByteArray("PATCH");
        QTest::newRow("other extension") << "edit.patch" << QByteArray("BPS1");
    }
    void patchGivesWhatSaveAsWrites() {
        QFETCH(QString, name);
        QFETCH(QByteArray, header);
        startWithRom();
        editByMouse();
        const auto sections = ws().document().sectionChanged();
        dialogs->files = {path(name)};
        action("mnuFileExportPatch")->trigger();

        QCOMPARE(dialogs->shown.size(), 1);
        const auto& dialog = dialogs->shown.first();
        QCOMPARE(dialog.kind, QStringLiteral("save"));
        QCOMPARE(dialog.filter, PatchFilter);
        QCOMPARE(dialog.fileName, path("sample.bps"));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("bps"));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Patch written: ") + path(name));
        QVERIFY(ws().document().dataChanged());
        QCOMPARE(ws().document().sectionChanged(), sections);
        const QByteArray written = readFile(path(name));
        QVERIFY(written.startsWith(header));

        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();
        QCOMPARE(dialogs->lastMessage().title, QStringLiteral("ROM Saved"));
        const std::vector<uint8_t> patched =
            patch::applyPatch(bytesOf(written), bytesOf(readFile(romPath)));
        QVERIFY(patched == bytesOf(readFile(path("saved.gb"))));
        QVERIFY(patched != bytesOf(sampleRom()));
    }

    void overBudgetWritesNothing() {
        startWithRom();
        overfillWorld1();
        dialogs->files = {path("edit.bps")};
        action("mnuFileExportPatch")->trigger();
        QVERIFY(!QFile::exists(path("edit.bps")));
        QVERIFY(ws().document().dataChanged());
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
        const auto refused = dialogs->lastMessage();

        dialogs->files = {path("saved.gb")};
        window->mnuFileSave_Click();
        const auto saveRefused = dialogs->lastMessage();
        QCOMPARE(saveRefused.title, QStringLiteral("Too Much Level Data"));
        verifyMessage(refused, saveRefused.title, saveRefused.text, Icon::Critical);
    }

    void cancelledEndsSilently() {
        startWithRom();
        editByMouse();
        action("mnuFileExportPatch")->trigger();
        QCOMPARE(dialogs->shown.size(), 1);
        QCOMPARE(dialogs->shown.first().kind, QStringLiteral("save"));
        QVERIFY(!QFile::exists(path("sample.bps")));
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
    }

    void failureNamesThePatchFile() {
        startWithRom();
        editByMouse();
        const QString file = path("no/such/folder/edit.bps");
        dialogs->files = {file};
        action("mnuFileExportPatch")->trigger();
        const auto shown = dialogs->lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Export Error"));
        QCOMPARE(shown.icon, Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Unable to export file: '%1' - ").arg(file)),
                 qPrintable(shown.text));
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
    }

    // As Save As: without the opened file there is nothing to make the patch against.
    void needsTheOpenedFile() {
        startWithRom();
        QVERIFY(QFile::remove(romPath));
        action("mnuFileExportPatch")->trigger();
        QCOMPARE(dialogs->shown.size(), 1);
        const auto shown = dialogs->lastMessage();
        window->mnuFileSave_Click();
        verifyMessage(shown, QStringLiteral("Save Error"), dialogs->lastMessage().text,
                      Icon::Exclamation);
        QVERIFY(shown.text.contains(romPath));
    }

    void needsARom() {
        QVERIFY(start());
        QVERIFY(!action("mnuFileExportPatch")->isEnabled());
        QCOMPARE(action("mnuFileExportPatch")->text(), QStringLiteral("Export &patch..."));
    }
};

QTEST_MAIN(PatchExportTest)
#include "PatchExportTest.moc"
