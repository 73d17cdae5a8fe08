// The picture generator against art files of our own: a well-formed file becomes exactly its
// pixels, and every kind of slip stops it with the file and line to look at.
#include "tests/support/FileText.h"

#include <QImage>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

struct GeneratorRun {
    int exitCode;
    std::string err;
};

class PictureArt : public ::testing::Test {
protected:
    PictureArt() {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~PictureArt() override { fs::remove_all(folder); }

    std::string write(const std::string& name, const std::string& text) const {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    GeneratorRun generate(const std::vector<std::string>& artFiles) const {
        std::string command = quoted(TARNWICK_PICTURE_GENERATOR) + " " + quoted(out().string());
        for (const auto& file : artFiles)
            command.append(" ").append(quoted(file));
        const fs::path err = folder / "stderr.txt";
        command.append(" 2>").append(quoted(err.string()));
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readText(err)};
    }

    fs::path out() const { return folder / "pictures"; }

    // The process id keeps two builds testing at once out of each other's folders.
    const fs::path folder = fs::temp_directory_path() /
                            ("tw_art_" + std::to_string(::getpid()) + "_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

const std::string Legend = "legend\n"
                           ". #a8d4ff sky\n"
                           "k #201818 ink\n";

TEST_F(PictureArt, APictureBecomesItsPixels) {
    const std::string art = write("good.txt", "# two pictures\n" + Legend +
                                                  "\npicture 7\r\n.k.\r\nkk.\r\n"
                                                  "\npicture 1042\nk\n");
    const GeneratorRun r = generate({art});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    const QImage image(QString::fromStdString((out() / "7.png").string()));
    ASSERT_EQ(image.size(), QSize(3, 2));
    const QRgb sky = qRgb(0xa8, 0xd4, 0xff), ink = qRgb(0x20, 0x18, 0x18);
    const std::vector<QRgb> expected = {sky, ink, sky, ink, ink, sky};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(image.pixel(x, y), expected[static_cast<size_t>(y * 3 + x)]) << x << "," << y;
    EXPECT_EQ(QImage(QString::fromStdString((out() / "1042.png").string())).size(), QSize(1, 1));
    EXPECT_EQ(readText(out() / "pictures.qrc"), "<RCC>\n  <qresource prefix=\"/pictures\">\n"
                                                "    <file>7.png</file>\n"
                                                "    <file>1042.png</file>\n"
                                                "  </qresource>\n</RCC>\n");
}

struct Slip {
    const char* name;
    std::string art;
    int line;
    std::string message;
};

void PrintTo(const Slip& slip, std::ostream* out) {
    *out << slip.name;
}

class PictureArtSlip : public PictureArt, public ::testing::WithParamInterface<Slip> {};

TEST_P(PictureArtSlip, StopsWithTheFileAndLine) {
    const std::string art = write("slip.txt", GetParam().art);
    std::string message = GetParam().message;
    if (const size_t at = message.find("SLIP"); at != std::string::npos)
        message.replace(at, 4, art);
    const GeneratorRun r = generate({art});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, art + ":" + std::to_string(GetParam().line) + ": " + message + "\n");
    EXPECT_FALSE(fs::exists(out() / "pictures.qrc"));
}

// Legend takes lines 1 to 3; SLIP stands for the file's own path.
const Slip Slips[] = {
    {"RowTooShort", Legend + "\npicture 1\n.k.\nk.\n", 7,
     "row is 2 pixels wide, the picture's first 3"},
    {"RowTooLong", Legend + "\npicture 1\n.k\nk..\n", 7,
     "row is 3 pixels wide, the picture's first 2"},
    {"UnknownCharacter", Legend + "\npicture 1\n.k\nkx\n", 7, "'x' is not in the legend"},
    {"TrailingSpace", Legend + "\npicture 1\n.k \n", 6, "' ' is not in the legend"},
    {"DuplicateId", Legend + "\npicture 4\nk\n\npicture 4\nk\n", 8,
     "picture 4 is drawn twice; first at SLIP:5"},
    {"PictureWithoutRows", Legend + "\npicture 4\n\n", 5, "picture 4 has no rows"},
    {"NotANumber", Legend + "\npicture 4a\nk\n", 5, "\"4a\" is not a picture number"},
    {"CharacterTwiceInLegend", Legend + "k #000000 black\n", 4, "'k' is in the legend twice"},
    {"ColourNotHex", "legend\n. #a8d4fg sky\n", 2, "\"#a8d4fg\" is not a colour #rrggbb"},
    {"LegendWithoutColour", "legend\n. sky\n", 2,
     "a legend line reads \"C #rrggbb\", then an optional name"},
    {"StrayText", Legend + "\nhello\n", 5,
     "expected \"legend\", \"picture NUMBER\", a comment or a blank line"},
};

INSTANTIATE_TEST_SUITE_P(Slips, PictureArtSlip, ::testing::ValuesIn(Slips),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PictureArt, AnIdDrawnInTwoFilesNamesBoth) {
    const std::string first = write("first.txt", Legend + "\npicture 9\nk\n");
    const std::string second = write("second.txt", Legend + "\n\npicture 9\n.\n");
    const GeneratorRun r = generate({first, second});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, second + ":6: picture 9 is drawn twice; first at " + first + ":5\n");
}

TEST_F(PictureArt, AMissingFileIsNamed) {
    const std::string missing = (folder / "missing.txt").string();
    const GeneratorRun r = generate({missing});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, missing + ": cannot be read\n");
}

} // namespace
