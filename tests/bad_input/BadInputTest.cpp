// Bad input of every kind the program reads: ROM images, level-data files and the object
// catalogue. Each is refused with an error that says what is wrong, or, where the file format
// gives it a meaning, read in that defined way; either way nothing else changes: the document
// the input was meant for keeps what it held and no file is written.

#include "rom/Counts.h"
#include "rom/ImportCheck.h"
#include "rom/LevelKeys.h"
#include "rom/RomImage.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"
#include "sample/SampleRom.h"

#include <kiv/ConfigFile.h>
#include <kiv/Error.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum class Reader { Rom, LevelData, Catalogue };

using Bytes = std::vector<uint8_t>;

struct BadInput {
    const char* name;
    Reader reader;
    // Makes the input at the given path; the sample image and its level document are at hand.
    std::function<void(const fs::path&, const Bytes& image, kiv::ConfigFile& doc)> make;
    int32_t number;   // the error expected; 0 for input that the format defines
    std::string text; // part of the error's description, or of the refusal
    // For defined input: checks what was read (the document, or the catalogue store).
    std::function<void(const kiv::ConfigFile& read, const kiv::ConfigFile& sample)> sound;
};

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string asText(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// The sample image with `change` applied.
std::function<void(const fs::path&, const Bytes&, kiv::ConfigFile&)>
romWith(std::function<void(Bytes&)> change) {
    return [change](const fs::path& path, const Bytes& image, kiv::ConfigFile&) {
        Bytes changed = image;
        change(changed);
        writeBytes(path, asText(changed));
    };
}

// The sample's level document with `change` applied, saved as a level-data file.
std::function<void(const fs::path&, const Bytes&, kiv::ConfigFile&)>
levelDataWith(std::function<void(kiv::ConfigFile&)> change) {
    return [change](const fs::path& path, const Bytes&, kiv::ConfigFile& doc) {
        kiv::ConfigFile changed;
        changed.WriteAll(doc.GetAll());
        change(changed);
        changed.ConfigSave(path.string());
    };
}

std::function<void(const fs::path&, const Bytes&, kiv::ConfigFile&)> file(std::string bytes) {
    return
        [bytes](const fs::path& path, const Bytes&, kiv::ConfigFile&) { writeBytes(path, bytes); };
}

void aFolder(const fs::path& path, const Bytes&, kiv::ConfigFile&) {
    fs::create_directory(path);
}

void setPointer(Bytes& image, int at, int value) {
    image[static_cast<size_t>(at)] = static_cast<uint8_t>(value & 0xFF);
    image[static_cast<size_t>(at + 1)] = static_cast<uint8_t>(value >> 8);
}

const rom::LevelTable& table(std::string_view level) {
    return *std::find_if(rom::LevelTables.begin(), rom::LevelTables.end(),
                         [&](const rom::LevelTable& t) { return t.level == level; });
}

const BadInput Inputs[] = {
    // ROM images.
    {"an empty file as ROM",
     Reader::Rom,
     file(""),
     rom::ErrRomTooShort,
     "too short to be a Super Mario Land ROM (0 bytes)",
     {}},
    {"a truncated ROM",
     Reader::Rom,
     [](const fs::path& p, const Bytes& image, kiv::ConfigFile&) {
         writeBytes(p, asText(image).substr(0, 40000));
     },
     rom::ErrRomTooShort,
     "(40000 bytes)",
     {}},
    {"a wrong title",
     Reader::Rom,
     romWith([](Bytes& b) { b[rom::TitleFirst] ^= 0x20; }),
     rom::ErrNotSuperMarioLand,
     "This is not a Super Mario Land ROM file",
     {}},
    {"a screen pointer outside the banks",
     Reader::Rom,
     romWith([](Bytes& b) { setPointer(b, table("21").first, 0x0100); }),
     rom::ErrCorruptRomData,
     "A screen pointer of level 2-1 points outside the screen data",
     {}},
    {"a screen that runs past the image end",
     Reader::Rom,
     romWith([](Bytes& b) {
         setPointer(b, table("31").first, 0xFFFE - table("31").refAdd);
         b[0xFFFE] = 0x02; // a header whose two literal codes would lie past the end
         b[0xFFFF] = 0x01;
     }),
     rom::ErrCorruptRomData,
     "Screen data of level 3-1 runs past the end of the ROM image",
     {}},
    {"a screen table pointing into itself",
     Reader::Rom,
     romWith([](Bytes& b) {
         const rom::LevelTable& t = table("11");
         setPointer(b, t.first, t.first - t.refAdd);
     }),
     rom::ErrCorruptRomData,
     "A screen pointer of level 1-1 points into the screen tables",
     {}},
    {"a folder given as ROM",
     Reader::Rom,
     aFolder,
     kiv::errors::PathFileAccess,
     "Path/File access error",
     {}},
    {"a missing ROM",
     Reader::Rom,
     [](const fs::path&, const Bytes&, kiv::ConfigFile&) {},
     kiv::errors::FileNotFound,
     "File not found",
     {}},

    // Level-data files.
    {"a screen count of two billion",
     Reader::LevelData,
     levelDataWith([](auto& d) { d.WriteValue("Screens_11", "2000000000"); }),
     kiv::errors::SubscriptOutOfRange,
     "Screens_11 holds \"2000000000\"",
     {}},
    {"a negative enemy count",
     Reader::LevelData,
     levelDataWith([](auto& d) { d.WriteValue("Enemies_13", "-3"); }),
     kiv::errors::SubscriptOutOfRange,
     "Enemies_13 holds \"-3\", which is below 0",
     {}},
    {"a non-numeric screen count",
     Reader::LevelData,
     levelDataWith([](auto& d) { d.WriteValue("Screens_42", "many"); }),
     kiv::errors::TypeMismatch,
     "Screens_42 holds \"many\", which is not a number",
     {}},
    {"a negative cell value",
     Reader::LevelData,
     levelDataWith([](auto& d) {
         d.WriteValue(rom::cellKey("21", d.GetValue(rom::screenKey("21", 1)), 3, 0), "-7");
     }),
     kiv::errors::TypeMismatch,
     "holds \"-7\", which is not an object code 0 to 255",
     {}},
    {"a line without \"=\"",
     Reader::LevelData,
     [](const fs::path& p, const Bytes&, kiv::ConfigFile& doc) {
         writeBytes(p, "Screens_11=" + doc.GetValue("Screens_11") + "\r\nno equals sign\r\n");
     },
     kiv::errors::InvalidArgument,
     "Invalid procedure call or argument",
     {}},
    {"an empty level-data file", Reader::LevelData, file(""), 0, rom::NotLevelDataText, {}},
    {"a file without Screens_11",
     Reader::LevelData,
     file("Universal=3\r\nCodeU1=19\r\n"),
     0,
     rom::NotLevelDataText,
     {}},
    {"a folder given as level data",
     Reader::LevelData,
     aFolder,
     kiv::errors::PathFileAccess,
     "Path/File access error",
     {}},
    {"level data with CR-only line breaks", Reader::LevelData,
     [](const fs::path& p, const Bytes&, kiv::ConfigFile& doc) {
         doc.ConfigSave(p.string());
         std::ifstream in(p, std::ios::binary);
         std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
         text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
         writeBytes(p, text);
     },
     0, "",
     [](const kiv::ConfigFile& read, const kiv::ConfigFile& sample) {
         EXPECT_TRUE(read.GetAll() == sample.GetAll());
     }},

    // The object catalogue.
    {"a catalogue line without \"=\"",
     Reader::Catalogue,
     file("Universal=1\r\nCodeU1\r\n"),
     kiv::errors::InvalidArgument,
     "Invalid procedure call or argument",
     {}},
    {"a folder given as catalogue",
     Reader::Catalogue,
     aFolder,
     kiv::errors::PathFileAccess,
     "Path/File access error",
     {}},
    {"a catalogue count beyond any integer", Reader::Catalogue,
     file("Universal=99999999999\r\nWorld1=-4\r\nEnemies=1e300\r\nPowerUps=x\r\n"), 0, "",
     [](const kiv::ConfigFile& read, const kiv::ConfigFile&) {
         EXPECT_EQ(rom::boundedCount(read.GetValue("Universal"), rom::CatalogueCapacity), 256);
         EXPECT_EQ(rom::boundedCount(read.GetValue("World1"), rom::CatalogueCapacity), 0);
         EXPECT_EQ(rom::boundedCount(read.GetValue("Enemies"), rom::CatalogueCapacity), 256);
         EXPECT_EQ(rom::boundedCount(read.GetValue("PowerUps"), rom::CatalogueCapacity), 0);
     }},
    {"bytes that Windows-1252 leaves undefined", Reader::Catalogue,
     file("DescU1=a\x81\x8D\x8F\x90\x9D\x80z\r\n"), 0, "",
     [](const kiv::ConfigFile& read, const kiv::ConfigFile&) {
         // The five undefined bytes stand for the control characters of their number; 80 is
         // the euro sign.
         EXPECT_EQ(read.GetValue("DescU1"),
                   "a\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xE2\x82\xACz");
     }},
    {"a catalogue with CR-only line breaks", Reader::Catalogue,
     file("Universal=1\rCodeU1=19\rDescU1=Brick\r"), 0, "",
     [](const kiv::ConfigFile& read, const kiv::ConfigFile&) {
         EXPECT_EQ(read.GetValue("Universal"), "1");
         EXPECT_EQ(read.GetValue("CodeU1"), "19");
         EXPECT_EQ(read.GetValue("DescU1"), "Brick");
     }},
};

void PrintTo(const BadInput& input, std::ostream* out) {
    *out << input.name;
}

class BadInputTest : public ::testing::TestWithParam<BadInput> {
protected:
    BadInputTest() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        rom::loadROM(rom::RomImage(image), sample);
    }
    ~BadInputTest() override { fs::remove_all(folder); }

    std::vector<std::string> listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The process id keeps two builds testing at once out of each other's folders.
    const fs::path folder =
        fs::temp_directory_path() / ("tw_bad_input_" + std::to_string(::getpid()));
    const Bytes image = rom::makeSampleRom(1);
    kiv::ConfigFile sample;
};

TEST_P(BadInputTest, IsRefusedClearlyOrReadAsDefinedAndChangesNothingElse) {
    const BadInput& input = GetParam();
    const fs::path path = folder / "input";
    input.make(path, image, sample);
    const std::vector<std::string> before = listing();

    // The document the input is meant for holds an unsaved edit that must survive a refusal.
    kiv::ConfigFile target;
    target.WriteAll(sample.GetAll());
    target.WriteValue("Edited", "yes");
    const std::string kept = target.GetAll();
    kiv::ConfigFile scratch;

    int32_t number = 0;
    std::string message;
    try {
        switch (input.reader) {
        case Reader::Rom:
            rom::loadROM(path.string(), target);
            break;
        case Reader::LevelData:
            message = rom::importLevelData(path.string(), target, scratch);
            break;
        case Reader::Catalogue:
            target.ConfigLoad(path.string());
            break;
        }
    } catch (const kiv::Error& e) {
        number = e.number();
        message = e.description();
    }

    EXPECT_EQ(number, input.number) << message;
    EXPECT_NE(message.find(input.text), std::string::npos)
        << "expected \"" << input.text << "\" in \"" << message << "\"";
    EXPECT_EQ(listing(), before);
    if (input.sound) {
        input.sound(target, sample);
    } else if (input.reader == Reader::Catalogue) {
        EXPECT_EQ(target.GetAll(), ""); // a failed load leaves the store empty, never half-read
    } else {
        EXPECT_TRUE(target.GetAll() == kept);
    }
}

std::string caseName(const ::testing::TestParamInfo<BadInput>& info) {
    std::string name;
    for (const char* c = info.param.name; *c != '\0'; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadInputTest, ::testing::ValuesIn(Inputs), caseName);

} // namespace
