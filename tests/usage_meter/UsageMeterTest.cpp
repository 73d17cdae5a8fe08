#include "app/UsageMeter.h"
#include "app/frmTW.h"
#include "editor/PictureBox.h"
#include "editor/ScreenEditor.h"
#include "messages/CodecMessages.h"
#include "rom/DataUsage.h"
#include "rom/LevelKeys.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"
#include "tests/support/ModalWindows.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <map>
#include <memory>

using Answer = Dialogs::Answer;

namespace {

constexpr int World1 = 0;
constexpr int Regions = 3;
const char* const Captions[Regions] = {"World 1", "Worlds 2 & 4", "World 3"};

QString figure(long n) {
    return n == 0 ? QStringLiteral("0") : QString::fromStdString(messages::formatCount(n));
}

} // namespace

class UsageMeterTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<frmTW> window;
    QString romPath;

    QString path(const QString& name) const { return dir->filePath(name); }
    Workspace& ws() const { return window->workspace(); }
    ScreenEditor& editor() const { return *window->editor(); }
    QLabel* label(int region) const { return window->usageMeter()->regionLabel(region); }

    void startWithRom() {
        window = std::make_unique<frmTW>(*dialogs);
        QVERIFY(window->Form_Load(QCoreApplication::applicationDirPath(), romPath));
        QCOMPARE(window->romFile(), romPath);
    }
    rom::DataUsage measure() const {
        kiv::ConfigFile scratch;
        return rom::dataUsage(ws().document().kivLevel(), scratch);
    }
    QStringList shown() const {
        QStringList texts;
        for (int region = 0; region < Regions; ++region)
            texts << label(region)->text();
        return texts;
    }
    // The three texts the meter must show for the current document.
    QStringList expected() const {
        const rom::DataUsage usage = measure();
        QStringList texts;
        for (int region = 0; region < Regions; ++region)
            texts << QStringLiteral("%1: %2 / %3")
                         .arg(QLatin1String(Captions[region]), figure(usage.used[region]),
                              figure(usage.budget[region]));
        return texts;
    }
    void verifyMeterMatchesDocument() const {
        QCOMPARE(shown(), expected());
        const rom::DataUsage usage = measure();
        for (int region = 0; region < Regions; ++region)
            QVERIFY2(warns(region) == usage.overBudget(region), Captions[region]);
    }
    bool warns(int region) const {
        const QLabel* l = label(region);
        return l->font().bold() && l->palette().color(QPalette::WindowText) !=
                                       window->statusBar()->palette().color(QPalette::WindowText);
    }
    bool looksNormal(int region) const {
        const QLabel* l = label(region);
        return !l->font().bold() && l->palette().color(QPalette::WindowText) ==
                                        window->statusBar()->palette().color(QPalette::WindowText);
    }
    void click(Qt::MouseButton button, int x, int y) {
        editor().picEditor_MouseUp(button, Qt::NoModifier, QPointF(x * 16 + 8, y * 16 + 8));
    }
    void selectScreen(int index) {
        auto* cmbScreen = editor().findChild<QComboBox*>(QStringLiteral("cmbScreen"));
        QVERIFY(cmbScreen);
        cmbScreen->setCurrentIndex(index);
    }
    void writeRom(const QString& file, uint32_t seed) {
        const std::vector<uint8_t> image = rom::makeSampleRom(seed);
        QFile out(path(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(reinterpret_cast<const char*>(image.data()), qint64(image.size())),
                 qint64(image.size()));
    }

    // A checkerboard of object 19 and empty cells: single objects cost the most to encode.
    static bool filledCell(int x, int y) { return (x + y) % 2 == 0; }
    void fillScreen(const std::string& ref) {
        for (int x = 0; x < rom::ScreenColumns; ++x)
            for (int y = 0; y < rom::ScreenRows; ++y) {
                const std::string key = rom::cellKey("11", ref, x, y);
                if (filledCell(x, y))
                    ws().document().storeForKeyEdits().WriteValue(key, "19");
                else
                    ws().document().storeForKeyEdits().DelKey(key);
            }
    }
    std::map<std::string, std::string> cellsOf(const std::string& ref) const {
        std::map<std::string, std::string> cells;
        for (int x = 0; x < rom::ScreenColumns; ++x)
            for (int y = 0; y < rom::ScreenRows; ++y) {
                const std::string key = rom::cellKey("11", ref, x, y);
                cells[key] = ws().document().kivLevel().GetValue(key);
            }
        return cells;
    }
    void restoreCells(const std::string& ref, const std::map<std::string, std::string>& cells) {
        fillScreen(ref);
        for (const auto& [key, value] : cells)
            if (value == kiv::ConfigFile::NotFound)
                ws().document().storeForKeyEdits().DelKey(key);
            else
                ws().document().storeForKeyEdits().WriteValue(key, value);
    }
    // Fills level 1-1's screens in order, behind the meter's back, while world 1 stays within
    // its budget; returns the index of the screen that would take it over.
    int fillWorld1UpToBudget() {
        const int count = std::stoi(ws().document().kivLevel().GetValue(rom::screensKey("11")));
        for (int k = 1; k <= count; ++k) {
            const std::string ref = ws().document().kivLevel().GetValue(rom::screenKey("11", k));
            const std::map<std::string, std::string> before = cellsOf(ref);
            fillScreen(ref);
            if (measure().overBudget(World1)) {
                restoreCells(ref, before);
                return k - 1;
            }
        }
        return -1;
    }
    // Draws the checkerboard on the current screen through the editor, one click at a time,
    // until world 1 goes over its budget; returns false if it never does.
    bool drawUntilOverBudget() {
        for (int x = 0; x < rom::ScreenColumns; ++x)
            for (int y = 0; y < rom::ScreenRows; ++y) {
                click(filledCell(x, y) ? Qt::LeftButton : Qt::RightButton, x, y);
                if (measure().overBudget(World1))
                    return true;
            }
        return false;
    }
    void verifyWorld1Warns() {
        verifyMeterMatchesDocument();
        const rom::DataUsage usage = measure();
        QVERIFY(warns(World1));
        QCOMPARE(label(World1)->toolTip(),
                 QStringLiteral("Over budget by %1 bytes: Save As will refuse to write this world.")
                     .arg(figure(usage.used[World1] - usage.budget[World1])));
        QVERIFY(looksNormal(1) && looksNormal(2));
    }
    void verifyWithinBudget() {
        verifyMeterMatchesDocument();
        const rom::DataUsage usage = measure();
        for (int region = 0; region < Regions; ++region) {
            QVERIFY2(looksNormal(region), Captions[region]);
            QCOMPARE(label(region)->toolTip(),
                     QStringLiteral("%1 bytes to spare.")
                         .arg(figure(usage.budget[region] - usage.used[region])));
        }
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        dialogs = std::make_unique<ScriptedDialogs>();
        romPath = writeSampleRom(dir->path());
        QVERIFY(!romPath.isEmpty());
    }
    void cleanup() {
        window.reset();
        dialogs.reset();
        dir.reset();
    }

    void blankUntilRomIsRead() {
        window = std::make_unique<frmTW>(*dialogs);
        QVERIFY(window->Form_Load(QCoreApplication::applicationDirPath(), QString()));
        QCOMPARE(shown(), QStringList(Regions, QString()));

        dialogs->files = {romPath};
        window->mnuFileOpen_Click();
        verifyWithinBudget();
    }

    void opensAnotherRom() {
        writeRom(QStringLiteral("other.gb"), 2);
        startWithRom();
        const QStringList first = shown();
        dialogs->files = {path(QStringLiteral("other.gb"))};
        window->mnuFileOpen_Click();
        QCOMPARE(window->romFile(), path(QStringLiteral("other.gb")));
        verifyMeterMatchesDocument();
        QVERIFY(shown() != first);
    }

    // The sample's figures as the command line's usage report gives them. The first screen of
    // 1-1 holds only the ground in its first column, so a lone block on the top cell there costs
    // a group header and the object's byte: two bytes more.
    void showsTheSamplesFiguresAndFollowsAClickOnTheEditingArea() {
        startWithRom();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList opened = {QStringLiteral("World 1: 4,134 / 5,847"),
                                    QStringLiteral("Worlds 2 & 4: 7,154 / 10,544"),
                                    QStringLiteral("World 3: 3,439 / 4,426")};
        QCOMPARE(shown(), opened);
        QCOMPARE(label(World1)->toolTip(), QStringLiteral("1,713 bytes to spare."));
        QCOMPARE(editor().level().text(), "1-1");
        QCOMPARE(ws().document().kivLevel().GetValue(rom::cellKey("11", editor().screen(), 0, 0)),
                 kiv::ConfigFile::NotFound);

        auto* picEditor = editor().findChild<PictureBox*>(QStringLiteral("picEditor"));
        QTest::mouseClick(picEditor, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
        QCOMPARE(ws().document().kivLevel().GetValue(rom::cellKey("11", editor().screen(), 0, 0)),
                 "19");
        QCOMPARE(shown(),
                 (QStringList{QStringLiteral("World 1: 4,136 / 5,847"), opened[1], opened[2]}));
        QCOMPARE(label(World1)->toolTip(), QStringLiteral("1,711 bytes to spare."));

        editor().findChild<QPushButton*>(QStringLiteral("cmdUndo"))->click();
        QCOMPARE(shown(), opened);
    }

    void followsEditClickAndUndo() {
        startWithRom();
        const QStringList opened = shown();
        const std::string scratch = ws().kivSave().GetAll();
        click(Qt::LeftButton, 0, 0);
        verifyMeterMatchesDocument();
        QVERIFY(shown() != opened);
        QVERIFY(ws().kivSave().GetAll() == scratch); // measured in the meter's own store

        editor().cmdUndo_Click();
        verifyMeterMatchesDocument();
        QCOMPARE(shown(), opened);
    }

    void followsClear() {
        startWithRom();
        const QStringList opened = shown();
        dialogs->answers = {Answer::No};
        editor().cmdClear_Click();
        QCOMPARE(shown(), opened);

        dialogs->answers = {Answer::Yes};
        editor().cmdClear_Click();
        verifyMeterMatchesDocument();
        QVERIFY(shown() != opened);
    }

    void followsImport() {
        startWithRom();
        const QStringList opened = shown();
        dialogs->files = {path(QStringLiteral("levels.twd"))};
        window->mnuFileExport_Click();
        click(Qt::LeftButton, 0, 0);
        QVERIFY(shown() != opened);

        dialogs->answers = {Answer::No}; // drop the click when asked about unsaved changes
        dialogs->files = {path(QStringLiteral("levels.twd"))};
        window->mnuFileImport_Click();
        verifyMeterMatchesDocument();
        QCOMPARE(shown(), opened);
    }

    void followsScreenManagerClose() {
        startWithRom();
        const QStringList opened = shown();
        const std::string ref = ws().document().kivLevel().GetValue(rom::screenKey("11", 1));
        fillScreen(ref);
        QCOMPARE(shown(), opened); // nothing told the meter yet

        QVERIFY2(closeModalOpenedBy([this] { window->cmdManager_Click(); }),
                 "the Screen Manager was not shown as a modal window");
        verifyMeterMatchesDocument();
        QVERIFY(shown() != opened);
    }

    void overBudgetWarnsUntilUndoneOrCleared() {
        startWithRom();
        const int screen = fillWorld1UpToBudget();
        QVERIFY(screen >= 0);
        selectScreen(screen);
        verifyWithinBudget();
        QCOMPARE(editor().buttonObject(0), 19);
        QCOMPARE(editor().buttonObject(1), 0); // the right button erases

        QVERIFY(drawUntilOverBudget());
        verifyWorld1Warns();
        editor().cmdUndo_Click();
        verifyWithinBudget();

        QVERIFY(drawUntilOverBudget());
        verifyWorld1Warns();
        dialogs->answers = {Answer::Yes};
        editor().cmdClear_Click();
        verifyWithinBudget();
    }

    void unreadableCellIsReported() {
        startWithRom();
        const std::string ref = ws().document().kivLevel().GetValue(rom::screenKey("11", 1));
        const std::string badKey = rom::cellKey("11", ref, 19, 0);
        ws().document().storeForKeyEdits().WriteValue(badKey, "brick");
        click(Qt::LeftButton, 0, 0);
        for (int region = 0; region < Regions; ++region) {
            QVERIFY2(label(region)->text().startsWith(QLatin1String(Captions[region]) +
                                                      QStringLiteral(": ? / ")),
                     qPrintable(label(region)->text()));
            QVERIFY(warns(region));
            QVERIFY2(label(region)->toolTip().startsWith(
                         QStringLiteral("Unable to measure the world data usage - ")),
                     qPrintable(label(region)->toolTip()));
        }

        ws().document().storeForKeyEdits().WriteValue(badKey, "19");
        click(Qt::LeftButton, 1, 0);
        verifyWithinBudget();
    }

    void statusBarFitsInTheWindow() {
        startWithRom();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect bar = window->statusBar()->geometry();
        QVERIFY(window->rect().contains(bar));
        QVERIFY(bar.top() >= editor().geometry().bottom());
        for (int region = 0; region < Regions; ++region) {
            const QLabel* l = label(region);
            QVERIFY(l->isVisible());
            QVERIFY2(l->width() >= l->sizeHint().width(), Captions[region]);
            QVERIFY(bar.contains(l->mapTo(window.get(), l->rect().bottomRight())));
        }
    }
};

QTEST_MAIN(UsageMeterTest)
#include "UsageMeterTest.moc"
