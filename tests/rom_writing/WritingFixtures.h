#pragma once

#include <kiv/ConfigFile.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder for one test, removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const { return (root_ / name).string(); }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path root_;
};

std::vector<uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The level document of the sample ROM made with `seed`.
kiv::ConfigFile sampleDocument(uint32_t seed = 1);

// The cell keys and values of `level`'s design of screen `ref`, as "x_y=value" lines.
std::string screenCells(const kiv::ConfigFile& doc, const std::string& level,
                        const std::string& ref);
