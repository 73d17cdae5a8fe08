// Random edits of every kind a user makes, through the windows' own controls, then Save As and a
// fresh read of the saved ROM: the game must find exactly the level data the user made. Runs
// under a comma-decimal locale, as the program does for many of its users.

#include "app/frmTW.h"
#include "editor/PictureBox.h"
#include "editor/ScreenEditor.h"
#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"
#include "screen_manager/ChoiceBox.h"
#include "tests/support/CommaLocale.h"
#include "tests/support/DocumentEntries.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

namespace {

using Random = std::mt19937;

int below(Random& random, int n) {
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random);
}

// Pipe exits at pixel positions that are not whole cells, as an imported file may hold them.
void giveFractionalExits(kiv::ConfigFile& doc) {
    const char* exits[][2] = {{"0.375", "-2.875"}, {"-0.5", "13.125"}, {"29.875", "0.25"}};
    int i = 0;
    for (std::string_view level : rom::PipeLevels)
        for (int k = 1; k <= rom::PipesPerLevel; ++k, ++i) {
            doc.WriteValue(rom::pipeKey(level, "exitx", k), exits[i % 3][0]);
            doc.WriteValue(rom::pipeKey(level, "exity", k), exits[(i + 1) % 3][1]);
        }
}

// What a save promises to keep of a document: a world's first level plays the second level's
// design of the screens both list (the editor warns about this before such a screen is edited),
// and power-ups are stored grouped by level, in level order.
kiv::ConfigFile expectedAfterSave(const kiv::ConfigFile& edited) {
    kiv::ConfigFile expected;
    expected.WriteAll(edited.GetAll());
    for (std::string_view view : rom::Levels) {
        const std::string level(view);
        if (!rom::isFirstLevelOfWorld(level))
            continue;
        const std::string second(rom::secondLevelOfWorld(level));
        const int count = std::stoi(edited.GetValue(rom::screensKey(level)));
        for (int k = 1; k <= count; ++k) {
            const std::string ref = edited.GetValue(rom::screenKey(level, k));
            if (!rom::CheckDupScreen(edited, level, ref))
                continue;
            for (int x = 0; x < rom::ScreenColumns; ++x)
                for (int y = 0; y < rom::ScreenRows; ++y) {
                    const std::string cell = edited.GetValue(rom::cellKey(second, ref, x, y));
                    if (cell == kiv::ConfigFile::NotFound)
                        expected.DelKey(rom::cellKey(level, ref, x, y));
                    else
                        expected.WriteValue(rom::cellKey(level, ref, x, y), cell);
                }
        }
    }
    std::vector<int> order(rom::PowerUpCount);
    for (int k = 1; k <= rom::PowerUpCount; ++k)
        order[k - 1] = k;
    const auto levelIndex = [&](int k) {
        const std::string level = edited.GetValue(rom::powerUpKey("level", k));
        return std::find(rom::Levels.begin(), rom::Levels.end(), level) - rom::Levels.begin();
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return levelIndex(a) < levelIndex(b); });
    for (int k = 1; k <= rom::PowerUpCount; ++k)
        for (const char* field : {"level", "screen", "x", "type"})
            expected.WriteValue(rom::powerUpKey(field, k),
                                edited.GetValue(rom::powerUpKey(field, order[k - 1])));
    return expected;
}

// Chooses a random entry of a drop-down box of the Screen Manager, as the user would.
void chooseAny(QWidget* window, const char* box, Random& random) {
    auto* combo = window->findChild<ChoiceBox*>(box);
    if (combo && combo->isEnabled() && combo->count() > 0)
        combo->setCurrentIndex(below(random, combo->count()));
}

void clickIfEnabled(QWidget* window, const char* name) {
    auto* button = window->findChild<QAbstractButton*>(name);
    if (button && button->isEnabled())
        QTest::mouseClick(button, Qt::LeftButton);
}

// Selects a random row of a list view of the Screen Manager; false when it has none.
bool pickRow(QWidget* window, const char* list, Random& random) {
    auto* view = window->findChild<QTreeView*>(list);
    if (!view || view->model()->rowCount() == 0)
        return false;
    view->setCurrentIndex(view->model()->index(below(random, view->model()->rowCount()), 0));
    return true;
}

// A few changes of the kinds the Screen Manager offers, made through its own controls.
void editInScreenManager(QWidget* sm, Random& random) {
    auto* tabs = sm->findChild<QTabBar*>();
    auto* screens = sm->findChild<QListWidget*>("lstScreens");
    auto* replacements = sm->findChild<QListWidget*>("lstReplace");
    const int changes = 1 + below(random, 4);
    for (int i = 0; i < changes; ++i) {
        switch (below(random, 5)) {
        case 0:
            tabs->setCurrentIndex(0);
            screens->setCurrentRow(below(random, screens->count()));
            clickIfEnabled(sm, below(random, 2) ? "cmdScreensDown" : "cmdScreensUp");
            break;
        case 1:
            tabs->setCurrentIndex(0);
            screens->setCurrentRow(below(random, screens->count()));
            replacements->setCurrentRow(below(random, replacements->count()));
            clickIfEnabled(sm, "cmdReplace");
            break;
        case 2:
            tabs->setCurrentIndex(1);
            if (pickRow(sm, "lvEnemies", random)) {
                const char* boxes[] = {"cmbType", "cmbScreen", "cmbX", "cmbY"};
                chooseAny(sm, boxes[below(random, 4)], random);
                if (below(random, 2))
                    clickIfEnabled(sm, "chkHard");
            }
            break;
        case 3:
            tabs->setCurrentIndex(2);
            if (pickRow(sm, "lvPowerups", random)) {
                const char* boxes[] = {"cmbTypeP", "cmbLevelP", "cmbScreenP", "cmbXP"};
                chooseAny(sm, boxes[below(random, 4)], random);
            }
            break;
        default:
            tabs->setCurrentIndex(3);
            if (pickRow(sm, "lvPipes", random)) {
                const char* boxes[] = {"cmbEntry", "cmbEntryX", "cmbBonus",
                                       "cmbExit",  "cmbExitX",  "cmbExitY"};
                chooseAny(sm, boxes[below(random, 6)], random);
            }
            break;
        }
    }
    QTest::mouseClick(sm->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
}

} // namespace

class DocumentRoundTripTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<frmTW> window;

    QString path(const QString& name) const { return dir->filePath(name); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    Workspace& ws() const { return window->workspace(); }
    ScreenEditor& editor() const { return *window->editor(); }
    template <typename T> T* control(const char* name) const {
        return editor().findChild<T*>(QString::fromLatin1(name));
    }

    void chooseLevelAndScreen(Random& random) {
        auto* cmbLevel = control<QComboBox>("cmbLevel");
        cmbLevel->setCurrentIndex(below(random, cmbLevel->count()));
        auto* cmbScreen = control<QComboBox>("cmbScreen");
        cmbScreen->setCurrentIndex(below(random, cmbScreen->count()));
    }

    // Gives a mouse button an object from the list, places it with one of the placement
    // options, or erases with the right button.
    void editCells(Random& random) {
        chooseLevelAndScreen(random);
        const char* options[] = {"optSingle", "optHorizontal",  "optVertical", "opt4x4",
                                 "opt8x8",    "optHorizontal4", "optVertical4"};
        control<QRadioButton>(options[below(random, 7)])->setChecked(true);
        auto* objects = control<QListWidget>("lvObjects");
        QListWidgetItem* item = objects->item(below(random, objects->count()));
        objects->scrollToItem(item);
        const QPoint itemCentre = objects->visualItemRect(item).center();
        QTest::mouseClick(objects->viewport(), Qt::LeftButton, {}, itemCentre);
        const Qt::MouseButton button = below(random, 4) ? Qt::LeftButton : Qt::RightButton;
        const QPoint cell(16 * below(random, rom::ScreenColumns) + 8,
                          16 * below(random, rom::ScreenRows) + 8);
        QTest::mouseClick(control<PictureBox>("picEditor"), button, {}, cell);
    }

    void openScreenManager(Random& random) {
        chooseLevelAndScreen(random);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* sm = QApplication::activeModalWidget()) {
                shown = true;
                editInScreenManager(sm, random);
            }
        });
        QTest::mouseClick(editor().managerButton(), Qt::LeftButton);
        QVERIFY2(shown, "the Screen Manager was not shown");
    }

    void editAtRandom(Random& random) {
        switch (below(random, 10)) {
        case 0:
            chooseLevelAndScreen(random);
            QTest::mouseClick(control<QPushButton>("cmdClear"), Qt::LeftButton);
            break;
        case 1:
            if (control<QPushButton>("cmdUndo")->isEnabled())
                QTest::mouseClick(control<QPushButton>("cmdUndo"), Qt::LeftButton);
            break;
        case 2:
        case 3:
        case 4:
            openScreenManager(random);
            break;
        default:
            editCells(random);
            break;
        }
    }

private slots:
    void initTestCase() {
        QVERIFY2(whyNoCommaLocale().empty(), whyNoCommaLocale().c_str());
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        dialogs = std::make_unique<ScriptedDialogs>();
        window = std::make_unique<frmTW>(*dialogs);
        const QString romPath = writeSampleRom(dir->path());
        QVERIFY(window->Form_Load(QCoreApplication::applicationDirPath(), romPath));
        window->show();
    }
    void cleanup() {
        window.reset();
        dialogs.reset();
        dir.reset();
    }
    void cleanupTestCase() {
        std::error_code ignored;
        std::filesystem::remove_all(commaLocaleFolder(), ignored);
    }

    void randomEditsSurviveSaveAndReload_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void randomEditsSurviveSaveAndReload() {
        QFETCH(unsigned, seed);
        Random random(seed);

        // Start from level data with fractional pipe exits, brought in by Import.
        kiv::ConfigFile imported;
        imported.WriteAll(ws().document().kivLevel().GetAll());
        giveFractionalExits(imported);
        imported.ConfigSave(path("fractions.twd").toStdString());
        dialogs->files = {path("fractions.twd")};
        action("mnuFileImport")->trigger();
        QCOMPARE(ws().document().kivLevel().GetValue(rom::pipeKey("11", "exitx", 1)),
                 std::string("0.375"));

        for (int step = 0; step < 40; ++step)
            editAtRandom(random);
        QVERIFY(!QApplication::activeModalWidget());

        const kiv::ConfigFile expected = expectedAfterSave(ws().document().kivLevel());
        dialogs->files = {path("saved.gb")};
        action("mnuFileSave")->trigger();
        QCOMPARE(dialogs->lastMessage().title, QStringLiteral("ROM Saved"));
        QVERIFY(!ws().document().dataChanged());

        const QList<QByteArray> saved = documentOf(path("saved.gb"));
        const QList<QByteArray> made = entries(expected.GetAll());
        QVERIFY2(saved == made, firstDifference(saved, made).constData());
    }
};

int main(int argc, char** argv) {
    prepareCommaLocale();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    DocumentRoundTripTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DocumentRoundTripTest.moc"
