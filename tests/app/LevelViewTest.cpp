// The level view beside the main window: opening and following, edits through the editor's edit
// click at every zoom, the shared-screen warning, dragging enemies and power-ups, the Screen
// Manager on a double-click, and the history of Edit > Undo and Redo. Runs under a comma-decimal
// locale, as the program does for many of its users.

#include "editor/LevelView.h"
#include "editor/LevelCanvas.h"
#include "rom/ObjectPlacement.h"
#include "screen_manager/EnemiesTab.h"
#include "screen_manager/PipesTab.h"
#include "screen_manager/PowerUpsTab.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/CommaLocale.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include <functional>
#include <optional>

namespace {

// Dialogs that also run `onMessage` as each message is shown, to see the document at that time.
class WatchingDialogs : public ScriptedDialogs {
public:
    std::function<void()> onMessage;
    Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                   Buttons buttons) override {
        if (onMessage)
            onMessage();
        return ScriptedDialogs::message(parent, title, text, icon, buttons);
    }
};

} // namespace

class LevelViewTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    LevelView* view = nullptr;
    LevelCanvas* canvas = nullptr;

    rom::LevelDocument& doc() const { return ws().document(); }
    rom::LevelId level() const { return window->editor()->level(); }
    std::string refAt(int position) const {
        return *doc().screenOrder(level())[static_cast<size_t>(position - 1)];
    }
    std::optional<int> cellOf(int position, int x, int y) const {
        return doc().cell(level(), refAt(position), x, y);
    }
    QComboBox* cmbScreen() const { return window->editor()->findChild<QComboBox*>("cmbScreen"); }
    QPushButton* cmdUndo() const { return window->editor()->findChild<QPushButton*>("cmdUndo"); }

    // Every entry of the document by key.
    std::map<std::string, std::string> values() const {
        std::map<std::string, std::string> all;
        for (const QByteArray& line : QByteArray::fromStdString(document()).split('\n')) {
            const QByteArray entry = line.trimmed();
            const qsizetype eq = entry.indexOf('=');
            if (eq > 0)
                all[entry.left(eq).toStdString()] = entry.mid(eq + 1).toStdString();
        }
        return all;
    }
    void openView() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
        view = window->levelView();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        canvas = view->canvas();
    }
    // A click of the user on `pixel` of the screen at `position`, at the far corner of the
    // zoomed pixel.
    void clickView(int position, QPoint pixel, Qt::MouseButton button = Qt::LeftButton) const {
        const int z = canvas->zoom();
        QTest::mouseClick(canvas, button, {},
                          canvas->layout().pointOf(position, pixel) + QPoint(z - 1, z - 1));
    }
    // The first mark of `kind` on the level's own screens, and a point of the view on it.
    std::pair<LevelMark, QPoint> findMark(LevelMark::Kind kind, int skip = 0) const {
        const ScreenNumbering& numbering = canvas->marks().numbering();
        for (const LevelMark& mark : canvas->marks().all()) {
            const int position = numbering.ownPosition(mark.screen);
            if (mark.kind != kind || position < 1 || position > canvas->layout().screens())
                continue;
            for (int y = mark.area.top(); y <= mark.area.bottom(); ++y)
                for (int x = mark.area.left(); x <= mark.area.right(); ++x) {
                    const LevelMark* found = canvas->marks().markAt(position, QPoint(x, y));
                    if (found && found->kind == kind && found->record == mark.record &&
                        QRect(0, 0, 320, 256).contains(x, y) && skip-- == 0)
                        return {mark, canvas->layout().pointOf(position, QPoint(x, y))};
                }
        }
        return {};
    }
    // Drags the mark pressed at `from` so its anchor (an enemy picture's bottom-left corner, a
    // bar's left edge) lands on `anchor` of the screen at `position`.
    void drag(const LevelMark& mark, QPoint from, int position, QPoint anchor) const {
        const int source = canvas->marks().numbering().ownPosition(mark.screen);
        const QPoint markAnchor = mark.kind == LevelMark::Kind::Enemy
                                      ? QPoint(mark.area.left(), mark.area.bottom() + 1)
                                      : QPoint(mark.area.left(), 0);
        const QPoint offset = canvas->layout().pointOf(source, markAnchor) - from;
        const QPoint to = canvas->layout().pointOf(position, anchor) - offset;
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, from + QPoint(10, 0));
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    }
    // A double-click as the window system delivers it: the second press comes before the
    // double-click.
    void doubleClick(QPoint at) const {
        const auto send = [this, at](QEvent::Type type) {
            QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(canvas, &event);
        };
        for (QEvent::Type type :
             {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            send(type);
    }
    // The position of the level whose screen number is `s`.
    int positionOfNumber(int s) const { return canvas->marks().numbering().ownPosition(s); }

private slots:
    void initTestCase() {
        QVERIFY2(whyNoCommaLocale().empty(), whyNoCommaLocale().c_str());
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }
    void cleanupTestCase() {
        std::error_code ignored;
        std::filesystem::remove_all(commaLocaleFolder(), ignored);
    }
    void init() {
        setUp();
        startWithRom();
        openView();
    }
    void cleanup() {
        view = nullptr;
        canvas = nullptr;
        tearDown();
    }

    void opensOnTheCurrentLevelAndFollowsTheMainWindow() {
        QCOMPARE(view->windowTitle(), QStringLiteral("Level view - 1-1"));
        QCOMPARE(canvas->layout().screens(), cmbScreen()->count());
        QCOMPARE(canvas->selectedPosition(), 1);

        selectLevel(5);
        QCOMPARE(view->windowTitle(), QStringLiteral("Level view - 2-3"));
        QCOMPARE(canvas->layout().screens(), int(doc().screenOrder(level()).size()));
        // Choosing the last screen in the main window brings it into view.
        cmbScreen()->setCurrentIndex(cmbScreen()->count() - 1);
        QCOMPARE(canvas->selectedPosition(), cmbScreen()->count());
        QScrollArea* scroll = view->scrollArea();
        const QRect shown(
            QPoint(scroll->horizontalScrollBar()->value(), scroll->verticalScrollBar()->value()),
            scroll->viewport()->size());
        QVERIFY(shown.contains(canvas->layout().screenRect(cmbScreen()->count())));

        // A click on a caption chooses the screen in the main window, editing nothing.
        const std::string before = document();
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->layout().captionRect(2).center());
        QCOMPARE(cmbScreen()->currentIndex(), 1);
        QCOMPARE(document(), before);
    }

    void isOfferedOnlyWithARom() {
        tearDown();
        setUp();
        QVERIFY(start());
        QVERIFY(!action("mnuViewLevel")->isEnabled());
        QVERIFY(!action("mnuEditUndo")->isEnabled());
        QVERIFY(!action("mnuEditRedo")->isEnabled());
        QVERIFY(window->loadROM(romPath));
        QVERIFY(action("mnuViewLevel")->isEnabled());
        QCOMPARE(action("mnuViewLevel")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    }

    void hitTestingAtEachZoom_data() {
        QTest::addColumn<int>("zoom");
        for (int z = 1; z <= 4; ++z)
            QTest::addRow("zoom %d", z) << z;
    }
    // Each click is compared with the document: the one cell under the pointer, or nothing over
    // the line between two screens.
    void hitTestingAtEachZoom() {
        QFETCH(int, zoom);
        view->setZoom(zoom);
        QCOMPARE(canvas->zoom(), zoom);
        QCOMPARE(canvas->width(),
                 2 * LevelLayout::Margin + canvas->layout().screens() * (320 * zoom + 1) - 1);
        struct Case {
            int position;
            QPoint pixel;
            QPoint cell;
        };
        for (const Case c : {Case{1, {319, 255}, {19, 15}}, Case{2, {0, 0}, {0, 0}},
                             Case{3, {17, 33}, {1, 2}}, Case{2, {160, 128}, {10, 8}}}) {
            std::map<std::string, std::string> expected = values();
            expected[rom::cellKey("11", refAt(c.position), c.cell.x(), c.cell.y())] = "19";
            clickView(c.position, c.pixel);
            QCOMPARE(window->editor()->screenPosition(), c.position);
            QVERIFY(values() == expected);
        }
        // The line right of screen 1 belongs to no screen.
        const std::string unchanged = document();
        const QRect line = canvas->layout().lineRect(1);
        for (int x = line.left(); x <= line.right(); ++x)
            QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(x, line.center().y()));
        QCOMPARE(document(), unchanged);
    }

    // A footprint that runs over the screen's edge stops there, as in the editing area.
    void editsOnTheScreenBoundaryStayInTheirScreen() {
        window->editor()->findChild<QRadioButton*>("opt4x4")->click();
        const auto neighbour = [this] {
            QList<std::optional<int>> cells;
            for (int x = 0; x < 2; ++x)
                for (int y = 14; y < 16; ++y)
                    cells << cellOf(2, x, y);
            return cells;
        };
        const auto before = neighbour();
        clickView(1, {18 * 16 + 3, 14 * 16 + 3});
        for (int x = 18; x < 20; ++x)
            for (int y = 14; y < 16; ++y)
                QCOMPARE(cellOf(1, x, y), std::optional<int>(19));
        QCOMPARE(neighbour(), before);

        window->editor()->findChild<QRadioButton*>("optHorizontal")->click();
        clickView(2, {5, 3 * 16});
        for (int x = 0; x < 20; ++x)
            QCOMPARE(cellOf(2, x, 3), std::optional<int>(19));
        QVERIFY(cellOf(1, 19, 3) != std::optional<int>(19));
    }

    // The view's click is the editing area's click: flags, title, Undo button, right button.
    void aClickInTheViewIsTheEditorsEditClick() {
        const std::optional<int> before = cellOf(2, 4, 4);
        clickView(2, {4 * 16, 4 * 16});
        QCOMPARE(cellOf(2, 4, 4), std::optional<int>(19));
        QVERIFY(doc().dataChanged());
        QVERIFY(doc().sectionChanged()[rom::SectionWorld1]);
        QVERIFY(shownTitle().endsWith('*'));
        QVERIFY(cmdUndo()->isEnabled());
        QCOMPARE(picEditor()->image().pixel(4 * 16 + 8, 4 * 16 + 8),
                 window->editor()->buttonPicture(0).pixel(8, 8));

        QTest::mouseClick(cmdUndo(), Qt::LeftButton);
        QCOMPARE(cellOf(2, 4, 4), before);
        // The right button erases at first.
        clickView(2, {0, 15 * 16}, Qt::RightButton);
        QCOMPARE(cellOf(2, 0, 15), std::nullopt);
    }

    void aSharedScreenIsWarnedAboutBeforeItsFirstEdit() {
        selectLevel(6); // 3-1 shares screens with 3-2
        int shared = 0;
        for (int k = 2; k <= cmbScreen()->count() && !shared; ++k)
            if (rom::CheckDupScreen(doc().kivLevel(), "31", refAt(k)))
                shared = k;
        QVERIFY(shared > 0);
        window.reset();
        auto* watching = new WatchingDialogs;
        dialogs.reset(watching);
        QVERIFY(start(romPath));
        selectLevel(6);
        openView();
        dialogs->shown.clear();
        std::optional<int> cellWhenWarned = -1;
        watching->onMessage = [&] { cellWhenWarned = cellOf(shared, 7, 7); };
        const std::optional<int> before = cellOf(shared, 7, 7);

        clickView(shared, {7 * 16, 7 * 16});
        QCOMPARE(dialogs->messages().size(), 1);
        QCOMPARE(dialogs->lastMessage().title, QStringLiteral("Screen Editor"));
        QVERIFY(dialogs->lastMessage().text.contains(QString::fromStdString(refAt(shared))));
        QCOMPARE(cellWhenWarned, before);
        QCOMPARE(cellOf(shared, 7, 7), std::optional<int>(19));
        clickView(shared, {8 * 16, 7 * 16});
        QCOMPARE(dialogs->messages().size(), 1);
    }

    // A screen listed twice in the order is one screen: an edit shows in both places.
    void everyPlaceShowingTheEditedScreenIsRedrawn() {
        std::vector<rom::ScreenRef> order = doc().screenOrder(level());
        order[2] = order[0];
        doc().setScreenOrder(level(), order);
        window->editor()->cmbLevel_Click(); // as the Screen Manager does when it closes
        const auto screenShown = [this](int position) {
            const QImage all = canvas->grab().toImage();
            return all.copy(canvas->layout().screenRect(position));
        };
        view->findChild<QAction*>("mnuShowObjects")->setChecked(false);
        QCOMPARE(screenShown(1), screenShown(3));
        const QImage before = screenShown(3);
        clickView(1, {9 * 16, 2 * 16});
        QCOMPARE(screenShown(1), screenShown(3));
        QVERIFY(screenShown(3) != before);
    }

    void enemiesAreDraggedWithTheScreenManagersRules() {
        const auto [mark, from] = findMark(LevelMark::Kind::Enemy);
        QVERIFY(!from.isNull());
        const rom::EnemyRecord moved = doc().enemies(level())[size_t(mark.record)];
        const int target = positionOfNumber(5);
        // Pointed at, it says what it is, as the Screen Manager's list names it.
        QMouseEvent hover(QEvent::MouseMove, from, canvas->mapToGlobal(from), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &hover);
        const rom::CatalogueEntry* type =
            rom::Catalogue::withCode(ws().catalogue().enemies(), *moved.type);
        QVERIFY(type);
        QVERIFY2(
            view->statusBar()->currentMessage().contains(QString::fromStdString(type->description)),
            qPrintable(view->statusBar()->currentMessage()));

        drag(mark, from, target, {64 + 8, 48});
        std::vector<rom::EnemyRecord> enemies = doc().enemies(level());
        rom::EnemyRecord expected = moved;
        expected.screen = 3;
        expected.x = 2;
        expected.y = 0x44;
        QCOMPARE(std::count(enemies.begin(), enemies.end(), expected), 1);
        std::vector<rom::EnemyRecord> sorted = enemies;
        rom::sortAsEnemyList(sorted);
        QVERIFY(enemies == sorted);
        QVERIFY(shownTitle().endsWith('*'));

        // Screen 4 keeps X from 2; screen 3 and the view's margin have no place: it goes back.
        const auto [again, at] = findMark(LevelMark::Kind::Enemy);
        const rom::EnemyRecord record = doc().enemies(level())[size_t(again.record)];
        const uint64_t changes = doc().changeCount();
        drag(again, at, positionOfNumber(3), {64, 48});
        QCOMPARE(doc().changeCount(), changes);
        drag(again, at, positionOfNumber(4), {0, 128});
        QVERIFY(canvas->marks().all().size() > 0);
        expected = record;
        expected.screen = 2;
        expected.x = 2;
        expected.y = 0x09;
        enemies = doc().enemies(level());
        QCOMPARE(std::count(enemies.begin(), enemies.end(), expected), 1);
    }

    void aDropWithNoPlaceSnapsBack() {
        // An enemy past screen 4, where no rule moves it when it is let go where it was.
        int skip = 0;
        while (findMark(LevelMark::Kind::Enemy, skip).first.screen <= 4)
            ++skip;
        const auto [mark, from] = findMark(LevelMark::Kind::Enemy, skip);
        const std::string before = document();
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, from + QPoint(0, 20));
        QTest::mouseMove(canvas, QPoint(2, 2)); // the margin, left of every screen
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(document(), before);
        QVERIFY(view->statusBar()->currentMessage().contains(QStringLiteral("went back")));
        // Escape lets go of it, wherever it is, and the button's release then edits nothing.
        const QPoint valid = canvas->layout().pointOf(positionOfNumber(6), {100, 100});
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, from + QPoint(0, 20));
        QTest::mouseMove(canvas, valid);
        QTest::keyClick(canvas, Qt::Key_Escape);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, valid);
        QCOMPARE(document(), before);
        // Let go where it was picked up, an enemy changes nothing either.
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, from + QPoint(30, 0));
        QTest::mouseMove(canvas, from);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, from);
        QCOMPARE(document(), before);
        QVERIFY(!shownTitle().endsWith('*'));
    }

    void powerUpsAreDraggedToACell() {
        const auto [mark, from] = findMark(LevelMark::Kind::PowerUp);
        QVERIFY(!from.isNull());
        const rom::PowerUpRecord moved = doc().powerUps()[size_t(mark.record)];
        const int target = canvas->layout().screens();
        const int s = canvas->marks().numbering().screenNumberOf(target);
        drag(mark, from, target, {3 * 16 + 5, 0});
        rom::PowerUpRecord expected = moved;
        expected.screen = s;
        expected.x = 3;
        const std::vector<rom::PowerUpRecord> powerUps = doc().powerUps();
        QCOMPARE(std::count(powerUps.begin(), powerUps.end(), expected), 1);
        std::vector<rom::PowerUpRecord> sorted = powerUps;
        rom::sortAsPowerUpList(sorted);
        QVERIFY(powerUps == sorted);
        QCOMPARE(powerUps.size(), size_t(rom::PowerUpCount));
    }

    void doubleClickOpensTheScreenManagerOnTheRecord_data() {
        QTest::addColumn<LevelMark::Kind>("kind");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("list");
        QTest::newRow("enemy") << LevelMark::Kind::Enemy << 1 << "lvEnemies";
        QTest::newRow("power-up") << LevelMark::Kind::PowerUp << 2 << "lvPowerups";
        QTest::newRow("pipe") << LevelMark::Kind::PipeEntry << 3 << "lvPipes";
    }
    void doubleClickOpensTheScreenManagerOnTheRecord() {
        QFETCH(LevelMark::Kind, kind);
        QFETCH(int, tab);
        QFETCH(QString, list);
        const auto [mark, at] = findMark(kind);
        QVERIFY(!at.isNull());
        const std::string before = document();
        int shownTab = -1;
        bool rightRecord = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&, mark = mark] {
            auto* sm = qobject_cast<frmScreenManager*>(QApplication::activeModalWidget());
            if (!sm)
                return;
            poll.stop();
            shownTab = sm->findChild<QTabBar*>("tab1")->currentIndex();
            const int row = sm->findChild<QTreeView*>(list)->currentIndex().row();
            const auto k = size_t(mark.record);
            if (row >= 0 && kind == LevelMark::Kind::Enemy)
                rightRecord = sm->enemiesTab().records()[size_t(row)] == doc().enemies(level())[k];
            else if (row >= 0 && kind == LevelMark::Kind::PowerUp)
                rightRecord = sm->powerUpsTab().records()[size_t(row)] == doc().powerUps()[k];
            else if (row >= 0)
                rightRecord = sm->pipesTab().records()[size_t(row)] == doc().pipes(level())[k];
            sm->close();
        });
        poll.start(10);
        doubleClick(at);
        QTRY_VERIFY(!poll.isActive());
        QCOMPARE(shownTab, tab);
        QVERIFY(rightRecord);
        // The double-click edited no cell.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QCOMPARE(document(), before);
    }

    // A single click on a mark edits the cell under it, once it is clear no double-click follows.
    void aClickOnAMarkEditsTheCellUnderIt() {
        const auto [mark, at] = findMark(LevelMark::Kind::PowerUp);
        const auto place = canvas->layout().screenAt(at);
        QVERIFY(place);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, at);
        QTRY_COMPARE(cellOf(place->position, place->pixel.x() / 16, place->pixel.y() / 16),
                     std::optional<int>(19));
    }

    // Edit > Undo and Redo over clicks in both windows and a clear, compared step by step.
    void undoAndRedoWalkTheWholeHistory() {
        QList<QList<QByteArray>> states{entries(document())};
        const auto step = [&] { states << entries(document()); };
        for (int i = 0; i < 12; ++i) {
            if (i % 3 == 0)
                clickCell(i, 3);
            else
                clickView(1 + i % 4, {16 * i, 16 * (i % 16)},
                          i % 2 ? Qt::RightButton : Qt::LeftButton);
            if (entries(document()) != states.last())
                step();
        }
        cmbScreen()->setCurrentIndex(2);
        dialogs->answers = {Answer::Yes};
        QTest::mouseClick(window->editor()->findChild<QPushButton*>("cmdClear"), Qt::LeftButton);
        step();
        QVERIFY(states.size() > 8);

        QVERIFY(action("mnuEditUndo")->isEnabled());
        for (int k = states.size() - 2; k >= 0; --k) {
            // Ctrl+Z works in both windows.
            if (k % 2)
                action("mnuEditUndo")->trigger();
            else
                QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(entries(document()), states[k]);
        }
        QVERIFY(!action("mnuEditUndo")->isEnabled());
        for (int k = 1; k < states.size(); ++k) {
            switch (k % 3) {
            case 0:
                action("mnuEditRedo")->trigger();
                break;
            case 1:
                QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
                break;
            default:
                QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            }
            QCOMPARE(entries(document()), states[k]);
        }
        QVERIFY(!action("mnuEditRedo")->isEnabled());
    }

    // The Undo button still takes back the last click only; the history then offers it again.
    void theUndoButtonKeepsItsWayInTheHistory() {
        const std::string start = document();
        clickView(2, {16, 16});
        const std::string first = document();
        clickView(2, {32, 16});
        QTest::mouseClick(cmdUndo(), Qt::LeftButton);
        QCOMPARE(document(), first);
        QVERIFY(!cmdUndo()->isEnabled());
        action("mnuEditRedo")->trigger();
        QVERIFY(cellOf(2, 2, 1) == std::optional<int>(19));
        action("mnuEditUndo")->trigger();
        action("mnuEditUndo")->trigger();
        QCOMPARE(entries(document()), entries(start));
    }

    // An undo in another level goes straight to the screen it changed, in both windows, without
    // showing (and warning about) the level's first screen on the way.
    void anUndoShowsTheScreenItChanged() {
        selectLevel(6); // 3-1, whose first screen 3-2 also lists
        int own = 2;
        while (rom::CheckDupScreen(doc().kivLevel(), "31", refAt(own)))
            ++own;
        const std::optional<int> before = cellOf(own, 5, 5);
        QVERIFY(before != 19);
        clickView(own, {5 * 16 + 8, 5 * 16 + 8});
        QCOMPARE(cellOf(own, 5, 5), std::optional<int>(19));
        selectLevel(0);
        dialogs->shown.clear();
        action("mnuEditUndo")->trigger();
        QCOMPARE(window->editor()->levelText(), QStringLiteral("3-1"));
        QCOMPARE(window->editor()->screenPosition(), own);
        QCOMPARE(view->windowTitle(), QStringLiteral("Level view - 3-1"));
        QCOMPARE(canvas->selectedPosition(), own);
        QVERIFY(dialogs->messages().isEmpty());
        QCOMPARE(cellOf(own, 5, 5), before);
        action("mnuEditRedo")->trigger();
        QCOMPARE(cellOf(own, 5, 5), std::optional<int>(19));
    }

    void savingKeepsTheHistoryAndAnUndoAfterItIsAChange() {
        clickView(3, {48, 48});
        dialogs->files = {path("saved.gb")};
        window->saveROM();
        QVERIFY(QFileInfo::exists(path("saved.gb")));
        QVERIFY(!window->isWindowModified());
        QVERIFY(action("mnuEditUndo")->isEnabled());
        action("mnuEditUndo")->trigger();
        QVERIFY(window->isWindowModified());
        QVERIFY(doc().dataChanged());
        // Another ROM starts a new history.
        QVERIFY(window->loadROM(path("saved.gb")));
        QVERIFY(!action("mnuEditUndo")->isEnabled());
        QVERIFY(!action("mnuEditRedo")->isEnabled());
    }

    // Cells, an enemy and a power-up changed in the view, an undo and a redo: Save As writes the
    // document the user sees, and the saved ROM reads back as that document.
    void whatTheViewEditsIsWhatSaveAsWrites() {
        int own = 2;
        while (rom::CheckDupScreen(doc().kivLevel(), "11", refAt(own)))
            ++own;
        window->editor()->findChild<QRadioButton*>("optVertical4")->click();
        clickView(own, {3 * 16 + 8, 2 * 16 + 8});
        clickView(own, {7 * 16 + 8, 14 * 16 + 8}, Qt::RightButton);
        clickView(own, {9 * 16 + 8, 9 * 16 + 8});
        action("mnuEditUndo")->trigger();
        action("mnuEditUndo")->trigger();
        action("mnuEditRedo")->trigger();
        const auto enemies = doc().enemies(level());
        const auto powerUps = doc().powerUps();
        const auto [enemy, at] = findMark(LevelMark::Kind::Enemy);
        drag(enemy, at, positionOfNumber(6), {5 * 32 + 8, 7 * 16});
        const auto [powerUp, from] = findMark(LevelMark::Kind::PowerUp);
        drag(powerUp, from, own, {11 * 16, 0});
        QVERIFY(doc().enemies(level()) != enemies);
        QVERIFY(doc().powerUps() != powerUps);
        QVERIFY(shownTitle().endsWith('*'));
        const QList<QByteArray> edited = entries(document());

        dialogs->files = {path("saved.gb")};
        window->saveROM();
        const QList<QByteArray> saved = documentOf(path("saved.gb"));
        QVERIFY2(saved == edited, firstDifference(saved, edited).constData());
    }

    void zoomsWithCtrlAndTheWheelOrTheKeys() {
        QVERIFY(QTest::qWaitForWindowActive(view));
        QCOMPARE(view->zoom(), 1);
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(view->zoom(), 2);
        QTest::keyClick(view, Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(view->zoom(), 4);
        QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(view->zoom(), 3);

        // A wheel event the program sends itself goes to its receiver only; the mouse's own
        // reach the scroll area when the level does not take them.
        const auto wheel = [this](int delta, Qt::KeyboardModifiers modifiers, QWidget* on) {
            const QPointF at(200, 100);
            QWheelEvent event(at, on->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(on, &event);
        };
        wheel(-120, Qt::ControlModifier, canvas);
        QCOMPARE(view->zoom(), 2);
        wheel(-120, Qt::ControlModifier, canvas);
        wheel(-120, Qt::ControlModifier, canvas);
        QCOMPARE(view->zoom(), 1);
        // A plain wheel scrolls along the level.
        QScrollBar* across = view->scrollArea()->horizontalScrollBar();
        const int scrolled = across->value();
        wheel(-120, Qt::NoModifier, view->scrollArea()->viewport());
        QCOMPARE(view->zoom(), 1);
        QVERIFY(across->value() > scrolled);
    }
};

int main(int argc, char** argv) {
    prepareCommaLocale();
    QApplication app(argc, argv);
    LevelViewTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "LevelViewTest.moc"
