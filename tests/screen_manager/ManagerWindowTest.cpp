// The Screen Manager window: its controls, the previews and their marks, auto-refresh,
// scrolling, and what closing writes and reports.

#include "editor/PictureBox.h"
#include "screen_manager/EnemiesTab.h"
#include "screen_manager/PipesTab.h"
#include "screen_manager/PowerUpsTab.h"
#include "screen_manager/ScreenOrderTab.h"
#include "tests/screen_manager/ManagerFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

const QColor PowerUpBlue(0, 128, 255);
const QColor PipeGreen(132, 255, 0);

QColor pixel(const frmScreenManager& sm, int preview, int x, int y) {
    return sm.findChild<PictureBox*>(QString("picEditor%1").arg(preview))->image().pixelColor(x, y);
}

} // namespace

class ManagerWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ManagerFixture> fx;

    // Level 1-1 with a power-up on screen 2 at X 5, a pipe entering on screen 3 at X 4 and
    // leaving on screen 2 at X 10 above row 6, and an enemy on screen 4.
    void markLevel11() {
        fx->parkEnemies("11");
        fx->setEnemy("11", 1, 2, 3, "C5", "0");
        const int p = fx->parkPowerUps("11");
        fx->setPowerUp(p, "11", 2, 5, "40");
        fx->setPipe("11", 1, 3, 4, 1, 2, "10", 6);
        fx->setPipe("11", 2, 14, 0, 2, 15, "0", 5);
    }

private slots:
    void init() { fx = std::make_unique<ManagerFixture>(); }
    void cleanup() { fx.reset(); }

    void windowShowsItsTabsAndPreviews() {
        auto sm = fx->open("1-1");
        QCOMPARE(sm->windowTitle(), "Screen Manager");
        QVERIFY(sm->isModal());
        auto* tab1 = sm->findChild<QTabBar*>("tab1");
        QStringList captions;
        for (int i = 0; i < tab1->count(); ++i)
            captions << tab1->tabText(i);
        QCOMPARE(captions, QStringList({"Screen &Order", "&Enemies", "Power-&ups", "&Pipes"}));

        auto shownFrames = [&] {
            QList<int> shown;
            for (int i = 0; i < 4; ++i)
                if (!sm->findChild<QFrame*>(QString("fraTab%1").arg(i))->isHidden())
                    shown << i;
            return shown;
        };
        for (int i = 0; i < 4; ++i)
            QCOMPARE(sm->findChild<QFrame*>(QString("fraTab%1").arg(i))->size(), QSize(281, 489));
        QCOMPARE(shownFrames(), QList<int>({0}));
        tab1->setCurrentIndex(2);
        QCOMPARE(shownFrames(), QList<int>({2}));

        const std::pair<const char*, const char*> tips[] = {
            {"cmdScreensUp", "Move up"},      {"cmdScreensDown", "Move down"},
            {"cmdReplace", "Replace"},        {"cmdScrollUp", "Scroll up"},
            {"cmdScrollDown", "Scroll down"}, {"cmdRefresh", "Refresh"}};
        for (const auto& [name, tip] : tips)
            QCOMPARE(sm->findChild<QPushButton*>(name)->toolTip(), tip);
        QCOMPARE(sm->findChild<QPushButton*>("cmdClose")->text(), "&Close");
        QVERIFY(sm->findChild<QCheckBox*>("chkAutoRefresh")->isChecked());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(sm->findChild<PictureBox*>(QString("picEditor%1").arg(i))->image().size(),
                     QSize(320, 256));
    }

    void previewsMarkPowerUpsPipesAndEnemies() {
        markLevel11();
        auto sm = fx->open("1-1");
        QCOMPARE(sm->findChild<QLabel*>("lblRef1")->text(),
                 "2: " + QString::fromStdString(fx->get(rom::screenKey("11", 2))));
        QCOMPARE(pixel(*sm, 1, 5 * 16 + 8, 128), PowerUpBlue); // full-height bar
        QVERIFY(pixel(*sm, 1, 5 * 16 + 8, 0) != PowerUpBlue);
        QCOMPARE(pixel(*sm, 2, 4 * 16 + 20, 200), PipeGreen);         // entry: two cells wide
        QCOMPARE(pixel(*sm, 1, 10 * 16 + 20, 5 * 16 + 8), PipeGreen); // exit: above row 6
        QVERIFY(pixel(*sm, 1, 10 * 16 + 20, 6 * 16 + 8) != PipeGreen);

        const QImage enemy = sm->enemiesTab().Tab2GetEnemyPicture("Walking mushroom");
        QVERIFY(!enemy.isNull());
        const QPoint at = EnemiesTab::Tab2EnemyCoordinates(enemy, 3, 0xC5);
        QPoint probe(0, enemy.height() - 1);
        while (probe.x() < enemy.width() - 1 && enemy.pixelColor(probe).alpha() < 255)
            probe.rx()++;
        QCOMPARE(pixel(*sm, 3, at.x() + probe.x(), at.y() + probe.y()), enemy.pixelColor(probe));
    }

    // Counts far past the game's tables (a damaged document) open a window whose lists hold no
    // more than the tables do, instead of looping for billions of entries.
    void hugeCountsOpenWithBoundedLists() {
        fx->set(rom::screensKey("11"), "2000000000");
        fx->set(rom::enemiesKey("11"), "99999999999");
        auto sm = fx->open("1-1");
        QCOMPARE(sm->findChild<QListWidget*>("lstScreens")->count(), rom::LevelTables[0].screens);
        QCOMPARE(rowCount(sm->enemiesTab().list()), rom::EnemyTables[0].records);
    }

    void editsRedrawOnlyWithAutoRefresh() {
        markLevel11();
        auto sm = fx->open("1-1");
        sm->findChild<QCheckBox*>("chkAutoRefresh")->setChecked(false);
        QTreeView* powerUps = sm->powerUpsTab().list();
        selectRow(powerUps, rowWith(powerUps, PowerUpsTab::ColLSX, "110205"));
        choose(sm.get(), "cmbXP", "12");
        QCOMPARE(pixel(*sm, 1, 5 * 16 + 8, 128), PowerUpBlue);

        sm->findChild<QPushButton*>("cmdRefresh")->click();
        QVERIFY(pixel(*sm, 1, 5 * 16 + 8, 128) != PowerUpBlue);
        QCOMPARE(pixel(*sm, 1, 12 * 16 + 8, 128), PowerUpBlue);

        sm->findChild<QCheckBox*>("chkAutoRefresh")->setChecked(true);
        choose(sm.get(), "cmbXP", "1");
        QCOMPARE(pixel(*sm, 1, 1 * 16 + 8, 128), PowerUpBlue);
    }

    void scrollingMovesByRowsUpToTheLastScreen() {
        auto sm = fx->open("1-1"); // 17 screens
        auto* up = sm->findChild<QPushButton*>("cmdScrollUp");
        auto* down = sm->findChild<QPushButton*>("cmdScrollDown");
        for (int i = 0; i < 4; ++i)
            down->click();
        QVERIFY(!down->isEnabled());
        QVERIFY(up->isEnabled());
        QCOMPARE(sm->findChild<QLabel*>("lblRef0")->text(),
                 "13: " + QString::fromStdString(fx->get(rom::screenKey("11", 13))));
        QCOMPARE(sm->findChild<QLabel*>("lblRef4")->text().left(4), "17: ");
        QCOMPARE(sm->findChild<QLabel*>("lblRef5")->text(), "");
        QVERIFY(sm->findChild<PictureBox*>("picEditor5")->isHidden());
        for (int i = 0; i < 4; ++i)
            up->click();
        QVERIFY(!up->isEnabled());
        QCOMPARE(sm->findChild<QLabel*>("lblRef0")->text().left(3), "1: ");
    }

    void closingAfterAScreenMoveReportsItAndReloadsTheEditor() {
        const std::string second = fx->get(rom::screenKey("12", 2));
        fx->parkPowerUps("12"); // nothing stands on the moved screens
        auto sm = fx->open("1-2");
        sm->screenOrderTab().screens()->setCurrentRow(0);
        sm->screenOrderTab().cmdScreensDown_Click();
        sm->findChild<QPushButton*>("cmdClose")->click();

        QVERIFY(fx->changes.smChanged);
        QVERIFY(!fx->changes.smEnemyChanged && !fx->changes.smPowerUpChanged && !fx->changes.smPipeChanged);
        QCOMPARE(fx->editor->screen(), second); // the editor lists the new order
    }

    void escapeWritesTheEditedTabs() {
        fx->parkEnemies("11");
        fx->setPipe("11", 1, 8, 3, 1, 9, "4", 12);
        fx->setPipe("11", 2, 10, 3, 2, 11, "4", 12);
        auto sm = fx->open("1-1");
        sm->show();
        QTreeView* enemies = sm->enemiesTab().list();
        selectRow(enemies, 0);
        sm->findChild<QCheckBox*>("chkHard")->click();
        QTreeView* pipes = sm->pipesTab().list();
        selectRow(pipes, 0);
        choose(sm.get(), "cmbEntryX", "7");
        QTest::keyClick(sm.get(), Qt::Key_Escape);

        QVERIFY(sm->isHidden());
        QVERIFY(fx->changes.smEnemyChanged && fx->changes.smPipeChanged);
        QVERIFY(!fx->changes.smChanged && !fx->changes.smPowerUpChanged);
        QCOMPARE(fx->get(rom::enemyKey("11", "hard", 1)), "Y");
        QCOMPARE(fx->get(rom::pipeKey("11", "entryx", 1)), "7");
    }

    void closingWithoutEditsChangesNothing() {
        const std::string before = fx->kivLevel().GetAll();
        auto sm = fx->open("2-2");
        sm->reject();
        QVERIFY(!fx->changes.smChanged && !fx->changes.smEnemyChanged && !fx->changes.smPowerUpChanged &&
                !fx->changes.smPipeChanged);
        QCOMPARE(fx->kivLevel().GetAll(), before);
    }
};

QTEST_MAIN(ManagerWindowTest)
#include "ManagerWindowTest.moc"
