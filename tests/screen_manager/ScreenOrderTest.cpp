// The Screen Order tab: numbering of each kind of level, enabling rules, moves with the
// renumbering they cause, and replacing.

#include "screen_manager/EnemiesTab.h"
#include "screen_manager/PipesTab.h"
#include "screen_manager/PowerUpsTab.h"
#include "screen_manager/ScreenOrderTab.h"
#include "tests/screen_manager/ManagerFixture.h"

#include <QCheckBox>
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
        QVERIFY(fx->changes.smChanged);

        const QTreeView* enemies = sm->enemiesTab().list();
        const QString s0 = QString::number(s), s1 = QString::number(s + 1);
        QCOMPARE(cellText(enemies, rowWith(enemies, EnemiesTab::ColX, "3"), EnemiesTab::ColScreen),
                 enemiesFollow ? s1 : s0);
        QCOMPARE(cellText(enemies, rowWith(enemies, EnemiesTab::ColX, "4"), EnemiesTab::ColScreen),
                 enemiesFollow ? s0 : s1);
        QCOMPARE(fx->changes.smEnemyChanged, enemiesFollow);

        const QTreeView* powerUps = sm->powerUpsTab().list();
        QVERIFY(rowWith(powerUps, PowerUpsTab::ColLSX, "11" + s1.rightJustified(2, '0') + "01") >=
                0);
        QVERIFY(rowWith(powerUps, PowerUpsTab::ColLSX, "11" + s0.rightJustified(2, '0') + "02") >=
                0);
        QVERIFY(fx->changes.smPowerUpChanged);

        const QTreeView* pipes = sm->pipesTab().list();
        QCOMPARE(cellText(pipes, 0, PipesTab::ColEntry), s1);
        QCOMPARE(cellText(pipes, 0, PipesTab::ColBonus), "1");
        QCOMPARE(cellText(pipes, 0, PipesTab::ColExit), s0);
        QCOMPARE(cellText(pipes, 1, PipesTab::ColEntry), "12");
        QVERIFY(fx->changes.smPipeChanged);

        sm->close();
        QCOMPARE(fx->get(rom::pipeKey("11", "entryscreen", 1)), s1.toStdString());
        QCOMPARE(fx->get(rom::pipeKey("11", "exitscreen", 1)), s0.toStdString());
        QCOMPARE(fx->get(rom::powerUpKey("screen", p)), s0.toStdString());
        QCOMPARE(fx->get(rom::powerUpKey("x", p)), "2");
    }

    // An entry whose selection was removed (Ctrl+click keeps it current) is not moved or
    // replaced, and neither is a screen by a replacement whose selection was removed.
    void buttonsNeedSelectedEntries() {
        const std::string shared = fx->get(rom::screenKey("11", 5));
        fx->set(rom::screenKey("11", 6), shared);
        auto sm = fx->open("1-1");
        QListWidget* screens = sm->screenOrderTab().screens();
        QListWidget* with = sm->screenOrderTab().replacements();
        const int otherAt = entries(with).indexOf(QString::fromStdString(shared)) == 2 ? 3 : 2;
        auto enabled = [&] {
            QStringList on;
            for (const char* name : {"cmdScreensUp", "cmdScreensDown", "cmdReplace"})
                if (button(*sm, name)->isEnabled())
                    on << name;
            return on;
        };
        screens->setCurrentRow(5);
        with->setCurrentRow(otherAt);
        QCOMPARE(enabled(), QStringList({"cmdScreensUp", "cmdScreensDown", "cmdReplace"}));
        screens->currentItem()->setSelected(false);
        QCOMPARE(screens->currentRow(), 5);
        QCOMPARE(enabled(), QStringList());
        screens->currentItem()->setSelected(true);
        QCOMPARE(enabled(), QStringList({"cmdScreensUp", "cmdScreensDown", "cmdReplace"}));
        with->currentItem()->setSelected(false);
        QCOMPARE(enabled(), QStringList({"cmdScreensUp", "cmdScreensDown"}));
    }

    // A row shown in the boxes before a move shows its new screen afterwards, so the next edit
    // of the row keeps the renumbering instead of writing the old screen back.
    void boxesFollowTheRenumberingOfTheSelectedRow_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("screenBox");
        QTest::addColumn<QString>("editBox");
        QTest::addColumn<QString>("editValue");
        QTest::addColumn<QString>("key");
        QTest::newRow("enemy screen")
            << "lvEnemies"
            << "cmbScreen"
            << "chkHard"
            << "" << QString::fromStdString(rom::enemyKey("11", "screen", 1));
        QTest::newRow("power-up screen") << "lvPowerups"
                                         << "cmbScreenP"
                                         << "cmbXP"
                                         << "7"
                                         << "power-up";
        QTest::newRow("pipe entry")
            << "lvPipes"
            << "cmbEntry"
            << "cmbExitY"
            << "3" << QString::fromStdString(rom::pipeKey("11", "entryscreen", 1));
        QTest::newRow("pipe exit")
            << "lvPipes"
            << "cmbExit"
            << "cmbEntryX"
            << "7" << QString::fromStdString(rom::pipeKey("11", "exitscreen", 1));
    }
    void boxesFollowTheRenumberingOfTheSelectedRow() {
        QFETCH(QString, list);
        QFETCH(QString, screenBox);
        QFETCH(QString, editBox);
        QFETCH(QString, editValue);
        QFETCH(QString, key);
        // Everything of the level on screen 6 except the exit (on 6 only in its own row);
        // nothing on screen 5.
        fx->parkEnemies("11");
        fx->setEnemy("11", 1, 4, 3, "C5", "0");
        const int p = fx->parkPowerUps("11");
        fx->setPowerUp(p, "11", 6, 1, "40");
        if (screenBox == "cmbExit")
            fx->setPipe("11", 1, 9, 5, 1, 6, "6", 7);
        else
            fx->setPipe("11", 1, 6, 5, 1, 9, "6", 7);
        fx->setPipe("11", 2, 12, 0, 2, 13, "0", 5);

        auto sm = fx->open("1-1");
        auto* rows = sm->findChild<QTreeView*>(list);
        selectRow(rows, 0);
        QCOMPARE(sm->findChild<ChoiceBox*>(screenBox)->text(), "6");

        ScreenOrderTab& tab = sm->screenOrderTab();
        tab.screens()->setCurrentRow(4);
        tab.cmdScreensDown_Click();
        QCOMPARE(sm->findChild<ChoiceBox*>(screenBox)->text(), "5");
        QCOMPARE(isSelected(rows, 0), true);

        if (editBox == "chkHard")
            sm->findChild<QCheckBox*>(editBox)->click();
        else
            choose(sm.get(), editBox.toUtf8().constData(), editValue);
        int screenColumn = screenBox == "cmbExit" ? PipesTab::ColExit : PipesTab::ColEntry;
        if (list == "lvEnemies")
            screenColumn = EnemiesTab::ColScreen;
        else if (list == "lvPowerups")
            screenColumn = PowerUpsTab::ColScreen;
        QCOMPARE(cellText(rows, 0, screenColumn), "5");

        sm->close();
        if (key == "power-up")
            QCOMPARE(fx->get(rom::powerUpKey("screen", p)), "5");
        else if (list == "lvEnemies")
            QCOMPARE(fx->get(key.toStdString()), "3"); // stored two below the number shown
        else
            QCOMPARE(fx->get(key.toStdString()), "5");
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
        QVERIFY(!fx->changes.smChanged);

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
        QVERIFY(fx->changes.smChanged);
        QVERIFY(!fx->changes.smEnemyChanged && !fx->changes.smPowerUpChanged && !fx->changes.smPipeChanged);
    }

    // A screen key missing from the document shows as "[NOT FOUND]"; that answer is never
    // written back as a reference, so such an entry neither moves nor is replaced, nobody moves
    // into its place, and it is not offered as a replacement.
    void missingScreensAreNeverWrittenAsReferences() {
        const std::string sixth = fx->get(rom::screenKey("11", 6));
        fx->set(rom::screenKey("11", 7), sixth); // the design of screen 6 is used twice
        fx->kivLevel().DelKey(rom::screenKey("11", 5));
        fx->kivLevel().DelKey(rom::screenKey("11", 9));
        auto sm = fx->open("1-1");
        ScreenOrderTab& tab = sm->screenOrderTab();
        QListWidget* screens = tab.screens();
        QListWidget* with = tab.replacements();
        QCOMPARE(screens->item(4)->text(), "5: [NOT FOUND]");
        QVERIFY(with->findItems(QString::fromStdString(kiv::ConfigFile::NotFound), Qt::MatchExactly)
                    .isEmpty());

        struct Case {
            int idx;
            bool up, down;
        };
        for (const Case& c : {Case{3, true, false}, Case{4, false, false}, Case{5, false, true},
                              Case{8, false, false}}) {
            screens->setCurrentRow(c.idx);
            QCOMPARE(button(*sm, "cmdScreensUp")->isEnabled(), c.up);
            QCOMPARE(button(*sm, "cmdScreensDown")->isEnabled(), c.down);
        }
        for (int missing : {4, 8}) {
            screens->setCurrentRow(missing);
            with->setCurrentRow(3);
            QVERIFY(!button(*sm, "cmdReplace")->isEnabled());
        }
        // Moves elsewhere rewrite the level's screens and leave the missing ones missing.
        screens->setCurrentRow(10);
        tab.cmdScreensDown_Click();
        QVERIFY(fx->changes.smChanged);
        sm->close();
        QVERIFY(!QString::fromStdString(fx->kivLevel().GetAll())
                     .contains(QString::fromStdString(kiv::ConfigFile::NotFound)));
        QCOMPARE(fx->kivLevel().GetValue(rom::screenKey("11", 5), "absent"), "absent");
        QCOMPARE(fx->kivLevel().GetValue(rom::screenKey("11", 9), "absent"), "absent");
    }
};

QTEST_MAIN(ScreenOrderTest)
#include "ScreenOrderTest.moc"
