#pragma once

// The object catalogue (Objects.txt): the objects offered for each world, the enemy types and the
// power-up types, each with the description users read. Loaded once; the lists then read it.

#include <kiv/ConfigFile.h>

#include <optional>
#include <string>
#include <vector>

namespace rom {

// An entry: its code text exactly as the catalogue holds it, its code as a number (the whole part
// of the text) and its description.
struct CatalogueEntry {
    std::string codeText;
    int code = 0;
    std::string description;
};

class Catalogue {
public:
    Catalogue() = default;
    // Reads `path`; throws kiv::Error when it cannot be read. Nothing changes on failure.
    void load(const std::string& path);
    // Takes the entries of a store already holding a catalogue's keys.
    void load(const kiv::ConfigFile& kivObjects);

    // Every universal object ("Universal", "CodeU" i, "DescU" i), then the world's own objects
    // ("World" w, "CodeW" w "_" j, "DescW" w "_" j), each in catalogue order. `world` is '1'..'4'.
    const std::vector<CatalogueEntry>& objectsOfWorld(char world) const;
    // "Enemies", "CodeE" i, "DescE" i (codes as decimals; the document writes types in hex).
    const std::vector<CatalogueEntry>& enemies() const { return enemies_; }
    // "PowerUps", "CodeP" i, "DescP" i.
    const std::vector<CatalogueEntry>& powerUps() const { return powerUps_; }

    // The first entry of `entries` with this code or this description; nothing when none has.
    static const CatalogueEntry* withCode(const std::vector<CatalogueEntry>& entries, int code);
    static const CatalogueEntry* withDescription(const std::vector<CatalogueEntry>& entries,
                                                 const std::string& description);

private:
    std::vector<std::vector<CatalogueEntry>> worlds_ = std::vector<std::vector<CatalogueEntry>>(4);
    std::vector<CatalogueEntry> enemies_;
    std::vector<CatalogueEntry> powerUps_;
};

} // namespace rom
