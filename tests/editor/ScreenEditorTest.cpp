#include "editor/ScreenEditor.h"
#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenRenderer.h"
#include "tests/editor/EditorFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using fixture::cellIsWhite;
using fixture::cellShows;
using fixture::colorAt;

namespace {

using Cells = QList<QPoint>;

Cells block(int x0, int y0, int columns, int rows) {
    Cells cells;
    for (int x = x0; x < x0 + columns; ++x)
        for (int y = y0; y < y0 + rows; ++y)
            cells << QPoint(x, y);
    return cells;
}

QPointF inCell(int x, int y) {
    return QPointF(x * 16 + 8, y * 16 + 8);
}

const QString SharedWarning =
    "There is a screen with the reference '%1' in level %2-2.  Therefore this screen's design "
    "will be overwritten with the screen in that level when saved to the ROM and you will need "
    "to edit that one instead.";

} // namespace

class ScreenEditorTest : public QObject {
    Q_OBJECT

    PictureLibrary pictures;
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<ScreenEditor> editor;

    template <typename T> T* child(const char* name) const {
        T* found = editor->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QComboBox* cmbLevel() const { return child<QComboBox>("cmbLevel"); }
    QComboBox* cmbScreen() const { return child<QComboBox>("cmbScreen"); }
    PictureBox* picEditor() const { return child<PictureBox>("picEditor"); }
    QListWidget* lvObjects() const { return child<QListWidget>("lvObjects"); }
    QPushButton* cmdUndo() const { return child<QPushButton>("cmdUndo"); }

    void chooseLevel(const QString& text) {
        const int index = cmbLevel()->findText(text);
        if (index == cmbLevel()->currentIndex())
            editor->cmbLevel_Click();
        else
            cmbLevel()->setCurrentIndex(index);
    }
    void choosePlacement(const QString& option) {
        editor->findChild<QRadioButton*>(option)->setChecked(true);
    }
    std::string cell(int x, int y) const {
        return ws->document().kivLevel().GetValue(
            rom::cellKey(editor->level().key(), editor->screen(), x, y));
    }
    void setCell(int x, int y, const std::string& value) {
        ws->document().storeForKeyEdits().WriteValue(
            rom::cellKey(editor->level().key(), editor->screen(), x, y), value);
    }
    Cells filledCells() const {
        Cells cells;
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 16; ++y)
                if (cell(x, y) != kiv::ConfigFile::NotFound)
                    cells << QPoint(x, y);
        return cells;
    }
    QRect itemRect(int row) const { return lvObjects()->visualItemRect(lvObjects()->item(row)); }

private slots:
    void init() {
        ws = std::make_unique<Workspace>();
        fixture::fillWorkspace(*ws);
        dialogs = std::make_unique<ScriptedDialogs>();
        editor = std::make_unique<ScreenEditor>(*ws, pictures, *dialogs);
        editor->enableEditing();
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        editor->selectFirstLevel();
    }
    void cleanup() {
        editor.reset();
        dialogs.reset();
        ws.reset();
    }

    // A document whose count runs far past the level's table (edited by hand, or damaged) lists
    // no more screens than the table holds, and a count that is no number lists none.
    void aHugeScreenCountListsOnlyWhatTheTableHolds_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("listed");
        QTest::newRow("two billion") << "2000000000" << 17;
        QTest::newRow("beyond any integer") << "99999999999999999999" << 17;
        QTest::newRow("exponent") << "1e300" << 17;
        QTest::newRow("negative") << "-5" << 0;
        QTest::newRow("no number") << "nan" << 0;
    }
    void aHugeScreenCountListsOnlyWhatTheTableHolds() {
        QFETCH(QString, count);
        QFETCH(int, listed);
        ws->document().storeForKeyEdits().WriteValue(rom::screensKey("11"), count.toStdString());
        chooseLevel("1-2");
        chooseLevel("1-1");
        QCOMPARE(cmbScreen()->count(), listed);
        if (listed > 0) {
            QCOMPARE(cmbScreen()->itemText(0), QStringLiteral("40000"));
            QCOMPARE(cmbScreen()->itemText(3), QStringLiteral("[NOT FOUND]"));
        }
    }

    void startsLockedWithTheListedLayout() {
        Workspace fresh;
        ScreenEditor locked(fresh, pictures, *dialogs);
        for (const char* name : {"lblLevel", "cmbLevel", "lblScreen", "cmbScreen", "cmdManager",
                                 "picEditor", "lvObjects"})
            QVERIFY2(!locked.findChild<QWidget*>(name)->isEnabled(), name);
        QVERIFY(locked.findChild<QGroupBox*>("fraTools")->isHidden());
        QVERIFY(!locked.findChild<QPushButton*>("cmdUndo")->isEnabled());
        QVERIFY(locked.findChild<QRadioButton*>("optSingle")->isChecked());
        QCOMPARE(locked.buttonObject(0), 0);
        QCOMPARE(locked.buttonObject(1), 0);
        QCOMPARE(locked.size(), QSize(729, 474));

        const std::pair<const char*, QRect> places[] = {
            {"cmdManager", {184, 32, 105, 25}}, {"picEditor", {8, 64, 320, 256}},
            {"fraTools", {8, 328, 321, 137}},   {"lvObjects", {336, 8, 385, 457}},
            {"picObject0", {8, 16, 20, 20}},    {"picObject1", {40, 16, 20, 20}},
            {"cmdEraser", {8, 40, 73, 25}},     {"cmdClear", {8, 72, 73, 25}},
            {"cmdUndo", {8, 104, 73, 25}},
        };
        for (const auto& [name, rect] : places)
            QCOMPARE(locked.findChild<QWidget*>(name)->geometry(), rect);
        QCOMPARE(locked.findChild<QWidget*>("cmbLevel")->pos(), QPoint(48, 8));
        QCOMPARE(locked.findChild<QWidget*>("cmbScreen")->pos(), QPoint(48, 32));

        const char* options[] = {"optSingle", "optHorizontal",  "optVertical", "opt4x4",
                                 "opt8x8",    "optHorizontal4", "optVertical4"};
        for (int i = 0; i < 7; ++i) {
            const auto* option = locked.findChild<QRadioButton*>(options[i]);
            QCOMPARE(option->pos(), QPoint(104, 16 + 16 * i));
            QCOMPARE(option->toolTip().isEmpty(), i < 3);
        }
        QCOMPARE(locked.findChild<QRadioButton*>("opt8x8")->toolTip(),
                 "Top-left corner will be placed where mouse is clicked");
        QCOMPARE(locked.findChild<QLabel*>("lblLevel")->buddy(),
                 locked.findChild<QWidget*>("cmbLevel"));
        QCOMPARE(locked.findChild<QLabel*>("lblScreen")->buddy(),
                 locked.findChild<QWidget*>("cmbScreen"));
    }

    void choosingALevelListsItsScreensAndDrawsOnce() {
        QCOMPARE(cmbScreen()->count(), 3);
        QSignalSpy shown(editor.get(), &ScreenEditor::documentShown);

        chooseLevel("3-1");
        QCOMPARE(shown.count(), 1);
        QCOMPARE(editor->level().text(), "3-1");
        QCOMPARE(editor->screen(), "50000");
        QCOMPARE(cmbScreen()->count(), 2);

        cmbScreen()->setCurrentIndex(1);
        QCOMPARE(shown.count(), 2);
        QCOMPARE(editor->screen(), "50100");

        cmbScreen()->setCurrentIndex(0);
        editor->selectFirstLevel();
        QCOMPARE(editor->level().text(), "1-1");
        QCOMPARE(shown.count(), 4);
    }

    void objectListFollowsTheWorld_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("world 1") << "1-3"
                                 << QStringList{"Brick", "Coin block", "Red block", "Ground",
                                                "Pipe top"}
                                 << QStringList{"19", "120", "232", "49", "52"};
        QTest::newRow("world 2 has none of its own")
            << "2-2" << QStringList{"Brick", "Coin block", "Red block"}
            << QStringList{"19", "120", "232"};
        QTest::newRow("world 3") << "3-3"
                                 << QStringList{"Brick", "Coin block", "Red block", "Pipe top"}
                                 << QStringList{"19", "120", "232", "52"};
    }
    void objectListFollowsTheWorld() {
        QFETCH(QString, level);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, codes);
        chooseLevel(level);
        QStringList shownTexts, shownCodes;
        for (int row = 0; row < lvObjects()->count(); ++row) {
            shownTexts << lvObjects()->item(row)->text();
            shownCodes << lvObjects()->item(row)->data(Qt::UserRole).toString();
            QVERIFY(!lvObjects()->item(row)->icon().isNull());
        }
        QCOMPARE(shownTexts, texts);
        QCOMPARE(shownCodes, codes);
    }

    void mouseButtonsTakeTheSelectedObject() {
        QWidget* list = lvObjects()->viewport();
        QTest::mouseClick(list, Qt::LeftButton, {}, itemRect(1).center());
        QCOMPARE(editor->buttonObject(0), 120);
        QVERIFY(cellShows(editor->buttonPicture(0), 0, 0, pictures.picture(120), 0));

        QTest::mouseClick(list, Qt::RightButton, {}, itemRect(2).center());
        QCOMPARE(editor->buttonObject(1), 232);
        QVERIFY(cellShows(editor->buttonPicture(1), 0, 0, pictures.picture(1232), 0));
        QVERIFY(!child<QLabel>("picObject1")->pixmap().isNull());

        QTest::mouseClick(list, Qt::MiddleButton, {}, itemRect(3).center());
        QCOMPARE(editor->buttonObject(0), 120);
        QCOMPARE(editor->buttonObject(1), 232);

        lvObjects()->clearSelection();
        QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(5, list->height() - 5));
        QCOMPARE(editor->buttonObject(0), 120);
    }

    void eraserMenuEmptiesAButton() {
        QCOMPARE(editor->buttonObject(0), 19);
        child<QPushButton>("cmdEraser")->click();
        auto* menu = child<QMenu>("mnuPopup");
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->actions().at(0)->text(), "&Left button");
        QCOMPARE(menu->actions().at(1)->text(), "&Right button");
        menu->actions().at(0)->trigger();
        menu->hide();
        QCOMPARE(editor->buttonObject(0), 0);
        QVERIFY(child<QLabel>("picObject0")->pixmap().isNull());
        QVERIFY(editor->buttonPicture(0).isNull());
    }

    void choosingALevelGivesTheLeftButtonObject19() {
        QTest::mouseClick(lvObjects()->viewport(), Qt::LeftButton, {}, itemRect(1).center());
        QTest::mouseClick(lvObjects()->viewport(), Qt::RightButton, {}, itemRect(3).center());
        chooseLevel("4-2");
        QCOMPARE(editor->buttonObject(0), 19);
        QVERIFY(cellShows(editor->buttonPicture(0), 0, 0, pictures.picture(19), 0));
        QCOMPARE(editor->buttonObject(1), 49);
    }

    void clickCoversTheFootprint_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QPointF>("pos");
        QTest::addColumn<Cells>("cells");
        QTest::newRow("single") << "optSingle" << inCell(6, 9) << Cells{{6, 9}};
        QTest::newRow("single, last pixel") << "optSingle" << QPointF(319, 255) << Cells{{19, 15}};
        QTest::newRow("single, rounds up") << "optSingle" << QPointF(15.6, 0) << Cells{{1, 0}};
        QTest::newRow("single, rounds down") << "optSingle" << QPointF(15.4, 0) << Cells{{0, 0}};
        QTest::newRow("single, left of the area") << "optSingle" << QPointF(-5, 20) << Cells{};
        QTest::newRow("single, right of the area") << "optSingle" << QPointF(330, 20) << Cells{};
        QTest::newRow("single, below the area") << "optSingle" << QPointF(20, 256) << Cells{};
        QTest::newRow("full row 7") << "optHorizontal" << inCell(12, 7) << block(0, 7, 20, 1);
        QTest::newRow("full row, above") << "optHorizontal" << QPointF(40, -3) << Cells{};
        QTest::newRow("full column 3") << "optVertical" << inCell(3, 11) << block(3, 0, 1, 16);
        QTest::newRow("4x4 inside") << "opt4x4" << inCell(2, 5) << block(2, 5, 4, 4);
        QTest::newRow("4x4 at the corner") << "opt4x4" << inCell(18, 14) << block(18, 14, 2, 2);
        QTest::newRow("4x4 from above-left") << "opt4x4" << QPointF(-20, -20) << block(0, 0, 2, 2);
        QTest::newRow("8x8 inside") << "opt8x8" << inCell(0, 0) << block(0, 0, 8, 8);
        QTest::newRow("8x8 clipped") << "opt8x8" << inCell(15, 10) << block(15, 10, 5, 6);
        QTest::newRow("row of 4") << "optHorizontal4" << inCell(1, 2) << block(1, 2, 4, 1);
        QTest::newRow("row of 4 clipped")
            << "optHorizontal4" << inCell(17, 2) << block(17, 2, 3, 1);
        QTest::newRow("column of 4") << "optVertical4" << inCell(4, 1) << block(4, 1, 1, 4);
        QTest::newRow("column of 4 clipped")
            << "optVertical4" << inCell(4, 13) << block(4, 13, 1, 3);
    }
    void clickCoversTheFootprint() {
        QFETCH(QString, option);
        QFETCH(QPointF, pos);
        QFETCH(Cells, cells);
        chooseLevel("1-3");
        choosePlacement(option);
        QSignalSpy edited(editor.get(), &ScreenEditor::screenEdited);

        editor->picEditor_MouseUp(Qt::LeftButton, {}, pos);

        QCOMPARE(filledCells(), cells);
        for (QPoint c : cells) {
            QCOMPARE(cell(c.x(), c.y()), "19");
            QCOMPARE(
                editor->undoCells().GetValue(std::to_string(c.x()) + "_" + std::to_string(c.y())),
                "0");
            QVERIFY(cellShows(picEditor()->image(), c.x(), c.y(), pictures.picture(19)));
        }
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first().first().toInt(), 0);
        QVERIFY(cmdUndo()->isEnabled());
    }

    void realClickPlacesWithTheButtonObject() {
        QTest::mouseClick(picEditor(), Qt::LeftButton, {}, inCell(9, 4).toPoint());
        QCOMPARE(cell(9, 4), "19");
        // The middle button acts as the left one.
        QTest::mouseClick(picEditor(), Qt::MiddleButton, {}, inCell(9, 5).toPoint());
        QCOMPARE(cell(9, 5), "19");
        // The right button starts as an eraser.
        QTest::mouseClick(picEditor(), Qt::RightButton, {}, inCell(9, 4).toPoint());
        QCOMPARE(cell(9, 4), kiv::ConfigFile::NotFound);
    }

    void eraseAndUndoRestoreExactly() {
        chooseLevel("1-3");
        setCell(3, 3, "49");
        setCell(4, 3, "0");
        setCell(3, 4, "120");
        setCell(7, 3, "19");
        editor->cmbScreen_Click();
        choosePlacement("opt4x4");

        editor->picEditor_MouseUp(Qt::RightButton, {}, inCell(3, 3));

        QCOMPARE(filledCells(), Cells{QPoint(7, 3)});
        QCOMPARE(editor->undoCells().GetValue("3_3"), "49");
        QCOMPARE(editor->undoCells().GetValue("4_3"), "0");
        QCOMPARE(editor->undoCells().GetValue("3_4"), "120");
        QCOMPARE(editor->undoCells().GetValue("6_6"), "0");
        QCOMPARE(editor->undoCells().GetValue("7_3"), kiv::ConfigFile::NotFound);
        QVERIFY(cellIsWhite(picEditor()->image(), 3, 3));
        QCOMPARE(colorAt(picEditor()->image(), {64, 56}), render::GridColor); // redrawn on top

        editor->cmdUndo_Click();

        QCOMPARE(cell(3, 3), "49");
        QCOMPARE(cell(3, 4), "120");
        QCOMPARE(cell(7, 3), "19");
        // The undo copy writes "0" for an empty cell as well, yet a cell that held object 0
        // comes back as object 0 and an empty one stays empty.
        QCOMPARE(cell(4, 3), "0");
        QCOMPARE(cell(6, 6), kiv::ConfigFile::NotFound);
        QCOMPARE(filledCells().size(), 4);
        QVERIFY(cellShows(picEditor()->image(), 3, 3, pictures.picture(1049)));
        QVERIFY(!cmdUndo()->isEnabled());
    }

    void pictureOfAnotherWorldIsPaintedUntilTheNextDrawing() {
        QTest::mouseClick(lvObjects()->viewport(), Qt::RightButton, {}, itemRect(2).center());
        chooseLevel("2-1");
        editor->picEditor_MouseUp(Qt::RightButton, {}, inCell(5, 5));
        QVERIFY(cellShows(picEditor()->image(), 5, 5, pictures.picture(1232)));
        editor->redraw();
        QVERIFY(cellShows(picEditor()->image(), 5, 5, pictures.picture(500)));
    }

    void ctrlZAloneUndoes() {
        editor->picEditor_MouseUp(Qt::LeftButton, {}, inCell(1, 1));
        for (auto modifiers :
             {Qt::ControlModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::AltModifier,
              Qt::KeyboardModifiers(Qt::NoModifier)}) {
            QTest::keyClick(picEditor(), Qt::Key_Z, modifiers);
            QCOMPARE(cell(1, 1), "19");
        }
        QTest::keyClick(picEditor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(1, 1), kiv::ConfigFile::NotFound);
        QVERIFY(!cmdUndo()->isEnabled());
    }

    void ctrlZAfterAScreenChangeDoesNothing() {
        editor->picEditor_MouseUp(Qt::LeftButton, {}, inCell(1, 1));
        cmbScreen()->setCurrentIndex(2);
        cmbScreen()->setCurrentIndex(0);
        QTest::keyClick(picEditor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(1, 1), "19");
    }

    void clearAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void clearAsksFirst() {
        QFETCH(bool, yes);
        chooseLevel("3-3");
        editor->picEditor_MouseUp(Qt::LeftButton, {}, inCell(2, 2));
        setCell(10, 10, "0");
        QSignalSpy edited(editor.get(), &ScreenEditor::screenEdited);
        QSignalSpy shown(editor.get(), &ScreenEditor::documentShown);
        dialogs->answers << (yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);

        child<QPushButton>("cmdClear")->click();

        const auto asked = dialogs->lastMessage();
        QCOMPARE(asked.title, "Clear Screen");
        QCOMPARE(asked.text, "Are you sure you want to remove all objects from the screen?");
        QCOMPARE(asked.icon, Dialogs::Icon::Question);
        QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(filledCells().size(), yes ? 0 : 2);
        QCOMPARE(edited.count(), yes ? 1 : 0);
        if (yes)
            QCOMPARE(edited.first().first().toInt(), int(rom::SectionWorld3));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(cellIsWhite(picEditor()->image(), 2, 2), yes);
        QVERIFY(!cmdUndo()->isEnabled());
    }

    void editsReportTheirWorldsSection_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("section");
        QTest::newRow("1-2") << "1-2" << int(rom::SectionWorld1);
        QTest::newRow("2-3") << "2-3" << int(rom::SectionWorlds2And4);
        QTest::newRow("3-1") << "3-1" << int(rom::SectionWorld3);
        QTest::newRow("4-1") << "4-1" << int(rom::SectionWorlds2And4);
    }
    void editsReportTheirWorldsSection() {
        QFETCH(QString, level);
        QFETCH(int, section);
        chooseLevel(level);
        QSignalSpy edited(editor.get(), &ScreenEditor::screenEdited);
        QSignalSpy shown(editor.get(), &ScreenEditor::documentShown);
        editor->picEditor_MouseUp(Qt::LeftButton, {}, inCell(0, 0));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first().first().toInt(), section);
        QCOMPARE(shown.count(), 1);
    }

    // The clicks above call the handler; these go through the editing area itself, so the
    // release travels from the picture box to the editor and on to the spies. Rows whose button
    // erases start from a screen filled with object 120.
    void aMouseClickOnTheEditingAreaEditsAndReports_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("option");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<Cells>("cells");
        QTest::addColumn<int>("section");
        QTest::newRow("1-2, single") << "1-2"
                                     << "optSingle" << Qt::LeftButton << QPoint(104, 152)
                                     << Cells{{6, 9}} << int(rom::SectionWorld1);
        QTest::newRow("1-1, last pixel") << "1-1"
                                         << "optSingle" << Qt::LeftButton << QPoint(319, 255)
                                         << Cells{{19, 15}} << int(rom::SectionWorld1);
        QTest::newRow("2-3, 4x4 at the corner")
            << "2-3"
            << "opt4x4" << Qt::LeftButton << QPoint(291, 227) << block(18, 14, 2, 2)
            << int(rom::SectionWorlds2And4);
        QTest::newRow("3-1, full row with the middle button")
            << "3-1"
            << "optHorizontal" << Qt::MiddleButton << QPoint(100, 112) << block(0, 7, 20, 1)
            << int(rom::SectionWorld3);
        QTest::newRow("4-1, the right button erases a column of 4")
            << "4-1"
            << "optVertical4" << Qt::RightButton << QPoint(64, 16) << block(4, 1, 1, 4)
            << int(rom::SectionWorlds2And4);
    }
    void aMouseClickOnTheEditingAreaEditsAndReports() {
        QFETCH(QString, level);
        QFETCH(QString, option);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, pos);
        QFETCH(Cells, cells);
        QFETCH(int, section);
        chooseLevel(level);
        auto* placement = child<QRadioButton>(option.toLatin1().constData());
        QTest::mouseClick(placement, Qt::LeftButton, {}, QPoint(6, placement->height() / 2));
        QVERIFY(placement->isChecked());
        const bool erases = button == Qt::RightButton;
        QCOMPARE(editor->buttonObject(erases ? 1 : 0), erases ? 0 : 19);
        if (erases) {
            for (const QPoint& p : block(0, 0, 20, 16))
                setCell(p.x(), p.y(), "120");
            editor->redraw();
        }
        const Cells before = filledCells();
        QSignalSpy edited(editor.get(), &ScreenEditor::screenEdited);
        QSignalSpy shown(editor.get(), &ScreenEditor::documentShown);

        QTest::mouseClick(picEditor(), button, {}, pos);

        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first().first().toInt(), section);
        QCOMPARE(shown.count(), 1);
        QVERIFY(cmdUndo()->isEnabled());
        for (int x = 0; x < 20; ++x) {
            for (int y = 0; y < 16; ++y) {
                const bool hit = cells.contains(QPoint(x, y));
                const std::string expected = hit ? (erases ? kiv::ConfigFile::NotFound : "19")
                                                 : (erases ? "120" : kiv::ConfigFile::NotFound);
                QCOMPARE(cell(x, y), expected);
            }
        }
        for (const QPoint& p : cells)
            QVERIFY(erases ? cellIsWhite(picEditor()->image(), p.x(), p.y())
                           : cellShows(picEditor()->image(), p.x(), p.y(), pictures.picture(19)));

        QTest::mouseClick(cmdUndo(), Qt::LeftButton);
        QCOMPARE(filledCells(), before);
        QVERIFY(!cmdUndo()->isEnabled());
    }

    // Pressing and moving edit nothing; the release edits the cell it happens over.
    void onlyTheReleaseEdits() {
        QSignalSpy edited(editor.get(), &ScreenEditor::screenEdited);
        QTest::mousePress(picEditor(), Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseMove(picEditor(), QPoint(90, 100));
        QVERIFY(filledCells().isEmpty());
        QCOMPARE(edited.count(), 0);
        QTest::mouseRelease(picEditor(), Qt::LeftButton, {}, QPoint(90, 100));
        QCOMPARE(filledCells(), Cells{QPoint(5, 6)});
        QCOMPARE(edited.count(), 1);
    }

    void sharedScreenOfAFirstLevelIsWarnedAbout() {
        QVERIFY(dialogs->messages().isEmpty()); // 1-1's first screen is its own

        cmbScreen()->setCurrentIndex(1);
        QCOMPARE(dialogs->messages().size(), 1);
        const auto warning = dialogs->lastMessage();
        QCOMPARE(warning.title, "Screen Editor");
        QCOMPARE(warning.text, SharedWarning.arg("40100", "1"));
        QCOMPARE(warning.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(warning.buttons, Dialogs::Buttons::Ok);

        editor->picEditor_MouseUp(Qt::LeftButton, {}, inCell(0, 0));
        editor->cmdUndo_Click();
        QCOMPARE(dialogs->messages().size(), 2);

        chooseLevel("3-1"); // its first screen is listed by 3-2
        QCOMPARE(dialogs->messages().size(), 3);
        QCOMPARE(dialogs->lastMessage().text, SharedWarning.arg("50000", "3"));
    }

    void secondAndThirdLevelsNeverWarn() {
        for (const char* level : {"1-2", "1-3", "2-2", "2-3", "3-2", "3-3", "4-2", "4-3"}) {
            chooseLevel(level);
            for (int i = 0; i < cmbScreen()->count(); ++i)
                cmbScreen()->setCurrentIndex(i);
        }
        QVERIFY(dialogs->messages().isEmpty());
    }

    void editingAreaShowsGridMarkerAndCells() {
        setCell(0, 0, "120");
        editor->cmbScreen_Click();
        const QImage& image = picEditor()->image();
        QCOMPARE(colorAt(image, {16, 100}), render::GridColor);
        QCOMPARE(colorAt(image, {100, 16}), render::GridColor);
        QCOMPARE(colorAt(image, {32, 8}), render::MarkerColor); // 1-1, first screen: cell (2, 0)
        QVERIFY(cellShows(image, 0, 0, pictures.picture(120), 0));

        cmbScreen()->setCurrentIndex(2); // the third screen of 1-1 marks cell (5, 13)
        QCOMPARE(colorAt(picEditor()->image(), {80, 216}), render::MarkerColor);
        QCOMPARE(colorAt(picEditor()->image(), {40, 0}), render::Background);
    }
};

QTEST_MAIN(ScreenEditorTest)
#include "ScreenEditorTest.moc"
