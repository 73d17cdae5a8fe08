#include "editor/RomPictures.h"
#include "editor/PictureLibrary.h"
#include "rom/ObjectKind.h"
#include "rom/RomImage.h"
#include "rom/RomLayout.h"
#include "rom/TileGraphics.h"
#include "sample/SampleRom.h"
#include "tests/support/ImageChecks.h"

#include <QTest>

#include <vector>

namespace {

constexpr int Universal19 = 19;

// An image whose tiles are all blank except world 2's tile 49 (shade 1 everywhere) and the
// common tile 19 (shade 3 in its top row).
rom::RomImage handMadeImage() {
    std::vector<uint8_t> bytes(rom::RomSize, 0);
    const long world2 = *rom::tileOffset(2, 49);
    for (int r = 0; r < rom::TileSize; ++r)
        bytes[static_cast<size_t>(world2 + 2 * r)] = 0xFF;
    const long common = *rom::tileOffset(1, Universal19);
    bytes[static_cast<size_t>(common)] = bytes[static_cast<size_t>(common + 1)] = 0xFF;
    return rom::RomImage(std::move(bytes));
}

// The id that the bundled lookup settles on for `code` in `world`.
int bundledChoice(const PictureLibrary& library, int world, int code) {
    for (int id : {world * 1000 + code, code, PictureLibrary::FallbackId})
        if (!library.bundledPicture(id).isNull())
            return id;
    return -1;
}

// Whether two pictures of one size split into the same areas of one colour.
bool sameShapes(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return false;
    QHash<QRgb, QRgb> forth, back;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (forth.value(p, q) != q || back.value(q, p) != p)
                return false;
            forth.insert(p, q);
            back.insert(q, p);
        }
    return true;
}

} // namespace

class RomPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void aTileIsDrawnAtTwiceItsSizeInThePalette() {
        rom::TileShades shades{};
        shades[0] = 3; // top-left pixel
        shades[9] = 2; // pixel (1, 1)
        const QImage picture = rompictures::tilePicture(shades);
        QCOMPARE(picture.size(), QSize(16, 16));
        for (QPoint p : {QPoint(0, 0), QPoint(1, 1)})
            QCOMPARE(picture.pixel(p), rompictures::Palette[3]);
        QCOMPARE(picture.pixel(2, 2), rompictures::Palette[2]);
        QCOMPARE(picture.pixel(3, 3), rompictures::Palette[2]);
        QCOMPARE(picture.pixel(4, 2), rompictures::Palette[0]);
    }

    void exactlyTheBundledObjectPicturesAreDrawn() {
        const PictureLibrary library;
        const QHash<int, QImage> drawn = rompictures::objectPictures(handMadeImage(), library);
        QSet<int> expected;
        for (int world = 0; world <= 4; ++world)
            for (int code = 0; code < 256; ++code)
                if (!library.bundledPicture(world * 1000 + code).isNull())
                    expected.insert(world * 1000 + code);
        expected.remove(1232);
        expected.remove(4232);
        const QList<int> keys = drawn.keys();
        QCOMPARE(QSet<int>(keys.begin(), keys.end()), expected);
        QVERIFY(expected.contains(Universal19) && expected.contains(2049));
    }

    void eachWorldPictureComesFromThatWorldsTile() {
        const PictureLibrary library;
        const QHash<int, QImage> drawn = rompictures::objectPictures(handMadeImage(), library);
        QVERIFY(isOnly(drawn.value(2049), rompictures::Palette[1]));
        QVERIFY(isOnly(drawn.value(1049), rompictures::Palette[0]));
        QVERIFY(isOnly(drawn.value(3049), rompictures::Palette[0]));
        const QImage brick = drawn.value(Universal19);
        QCOMPARE(brick.pixel(15, 1), rompictures::Palette[3]);
        QCOMPARE(brick.pixel(15, 2), rompictures::Palette[0]);
    }

    // Game graphics on or off, a cell of the sample means the same: every world picture is the
    // sample's tile at that code with its pixels doubled and its shades in colours of their own
    // (pixels alike in one are alike in the other), and a code blank in the game (the hidden
    // block, an invisible wall) is blank in the sample and marked in the bundled picture.
    void bundledWorldPicturesDrawTheSamplesTiles() {
        const PictureLibrary library;
        const QHash<int, QImage> tiles =
            rompictures::objectPictures(rom::RomImage(rom::makeSampleRom()), library);
        int compared = 0;
        for (int world = 1; world <= 4; ++world)
            for (int code = 49; code <= 111; ++code) {
                const int id = world * 1000 + code;
                const QImage bundled = library.bundledPicture(id);
                if (bundled.isNull())
                    continue;
                const QString where = QStringLiteral("picture %1").arg(id);
                const rom::ObjectKind kind = rom::objectKind(world, code);
                if (kind == rom::ObjectKind::InvisibleWall) {
                    QVERIFY2(isOnly(tiles.value(id), rompictures::Palette[0]), qPrintable(where));
                    QVERIFY2(!isOnly(bundled, bundled.pixel(0, 1)), qPrintable(where));
                    continue;
                }
                QVERIFY2(sameShapes(tiles.value(id), bundled), qPrintable(where));
                ++compared;
            }
        QCOMPARE(compared, 56 + 58 + 58 + 60 - 2 - 1); // all but the markers and the wall
        QVERIFY(isOnly(tiles.value(rom::HiddenBlockCode), rompictures::Palette[0]));
        const QImage hidden = library.bundledPicture(rom::HiddenBlockCode);
        QVERIFY(!isOnly(hidden, hidden.pixel(0, 0)));
    }

    void lookupSettlesOnTheSameIdsAsTheBundledPictures() {
        PictureLibrary library;
        const QHash<int, QImage> drawn = rompictures::objectPictures(handMadeImage(), library);
        library.setRomPictures(drawn);
        library.setSource(PictureLibrary::Source::Rom);
        for (int world = 1; world <= 4; ++world) {
            const std::string level = std::to_string(world) + "1";
            for (int code = 0; code < 256; ++code) {
                const int id = bundledChoice(library, world, code);
                const QImage expected = drawn.value(id, library.bundledPicture(id));
                QVERIFY2(library.LoadObjectPicture(code, level) == expected,
                         qPrintable(QStringLiteral("code %1 in world %2").arg(code).arg(world)));
            }
        }
        // Code 50 has no world 2 picture and no universal one: still the fallback.
        QCOMPARE(library.LoadObjectPicture(50, "21"),
                 library.bundledPicture(PictureLibrary::FallbackId));
        QCOMPARE(library.LoadObjectPicture(232, "41"), library.bundledPicture(4232));
        QCOMPARE(library.enemyPicture(2), library.bundledPicture(602));
    }

    // The outcomes written out: the hand-made tiles tell which tile a picture was drawn from,
    // and the bundled pictures that stay are the red markers (237, 28, 36) and the fallback, a
    // red square (255, 31, 31) with a black border. World 2 carries no picture of its own for
    // codes 50 and 75, nor for 232; no code 0, 50 or 75 is universal.
    void lookupFindsTheKnownPictures_data() {
        const QRgb marker = qRgb(237, 28, 36);
        const QRgb fallbackBorder = qRgb(0, 0, 0);
        const QRgb fallbackFill = qRgb(255, 31, 31);
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<bool>("everywhere");
        const auto row = [](const char* name, int code, const char* level, QPoint at, QRgb colour,
                            bool everywhere) {
            QTest::newRow(name) << code << QString::fromLatin1(level) << at << colour << everywhere;
        };
        row("world 2's tile 49", 49, "21", {7, 7}, rompictures::Palette[1], true);
        row("only the world digit counts", 49, "23", {7, 7}, rompictures::Palette[1], true);
        row("world 1's tile 49 is blank", 49, "11", {7, 7}, rompictures::Palette[0], true);
        row("world 3's tile 49 is blank", 49, "32", {7, 7}, rompictures::Palette[0], true);
        row("common tile 19, top row", 19, "31", {15, 1}, rompictures::Palette[3], false);
        row("common tile 19, second row", 19, "31", {15, 2}, rompictures::Palette[0], false);
        row("common tile 19 in world 2", 19, "22", {0, 0}, rompictures::Palette[3], false);
        row("universal 120 from its blank tile", 120, "41", {3, 9}, rompictures::Palette[0], true);
        row("232 in world 1 stays a marker", 232, "12", {4, 4}, marker, true);
        row("232 in world 4 stays a marker", 232, "43", {4, 4}, marker, true);
        row("232 in world 2 falls back", 232, "21", {0, 0}, fallbackBorder, false);
        row("50 in world 2 falls back", 50, "22", {1, 1}, fallbackFill, false);
        row("75 in world 2 falls back", 75, "21", {15, 15}, fallbackBorder, false);
        row("75 in world 1 is its blank tile", 75, "13", {1, 1}, rompictures::Palette[0], true);
        row("code 0 falls back", 0, "31", {2, 2}, fallbackFill, false);
    }

    void lookupFindsTheKnownPictures() {
        QFETCH(int, code);
        QFETCH(QString, level);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        QFETCH(bool, everywhere);
        PictureLibrary library;
        library.setRomPictures(rompictures::objectPictures(handMadeImage(), library));
        library.setSource(PictureLibrary::Source::Rom);
        const QImage picture = library.LoadObjectPicture(code, level.toStdString());
        QCOMPARE(picture.size(), QSize(16, 16));
        QCOMPARE(picture.pixel(at), colour);
        if (everywhere)
            QVERIFY(isOnly(picture, colour));
    }

    void theSourceSwitchesBackAndForth() {
        PictureLibrary library;
        const QImage bundled = library.picture(2049); // cached before the switch
        library.setRomPictures(rompictures::objectPictures(handMadeImage(), library));
        QCOMPARE(library.picture(2049), bundled);
        library.setSource(PictureLibrary::Source::Rom);
        QVERIFY(isOnly(library.picture(2049), rompictures::Palette[1]));
        library.setSource(PictureLibrary::Source::Bundled);
        QCOMPARE(library.picture(2049), bundled);
        library.setSource(PictureLibrary::Source::Rom);
        library.setRomPictures({});
        QCOMPARE(library.picture(2049), bundled);
    }
};

QTEST_GUILESS_MAIN(RomPicturesTest)
#include "RomPicturesTest.moc"
