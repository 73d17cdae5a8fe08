#pragma once

#include <kiv/ConfigFile.h>

#include <array>

namespace rom {

// Bytes each save region's screens would take, as a save counts them (bytes written - 1).
struct DataUsage {
    std::array<long, 3> used{}; // by Region::section
    std::array<long, 3> budget{};
    bool overBudget(int region) const { return used[region] > budget[region]; }
};

// Encodes every region of the document into the scratch store `kivSave`; writes nothing else.
DataUsage dataUsage(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave);

} // namespace rom
