#include "TestRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace rom;

namespace {

constexpr std::string_view Title = "SUPER MARIOLAND";

long emptyScreenFor(const LevelTable& table) {
    switch (table.bank) {
    case 1:
        return TestRom::EmptyScreenBank1;
    case 2:
        return TestRom::EmptyScreenBank2;
    default:
        return TestRom::EmptyScreenBank3;
    }
}

} // namespace

TempFile::~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

const LevelTable& levelTable(std::string_view level) {
    return *std::find_if(LevelTables.begin(), LevelTables.end(),
                         [&](const LevelTable& t) { return t.level == level; });
}

TestRom::TestRom() : bytes_(RomSize, 0) {
    std::copy(Title.begin(), Title.end(), bytes_.begin() + TitleFirst);
    for (long empty : {EmptyScreenBank1, EmptyScreenBank2, EmptyScreenBank3})
        put(empty, std::vector<uint8_t>(ScreenColumns, ColumnEnd));
    for (const auto& table : LevelTables)
        for (int k = 1; k <= table.screens; ++k)
            setPointer(table.level, k, emptyScreenFor(table));
}

void TestRom::put(long offset, std::initializer_list<uint8_t> bytes) {
    put(offset, std::vector<uint8_t>(bytes));
}

void TestRom::put(long offset, const std::vector<uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + offset);
}

void TestRom::setPointer(std::string_view level, int k, long screen) {
    setPointerWord(level, k, static_cast<int>(screen - levelTable(level).refAdd));
}

void TestRom::setPointerWord(std::string_view level, int k, int word) {
    const long at = levelTable(level).first + 2L * (k - 1);
    put(at, {static_cast<uint8_t>(word & 0xFF), static_cast<uint8_t>(word >> 8)});
}

TempFile TestRom::writeFile(const std::string& name, long size) const {
    // Builds in other folders may run the same test at the same time.
    const std::string path = ::testing::TempDir() + std::to_string(::getpid()) + "-" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::vector<uint8_t> contents = bytes_;
    contents.resize(static_cast<size_t>(size), 0);
    out.write(reinterpret_cast<const char*>(contents.data()), size);
    return TempFile(path);
}

std::vector<uint8_t> screenWithFirstColumn(const std::vector<uint8_t>& column) {
    std::vector<uint8_t> screen = column;
    screen.insert(screen.end(), {0x01, 99, ColumnEnd});
    screen.insert(screen.end(), ScreenColumns - 2, ColumnEnd);
    return screen;
}
