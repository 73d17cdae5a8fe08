#pragma once

// The texts the window and tarnwick-cli show for what the codec reports. Each front end passes
// its own line break: the window breaks lines the Windows way, a terminal with a line feed.

#include "rom/DataUsage.h"
#include "rom/RomWriter.h"

#include <string>
#include <string_view>

namespace messages {

// The "#,###" number format: thousands grouped with ",", 0 shown as nothing.
std::string formatCount(long n);

// "Bytes used for world 1: 4,067 out of 5,847", one line a region. A figure over its budget is
// shown as it is.
std::string dataUsageText(const rom::DataUsage& usage, std::string_view lineBreak);

// "Data written for world 1 (4,067 used out of 5,847 bytes)" for each region written, then a
// line for each object table written; every line but "Pipe data written" ends in a line break.
std::string saveReport(const rom::SectionsWritten& written, std::string_view lineBreak);

// A saved ROM: "ROM saved: <outPath>", a blank line and the save report.
std::string savedText(const std::string& outPath, const rom::SectionsWritten& written,
                      std::string_view lineBreak);

// A save refused for a region over its budget, and that nothing was written.
std::string refusedText(const rom::SectionsWritten& written, std::string_view lineBreak);

} // namespace messages
