#include "rom/Catalogue.h"

#include "rom/Counts.h"
#include "rom/LevelKeys.h"
#include "rom/Numbers.h"

namespace rom {

namespace {

void appendEntries(const kiv::ConfigFile& store, const std::string& countKey,
                   const std::string& codePrefix, const std::string& descPrefix,
                   std::vector<CatalogueEntry>& out) {
    const int count = boundedCount(store.GetValue(countKey), CatalogueCapacity);
    for (int i = 1; i <= count; ++i) {
        const std::string n = num(i);
        std::string code = store.GetValue(codePrefix + n);
        const int value = leadingWhole(code);
        out.push_back({std::move(code), value, store.GetValue(descPrefix + n)});
    }
}

} // namespace

void Catalogue::load(const std::string& path) {
    kiv::ConfigFile store;
    store.ConfigLoad(path);
    load(store);
}

void Catalogue::load(const kiv::ConfigFile& store) {
    Catalogue next;
    for (char w = '1'; w <= '4'; ++w) {
        const std::string world(1, w);
        std::vector<CatalogueEntry>& objects = next.worlds_[w - '1'];
        appendEntries(store, "Universal", "CodeU", "DescU", objects);
        appendEntries(store, "World" + world, "CodeW" + world + "_", "DescW" + world + "_",
                      objects);
    }
    appendEntries(store, "Enemies", "CodeE", "DescE", next.enemies_);
    appendEntries(store, "PowerUps", "CodeP", "DescP", next.powerUps_);
    *this = std::move(next);
}

const std::vector<CatalogueEntry>& Catalogue::objectsOfWorld(char world) const {
    static const std::vector<CatalogueEntry> none;
    return world >= '1' && world <= '4' ? worlds_[world - '1'] : none;
}

const CatalogueEntry* Catalogue::withCode(const std::vector<CatalogueEntry>& entries, int code) {
    for (const CatalogueEntry& entry : entries)
        if (entry.code == code)
            return &entry;
    return nullptr;
}

const CatalogueEntry* Catalogue::withDescription(const std::vector<CatalogueEntry>& entries,
                                                 const std::string& description) {
    for (const CatalogueEntry& entry : entries)
        if (entry.description == description)
            return &entry;
    return nullptr;
}

} // namespace rom
