// Pictures on a screen with two device pixels to the point (the test runs with
// QT_SCALE_FACTOR=2): every pixel of a block or enemy picture must become a square of one
// colour, never a blurred edge, in the editor, its object list and the Screen Manager.

#include "tests/app/MainWindowFixture.h"

#include "editor/LevelCanvas.h"
#include "editor/LevelView.h"

#include <QLabel>
#include <QPainter>

namespace {

constexpr int Scale = 2;

QImage deviceGrab(QWidget* widget) {
    QImage grabbed = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    grabbed.setDevicePixelRatio(1); // compared pixel by pixel
    return grabbed;
}

// True when `grab` shows `picture` with each of its pixels a Scale x Scale square, its top-left
// corner at `at` (device pixels). A pixel that is not opaque only has to be a square of one colour.
bool showsDoubledAt(const QImage& grab, const QImage& picture, QPoint at) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint corner = at + QPoint(x, y) * Scale;
            const QRgb shown = grab.pixel(corner);
            for (int dy = 0; dy < Scale; ++dy)
                for (int dx = 0; dx < Scale; ++dx)
                    if (grab.pixel(corner + QPoint(dx, dy)) != shown)
                        return false;
            const QRgb source = picture.pixel(x, y);
            if (qAlpha(source) == 255 && (source | 0xff000000) != (shown | 0xff000000))
                return false;
        }
    }
    return true;
}

// True when `grab` shows `picture` doubled anywhere inside `area` (logical pixels).
bool showsDoubledIn(const QImage& grab, const QImage& picture, QRect area) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const QRect device(area.topLeft() * Scale, area.size() * Scale);
    const QRect within = device.intersected(grab.rect());
    for (int y = within.top(); y + source.height() * Scale <= within.bottom() + 1; y += Scale)
        for (int x = within.left(); x + source.width() * Scale <= within.right() + 1; x += Scale)
            if (showsDoubledAt(grab, source, QPoint(x, y)))
                return true;
    return false;
}

// The picture a label shows, at its size in logical pixels.
QImage labelPicture(const QLabel& label) {
    const QPixmap shown = label.pixmap();
    return shown.toImage().scaled(shown.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                                  Qt::FastTransformation);
}

void verifyPictureBoxIsCrisp(PictureBox* box) {
    QVERIFY(box);
    const QImage expected =
        box->image()
            .convertToFormat(QImage::Format_ARGB32)
            .scaled(box->image().size() * Scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(deviceGrab(box), expected);
}

void verifyLabelIsCrisp(QLabel* label) {
    QVERIFY(label);
    QVERIFY(label->isVisible());
    QVERIFY(!label->pixmap().isNull());
    QVERIFY2(showsDoubledIn(deviceGrab(label), labelPicture(*label), label->rect()),
             qPrintable(label->objectName()));
}

} // namespace

class CrispPicturesTest : public QObject, public MainWindowFixture {
    Q_OBJECT

private slots:
    void init() {
        setUp();
        startWithRom();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->devicePixelRatio(), qreal(Scale));
    }
    void cleanup() { tearDown(); }

    void editingScreenIsCrisp() {
        selectLevel(3);
        clickCell(2, 2);
        verifyPictureBoxIsCrisp(picEditor());
    }

    void objectListIconsAreCrisp() {
        auto* lvObjects = window->editor()->findChild<QListWidget*>("lvObjects");
        QVERIFY(lvObjects && lvObjects->count() > 4);
        const QImage grab = deviceGrab(lvObjects->viewport());
        int checked = 0;
        for (int i = 0; i < lvObjects->count(); ++i) {
            QListWidgetItem* item = lvObjects->item(i);
            const QRect at = lvObjects->visualItemRect(item);
            if (item->isSelected() || !lvObjects->viewport()->rect().contains(at))
                continue;
            const QImage picture = item->icon().pixmap(lvObjects->iconSize(), 1.0).toImage();
            QVERIFY2(showsDoubledIn(grab, picture, at), qPrintable(item->text()));
            ++checked;
        }
        QVERIFY(checked > 4);
    }

    void buttonPicturesAreCrisp() {
        for (const char* name : {"picObject0", "picObject1"}) {
            auto* label = window->editor()->findChild<QLabel*>(name);
            if (label && !label->pixmap().isNull())
                verifyLabelIsCrisp(label);
        }
        QVERIFY(!window->editor()->findChild<QLabel*>("picObject0")->pixmap().isNull());
    }

    // The previews and the enemy picture, in the Screen Manager as the main window shows it.
    void screenManagerIsCrisp() {
        bool checked = false;
        QTimer::singleShot(0, [&checked] {
            auto* sm = qobject_cast<frmScreenManager*>(QApplication::activeModalWidget());
            if (!sm)
                return;
            const auto close = qScopeGuard([sm] { sm->close(); });
            QVERIFY(QTest::qWaitForWindowExposed(sm));
            for (int i = 0; i < 6; ++i)
                verifyPictureBoxIsCrisp(sm->findChild<PictureBox*>(QString("picEditor%1").arg(i)));
            sm->findChild<QTabBar*>()->setCurrentIndex(1);
            auto* enemies = sm->findChild<QTreeView*>("lvEnemies");
            enemies->setCurrentIndex(enemies->model()->index(0, 0));
            verifyLabelIsCrisp(sm->findChild<QLabel*>("picEnemy"));
            for (int i = 0; i < 6; ++i)
                verifyPictureBoxIsCrisp(sm->findChild<PictureBox*>(QString("picEditor%1").arg(i)));
            checked = true;
        });
        QTest::mouseClick(window->editor()->managerButton(), Qt::LeftButton);
        QVERIFY2(checked, "the Screen Manager was not checked whole");
    }

    // The level view at every zoom: each pixel of the level, cells and marks, is a square of
    // Scale x zoom device pixels, the same as the view draws at zoom 1 on a plain image.
    void levelViewIsCrispAtEveryZoom() {
        window->findChild<QAction*>("mnuViewLevel")->trigger();
        LevelView* view = window->levelView();
        QVERIFY(view && QTest::qWaitForWindowExposed(view));
        LevelCanvas* canvas = view->canvas();
        const QRect first = canvas->layout().screenRect(1);
        QImage plain(canvas->size(), QImage::Format_ARGB32);
        {
            QPainter painter(&plain);
            canvas->paintArea(painter, plain.rect());
        }
        const QImage screen = plain.copy(first);
        for (int zoom = 1; zoom <= LevelLayout::MaxZoom; ++zoom) {
            view->setZoom(zoom);
            const QRect shown = canvas->layout().screenRect(1);
            const QImage grab =
                deviceGrab(canvas).copy(QRect(shown.topLeft() * Scale, shown.size() * Scale));
            QCOMPARE(grab, screen.scaled(screen.size() * Scale * zoom, Qt::IgnoreAspectRatio,
                                         Qt::FastTransformation));
        }
    }
};

QTEST_MAIN(CrispPicturesTest)
#include "CrispPicturesTest.moc"
