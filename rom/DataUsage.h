#pragma once

#include <kiv/ConfigFile.h>

#include <array>
#include <string>

namespace rom {

// Bytes each save region's screens would take, as a save reports them (bytes written - 1).
struct DataUsage {
    std::array<long, 3> used{}; // world 1; worlds 2 and 4; world 3
    std::array<long, 3> budget{};
    std::string message; // the three "Bytes used for ..." lines
    bool overBudget(int region) const { return used[region] > budget[region]; }
};

// Encodes every region of the document into the scratch store `kivSave`; writes nothing else.
DataUsage dataUsage(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave);

} // namespace rom
