// The Screen Manager driven the way the user drives it: the window is shown, tabs, rows and
// buttons are clicked with the mouse, drop-down boxes change their current item, and the window
// is closed with its Close button. Only then are the level document and the four flags that the
// main window reads checked.

#include "screen_manager/PowerUpsTab.h"
#include "tests/screen_manager/ManagerFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

namespace {

struct Flags {
    bool order, enemy, powerUp, pipe;
};

} // namespace

class ManagerClicksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ManagerFixture> fx;
    std::unique_ptr<frmScreenManager> sm;
    int firstPowerUp = 0;

    // Level 1-1 with nothing standing on its first screens: enemies on the last screen,
    // power-ups on screen 16, pipes from 12 to 13 and from 14 to 15.
    void clearLevel11() {
        fx->parkEnemies("11");
        firstPowerUp = fx->parkPowerUps("11");
        fx->setPipe("11", 1, 12, 4, 1, 13, "4", 12);
        fx->setPipe("11", 2, 14, 0, 2, 15, "0", 5);
    }

    void showManager() {
        sm = fx->open("1-1");
        sm->show();
        QVERIFY(QTest::qWaitForWindowExposed(sm.get()));
    }

    void clickTab(int index) {
        auto* tab1 = sm->findChild<QTabBar*>("tab1");
        QTest::mouseClick(tab1, Qt::LeftButton, {}, tab1->tabRect(index).center());
        QVERIFY(sm->findChild<QFrame*>(QString("fraTab%1").arg(index))->isVisible());
    }

    void clickEntry(const char* list, int row) {
        auto* entries = sm->findChild<QListWidget*>(list);
        QListWidgetItem* entry = entries->item(row);
        entries->scrollToItem(entry);
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {},
                          entries->visualItemRect(entry).center());
        QVERIFY(entry->isSelected());
    }

    void clickRow(QTreeView* list, int row) {
        QVERIFY(row >= 0);
        const QModelIndex cell = list->model()->index(row, 0);
        list->scrollTo(cell);
        const QRect at = list->visualRect(cell);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(at.left() + 8, at.center().y()));
        QVERIFY(isSelected(list, row));
    }

    void clickButton(const char* name) {
        auto* button = sm->findChild<QAbstractButton*>(name);
        QVERIFY(button->isEnabled());
        // At the left edge, where a check box has its box.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    void closeManager() {
        clickButton("cmdClose");
        QVERIFY(sm->isHidden());
    }

    void checkFlags(Flags expected) {
        QCOMPARE(fx->changes.smChanged, expected.order);
        QCOMPARE(fx->changes.smEnemyChanged, expected.enemy);
        QCOMPARE(fx->changes.smPowerUpChanged, expected.powerUp);
        QCOMPARE(fx->changes.smPipeChanged, expected.pipe);
    }

private slots:
    void init() { fx = std::make_unique<ManagerFixture>(); }
    void cleanup() {
        sm.reset();
        fx.reset();
    }

    void movingAScreenDownMovesWhatStandsOnIt_data() {
        QTest::addColumn<bool>("occupied");
        QTest::newRow("enemy, power-up and pipe exit on the pair") << true;
        QTest::newRow("nothing on the pair") << false;
    }
    void movingAScreenDownMovesWhatStandsOnIt() {
        QFETCH(bool, occupied);
        clearLevel11();
        if (occupied) {
            fx->setEnemy("11", 1, 3, 3, "C5", "0"); // screen 5
            fx->setPowerUp(firstPowerUp, "11", 6, 1, "40");
            fx->setPipe("11", 1, 12, 4, 1, 5, "4", 12);
        }
        const std::string fifth = fx->get(rom::screenKey("11", 5));
        const std::string sixth = fx->get(rom::screenKey("11", 6));

        showManager();
        clickEntry("lstScreens", 4);
        clickButton("cmdScreensDown");
        closeManager();

        checkFlags({true, occupied, occupied, occupied});
        QCOMPARE(fx->get(rom::screenKey("11", 5)), sixth);
        QCOMPARE(fx->get(rom::screenKey("11", 6)), fifth);
        if (occupied) {
            QCOMPARE(fx->get(rom::enemyKey("11", "screen", 1)), "4");
            QCOMPARE(fx->get(rom::powerUpKey("screen", firstPowerUp)), "5");
            QCOMPARE(fx->get(rom::pipeKey("11", "exitscreen", 1)), "6");
            QCOMPARE(fx->get(rom::pipeKey("11", "entryscreen", 1)), "12");
        }
    }

    void replacingAScreenChangesOnlyTheScreenOrder() {
        clearLevel11();
        fx->setEnemy("11", 1, 4, 3, "C5", "0"); // screen 6 keeps its enemy
        const std::string fifth = fx->get(rom::screenKey("11", 5));
        const std::string third = fx->get(rom::screenKey("11", 3));
        QVERIFY(third != fifth);
        fx->set(rom::screenKey("11", 6), fifth);

        showManager();
        clickEntry("lstScreens", 5);
        const auto offered = sm->findChild<QListWidget*>("lstReplace")
                                 ->findItems(QString::fromStdString(third),
                                             Qt::MatchExactly | Qt::MatchCaseSensitive);
        QCOMPARE(offered.size(), 1);
        clickEntry("lstReplace", sm->findChild<QListWidget*>("lstReplace")->row(offered.first()));
        clickButton("cmdReplace");
        closeManager();

        checkFlags({true, false, false, false});
        QCOMPARE(fx->get(rom::screenKey("11", 6)), third);
        QCOMPARE(fx->get(rom::screenKey("11", 5)), fifth);
        QCOMPARE(fx->get(rom::enemyKey("11", "screen", 1)), "4");
    }

    void editingAnEnemyWritesItsRecord() {
        clearLevel11();
        fx->setEnemy("11", 1, 3, 3, "C5", "0");

        showManager();
        clickTab(1);
        auto* enemies = sm->findChild<QTreeView*>("lvEnemies");
        clickRow(enemies, 0);
        choose(sm.get(), "cmbType", "Leaping fish");
        clickButton("chkHard");
        choose(sm.get(), "cmbY", "47");
        closeManager();

        checkFlags({false, true, false, false});
        QCOMPARE(fx->get(rom::enemyKey("11", "type", 1)), "10");
        QCOMPARE(fx->get(rom::enemyKey("11", "hard", 1)), "Y");
        QCOMPARE(fx->get(rom::enemyKey("11", "y", 1)), "47");
        QCOMPARE(fx->get(rom::enemyKey("11", "screen", 1)), "3");
        QCOMPARE(fx->get(rom::enemyKey("11", "x", 1)), "3");
    }

    // Ctrl+click takes the selection away from the row; its boxes cannot be edited any more.
    void deselectedEnemyRowTakesNoEdits() {
        clearLevel11();
        fx->setEnemy("11", 1, 3, 3, "C5", "0");

        showManager();
        clickTab(1);
        auto* enemies = sm->findChild<QTreeView*>("lvEnemies");
        clickRow(enemies, 0);
        QVERIFY(sm->findChild<ChoiceBox*>("cmbY")->isEnabled());
        const QRect at = enemies->visualRect(enemies->model()->index(0, 0));
        QTest::mouseClick(enemies->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          QPoint(at.left() + 8, at.center().y()));
        QVERIFY(!isSelected(enemies, 0));
        for (const char* name : {"cmbType", "chkHard", "cmbScreen", "cmbX", "cmbY", "lblY"})
            QVERIFY2(!sm->findChild<QWidget*>(name)->isEnabled(), name);
        closeManager();

        checkFlags({false, false, false, false});
        QCOMPARE(fx->get(rom::enemyKey("11", "y", 1)), "C5");
    }

    void movingAPowerUpToAnotherLevelRegroupsTheRecords() {
        clearLevel11();
        fx->setPowerUp(firstPowerUp, "11", 2, 5, "192");
        auto countOf = [&](const std::string& level) {
            int n = 0;
            for (int k = 1; k <= rom::PowerUpCount; ++k)
                n += fx->get(rom::powerUpKey("level", k)) == level ? 1 : 0;
            return n;
        };
        const int in11 = countOf("11"), in12 = countOf("12");

        showManager();
        clickTab(2);
        auto* powerUps = sm->findChild<QTreeView*>("lvPowerups");
        clickRow(powerUps, rowWith(powerUps, PowerUpsTab::ColLSX, "110205"));
        choose(sm.get(), "cmbLevelP", "1-2");
        closeManager();

        checkFlags({false, false, true, false});
        QCOMPARE(countOf("11"), in11 - 1);
        QCOMPARE(countOf("12"), in12 + 1);
        int moved = 0;
        std::string previous;
        for (int k = 1; k <= rom::PowerUpCount; ++k) {
            const std::string level = fx->get(rom::powerUpKey("level", k));
            QVERIFY2(previous <= level, "records stay grouped by level");
            previous = level;
            if (fx->get(rom::powerUpKey("type", k)) == "192" &&
                fx->get(rom::powerUpKey("screen", k)) == "2" &&
                fx->get(rom::powerUpKey("x", k)) == "5")
                moved = moved ? -1 : k;
        }
        QVERIFY(moved > 0);
        QCOMPARE(fx->get(rom::powerUpKey("level", moved)), "12");
    }

    void editingAPipeWritesBothPipes() {
        clearLevel11();

        showManager();
        clickTab(3);
        auto* pipes = sm->findChild<QTreeView*>("lvPipes");
        clickRow(pipes, 1);
        choose(sm.get(), "cmbEntry", "9");
        choose(sm.get(), "cmbExitY", "3");
        closeManager();

        checkFlags({false, false, false, true});
        QStringList first, second;
        for (const char* field :
             {"entryscreen", "entryx", "bonusscreen", "exitscreen", "exitx", "exity"}) {
            first << QString::fromStdString(fx->get(rom::pipeKey("11", field, 1)));
            second << QString::fromStdString(fx->get(rom::pipeKey("11", field, 2)));
        }
        // The edited pipe now enters first, so it is written as pipe 1.
        QCOMPARE(first, QStringList({"9", "0", "2", "15", "0", "3"}));
        QCOMPARE(second, QStringList({"12", "4", "1", "13", "4", "12"}));
    }
};

QTEST_MAIN(ManagerClicksTest)
#include "ManagerClicksTest.moc"
