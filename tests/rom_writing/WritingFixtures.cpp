#include "WritingFixtures.h"

#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps two builds testing at once out of each other's folders.
    const std::string name = "tw_write_" + std::to_string(::getpid()) + "_" +
                             test->test_suite_name() + "_" + test->name();
    std::string safe;
    for (char c : name)
        safe += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    root_ = fs::temp_directory_path() / safe;
    fs::remove_all(root_);
    fs::create_directories(root_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::vector<std::string> TempFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(root_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

kiv::ConfigFile sampleDocument(uint32_t seed) {
    kiv::ConfigFile doc;
    rom::loadROM(rom::RomImage(rom::makeSampleRom(seed)), doc);
    return doc;
}

std::string screenCells(const kiv::ConfigFile& doc, const std::string& level,
                        const std::string& ref) {
    std::string out;
    for (int x = 0; x < rom::ScreenColumns; ++x)
        for (int y = 0; y < rom::ScreenRows; ++y) {
            const std::string value = doc.GetValue(rom::cellKey(level, ref, x, y));
            if (value != kiv::ConfigFile::NotFound)
                out += rom::num(x) + "_" + rom::num(y) + "=" + value + "\n";
        }
    return out;
}
