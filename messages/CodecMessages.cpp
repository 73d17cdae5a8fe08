#include "messages/CodecMessages.h"

#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"

namespace messages {

using rom::cat;

std::string formatCount(long n) {
    if (n == 0)
        return "";
    const std::string digits = rom::num(n < 0 ? -n : n);
    std::string out = n < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

std::string dataUsageText(const rom::DataUsage& usage, std::string_view lineBreak) {
    std::string text;
    for (const rom::Region& region : rom::Regions) {
        const int i = region.section;
        if (i > 0)
            text += lineBreak;
        text += cat({"Bytes used for ", region.captions.report, ": ", formatCount(usage.used[i]),
                     " out of ", formatCount(usage.budget[i])});
    }
    return text;
}

std::string saveReport(const rom::SectionsWritten& written, std::string_view lineBreak) {
    std::string report;
    for (const rom::Region& region : rom::Regions) {
        const rom::RegionWrite& result = written.regions[region.section];
        if (result.status == rom::RegionWrite::Status::Written)
            report +=
                cat({"Data written for ", region.captions.report, " (", formatCount(result.used),
                     " used out of ", formatCount(result.budget), " bytes)", lineBreak});
    }
    if (written.enemies)
        report += cat({"Enemy data written", lineBreak});
    if (written.powerUps)
        report += cat({"Power-up data written", lineBreak});
    if (written.pipes)
        report += "Pipe data written";
    return report;
}

std::string savedText(const std::string& outPath, const rom::SectionsWritten& written,
                      std::string_view lineBreak) {
    return cat({"ROM saved: ", outPath, lineBreak, lineBreak, saveReport(written, lineBreak)});
}

std::string refusedText(const rom::SectionsWritten& written, std::string_view lineBreak) {
    const int section = written.refusedRegion();
    if (section < 0)
        return "";
    const rom::RegionWrite& refused = written.regions[section];
    return cat({"Unable to save ROM as data usage for ", rom::Regions[section].captions.refusal,
                " is: ", formatCount(refused.used), " out of ", formatCount(refused.budget),
                lineBreak, lineBreak, "Nothing was written."});
}

} // namespace messages
