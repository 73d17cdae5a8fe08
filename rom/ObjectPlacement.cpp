#include "rom/ObjectPlacement.h"

#include <kiv/ConfigFile.h>

#include <algorithm>
#include <cmath>

namespace rom {

namespace {

constexpr int Cell = 16;
constexpr int EnemyStep = 32; // enemy X counts in two-cell units
constexpr int FineStep = 8;   // bits 6 and 7 shift the picture by half cells
constexpr int EnemyRows = 20;
constexpr int LowerRows = 16; // bit 4 counts sixteen rows further down

int nearest(int pixels, int step) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) / step));
}

std::string text(const Field& field, int offset = 0) {
    return field ? std::to_string(*field + offset) : kiv::ConfigFile::NotFound;
}

std::string twoDigits(std::string text) {
    return text.size() == 1 ? "0" + text : text;
}

// The level as the list shows it ("1-1" for 11) with the dash taken out again.
std::string levelPart(const Field& level) {
    if (!level)
        return kiv::ConfigFile::NotFound;
    const std::string digits = std::to_string(*level);
    std::string shown = digits.substr(0, 1) + "-" + digits.substr(digits.size() - 1);
    std::erase(shown, '-');
    return shown;
}

template <typename Record, typename Key> void sortByKey(std::vector<Record>& records, Key key) {
    std::vector<std::pair<std::string, Record>> keyed;
    keyed.reserve(records.size());
    for (Record& r : records)
        keyed.emplace_back(key(r), std::move(r));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        records[i] = std::move(keyed[i].second);
}

} // namespace

std::vector<int> enemyPositionBytes() {
    std::vector<int> bytes;
    for (int fine : {0x00, 0x40, 0x80, 0xC0})
        for (int row = 0; row < EnemyRows; ++row)
            bytes.push_back(fine + row);
    return bytes;
}

std::optional<EnemyPlace> enemyPlaceAt(int screen, int left, int bottom) {
    const int halfCells = nearest(left, FineStep);
    // The picture's bottom edge lies on the top of the row above the enemy's row.
    const int row = nearest(bottom, Cell) + 1;
    if (screen < FirstEnemyScreen || halfCells < 0 || halfCells >= EnemyColumns * 4 || row < 0 ||
        row >= EnemyRows)
        return std::nullopt;
    int x = halfCells * FineStep / EnemyStep;
    const int fine = halfCells % 4;
    if (screen == FirstEnemyScreen && x < EnemyScreenFourFirstX)
        x = EnemyScreenFourFirstX;
    // Row 0x10 to 0x13 are the rows 16 to 19.
    const int rowBits = row < LowerRows ? row : 0x10 + (row - LowerRows);
    return EnemyPlace{screen, x, (fine << 6) | rowBits};
}

std::optional<PowerUpPlace> powerUpPlaceAt(int screen, int left) {
    const int x = nearest(left, Cell);
    if (screen < 1 || screen > PowerUpScreens || x < 0 || x >= PowerUpColumns)
        return std::nullopt;
    return PowerUpPlace{screen, x};
}

std::string enemyListKey(const EnemyRecord& record) {
    return twoDigits(text(record.screen, 2)) + text(record.x);
}

std::string powerUpListKey(const PowerUpRecord& record) {
    return levelPart(record.level) + twoDigits(text(record.screen)) + twoDigits(text(record.x));
}

void sortAsEnemyList(std::vector<EnemyRecord>& records) {
    sortByKey(records, enemyListKey);
}

void sortAsPowerUpList(std::vector<PowerUpRecord>& records) {
    sortByKey(records, powerUpListKey);
}

} // namespace rom
