#include "editor/LevelImage.h"
#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenImage.h"
#include "editor/ScreenMarks.h"
#include "rom/LevelKeys.h"
#include "tests/screen_manager/ManagerFixture.h"

#include <kiv/ConfigFile.h>
#include <kiv/Error.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QRgb White = qRgb(255, 255, 255);

// Level 1-1 of two screens with one brick, and level 1-2 of one empty screen.
void fillSmallLevels(kiv::ConfigFile& doc) {
    doc.WriteValue(rom::screensKey("11"), "2");
    doc.WriteValue(rom::screenKey("11", 1), "40000");
    doc.WriteValue(rom::screenKey("11", 2), "40100");
    doc.WriteValue(rom::cellKey("11", "40100", 3, 4), "19");
    doc.WriteValue(rom::screensKey("12"), "1");
    doc.WriteValue(rom::screenKey("12", 1), "40200");
}

QImage screenOf(const QImage& level, int position) {
    return level.copy(render::ScreenWidth * position, 0, render::ScreenWidth, render::ScreenHeight);
}

} // namespace

class LevelImageTest : public QObject {
    Q_OBJECT

private slots:
    // The game's levels 1-1, 3-1 and 4-3 are 17, 25 and 24 screens long.
    void aLevelIsItsScreensSideBySide() {
        ManagerFixture f;
        for (auto [level, count] : {std::pair{"11", 17}, {"31", 25}, {"43", 24}}) {
            const QImage image =
                levelImage(f.workspace.document().kivLevel(), f.pictures, level, true);
            QCOMPARE(image.size(), QSize(320 * count, 256));
        }
    }

    void eachScreenIsDrawnAsTheEditorDrawsItWithoutTheGrid() {
        ManagerFixture f;
        const QImage image = levelImage(f.workspace.document().kivLevel(), f.pictures, "21", false);
        for (int k = 1; k <= 3; ++k) {
            const std::string ref = f.get(rom::screenKey("21", k));
            QCOMPARE(screenOf(image, k - 1),
                     screenImage(f.workspace.document().kivLevel(), f.pictures, "21", ref));
        }
    }

    // Known cells of the sample: on the first screen of 2-1 the rocky ground's top (objects 108
    // and 109) fills row 14 and nothing stands above it; the second screen has a coin 244 on
    // cell (8, 7). World 2's pictures 108 and 109 are pale sky on their first pixel rows and
    // dark ink on the third at x = 3; the coin is gold on its pixel (4, 8).
    void theSamplesCellsShowTheirPictures() {
        ManagerFixture f;
        QCOMPARE(f.get(rom::cellKey("21", f.get(rom::screenKey("21", 1)), 0, 14)), "108");
        QCOMPARE(f.get(rom::cellKey("21", f.get(rom::screenKey("21", 1)), 19, 14)), "109");
        QCOMPARE(f.get(rom::cellKey("21", f.get(rom::screenKey("21", 2)), 8, 7)), "244");
        const QImage image = levelImage(f.workspace.document().kivLevel(), f.pictures, "21", false);
        QCOMPARE(image.pixel(3, 14 * 16), qRgb(230, 244, 255));
        QCOMPARE(image.pixel(3, 14 * 16 + 2), qRgb(14, 42, 68));
        QCOMPARE(image.pixel(19 * 16 + 3, 14 * 16 + 2), qRgb(14, 42, 68));
        QCOMPARE(image.pixel(320 + 8 * 16 + 4, 7 * 16 + 8), qRgb(248, 200, 48));
        QCOMPARE(image.pixel(8 * 16 + 4, 7 * 16 + 8), White);
        QCOMPARE(image.pixel(16, 100), White); // no grid line
        QCOMPARE(image.pixel(32, 8), White);   // no start marker
    }

    void cellsAndMarksLandWhereTheyBelong() {
        kiv::ConfigFile doc;
        fillSmallLevels(doc);
        doc.WriteValue(rom::powerUpKey("level", 1), "11");
        doc.WriteValue(rom::powerUpKey("screen", 1), "2");
        doc.WriteValue(rom::powerUpKey("x", 1), "7");
        doc.WriteValue(rom::pipeKey("11", "entryscreen", 1), "1");
        doc.WriteValue(rom::pipeKey("11", "entryx", 1), "10");
        const PictureLibrary pictures;

        const QImage plain = levelImage(doc, pictures, "11", false);
        const QImage marked = levelImage(doc, pictures, "11", true);
        const QImage brick = pictures.LoadObjectPicture(19, "11");
        QCOMPARE(plain.pixel(320 + 3 * 16 + 3, 4 * 16 + 3), brick.pixel(3, 3));
        QCOMPARE(plain.pixel(320 + 3 * 16 + 3, 4 * 16 + 3), qRgb(110, 110, 128));
        QCOMPARE(plain.pixel(16, 100), White); // no grid line
        QCOMPARE(plain.pixel(320 + 7 * 16 + 8, 128), White);
        QCOMPARE(marked.pixel(320 + 7 * 16 + 8, 128), marks::PowerUpColor.rgb());
        QCOMPARE(marked.pixel(10 * 16 + 8, 128), marks::PipeColor.rgb());
        QCOMPARE(marked.pixel(10 * 16 + 8, 0), White); // the bars leave the top row free
    }

    void enemiesStandOnTheScreenTwoAboveTheirStoredNumber() {
        kiv::ConfigFile doc;
        fillSmallLevels(doc);
        doc.WriteValue(rom::enemiesKey("11"), "1");
        doc.WriteValue(rom::enemyKey("11", "screen", 1), "0"); // screen number 2
        doc.WriteValue(rom::enemyKey("11", "x", 1), "1");
        doc.WriteValue(rom::enemyKey("11", "y", 1), "C9");
        doc.WriteValue(rom::enemyKey("11", "type", 1), "0");
        const PictureLibrary pictures;
        const QImage enemy = pictures.enemyPicture(0);
        QVERIFY(!enemy.isNull());

        const QImage marked = levelImage(doc, pictures, "11", true);
        const QPoint at = marks::enemyTopLeft(enemy, 1, 0xC9);
        QCOMPARE(at, QPoint(32 + 24, 16 * 9 - 16 - enemy.height()));
        const QPoint inside(enemy.width() / 2, enemy.height() - 1);
        QCOMPARE(marked.pixel(QPoint(320, 0) + at + inside), enemy.pixel(inside));
        // The walking mushroom's feet are black on its bottom row, its face pale in the middle.
        QCOMPARE(marked.pixel(320 + 56 + 1, 112 + 15), qRgb(32, 24, 24));
        QCOMPARE(marked.pixel(320 + 56 + 8, 112 + 8), qRgb(244, 216, 170));
        QCOMPARE(screenOf(marked, 0), screenOf(levelImage(doc, pictures, "11", false), 0));
    }

    void levelsNumberedFromThreeMarkTheirFirstScreenAsThree() {
        kiv::ConfigFile doc;
        fillSmallLevels(doc);
        doc.WriteValue(rom::powerUpKey("level", 1), "12");
        doc.WriteValue(rom::powerUpKey("screen", 1), "3");
        doc.WriteValue(rom::powerUpKey("x", 1), "0");
        const QImage marked = levelImage(doc, PictureLibrary(), "12", true);
        QCOMPARE(marked.pixel(8, 128), marks::PowerUpColor.rgb());
    }

    void screensLookLikeTheScreenManagersPreviews() {
        ManagerFixture f;
        for (auto [levelText, firstOwnPreview] : {std::pair{"1-1", 0}, {"2-2", 2}, {"1-2", 0}}) {
            const auto manager = f.open(QString::fromLatin1(levelText));
            const std::string level = rom::levelFromText(levelText);
            const QImage image =
                levelImage(f.workspace.document().kivLevel(), f.pictures, level, true);
            for (int i = firstOwnPreview; i < 6; ++i) {
                auto* preview =
                    manager->findChild<PictureBox*>(QStringLiteral("picEditor%1").arg(i));
                QVERIFY(preview);
                QVERIFY2(preview->image() == screenOf(image, i - firstOwnPreview),
                         qPrintable(QStringLiteral("%1, preview %2").arg(levelText).arg(i)));
            }
        }
    }

    void anUnknownLevelOrOneWithoutScreensIsRefused() {
        kiv::ConfigFile doc;
        fillSmallLevels(doc);
        const PictureLibrary pictures;
        for (const char* level : {"19", "1-1", "", "13"}) {
            try {
                levelImage(doc, pictures, level, false);
                QFAIL(level);
            } catch (const kiv::Error& e) {
                QCOMPARE(e.number(), kiv::errors::InvalidArgument);
            }
        }
    }

    void theSavedFileIsThePicture() {
        QTemporaryDir dir;
        kiv::ConfigFile doc;
        fillSmallLevels(doc);
        const QImage image = levelImage(doc, PictureLibrary(), "11", false);
        const QString path = dir.filePath(QStringLiteral("level.png"));
        saveLevelImage(image, path.toStdString());
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), image);
    }

    void anUnwritablePlaceIsAFileErrorAndLeavesNoFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/level.png"));
        try {
            saveLevelImage(QImage(320, 256, QImage::Format_RGB32), path.toStdString());
            QFAIL("saved into a missing folder");
        } catch (const kiv::Error& e) {
            QCOMPARE(e.number(), kiv::errors::PathNotFound);
        }
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(LevelImageTest)
#include "LevelImageTest.moc"
