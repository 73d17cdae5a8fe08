// The editor on the generated sample ROM and the shipped catalogue.

#include "editor/ObjectKindMark.h"
#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenEditor.h"
#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "tests/editor/EditorFixture.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

#include <QComboBox>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class SampleRomEditorTest : public QObject {
    Q_OBJECT

    PictureLibrary pictures;
    Workspace ws;
    kiv::ConfigFile kivObjects; // the catalogue's keys as the file holds them
    ScriptedDialogs dialogs;
    std::unique_ptr<ScreenEditor> editor;

    const kiv::ConfigFile& doc() const { return ws.document().kivLevel(); }

    QComboBox* cmbLevel() const { return editor->findChild<QComboBox*>("cmbLevel"); }
    QComboBox* cmbScreen() const { return editor->findChild<QComboBox*>("cmbScreen"); }

private slots:
    void initTestCase() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString rom = writeSampleRom(dir.path());
        QVERIFY(!rom.isEmpty());
        try {
            ws.openROM(rom.toStdString());
            loadCatalogue(ws);
            kivObjects.ConfigLoad(catalogueFile());
        } catch (const kiv::Error& error) {
            QFAIL(error.what());
        }
        editor = std::make_unique<ScreenEditor>(ws, pictures, dialogs);
        editor->enableEditing();
        editor->selectFirstLevel();
    }

    void everyLevelListsItsScreensAndItsWorldsObjects() {
        const int universal = std::stoi(kivObjects.GetValue("Universal"));
        // The game's level lengths, 1-1 to 4-3.
        const int screens[] = {17, 14, 17, 18, 14, 18, 25, 16, 15, 25, 20, 24};
        QCOMPARE(cmbLevel()->count(), 12);
        for (int index = 0; index < cmbLevel()->count(); ++index) {
            cmbLevel()->setCurrentIndex(index);
            const std::string level(editor->level().key());
            QCOMPARE(cmbScreen()->count(), screens[index]);
            QCOMPARE(std::to_string(cmbScreen()->count()), doc().GetValue(rom::screensKey(level)));
            QCOMPARE(cmbScreen()->itemText(cmbScreen()->count() - 1).toStdString(),
                     doc().GetValue(rom::screenKey(level, cmbScreen()->count())));
            const int own = std::stoi(kivObjects.GetValue("World" + level.substr(0, 1)));
            QCOMPARE(editor->findChild<QListWidget*>("lvObjects")->count(), universal + own);
        }
    }

    // Every object carries what Mario meets there, and the list draws it beside the description;
    // world 2's blank solid code shows in red as the invisible wall it is.
    void objectListMarksEachObjectsKind_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("kind");
        QTest::newRow("2-1 blank solid") << 3 << "98"
                                         << "Invisible wall";
        QTest::newRow("2-1 platform") << 3 << "96"
                                      << "Semi-solid";
        QTest::newRow("2-1 rock ground") << 3 << "110"
                                         << "Solid";
        QTest::newRow("2-1 seaweed") << 3 << "91"
                                     << "Scenery";
        QTest::newRow("1-1 canopy") << 0 << "105"
                                    << "Semi-solid";
        QTest::newRow("1-1 ground") << 0 << "101"
                                    << "Solid";
        QTest::newRow("1-1 hidden block") << 0 << "95"
                                          << "Hidden block";
        QTest::newRow("3-1 boss switch") << 6 << "225"
                                         << "Boss switch";
        QTest::newRow("4-1 coin") << 9 << "244"
                                  << "Coin";
        QTest::newRow("4-1 pipe top") << 9 << "112"
                                      << "Pipe entrance";
        QTest::newRow("4-1 breakable") << 9 << "130"
                                       << "Breakable";
    }
    void objectListMarksEachObjectsKind() {
        QFETCH(int, level);
        QFETCH(QString, code);
        QFETCH(QString, kind);
        cmbLevel()->setCurrentIndex(level);
        auto* list = editor->findChild<QListWidget*>("lvObjects");
        QListWidgetItem* item = nullptr;
        for (int row = 0; row < list->count() && !item; ++row)
            if (list->item(row)->data(Qt::UserRole).toString() == code)
                item = list->item(row);
        QVERIFY(item);
        QCOMPARE(item->data(objectkind::KindRole).toString(), kind);
        QVERIFY(item->toolTip().startsWith(kind));

        list->resize(385, 457);
        list->scrollToItem(item);
        const QRect rect = list->visualItemRect(item);
        const QImage shown = list->viewport()->grab(rect).toImage();
        const QRect kindArea(shown.width() * 2 / 3, 0, shown.width() / 3, shown.height());
        int inked = 0, red = 0;
        for (int y = kindArea.top(); y <= kindArea.bottom(); ++y)
            for (int x = kindArea.left(); x <= kindArea.right(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                inked += c.lightness() < 200;
                red += c.red() > 150 && c.green() < 100;
            }
        QVERIFY2(inked > 10, "the kind name is drawn at the right of the row");
        QCOMPARE(red > 10, kind == "Invisible wall");
    }

    // Walking every screen of every level warns exactly for the screens of a world's first
    // level that its second level lists too.
    void sharedScreensAreWarnedAbout() {
        int warnings = 0;
        for (int index = 0; index < cmbLevel()->count(); ++index) {
            cmbLevel()->setCurrentIndex(index);
            const std::string level(editor->level().key());
            const std::string second(rom::secondLevelOfWorld(level));
            QSet<QString> listedBySecond;
            for (int k = 1; k <= std::stoi(doc().GetValue(rom::screensKey(second))); ++k)
                listedBySecond << QString::fromStdString(doc().GetValue(rom::screenKey(second, k)));

            for (int position = 0; position < cmbScreen()->count(); ++position) {
                dialogs.shown.clear();
                if (position == cmbScreen()->currentIndex())
                    editor->cmbScreen_Click();
                else
                    cmbScreen()->setCurrentIndex(position);
                const QString ref = cmbScreen()->currentText();
                const bool shared = rom::isFirstLevelOfWorld(level) && listedBySecond.contains(ref);
                QCOMPARE(dialogs.messages().size(), shared ? 1 : 0);
                if (shared) {
                    const QString naming =
                        QString("reference '%1' in level %2-2.  ").arg(ref, QChar(level.front()));
                    QVERIFY(dialogs.lastMessage().text.contains(naming));
                    ++warnings;
                }
            }
        }
        QVERIFY(warnings > 0);
    }

    void decodedCellsAreDrawn() {
        cmbLevel()->setCurrentIndex(0);
        const auto* picEditor = editor->findChild<PictureBox*>("picEditor");
        int drawn = 0;
        for (int x = 0; x < 20; ++x) {
            for (int y = 0; y < 16; ++y) {
                const std::string value =
                    doc().GetValue(rom::cellKey("11", editor->screen(), x, y));
                if (value == kiv::ConfigFile::NotFound)
                    continue;
                QVERIFY(fixture::cellShows(picEditor->image(), x, y,
                                           pictures.LoadObjectPicture(std::stoi(value), "11"), 1));
                ++drawn;
            }
        }
        QVERIFY(drawn > 0);

        // Known cells of the sample's first screen: the ground's top left (object 101) on cell
        // (0, 14), whose picture is dark brown ink at its pixel (2, 5), and a coin (244) on cell
        // (12, 7), gold in its middle.
        QCOMPARE(editor->screen(), "41472");
        QCOMPARE(doc().GetValue(rom::cellKey("11", "41472", 0, 14)), "101");
        QCOMPARE(doc().GetValue(rom::cellKey("11", "41472", 12, 7)), "244");
        QCOMPARE(picEditor->image().pixel(2, 14 * 16 + 5), qRgb(60, 32, 12));
        QCOMPARE(picEditor->image().pixel(12 * 16 + 8, 7 * 16 + 8), qRgb(190, 130, 20));
    }
};

QTEST_MAIN(SampleRomEditorTest)
#include "SampleRomEditorTest.moc"
