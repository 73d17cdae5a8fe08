#include "editor/ScreenRenderer.h"
#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "tests/editor/EditorFixture.h"

#include <QTest>

using fixture::cellIsWhite;
using fixture::cellShows;
using fixture::colorAt;

class ScreenRendererTest : public QObject {
    Q_OBJECT

    PictureLibrary pictures;

    static PictureBox* makeBox() {
        auto* box = new PictureBox(QSize(320, 256));
        box->setForeColor(render::GridColor);
        return box;
    }

private slots:
    void emptyCellsStayWhiteAndZeroShowsTheFallback() {
        kiv::ConfigFile doc;
        doc.WriteValue(rom::cellKey("31", "50000", 4, 5), "0");
        std::unique_ptr<PictureBox> box(makeBox());
        box->fillRect({0, 0}, {319, 255}, Qt::black); // drawScreen must clear what was there

        drawScreen(*box, doc, pictures, "31", "50000");

        QVERIFY(cellShows(box->image(), 4, 5, pictures.picture(PictureLibrary::FallbackId), 0));
        QVERIFY(cellIsWhite(box->image(), 4, 6));
        QVERIFY(cellIsWhite(box->image(), 0, 0));
    }

    void worldDecidesThePicture_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("pictureId");
        QTest::newRow("52 in world 3") << "31" << 52 << 3052;
        QTest::newRow("120 in world 3") << "33" << 120 << 120;
        QTest::newRow("232 in world 1") << "11" << 232 << 1232;
        QTest::newRow("232 in world 2") << "22" << 232 << 500;
        QTest::newRow("232 in world 3") << "32" << 232 << 500;
        QTest::newRow("232 in world 4") << "43" << 232 << 4232;
        QTest::newRow("49 in world 1") << "12" << 49 << 1049;
        QTest::newRow("49 in world 2") << "21" << 49 << 2049;
        QTest::newRow("0 anywhere") << "41" << 0 << 500;
    }
    void worldDecidesThePicture() {
        QFETCH(QString, level);
        QFETCH(int, code);
        QFETCH(int, pictureId);
        kiv::ConfigFile doc;
        doc.WriteValue(rom::cellKey(level.toStdString(), "41472", 7, 9), std::to_string(code));
        std::unique_ptr<PictureBox> box(makeBox());

        drawScreen(*box, doc, pictures, level.toStdString(), "41472");

        QVERIFY(cellShows(box->image(), 7, 9, pictures.picture(pictureId), 0));
    }

    void gridLinesLieInsideTheArea() {
        std::unique_ptr<PictureBox> box(makeBox());
        drawGrid(*box, 11, 5); // a position without a marker box
        const QImage& image = box->image();
        QCOMPARE(colorAt(image, {16, 3}), render::GridColor);
        QCOMPARE(colorAt(image, {304, 250}), render::GridColor);
        QCOMPARE(colorAt(image, {3, 240}), render::GridColor);
        QCOMPARE(colorAt(image, {0, 3}), render::Background); // no line on the outer edges
        QCOMPARE(colorAt(image, {3, 0}), render::Background);
        QCOMPARE(colorAt(image, {319, 3}), render::Background);
        QCOMPARE(colorAt(image, {3, 255}), render::Background);
    }

    void markerBoxes_data() {
        QTest::addColumn<int>("levelIndex");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("topMarker");    // cell (2, 0)
        QTest::addColumn<bool>("bottomMarker"); // cell (5, 13)
        const int firstGroup[] = {0, 2, 3, 6, 9};
        for (int level = 0; level < 12; ++level) {
            const bool first = std::find(std::begin(firstGroup), std::end(firstGroup), level) !=
                               std::end(firstGroup);
            for (int position = 0; position < 4; ++position) {
                const bool top = first && position <= 1;
                const bool bottom = first ? position == 2 : position == 0;
                QTest::addRow("level %d position %d", level, position)
                    << level << position << top << bottom;
            }
        }
    }
    void markerBoxes() {
        QFETCH(int, levelIndex);
        QFETCH(int, position);
        QFETCH(bool, topMarker);
        QFETCH(bool, bottomMarker);
        std::unique_ptr<PictureBox> box(makeBox());
        drawGrid(*box, levelIndex, position);
        const QImage& image = box->image();
        const auto red = [&](QPoint p) { return colorAt(image, p) == render::MarkerColor; };

        // Each box spans its cell's edges inclusively: both edges lie on grid lines.
        for (QPoint p : {QPoint(32, 8), QPoint(48, 8), QPoint(40, 0), QPoint(40, 16)})
            QCOMPARE(red(p), topMarker);
        for (QPoint p : {QPoint(80, 216), QPoint(96, 216), QPoint(88, 208), QPoint(88, 224)})
            QCOMPARE(red(p), bottomMarker);
        QVERIFY(!red({40, 8})); // an outline, not a fill
    }
};

QTEST_MAIN(ScreenRendererTest)
#include "ScreenRendererTest.moc"
