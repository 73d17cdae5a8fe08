#pragma once

// Names of the level document's keys. Every component builds its keys through these helpers.

#include <charconv>
#include <string>
#include <string_view>

namespace rom {

inline std::string cat(std::initializer_list<std::string_view> parts) {
    // Sized first: keys past the short-string room would otherwise grow more than once.
    std::size_t size = 0;
    for (auto p : parts)
        size += p.size();
    std::string out;
    out.reserve(size);
    for (auto p : parts)
        out += p;
    return out;
}

// Decimal text of a whole number, the same under every locale.
inline std::string num(long n) {
    char digits[24];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

// Screens and cells.
inline std::string screensKey(std::string_view level) {
    return cat({"Screens_", level});
}
inline std::string screenKey(std::string_view level, int k) {
    return cat({"Screen_", level, "_", num(k)});
}
inline std::string screenItemPrefix(std::string_view level) {
    return cat({"Screen_", level, "_"});
}
inline std::string markerKey(std::string_view level, std::string_view ref) {
    return cat({level, "_", ref});
}
inline std::string cellKey(std::string_view level, std::string_view ref, int x, int y) {
    return cat({level, "_", ref, "_", num(x), "_", num(y)});
}

// Enemies: field is one of "screen", "x", "y", "type", "hard".
inline std::string enemiesKey(std::string_view level) {
    return cat({"Enemies_", level});
}
inline std::string enemyKey(std::string_view level, std::string_view field, int k) {
    return cat({"Enemy_", level, "_", field, "_", num(k)});
}

// Power-ups: field is one of "level", "screen", "x", "type".
inline std::string powerUpKey(std::string_view field, int k) {
    return cat({"PowerUp_", field, "_", num(k)});
}

// Pipes: field is one of "entryscreen", "entryx", "bonusscreen", "exitscreen", "exitx", "exity".
inline std::string pipeKey(std::string_view level, std::string_view field, int k) {
    return cat({"Pipe_", level, "_", field, "_", num(k)});
}

// Scratch keys of an encoding pass (kept in kivSave, never in the level document).
inline std::string savedKey(std::string_view level) {
    return cat({"Saved_", level});
}
inline std::string saveItemPrefix(std::string_view level) {
    return cat({"Save_", level, "_"});
}
inline std::string screenRefKey(std::string_view ref) {
    return cat({"ScreenRef_", ref});
}

// "1-3" <-> "13".
inline std::string levelFromText(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '-')
            out += c;
    return out;
}
inline std::string levelText(std::string_view level) {
    return level.size() == 2 ? cat({level.substr(0, 1), "-", level.substr(1, 1)})
                             : std::string(level);
}

} // namespace rom
