// The enemy, power-up and pipe tabs: rows built from the document, editing through the boxes,
// sorting, and writing back in list order when the window closes.

#include "screen_manager/EnemiesTab.h"
#include "screen_manager/PipesTab.h"
#include "screen_manager/PowerUpsTab.h"
#include "tests/screen_manager/ManagerFixture.h"

#include <QCheckBox>
#include <QTest>

#include <algorithm>

class ListTabsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ManagerFixture> fx;

private slots:
    void init() { fx = std::make_unique<ManagerFixture>(); }
    void cleanup() { fx.reset(); }

    void enemyEditSnapsXOnScreenFourAndWritesInListOrder() {
        fx->parkEnemies("11");
        fx->setEnemy("11", 5, 2, 1, "C5", "0");
        auto sm = fx->open("1-1");
        QTreeView* list = sm->enemiesTab().list();
        QCOMPARE(list->model()->columnCount(), 6);
        QStringList cells;
        for (int column = 0; column < 6; ++column)
            cells << cellText(list, 0, column);
        QCOMPARE(cells, QStringList({"Walking mushroom", "N", "4", "1", "C5", "041"}));

        // The row is followed wherever sorting moves it.
        const QPersistentModelIndex row = list->model()->index(0, 0);
        selectRow(list, row.row());
        QCOMPARE(cellText(list, row.row(), EnemiesTab::ColX), "1"); // showing a row changes nothing
        QVERIFY(!fx->changes.smEnemyChanged);
        choose(sm.get(), "cmbX", "0");
        QCOMPARE(cellText(list, row.row(), EnemiesTab::ColX), "2");
        QCOMPARE(cellText(list, row.row(), EnemiesTab::ColSX), "042");
        sm->findChild<QCheckBox*>("chkHard")->click();
        choose(sm.get(), "cmbType", "Leaping fish");
        QCOMPARE(cellText(list, row.row(), EnemiesTab::ColHard), "Y");
        QVERIFY(fx->changes.smEnemyChanged);

        sm->close();
        // The row sorted first, so it is written as record 1.
        QCOMPARE(fx->get(rom::enemyKey("11", "screen", 1)), "2");
        QCOMPARE(fx->get(rom::enemyKey("11", "x", 1)), "2");
        QCOMPARE(fx->get(rom::enemyKey("11", "y", 1)), "C5");
        QCOMPARE(fx->get(rom::enemyKey("11", "type", 1)), "10");
        QCOMPARE(fx->get(rom::enemyKey("11", "hard", 1)), "Y");
        QCOMPARE(fx->get(rom::enemyKey("11", "screen", 5)), "15");
        QCOMPARE(fx->get(rom::enemiesKey("11")), std::to_string(fx->enemyCount("11")));
    }

    // On screen 4 an enemy stands at X 2 or more, whichever of the two boxes is chosen last;
    // a stored X below 2 is shown as it is and kept by edits of the other boxes.
    void screenFourSnapsXWhicheverBoxChangesLast_data() {
        QTest::addColumn<int>("storedScreen");
        QTest::addColumn<int>("storedX");
        QTest::addColumn<QStringList>("steps"); // box, value, box, value ...
        QTest::addColumn<QString>("x");
        QTest::newRow("X 0, then screen 4")
            << 4 << 3 << QStringList{"cmbX", "0", "cmbScreen", "4"} << "2";
        QTest::newRow("screen 4, then X 1")
            << 4 << 3 << QStringList{"cmbScreen", "4", "cmbX", "1"} << "2";
        QTest::newRow("screen 6, X 0 stays") << 4 << 3 << QStringList{"cmbX", "0"} << "0";
        QTest::newRow("stored X 1 on 4 kept by Hard")
            << 2 << 1 << QStringList{"chkHard", ""} << "1";
        QTest::newRow("stored X 1 on 4 moves off") << 2 << 1 << QStringList{"cmbX", "0"} << "2";
    }
    void screenFourSnapsXWhicheverBoxChangesLast() {
        QFETCH(int, storedScreen);
        QFETCH(int, storedX);
        QFETCH(QStringList, steps);
        QFETCH(QString, x);
        fx->parkEnemies("11");
        fx->setEnemy("11", 1, storedScreen, storedX, "C5", "0");
        auto sm = fx->open("1-1");
        QTreeView* list = sm->enemiesTab().list();
        const QPersistentModelIndex row = list->model()->index(0, 0);
        selectRow(list, row.row());
        QCOMPARE(sm->findChild<ChoiceBox*>("cmbX")->text(), QString::number(storedX));
        for (int i = 0; i < steps.size(); i += 2) {
            if (steps[i] == "chkHard")
                sm->findChild<QCheckBox*>("chkHard")->click();
            else
                choose(sm.get(), steps[i].toUtf8().constData(), steps[i + 1]);
        }
        QCOMPARE(sm->findChild<ChoiceBox*>("cmbX")->text(), x);
        QCOMPARE(cellText(list, row.row(), EnemiesTab::ColX), x);
        sm->close();
        QCOMPARE(fx->get(rom::enemyKey("11", "x", 1)), x.toStdString());
    }

    // Removing the selection of a row leaves no box that looks editable but is not.
    void boxesAreDisabledWhileNoRowIsSelected_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("enemies") << "lvEnemies" << QStringList{"lblType",   "cmbType",   "chkHard",
                                                               "lblScreen", "cmbScreen", "lblX",
                                                               "cmbX",      "lblY",      "cmbY"};
        QTest::newRow("power-ups")
            << "lvPowerups" << QStringList{"lblTypeP",   "cmbTypeP",   "lblLevelP", "cmbLevelP",
                                           "lblScreenP", "cmbScreenP", "lblXP",     "cmbXP"};
        QTest::newRow("pipes") << "lvPipes"
                               << QStringList{"lblEntry", "cmbEntry", "lblEntryX", "cmbEntryX",
                                              "lblBonus", "cmbBonus", "lblExit",   "cmbExit",
                                              "lblExitX", "cmbExitX", "lblExitY",  "cmbExitY"};
    }
    void boxesAreDisabledWhileNoRowIsSelected() {
        QFETCH(QString, list);
        QFETCH(QStringList, controls);
        auto sm = fx->open("1-1");
        auto* rows = sm->findChild<QTreeView*>(list);
        auto enabled = [&] {
            QStringList on;
            for (const QString& name : controls)
                if (sm->findChild<QWidget*>(name)->isEnabled())
                    on << name;
            return on;
        };
        QCOMPARE(enabled(), QStringList());
        selectRow(rows, 1);
        QCOMPARE(enabled(), controls);
        rows->selectionModel()->select(rows->model()->index(1, 0),
                                       QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        QCOMPARE(enabled(), QStringList());
        selectRow(rows, 0);
        QCOMPARE(enabled(), controls);
        rows->clearSelection();
        QCOMPARE(enabled(), QStringList());
        QVERIFY(!fx->changes.smEnemyChanged && !fx->changes.smPowerUpChanged && !fx->changes.smPipeChanged);
    }

    // A key missing from the document is not written back as the store's "[NOT FOUND]"
    // answer: it stays missing under the record its row is written as.
    void missingKeysStayMissingWhenTheTabsWriteBack() {
        fx->parkEnemies("11");
        fx->setEnemy("11", 1, 3, 0, "5", "0");
        fx->kivLevel().DelKey(rom::enemyKey("11", "y", 1));
        const int p = fx->parkPowerUps("11");
        fx->setPowerUp(p, "11", 2, 5, "40");
        fx->kivLevel().DelKey(rom::powerUpKey("type", p));
        fx->setPipe("11", 1, 8, 3, 1, 9, "4", 12);
        fx->setPipe("11", 2, 10, 3, 2, 11, "4", 12);
        fx->kivLevel().DelKey(rom::pipeKey("11", "exity", 1));
        auto sm = fx->open("1-1");

        QTreeView* enemies = sm->enemiesTab().list();
        QCOMPARE(cellText(enemies, 0, EnemiesTab::ColY),
                 QString::fromStdString(kiv::ConfigFile::NotFound));
        selectRow(enemies, 0);
        sm->findChild<QCheckBox*>("chkHard")->click();
        QTreeView* powerUps = sm->powerUpsTab().list();
        selectRow(powerUps, rowWith(powerUps, PowerUpsTab::ColLSX, "110205"));
        choose(sm.get(), "cmbXP", "6");
        QTreeView* pipes = sm->pipesTab().list();
        selectRow(pipes, 0);
        choose(sm.get(), "cmbBonus", "2");
        sm->close();

        QVERIFY(fx->changes.smEnemyChanged && fx->changes.smPowerUpChanged && fx->changes.smPipeChanged);
        QVERIFY(!QString::fromStdString(fx->kivLevel().GetAll())
                     .contains(QString::fromStdString(kiv::ConfigFile::NotFound)));
        auto absent = [&](const std::string& key) {
            return fx->kivLevel().GetValue(key, "absent") == "absent";
        };
        QCOMPARE(fx->get(rom::enemyKey("11", "hard", 1)), "Y");
        QVERIFY(absent(rom::enemyKey("11", "y", 1)));
        QCOMPARE(fx->get(rom::powerUpKey("x", p)), "6");
        QVERIFY(absent(rom::powerUpKey("type", p)));
        QCOMPARE(fx->get(rom::pipeKey("11", "bonusscreen", 1)), "2");
        QVERIFY(absent(rom::pipeKey("11", "exity", 1)));
    }

    // A type the catalogue does not know shows no description, and is written back as stored.
    void unknownTypesSurviveAWriteBack() {
        fx->parkEnemies("11");
        fx->setEnemy("11", 1, 3, 0, "5", "7F");
        const int p = fx->parkPowerUps("11");
        fx->setPowerUp(p, "11", 3, 0, "99");
        auto sm = fx->open("1-1");

        QTreeView* enemies = sm->enemiesTab().list();
        QCOMPARE(cellText(enemies, 0, EnemiesTab::ColType), "");
        selectRow(enemies, 0);
        choose(sm.get(), "cmbY", "45");
        QTreeView* powerUps = sm->powerUpsTab().list();
        const int powerUp = rowWith(powerUps, PowerUpsTab::ColLSX, "110300");
        QVERIFY(powerUp >= 0);
        QCOMPARE(cellText(powerUps, powerUp, PowerUpsTab::ColType), "");
        selectRow(powerUps, powerUp);
        choose(sm.get(), "cmbXP", "7");

        sm->close();
        QCOMPARE(fx->get(rom::enemyKey("11", "type", 1)), "7F");
        QCOMPARE(fx->get(rom::enemyKey("11", "y", 1)), "45");
        QCOMPARE(fx->get(rom::powerUpKey("type", p)), "99");
        QCOMPARE(fx->get(rom::powerUpKey("x", p)), "7");
    }

    // The position byte: low nibble the row, bit 4 sixteen rows lower, bits 6 and 7 half cells
    // to the right; the picture's bottom edge stands on the top of the row.
    void enemyPicturesStandOnTheirRow_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("C5") << 3 << 0xC5 << QPoint(96 + 24, 64 - 32);
        QTest::newRow("13 below the screen") << 0 << 0x13 << QPoint(0, 288 - 32);
        QTest::newRow("one digit") << 2 << 0x5 << QPoint(64, 64 - 32);
        QTest::newRow("4F") << 1 << 0x4F << QPoint(32 + 8, 224 - 32);
        QTest::newRow("9A") << 0 << 0x9A << QPoint(16, 144 + 256 - 32);
    }
    void enemyPicturesStandOnTheirRow() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QPoint, topLeft);
        const QImage picture(32, 32, QImage::Format_RGB32);
        QCOMPARE(EnemiesTab::Tab2EnemyCoordinates(picture, x, y), topLeft);
    }

    void powerUpMovedToAnotherLevelChangesItsRecord() {
        const int p = fx->parkPowerUps("11");
        fx->setPowerUp(p, "11", 10, 1, "192");
        fx->setPowerUp(p + 1, "11", 9, 3, "40");
        auto sm = fx->open("1-1");
        QTreeView* list = sm->powerUpsTab().list();
        QCOMPARE(rowCount(list), 75);
        const QStringList levels = columnTexts(list, PowerUpsTab::ColLevel);
        QVERIFY(levels.contains("1-2") && levels.contains("4-3"));
        QStringList keys = columnTexts(list, PowerUpsTab::ColLSX);
        QVERIFY(std::is_sorted(keys.begin(), keys.end()));
        QCOMPARE(keys.mid(0, 2), QStringList({"110903", "111001"})); // screen 10 after 9

        selectRow(list, 0);
        choose(sm.get(), "cmbLevelP", "1-2");
        QCOMPARE(cellText(list, list->currentIndex().row(), PowerUpsTab::ColLSX), "120903");
        keys = columnTexts(list, PowerUpsTab::ColLSX);
        QVERIFY(std::is_sorted(keys.begin(), keys.end()));
        QVERIFY(fx->changes.smPowerUpChanged);

        sm->close();
        int moved = 0;
        std::string previous;
        for (int k = 1; k <= rom::PowerUpCount; ++k) {
            const std::string level = fx->get(rom::powerUpKey("level", k));
            QVERIFY2(previous <= level, "records stay grouped by level");
            previous = level;
            if (level == "12" && fx->get(rom::powerUpKey("screen", k)) == "9" &&
                fx->get(rom::powerUpKey("x", k)) == "3")
                moved = k;
        }
        QVERIFY(moved > 0);
        QCOMPARE(fx->get(rom::powerUpKey("type", moved)), "40");
        QCOMPARE(fx->get(rom::powerUpKey("screen", p)), "10");
    }

    void pipesSortOnEntryAndKeepUnofferedValues() {
        fx->setPipe("11", 1, 8, 3, 1, 9, "4", 12);
        fx->setPipe("11", 2, 6, 10, 2, 7, "5.5", 11);
        auto sm = fx->open("1-1");
        QTreeView* list = sm->pipesTab().list();
        QCOMPARE(columnTexts(list, PipesTab::ColSX), QStringList({"0610", "0803"}));

        selectRow(list, 1);
        choose(sm.get(), "cmbEntry", "5");
        QCOMPARE(columnTexts(list, PipesTab::ColSX), QStringList({"0503", "0610"}));
        selectRow(list, 1);
        choose(sm.get(), "cmbExitY", "3");
        QCOMPARE(cellText(list, 1, PipesTab::ColExitX), "5.5");
        QVERIFY(fx->changes.smPipeChanged);

        sm->close();
        const char* fields[] = {"entryscreen", "entryx", "bonusscreen",
                                "exitscreen",  "exitx",  "exity"};
        QStringList first, second;
        for (const char* field : fields) {
            first << QString::fromStdString(fx->get(rom::pipeKey("11", field, 1)));
            second << QString::fromStdString(fx->get(rom::pipeKey("11", field, 2)));
        }
        QCOMPARE(first, QStringList({"5", "3", "1", "9", "4", "12"}));
        QCOMPARE(second, QStringList({"6", "10", "2", "7", "5.5", "3"}));
    }

    void levelsWithoutPipesListNone() {
        auto sm = fx->open("4-3");
        QCOMPARE(rowCount(sm->pipesTab().list()), 0);
        QVERIFY(!sm->findChild<ChoiceBox*>("cmbEntry")->isEnabled());
        sm->close();
        QCOMPARE(fx->get(rom::pipeKey("43", "entryscreen", 1)), kiv::ConfigFile::NotFound);
    }
};

QTEST_MAIN(ListTabsTest)
#include "ListTabsTest.moc"
