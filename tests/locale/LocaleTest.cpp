// The application adopts the user's locale, and with it the C library's decimal separator. These
// tests run the codec inside a QApplication under a German locale, where the C library reads
// "0.125" as 0, and check that fractional pipe exits still come back to their bytes.

#include "rom/LevelKeys.h"
#include "rom/RomFile.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"
#include "tests/support/CommaLocale.h"

#include <kiv/ConfigFile.h>

#include <QApplication>
#include <QTest>

#include <clocale>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The sample ROM with pipe exits at pixel positions that are not whole cells.
std::vector<uint8_t> romWithFractionalExits() {
    std::vector<uint8_t> image = rom::makeSampleRom(1);
    // Both records of 1-1, then past the separator the first of 1-3.
    const int records[] = {0, 6, 13};
    const uint8_t exits[] = {0x13, 0x29, 0x01, 0x2F, 0xFD, 0x0B};
    for (int r = 0; r < 3; ++r) {
        image[static_cast<size_t>(rom::PipeFirst + records[r] + 4)] = exits[r * 2];
        image[static_cast<size_t>(rom::PipeFirst + records[r] + 5)] = exits[r * 2 + 1];
    }
    return image;
}

std::vector<uint8_t> bytesOf(const std::string& path) {
    return rom::readWholeFile(path);
}

rom::SectionFlags allSections() {
    rom::SectionFlags all;
    all.fill(true);
    return all;
}

} // namespace

class CommaLocaleTest : public QObject {
    Q_OBJECT

private:
    std::string path(const char* name) const { return (commaLocaleFolder() / name).string(); }

private slots:
    void initTestCase() {
        if (!whyNoCommaLocale().empty())
            QSKIP(whyNoCommaLocale().c_str());
        // The application has taken the locale over from the environment, and the C library's
        // own number reading is now broken for the document's texts.
        QVERIFY(std::string(std::setlocale(LC_NUMERIC, nullptr)).starts_with("de_DE"));
        QCOMPARE(std::string(std::localeconv()->decimal_point), std::string(","));
        QCOMPARE(std::strtod("0.125", nullptr), 0.0);
    }

    void fractionalExitsSurviveLoadAndSave() {
        const std::vector<uint8_t> image = romWithFractionalExits();
        rom::replaceFile(path("game.gb"), image);
        kiv::ConfigFile doc;
        rom::loadROM(path("game.gb"), doc);
        QCOMPARE(doc.GetValue("Pipe_11_exitx_1"), std::string("0.375"));
        QCOMPARE(doc.GetValue("Pipe_11_exity_1"), std::string("0.125"));
        QCOMPARE(doc.GetValue("Pipe_11_exitx_2"), std::string("-1.875"));

        kiv::ConfigFile scratch;
        const rom::SaveOutcome outcome =
            rom::saveROM(path("game.gb"), path("saved.gb"), doc, scratch, allSections());
        QVERIFY2(outcome.kind == rom::SaveOutcome::Kind::Saved, outcome.errorDescription.c_str());
        QVERIFY(bytesOf(path("saved.gb")) == image);
    }

    void fractionalExitsSurviveExportAndImport() {
        const std::vector<uint8_t> image = romWithFractionalExits();
        rom::replaceFile(path("game.gb"), image);
        kiv::ConfigFile doc;
        rom::loadROM(path("game.gb"), doc);
        doc.ConfigSave(path("level.twd"));
        const std::vector<uint8_t> twd = bytesOf(path("level.twd"));
        QVERIFY(std::string(twd.begin(), twd.end()).find("\r\nPipe_13_exity_1=-3.625\r\n") !=
                std::string::npos);

        kiv::ConfigFile imported;
        imported.ConfigLoad(path("level.twd"));
        kiv::ConfigFile scratch;
        const rom::SaveOutcome outcome =
            rom::saveROM(path("game.gb"), path("built.gb"), imported, scratch, allSections());
        QVERIFY2(outcome.kind == rom::SaveOutcome::Kind::Saved, outcome.errorDescription.c_str());
        QVERIFY(bytesOf(path("built.gb")) == image);
    }

    void cleanupTestCase() {
        std::error_code ignored;
        fs::remove_all(commaLocaleFolder(), ignored);
    }
};

int main(int argc, char** argv) {
    // Before the application exists: it reads the locale from the environment when it starts.
    prepareCommaLocale();
    QApplication app(argc, argv);
    CommaLocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LocaleTest.moc"
