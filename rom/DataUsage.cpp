#include "rom/DataUsage.h"

#include "rom/LevelKeys.h"
#include "rom/RomWriter.h"
#include "rom/ScreenEncoder.h"

namespace rom {

DataUsage dataUsage(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave) {
    DataUsage usage;
    for (const Region& region : Regions) {
        const int i = region.section;
        usage.used[i] = static_cast<long>(encodeRegion(region, kivLevel, kivSave).size()) - 1;
        usage.budget[i] = region.budget;
        if (i > 0)
            usage.message += "\r\n";
        usage.message += cat({"Bytes used for ", region.captions.report, ": ", formatCount(usage.used[i]),
                              " out of ", formatCount(usage.budget[i])});
    }
    return usage;
}

} // namespace rom
