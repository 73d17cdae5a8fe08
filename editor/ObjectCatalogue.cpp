#include "editor/ObjectCatalogue.h"

#include "rom/Counts.h"

#include <kiv/ConfigFile.h>

#include <charconv>
#include <cmath>
#include <limits>

int numberOf(std::string_view text) {
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    // Out-of-range text (say, from an edited data file) must not overflow the conversion.
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (!std::isfinite(number) || number < lowest || number > highest)
        return 0;
    return static_cast<int>(number);
}

namespace {

void appendObjects(const kiv::ConfigFile& kivObjects, const std::string& countKey,
                   const std::string& codePrefix, const std::string& descPrefix,
                   std::vector<CatalogueObject>& out) {
    const int count = rom::boundedCount(kivObjects.GetValue(countKey), rom::CatalogueCapacity);
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        out.push_back({kivObjects.GetValue(codePrefix + n), kivObjects.GetValue(descPrefix + n)});
    }
}

} // namespace

std::vector<CatalogueObject> objectsOfWorld(const kiv::ConfigFile& kivObjects, char world) {
    const std::string w(1, world);
    std::vector<CatalogueObject> objects;
    appendObjects(kivObjects, "Universal", "CodeU", "DescU", objects);
    appendObjects(kivObjects, "World" + w, "CodeW" + w + "_", "DescW" + w + "_", objects);
    return objects;
}
