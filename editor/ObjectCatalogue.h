#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kiv {
class ConfigFile;
}

// One object the user is offered: its code text exactly as the catalogue holds it, and the
// description shown in the object list.
struct CatalogueObject {
    std::string code;
    std::string description;
};

// The integer part of a decimal number text ("49" gives 49, "49.7" gives 49); 0 when the text
// does not start with a number.
int numberOf(std::string_view text);

// The objects offered while a level of `world` ('1' to '4') is chosen: every universal object
// of the catalogue (keys "Universal", "CodeU" i, "DescU" i), then the world's own objects
// ("World" w, "CodeW" w "_" j, "DescW" w "_" j), each in catalogue order.
std::vector<CatalogueObject> objectsOfWorld(const kiv::ConfigFile& kivObjects, char world);
