#include "app/frmTW.h"
#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/RomPictures.h"
#include "editor/ScreenEditor.h"
#include "rom/LevelKeys.h"
#include "rom/RomImage.h"
#include "rom/TileGraphics.h"
#include "sample/SampleRom.h"
#include "tests/support/ImageChecks.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

#include <kiv/Error.h>

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString ImageFilter = QStringLiteral("PNG images (*.png)|*.png|All files (*.*)|*.*");

// Cell (0, 14) of the first screen of level 1-1 in the sample holds object 101, the ground.
constexpr int CellX = 0;
constexpr int CellY = 14;
constexpr int Code = 101;

// Colours established once from the sample ROM's tiles and the program's own pictures. The
// sample's world 1 tile 101 shows an oval in the palette's third shade on pixel (4, 4), where the
// program's picture 1101 is dark sand; tile 19 starts with the second shade in its top-left
// corner, picture 19 with a light grey; the plain block 127, first in the object list, is drawn
// darkest at its top-left corner by the tile, near black by the program's picture.
const QRgb RomSand = qRgb(76, 96, 72);
const QRgb RomBlockCorner = qRgb(152, 172, 128);
const QRgb OwnSand = qRgb(168, 104, 44);
const QRgb OwnBlockCorner = qRgb(200, 200, 210);
const QRgb RomBrickCorner = qRgb(28, 36, 32);
const QRgb OwnBrickCorner = qRgb(32, 32, 48);

const QRgb White = qRgb(255, 255, 255);

QImage romPicture(int world, int tile) {
    return rompictures::tilePicture(
        *rom::readTile(rom::RomImage(rom::makeSampleRom()), world, tile));
}

// A pixel of the cell, off the grid lines along its top and left, where the ROM's picture and
// the program's own differ.
QPoint differingPixel(const QImage& a, const QImage& b) {
    for (int y = 1; y < 16; ++y)
        for (int x = 1; x < 16; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return {x, y};
    return {-1, -1};
}

} // namespace

class GameGraphicsViewTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmTW> window;

    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    const QImage& editorImage() const {
        return window->editor()->findChild<PictureBox*>(QStringLiteral("picEditor"))->image();
    }
    QRgb cellPixel(QPoint inCell) const {
        return editorImage().pixel(CellX * 16 + inCell.x(), CellY * 16 + inCell.y());
    }
    QImage firstIcon() const {
        auto* list = window->editor()->findChild<QListWidget*>(QStringLiteral("lvObjects"));
        return list->item(0)->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The cell's pixel (4, 4), the left button picture's top-left pixel and the first icon's.
    QList<QRgb> knownPixels() const {
        return {cellPixel({4, 4}), window->editor()->buttonPicture(0).pixel(0, 0),
                firstIcon().pixel(0, 0)};
    }
    void start(bool withRom) {
        window = std::make_unique<frmTW>(dialogs);
        QVERIFY(window->Form_Load(QCoreApplication::applicationDirPath(),
                                  withRom ? writeSampleRom(dir.path()) : QString()));
        dialogs.shown.clear();
    }

private slots:
    void cleanup() { window.reset(); }

    void gameGraphicsAreOnAndSwitchWhatTheEditorShows() {
        start(true);
        QAction* gameGraphics = action("mnuViewGameGraphics");
        QVERIFY(gameGraphics && gameGraphics->isCheckable() && gameGraphics->isChecked());
        QCOMPARE(gameGraphics->text(), QStringLiteral("&Game graphics"));
        QCOMPARE(window->workspace().document().kivLevel().GetValue(
                     rom::cellKey("11", window->editor()->screen(), CellX, CellY)),
                 std::to_string(Code));

        const PictureLibrary own;
        const QImage ownCell = own.LoadObjectPicture(Code, "11");
        const QImage romCell = romPicture(1, Code);
        const QPoint at = differingPixel(ownCell, romCell);
        QVERIFY(at.x() >= 0);
        QCOMPARE(cellPixel(at), romCell.pixel(at));
        const QImage romIcon = firstIcon();
        QCOMPARE(knownPixels(), (QList<QRgb>{RomSand, RomBlockCorner, RomBrickCorner}));

        gameGraphics->trigger();
        QVERIFY(!gameGraphics->isChecked());
        QCOMPARE(cellPixel(at), ownCell.pixel(at));
        QVERIFY(firstIcon() != romIcon);
        QCOMPARE(window->editor()->buttonPicture(0), own.LoadObjectPicture(19, "11"));
        QCOMPARE(knownPixels(), (QList<QRgb>{OwnSand, OwnBlockCorner, OwnBrickCorner}));

        gameGraphics->trigger();
        QCOMPARE(cellPixel(at), romCell.pixel(at));
        QCOMPARE(firstIcon(), romIcon);
        QCOMPARE(window->editor()->buttonPicture(0), romPicture(1, 19));
        QCOMPARE(knownPixels(), (QList<QRgb>{RomSand, RomBlockCorner, RomBrickCorner}));
    }

    void beforeARomTheSwitchDrawsNothing() {
        start(false);
        action("mnuViewGameGraphics")->trigger();
        QVERIFY(isOnly(editorImage(), qRgb(255, 255, 255)));
    }

    void exportingALevelImageWritesTheCurrentLevelWithItsMarks() {
        start(false);
        QVERIFY(!action("mnuFileExportImage")->isEnabled());
        start(true);
        QAction* exportImage = action("mnuFileExportImage");
        QCOMPARE(exportImage->text(), QStringLiteral("Export level i&mage..."));
        QVERIFY(exportImage->isEnabled());
        auto* cmbLevel = window->editor()->findChild<QComboBox*>(QStringLiteral("cmbLevel"));
        cmbLevel->setCurrentIndex(3); // 2-1

        dialogs.files << dir.filePath(QStringLiteral("level21.png")); // the dialog adds ".png"
        exportImage->trigger();
        QCOMPARE(dialogs.shown.last().kind, QStringLiteral("save"));
        QCOMPARE(dialogs.shown.last().filter, ImageFilter);
        QCOMPARE(dialogs.shown.last().defaultSuffix, QStringLiteral("png"));
        QVERIFY(dialogs.messages().isEmpty());
        const QImage written(dir.filePath(QStringLiteral("level21.png")));
        const int screens =
            std::stoi(window->workspace().document().kivLevel().GetValue(rom::screensKey("21")));
        QCOMPARE(written.size(), QSize(320 * screens, 256));
        QCOMPARE(written.size(), QSize(320 * 18, 256));

        // What the sample's level 2-1 holds, written out. Its first screen is bare but for the
        // ground, whose top row (object 108, world 2's rocky ground) is light on its first pixel
        // row at x = 2, then darkest, then the palette's third shade. The picture has no grid
        // lines and no start marker.
        const auto pixel = [&](int x, int y) { return written.pixel(x, y); };
        QCOMPARE(pixel(2, 14 * 16), White);
        QCOMPARE(pixel(2, 14 * 16 + 2), qRgb(28, 36, 32));
        QCOMPARE(pixel(2, 14 * 16 + 4), qRgb(76, 96, 72));
        QCOMPARE(pixel(16, 100), White);
        QCOMPARE(pixel(100, 16), White);
        QCOMPARE(pixel(32, 8), White);
        // A power-up on screen 2 over column 16: a bar below the top row.
        QCOMPARE(pixel(320 + 16 * 16 + 8, 128), qRgb(0, 128, 255));
        QCOMPARE(pixel(320 + 16 * 16 + 8, 0), White);
        // The first pipe: its entry on screen 6 over columns 10 and 11, its exit on screen 11
        // over columns 6 and 7, one cell high with its bottom edge on the top of row 15.
        QCOMPARE(pixel(5 * 320 + 11 * 16, 128), qRgb(132, 255, 0));
        QCOMPARE(pixel(10 * 320 + 7 * 16, 14 * 16 + 8), qRgb(132, 255, 0));
        QCOMPARE(pixel(10 * 320 + 7 * 16, 13 * 16 + 8), White);
        // The first enemy, a Gunion (type 32) stored on screen 2 at x 0 on row 13, stands on
        // screen 4 with its bottom edge on row 12's top: purple in the middle of its picture.
        QCOMPARE(pixel(3 * 320 + 8, 12 * 16 - 8), qRgb(140, 70, 160));
    }

    void anExportThatCannotBeWrittenIsReported() {
        start(true);
        const QString file = dir.filePath(QStringLiteral("missing/level.png"));
        dialogs.files << file;
        action("mnuFileExportImage")->trigger();
        const ScriptedDialogs::Shown shown = dialogs.lastMessage();
        QCOMPARE(shown.title, QStringLiteral("Export Error"));
        QCOMPARE(shown.icon, Dialogs::Icon::Critical);
        const kiv::Error expected = kiv::Error::standard(kiv::errors::PathNotFound);
        QCOMPARE(shown.text, QStringLiteral("Unable to export file: '%1' - %2, %3")
                                 .arg(file, QString::fromStdString(expected.description()))
                                 .arg(expected.number()));
    }
};

QTEST_MAIN(GameGraphicsViewTest)
#include "GameGraphicsViewTest.moc"
