#include "app/frmTW.h"
#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/RomPictures.h"
#include "editor/ScreenEditor.h"
#include "rom/LevelKeys.h"
#include "rom/RomImage.h"
#include "rom/SampleRom.h"
#include "rom/TileGraphics.h"
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

// Cell (0, 14) of the first screen of level 1-1 in the sample holds object 49.
constexpr int CellX = 0;
constexpr int CellY = 14;
constexpr int Code = 49;

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
        QCOMPARE(window->workspace().kivLevel.GetValue(
                     rom::cellKey("11", window->editor()->screen(), CellX, CellY)),
                 std::to_string(Code));

        const PictureLibrary own;
        const QImage ownCell = own.LoadObjectPicture(Code, "11");
        const QImage romCell = romPicture(1, Code);
        const QPoint at = differingPixel(ownCell, romCell);
        QVERIFY(at.x() >= 0);
        QCOMPARE(cellPixel(at), romCell.pixel(at));
        const QImage romIcon = firstIcon();

        gameGraphics->trigger();
        QVERIFY(!gameGraphics->isChecked());
        QCOMPARE(cellPixel(at), ownCell.pixel(at));
        QVERIFY(firstIcon() != romIcon);
        QCOMPARE(window->editor()->buttonPicture(0), own.LoadObjectPicture(19, "11"));

        gameGraphics->trigger();
        QCOMPARE(cellPixel(at), romCell.pixel(at));
        QCOMPARE(firstIcon(), romIcon);
        QCOMPARE(window->editor()->buttonPicture(0), romPicture(1, 19));
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
        const int screens = std::stoi(window->workspace().kivLevel.GetValue(rom::screensKey("21")));
        QCOMPARE(written.size(), QSize(320 * screens, 256));
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
