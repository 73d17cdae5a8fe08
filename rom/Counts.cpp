#include "rom/Counts.h"

#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"

#include <algorithm>
#include <charconv>

namespace rom {

int screenCapacity(std::string_view level) {
    for (const LevelTable& table : LevelTables)
        if (table.level == level)
            return table.screens;
    return 0;
}

int enemyCapacity(std::string_view level) {
    for (const EnemyTable& table : EnemyTables)
        if (table.level == level)
            return table.records;
    return 0;
}

int checkedCount(const kiv::ConfigFile& doc, const std::string& key, int capacity,
                 std::string_view table) {
    const std::string text = doc.GetValue(key);
    if (text == kiv::ConfigFile::NotFound)
        throw kiv::Error(kiv::errors::TypeMismatch,
                         "Type mismatch: the key " + key + " is missing");
    const std::string_view digits =
        !text.empty() && text.front() == '-' ? std::string_view(text).substr(1) : text;
    bool whole = !digits.empty();
    for (char c : digits)
        whole = whole && c >= '0' && c <= '9';
    if (!whole)
        throw kiv::Error(kiv::errors::TypeMismatch, "Type mismatch: " + key + " holds \"" + text +
                                                        "\", which is not a number");
    // Compared as text first: the digits may be far more than any integer holds.
    const std::string_view significant =
        digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    const bool negative = digits.size() != text.size() && !significant.empty();
    long value = 0;
    const bool fits = significant.size() <= 9 && !negative;
    if (fits)
        std::from_chars(significant.data(), significant.data() + significant.size(), value);
    if (!fits || value > capacity)
        throw kiv::Error(
            kiv::errors::SubscriptOutOfRange,
            "Subscript out of range: " + key + " holds \"" + text + "\", " +
                (negative ? std::string("which is below 0")
                          : "but " + std::string(table) + " holds at most " + num(capacity)));
    return static_cast<int>(value);
}

int screenCount(const kiv::ConfigFile& doc, std::string_view level) {
    return checkedCount(doc, screensKey(level), screenCapacity(level),
                        "the screen table of level " + levelText(level));
}

int enemyCount(const kiv::ConfigFile& doc, std::string_view level) {
    return checkedCount(doc, enemiesKey(level), enemyCapacity(level),
                        "the enemy table of level " + levelText(level));
}

int boundedCount(std::string_view text, int capacity) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    // NaN fails both comparisons and counts as none.
    if (!(value >= 1))
        return 0;
    if (value >= capacity)
        return capacity;
    return static_cast<int>(value);
}

int shownScreenCount(const kiv::ConfigFile& doc, std::string_view level) {
    return boundedCount(doc.GetValue(screensKey(level)), screenCapacity(level));
}

int shownEnemyCount(const kiv::ConfigFile& doc, std::string_view level) {
    return boundedCount(doc.GetValue(enemiesKey(level)), enemyCapacity(level));
}

} // namespace rom
