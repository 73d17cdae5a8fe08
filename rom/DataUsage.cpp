#include "rom/DataUsage.h"

#include "rom/RomLayout.h"
#include "rom/ScreenEncoder.h"

namespace rom {

DataUsage dataUsage(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave) {
    DataUsage usage;
    for (const Region& region : Regions) {
        const int i = region.section;
        usage.used[i] = static_cast<long>(encodeRegion(region, kivLevel, kivSave).size()) - 1;
        usage.budget[i] = region.budget;
    }
    return usage;
}

} // namespace rom
