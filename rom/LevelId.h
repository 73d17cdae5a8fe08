#pragma once

// One of the game's twelve levels, named the way the document's keys name it ("11" ... "43")
// and the way users read it ("1-1" ... "4-3").

#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace rom {

class LevelId {
public:
    // Level `index` of the game's order, 0 (1-1) to 11 (4-3).
    static constexpr LevelId at(int index) { return LevelId(index); }
    // "11" ... "43"; nothing for any other text.
    static constexpr std::optional<LevelId> fromKey(std::string_view key) {
        for (int i = 0; i < static_cast<int>(Levels.size()); ++i)
            if (Levels[i] == key)
                return LevelId(i);
        return std::nullopt;
    }
    // "1-1" ... "4-3", or the key form; nothing for any other text.
    static std::optional<LevelId> fromText(std::string_view text) {
        return fromKey(levelFromText(text));
    }

    constexpr int index() const { return index_; }
    constexpr std::string_view key() const { return Levels[index_]; }
    std::string text() const { return levelText(key()); }
    constexpr char worldDigit() const { return key().front(); }
    // The section flag of the save region holding this level's screens.
    constexpr int screenSection() const { return screenSectionOfWorld(worldDigit()); }

    constexpr auto operator<=>(const LevelId&) const = default;

private:
    explicit constexpr LevelId(int index) : index_(index) {}
    int index_;
};

} // namespace rom
