#include "editor/PictureLibrary.h"
#include "tests/support/ImageChecks.h"

#include <QSet>
#include <QTest>

namespace {

QList<int> range(int first, int last) {
    QList<int> ids;
    for (int id = first; id <= last; ++id)
        ids.append(id);
    return ids;
}

QList<int> worldIds(int world, std::initializer_list<QList<int>> codeRuns) {
    QList<int> ids;
    for (const QList<int>& run : codeRuns)
        for (int code : run)
            ids.append(world * 1000 + code);
    return ids;
}

// Every picture the program carries, written out from the catalogue of bitmaps.
QSet<int> expectedIds() {
    QList<int> ids = {19, 33, 36, 37, 41, 43, 95, 142, 143, 221, 222, 225, 236, 237, 244, 500};
    ids += range(112, 121) + range(127, 130);
    ids += worldIds(1, {range(49, 61),
                        range(64, 83),
                        range(85, 94),
                        {96, 97},
                        range(99, 102),
                        range(104, 107),
                        {109, 110, 232}});
    ids += worldIds(2, {{49}, range(51, 74), range(76, 94), range(96, 106), range(108, 110)});
    ids += worldIds(3, {range(49, 73), range(76, 94), {96, 97}, range(99, 110)});
    ids +=
        worldIds(4, {range(49, 59), range(61, 79), range(81, 94), {96, 97}, range(99, 111), {232}});
    ids += {600, 602, 603, 604, 606, 614, 616, 622, 626, 629, 632, 636, 637,
            647, 649, 650, 653, 654, 663, 666, 671, 672, 673, 675, 689, 697};
    ids += range(608, 612) + range(656, 660) + range(682, 686);
    return QSet<int>(ids.begin(), ids.end());
}

} // namespace

class PictureLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAreBuiltIntoTheProgram() {
        const PictureLibrary library;
        QVERIFY(!QImage(QStringLiteral(":/pictures/500.png")).isNull());
    }

    void exactlyTheNumberedPicturesExist() {
        const PictureLibrary library;
        const QSet<int> expected = expectedIds();
        QCOMPARE(expected.size(), 303);
        for (int id = 0; id < 5000; ++id)
            QVERIFY2(library.hasPicture(id) == expected.contains(id),
                     qPrintable(QString::number(id)));
    }

    void objectPicturesAreOneCell() {
        const PictureLibrary library;
        for (int id : expectedIds())
            if (id < 600 || id >= 700)
                QCOMPARE(library.picture(id).size(), QSize(16, 16));
    }

    void enemyPicturesHaveTheirSizes() {
        const PictureLibrary library;
        const QHash<int, QSize> large = {
            {3, {32, 32}}, {8, {64, 48}}, {10, {48, 16}}, {26, {32, 64}}, {97, {64, 32}}};
        for (int id : expectedIds()) {
            if (id < 600 || id >= 700)
                continue;
            const int code = id - PictureLibrary::EnemyBase;
            QCOMPARE(library.enemyPicture(code).size(), large.value(code, QSize(16, 16)));
        }
    }

    void lookupPrefersWorldThenUniversalThenFallback_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("shown");
        QTest::newRow("world picture") << 52 << "31" << 3052;
        QTest::newRow("only the world digit counts") << 52 << "33" << 3052;
        QTest::newRow("universal picture") << 120 << "31" << 120;
        QTest::newRow("232 in world 1") << 232 << "11" << 1232;
        QTest::newRow("232 in world 4") << 232 << "42" << 4232;
        QTest::newRow("232 in world 2") << 232 << "21" << 500;
        QTest::newRow("232 in world 3") << 232 << "32" << 500;
        QTest::newRow("code 0") << 0 << "11" << 500;
        QTest::newRow("world code missing in that world") << 50 << "23" << 500;
        QTest::newRow("code beyond a byte") << 300 << "11" << 500;
    }

    void lookupPrefersWorldThenUniversalThenFallback() {
        QFETCH(int, code);
        QFETCH(QString, level);
        QFETCH(int, shown);
        const PictureLibrary library;
        const QImage found = library.LoadObjectPicture(code, level.toStdString());
        QCOMPARE(found, library.picture(shown));
        // Asking again answers from memory with the very same picture.
        QCOMPARE(library.LoadObjectPicture(code, level.toStdString()).cacheKey(), found.cacheKey());
    }

    void fallbackIsARedSquareWithABlackBorderAndAWhiteMark() {
        const QImage fallback = PictureLibrary().picture(PictureLibrary::FallbackId);
        int white = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = fallback.pixel(x, y);
                const bool border = x == 0 || y == 0 || x == 15 || y == 15;
                if (border)
                    QCOMPARE(pixel, qRgb(0, 0, 0));
                else if (pixel == qRgb(255, 255, 255))
                    ++white;
                else
                    QCOMPARE(pixel, qRgb(255, 31, 31));
            }
        }
        QVERIFY(white > 10);
    }

    void markerPicturesArePlainRed() {
        const PictureLibrary library;
        QVERIFY(isOnly(library.picture(1232), qRgb(237, 28, 36)));
        QVERIFY(isOnly(library.picture(4232), qRgb(237, 28, 36)));
    }
};

QTEST_GUILESS_MAIN(PictureLibraryTest)
#include "PictureLibraryTest.moc"
