#pragma once

// Names of the level document's keys. Every component builds its keys through these helpers.

#include <charconv>
#include <initializer_list>
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

// Decimal text of a whole number held in place, for a part of a key.
class Decimal {
public:
    explicit Decimal(long n)
        : size_(static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, n).ptr -
                                         digits_)) {}
    operator std::string_view() const { return {digits_, size_}; }

private:
    char digits_[24];
    std::size_t size_;
};

// Keys that share a head, put together one after the other in a string kept for them: a load
// names thousands of keys, and once the string has its room none of them allocates. The text
// is the same as the helpers below give.
class KeyText {
public:
    explicit KeyText(std::initializer_list<std::string_view> head)
        : text_(cat(head)), head_(text_.size()) {}

    // The head followed by `parts`; valid until the next call.
    const std::string& with(std::initializer_list<std::string_view> parts) {
        text_.resize(head_);
        for (auto p : parts)
            text_ += p;
        return text_;
    }

private:
    std::string text_;
    std::size_t head_;
};

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
