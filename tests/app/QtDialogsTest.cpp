// The real file dialogs behind the Dialogs interface, driven from their own event loop.

#include "editor/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QString LevelDataFilter = QStringLiteral("Tarnwick Data (*.twd)|*.twd|All files (*.*)|*.*");

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// Runs `use` on the file dialog that `show` opens; the dialog is closed afterwards if `use` left
// it open, so a failed check cannot hang the test.
QString withFileDialog(const std::function<void(QFileDialog*)>& use,
                       const std::function<QString()>& show) {
    QTimer::singleShot(0, [use] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        use(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    return show();
}

QStringList shownFilters(QFileDialog* dialog) {
    QStringList texts;
    auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    for (int i = 0; combo && i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

bool lists(QFileDialog* dialog, const QString& name) {
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
    if (!view || !view->model())
        return false;
    const QModelIndex first = view->model()->index(0, 0, view->rootIndex());
    return first.isValid() &&
           !view->model()->match(first, Qt::DisplayRole, name, 1, Qt::MatchExactly).isEmpty();
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void filtersShowTheirTextAndMatchEveryFile() {
        QCOMPARE(Dialogs::qtFilter(LevelDataFilter),
                 QStringLiteral("Tarnwick Data (*.twd) (*.twd);;All files (*.*) (*)"));
        QCOMPARE(Dialogs::qtFilter(QStringLiteral("Game Boy ROMs (*.gb)|*.gb")),
                 QStringLiteral("Game Boy ROMs (*.gb) (*.gb)"));
    }

    // "All files" must also list a file without an extension, which "*.*" hides on Linux.
    void allFilesListsFilesWithoutExtension() {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("README")));
        QStringList filters;
        bool listedByTwd = true;
        bool listedByAll = false;
        const QString chosen = withFileDialog(
            [&](QFileDialog* dialog) {
                filters = shownFilters(dialog);
                QTest::qWait(
                    200); // let the folder's listing arrive before judging the first filter
                listedByTwd = lists(dialog, QStringLiteral("README"));
                dialog->selectNameFilter(dialog->nameFilters().value(1));
                listedByAll =
                    QTest::qWaitFor([&] { return lists(dialog, QStringLiteral("README")); });
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QStringLiteral("README"));
                static_cast<QDialog*>(dialog)->accept();
            },
            [&] { return QtDialogs().openFile(nullptr, LevelDataFilter, dir.path() + "/"); });
        QCOMPARE(filters, QStringList({"Tarnwick Data (*.twd)", "All files (*.*)"}));
        QVERIFY(!listedByTwd);
        QVERIFY(listedByAll);
        QCOMPARE(chosen, dir.filePath(QStringLiteral("README")));
    }

    // Typing "levels" while levels.twd exists: the dialog adds the extension before it asks, so
    // the question is about the file that will be replaced.
    void saveDialogAddsTheSuffixBeforeAskingToReplace() {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("levels.twd")));
        QString suffix;
        QString question;
        const QString chosen = withFileDialog(
            [&](QFileDialog* dialog) {
                suffix = dialog->defaultSuffix();
                QTimer::singleShot(0, [&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!box)
                        return;
                    question = box->text();
                    box->button(QMessageBox::Yes)->click();
                });
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QStringLiteral("levels"));
                static_cast<QDialog*>(dialog)->accept();
            },
            [&] {
                return QtDialogs().saveFile(nullptr, LevelDataFilter, dir.path() + "/",
                                            QStringLiteral("twd"));
            });
        QCOMPARE(suffix, QStringLiteral("twd"));
        QVERIFY2(question.contains(QStringLiteral("levels.twd")), qPrintable(question));
        QCOMPARE(chosen, dir.filePath(QStringLiteral("levels.twd")));
    }

    // The extension added to a bare name follows the filter the user picks, when that filter
    // is one plain extension; "All files" keeps the default one.
    void saveDialogAddsTheChosenFiltersExtension_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("second extension")
            << QStringLiteral("BPS patch (*.bps)|*.bps|IPS patch (*.ips)|*.ips") << "fix.ips";
        QTest::newRow("all files") << LevelDataFilter << "fix.twd";
    }
    void saveDialogAddsTheChosenFiltersExtension() {
        QFETCH(QString, filter);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        const QString defaultSuffix = QFileInfo(chosen).suffix() == "ips" ? "bps" : "twd";
        const QString written = withFileDialog(
            [&](QFileDialog* dialog) {
                auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                QVERIFY(combo);
                QTest::keyClick(combo, Qt::Key_Down); // as the user picks the second filter
                QCOMPARE(combo->currentIndex(), 1);
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QStringLiteral("fix"));
                static_cast<QDialog*>(dialog)->accept();
            },
            [&] { return QtDialogs().saveFile(nullptr, filter, dir.path() + "/", defaultSuffix); });
        QCOMPARE(written, dir.filePath(chosen));
    }
};

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
