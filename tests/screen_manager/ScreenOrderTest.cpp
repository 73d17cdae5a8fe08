// The Screen Order tab: numbering of each kind of level, enabling rules, moves with the
// renumbering they cause, and replacing.

#include "screen_manager/EnemiesTab.h"
#include "screen_manager/PipesTab.h"
#include "screen_manager/PowerUpsTab.h"
#include "screen_manager/ScreenOrderTab.h"
#include "tests/screen_manager/ManagerFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QString entry(int number, const std::string& reference) {
    return QString::number(number) + ": " + QString::fromStdString(reference);
}

} // namespace

class ScreenOrderTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ManagerFixture> fx;

    static QPushButton* button(const frmScreenManager& sm, const char* name) {
        return sm.findChild<QPushButton*>(name);
    }

private slots:
    void init() { fx = std::make_unique<ManagerFixture>(); }
    void cleanup() { fx.reset(); }

    void listsNumberTheLevelsScreens_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("firstNumber");
        QTest::addColumn<QString>("firstEnemyScreen");
        QTest::newRow("1-1 numbers from 1") << "1-1" << 1 << "4";
        QTest::newRow("1-2 numbers from 3") << "1-2" << 3 << "4";
        QTest::newRow("2-2 borrows two screens of 2-1") << "2-2" << 1 << "4";
    }
    void listsNumberTheLevelsScreens() {
        QFETCH(QString, level);
        QFETCH(int, firstNumber);
        QFETCH(QString, firstEnemyScreen);
        const std::string nn = rom::levelFromText(level.toStdString());
        const bool borrows = nn == "22";
        QStringList expected;
        if (borrows)
            expected << entry(1, fx->get(rom::screenKey("21", 1)))
                     << entry(2, fx->get(rom::screenKey("21", 2)));
        const int count = std::stoi(fx->get(rom::screensKey(nn)));
        for (int k = 1; k <= count; ++k)
            expected << entry(firstNumber + (borrows ? 2 : 0) + k - 1,
                              fx->get(rom::screenKey(nn, k)));

        auto sm = fx->open(level);
        const QListWidget* screens = sm->screenOrderTab().screens();
        QCOMPARE(entries(screens), expected);

        QStringList distinct;
        for (const QString& text : expected)
            if (!distinct.contains(text.section(": ", 1)))
                distinct << text.section(": ", 1);
        QCOMPARE(entries(sm->screenOrderTab().replacements()), distinct);

        QCOMPARE(sm->findChild<QComboBox*>("cmbScreen")->itemText(0), firstEnemyScreen);
        QCOMPARE(sm->findChild<QLabel*>("lblRef0")->text(), expected.first());
        QVERIFY(!button(*sm, "cmdScrollUp")->isEnabled());
        QVERIFY(button(*sm, "cmdScrollDown")->isEnabled());
        for (const char* name : {"cmdScreensUp", "cmdScreensDown", "cmdReplace"})
            QVERIFY(!button(*sm, name)->isEnabled());
    }

    void moveButtonsFollowTheSelection_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("idx");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("down");
        QTest::newRow("1-1 first") << "1-1" << 0 << false << false;
        QTest::newRow("1-1 second") << "1-1" << 1 << false << false;
        QTest::newRow("1-1 third") << "1-1" << 2 << false << true;
        QTest::newRow("1-1 fourth") << "1-1" << 3 << true << true;
        QTest::newRow("1-1 last") << "1-1" << 16 << true << false;
        QTest::newRow("1-2 first") << "1-2" << 0 << false << true;
        QTest::newRow("1-2 second") << "1-2" << 1 << true << true;
        QTest::newRow("1-2 last") << "1-2" << 13 << true << false;
        QTest::newRow("2-2 borrowed") << "2-2" << 1 << false << false;
        QTest::newRow("2-2 own first") << "2-2" << 2 << false << true;
    }
    void moveButtonsFollowTheSelection() {
        QFETCH(QString, level);
        QFETCH(int, idx);
        QFETCH(bool, up);
        QFETCH(bool, down);
        auto sm = fx->open(level);
        sm->screenOrderTab().screens()->setCurrentRow(idx);
        QCOMPARE(button(*sm, "cmdScreensUp")->isEnabled(), up);
        QCOMPARE(button(*sm, "cmdScreensDown")->isEnabled(), down);
    }

    // Enemies follow a move only when the upper screen of the pair is 5 or more; power-ups and
    // pipes always follow. Bonus screens never change.
    void movesRenumberWhatStandsOnTheScreens_data() {
        QTest::addColumn<int>("idx");
        QTest::addColumn<bool>("downwards");
        QTest::addColumn<int>("s");
        QTest::addColumn<bool>("enemiesFollow");
        QTest::newRow("screen 5 down") << 4 << true << 5 << true;
        QTest::newRow("screen 4 down") << 3 << true << 4 << false;
        QTest::newRow("screen 6 up") << 5 << false << 5 << true;
        QTest::newRow("screen 5 up") << 4 << false << 4 << false;
    }
    void movesRenumberWhatStandsOnTheScreens() {
        QFETCH(int, idx);
        QFETCH(bool, downwards);
        QFETCH(int, s);
        QFETCH(bool, enemiesFollow);
        fx->parkEnemies("11");
        fx->setEnemy("11", 1, s - 2, 3, "C5", "0");
        fx->setEnemy("11", 2, s - 1, 4, "C5", "0");
        const int p = fx->parkPowerUps("11");
        QVERIFY(p > 0 && fx->get(rom::powerUpKey("level", p + 1)) == "11");
        fx->setPowerUp(p, "11", s, 1, "40");
        fx->setPowerUp(p + 1, "11", s + 1, 2, "40");
        fx->setPipe("11", 1, s, 5, 1, s + 1, "6", 7);
        fx->setPipe("11", 2, 12, 0, 2, 13, "0", 5);
        const std::string upper = fx->get(rom::screenKey("11", s));
        const std::string lower = fx->get(rom::screenKey("11", s + 1));

        auto sm = fx->open("1-1");
        ScreenOrderTab& tab = sm->screenOrderTab();
        tab.screens()->setCurrentRow(idx);
        if (downwards)
            tab.cmdScreensDown_Click();
        else
            tab.cmdScreensUp_Click();

        QCOMPARE(tab.screens()->currentRow(), downwards ? idx + 1 : idx - 1);
        QCOMPARE(fx->get(rom::screenKey("11", s)), lower);
        QCOMPARE(fx->get(rom::screenKey("11", s + 1)), upper);
        QVERIFY(fx->ws.smChanged);

        const QTreeWidget* enemies = sm->enemiesTab().list();
        const QString s0 = QString::number(s), s1 = QString::number(s + 1);
        QCOMPARE(rowWith(enemies, EnemiesTab::ColX, "3")->text(EnemiesTab::ColScreen),
                 enemiesFollow ? s1 : s0);
        QCOMPARE(rowWith(enemies, EnemiesTab::ColX, "4")->text(EnemiesTab::ColScreen),
                 enemiesFollow ? s0 : s1);
        QCOMPARE(fx->ws.smEnemyChanged, enemiesFollow);

        const QTreeWidget* powerUps = sm->powerUpsTab().list();
        QVERIFY(rowWith(powerUps, PowerUpsTab::ColLSX, "11" + s1.rightJustified(2, '0') + "01"));
        QVERIFY(rowWith(powerUps, PowerUpsTab::ColLSX, "11" + s0.rightJustified(2, '0') + "02"));
        QVERIFY(fx->ws.smPowerUpChanged);

        const QTreeWidget* pipes = sm->pipesTab().list();
        QCOMPARE(pipes->topLevelItem(0)->text(PipesTab::ColEntry), s1);
        QCOMPARE(pipes->topLevelItem(0)->text(PipesTab::ColBonus), "1");
        QCOMPARE(pipes->topLevelItem(0)->text(PipesTab::ColExit), s0);
        QCOMPARE(pipes->topLevelItem(1)->text(PipesTab::ColEntry), "12");
        QVERIFY(fx->ws.smPipeChanged);

        sm->close();
        QCOMPARE(fx->get(rom::pipeKey("11", "entryscreen", 1)), s1.toStdString());
        QCOMPARE(fx->get(rom::pipeKey("11", "exitscreen", 1)), s0.toStdString());
        QCOMPARE(fx->get(rom::powerUpKey("screen", p)), s0.toStdString());
        QCOMPARE(fx->get(rom::powerUpKey("x", p)), "2");
    }

    void secondLevelsWriteOnlyTheirOwnPositions() {
        const std::string borrowed1 = fx->get(rom::screenKey("21", 1));
        const std::string borrowed2 = fx->get(rom::screenKey("21", 2));
        const std::string own1 = fx->get(rom::screenKey("22", 1));
        const std::string own2 = fx->get(rom::screenKey("22", 2));
        auto sm = fx->open("2-2");
        ScreenOrderTab& tab = sm->screenOrderTab();

        tab.screens()->setCurrentRow(1);
        tab.cmdScreensDown_Click(); // refused: a borrowed screen never moves
        QCOMPARE(fx->get(rom::screenKey("22", 1)), own1);
        QVERIFY(!fx->ws.smChanged);

        tab.screens()->setCurrentRow(2);
        tab.cmdScreensDown_Click();
        QCOMPARE(fx->get(rom::screenKey("22", 1)), own2);
        QCOMPARE(fx->get(rom::screenKey("22", 2)), own1);
        QCOMPARE(fx->get(rom::screenKey("21", 1)), borrowed1);
        QCOMPARE(fx->get(rom::screenKey("21", 2)), borrowed2);
        QCOMPARE(fx->get(rom::screensKey("22")), "14");
        QCOMPARE(tab.screens()->item(2)->text(), entry(3, own2));
    }

    void replacingNeedsASecondUseAndAnotherDesign() {
        // Screen 6 shows the same design as screen 5.
        const std::string shared = fx->get(rom::screenKey("11", 5));
        fx->set(rom::screenKey("11", 6), shared);
        auto sm = fx->open("1-1");
        ScreenOrderTab& tab = sm->screenOrderTab();
        QListWidget* screens = tab.screens();
        QListWidget* with = tab.replacements();
        QPushButton* cmdReplace = button(*sm, "cmdReplace");
        const int sharedAt = entries(with).indexOf(QString::fromStdString(shared));
        const int otherAt = sharedAt == 2 ? 3 : 2;

        screens->setCurrentRow(4);
        QVERIFY2(!cmdReplace->isEnabled(), "nothing chosen to replace it with");
        with->setCurrentRow(otherAt);
        QVERIFY(cmdReplace->isEnabled());
        with->setCurrentRow(sharedAt);
        QVERIFY2(!cmdReplace->isEnabled(), "replacing a design by itself");
        with->setCurrentRow(1);
        QVERIFY2(!cmdReplace->isEnabled(), "the level's first two designs are not offered");
        with->setCurrentRow(otherAt);
        screens->setCurrentRow(1);
        QVERIFY2(!cmdReplace->isEnabled(), "the first two screens stay");

        // A design the level uses once is never replaced away.
        const QStringList references =
            entries(screens).replaceInStrings(QRegularExpression("^.*: "), "");
        int once = -1;
        for (int i = 2; i < references.size() && once < 0; ++i)
            if (references.count(references[i]) == 1)
                once = i;
        QVERIFY(once >= 0);
        screens->setCurrentRow(once);
        QVERIFY(!cmdReplace->isEnabled());

        screens->setCurrentRow(4);
        with->setCurrentRow(otherAt);
        const QString replacement = with->item(otherAt)->text();
        const int offered = with->count();
        tab.cmdReplace_Click();
        QCOMPARE(screens->item(4)->text(), "5: " + replacement);
        QCOMPARE(fx->get(rom::screenKey("11", 5)), replacement.toStdString());
        QCOMPARE(fx->get(rom::screenKey("11", 6)), shared);
        QCOMPARE(with->count(), offered);
        QVERIFY(fx->ws.smChanged);
        QVERIFY(!fx->ws.smEnemyChanged && !fx->ws.smPowerUpChanged && !fx->ws.smPipeChanged);
    }
};

QTEST_MAIN(ScreenOrderTest)
#include "ScreenOrderTest.moc"
