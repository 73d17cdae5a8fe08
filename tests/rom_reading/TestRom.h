#pragma once

#include "rom/RomImage.h"
#include "rom/RomLayout.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// A file in the test folder, removed with this object.
struct TempFile {
    explicit TempFile(std::string path) : path(std::move(path)) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile();
    std::string path;
};

// A hand-made image with the game's title in which every level's pointers name an empty screen
// of its own bank. Tests lay their own screens and table records over it.
class TestRom {
public:
    // Empty screens (twenty column ends) at these file offsets, one per bank.
    static constexpr long EmptyScreenBank1 = 0x6000;
    static constexpr long EmptyScreenBank2 = 0xB000;
    static constexpr long EmptyScreenBank3 = 0xE000;

    TestRom();

    void put(long offset, std::initializer_list<uint8_t> bytes);
    void put(long offset, const std::vector<uint8_t>& bytes);
    // Points pointer `k` (1-based) of `level` at the screen data at file offset `screen`.
    void setPointer(std::string_view level, int k, long screen);
    void setPointerWord(std::string_view level, int k, int word);

    rom::RomImage image() const { return rom::RomImage(bytes_); }
    // Writes the first `size` bytes (zeros past the image) to a fresh file in the test folder.
    TempFile writeFile(const std::string& name, long size = rom::RomSize) const;

private:
    std::vector<uint8_t> bytes_;
};

const rom::LevelTable& levelTable(std::string_view level);

// A screen whose first column is `column` (including its column end), whose second column holds
// object 99 in row 0, and whose other columns are empty.
std::vector<uint8_t> screenWithFirstColumn(const std::vector<uint8_t>& column);
