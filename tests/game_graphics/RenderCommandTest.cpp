#include "editor/LevelImage.h"
#include "editor/PictureLibrary.h"
#include "editor/RomPictures.h"
#include "editor/ScreenMarks.h"
#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "sample/SampleRom.h"

#include <kiv/ConfigFile.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The sample ROM's level 1-1 with its marks, drawn here as the command should draw it.
QImage expectedLevel11(const rom::RomImage& image) {
    kiv::ConfigFile kivLevel;
    rom::loadROM(image, kivLevel);
    PictureLibrary pictures;
    pictures.setRomPictures(rompictures::objectPictures(image, pictures));
    pictures.setSource(PictureLibrary::Source::Rom);
    return levelImage(kivLevel, pictures, "11", true);
}

} // namespace

class RenderCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString romPath;

    QString path(const QString& name) const { return dir.filePath(name); }

    // Runs the command as a terminal would, with no display and no Qt platform named.
    static Run cli(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TARNWICK_CLI), args);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase() {
        romPath = path(QStringLiteral("sample.gb"));
        QCOMPARE(cli({"sample", romPath}).exitCode, 0);
    }

    void aLevelIsDrawnFromTheRomsTilesWithoutADisplay() {
        const QString out = path(QStringLiteral("1-1.png"));
        const Run run = cli({"render", romPath, "1-1", out});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QImage written(out);
        QCOMPARE(written.size(), QSize(320 * 17, 256));
        // Cell (0, 14) of the first screen holds object 101, drawn from world 1's tile 101.
        const rom::RomImage image(rom::makeSampleRom());
        const QImage tile = rompictures::tilePicture(*rom::readTile(image, 1, 101));
        QCOMPARE(written.pixel(5, 14 * 16 + 5), tile.pixel(5, 5));
    }

    void withObjectsTheMarksAreDrawnToo() {
        const QString out = path(QStringLiteral("11.png"));
        QCOMPARE(cli({"render", romPath, "11", out, "--objects"}).exitCode, 0);
        const rom::RomImage image(rom::makeSampleRom());
        const QImage written = QImage(out).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(written, expectedLevel11(image));

        kiv::ConfigFile kivLevel;
        rom::loadROM(image, kivLevel);
        QCOMPARE(kivLevel.GetValue(rom::powerUpKey("level", 1)), std::string("11"));
        const int screen = std::stoi(kivLevel.GetValue(rom::powerUpKey("screen", 1)));
        const int x = std::stoi(kivLevel.GetValue(rom::powerUpKey("x", 1)));
        const QImage plain(path(QStringLiteral("1-1.png")));
        const QPoint bar(320 * (screen - 1) + 16 * x + 8, 250);
        QCOMPARE(written.pixel(bar), marks::PowerUpColor.rgb());
        QVERIFY(plain.pixel(bar) != marks::PowerUpColor.rgb());
    }

    void badArgumentsAreClearErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString out = path(QStringLiteral("never.png"));
        const QString missing = path(QStringLiteral("missing/level.png"));
        QTest::newRow("unknown level") << QStringList{"render", romPath, "5-1", out} << 1
                                       << QStringLiteral("There is no level '5-1'");
        QTest::newRow("unwritable path")
            << QStringList{"render", romPath, "1-1", missing} << 1
            << QStringLiteral("Unable to write file: '%1' - ").arg(missing);
        QTest::newRow("no ROM") << QStringList{"render", path("none.gb"), "1-1", out} << 1
                                << QStringLiteral("Unable to load file: '%1'").arg(path("none.gb"));
        QTest::newRow("too few") << QStringList{"render", romPath, "1-1"} << 2
                                 << QStringLiteral("render takes a ROM file");
        QTest::newRow("unknown option") << QStringList{"render", romPath, "1-1", out, "--grid"} << 2
                                        << QStringLiteral("no option '--grid'");
    }

    void badArgumentsAreClearErrors() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = cli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(args.last()) || args.last() == romPath);
    }

    void helpNamesTheCommand() {
        const Run run = cli({"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("tarnwick-cli render ROM.gb LEVEL OUT.png")));
    }
};

QTEST_GUILESS_MAIN(RenderCommandTest)
#include "RenderCommandTest.moc"
