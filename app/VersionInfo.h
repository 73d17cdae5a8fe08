#pragma once

#include <QString>

// The program's version information, shown in the About box.
namespace versionInfo {

inline constexpr int Major = TARNWICK_VERSION_MAJOR;
inline constexpr int Minor = TARNWICK_VERSION_MINOR;
inline constexpr int Patch = TARNWICK_VERSION_PATCH;

inline constexpr const char* CompanyName = "Tarnwick developers";
inline constexpr const char* Comments =
    "A level editor for the Game Boy game Super Mario Land. Last updated 9 December 2026.";
inline constexpr const char* ProductName = "Tarnwick";
inline constexpr const char* Thanks =
    "Many thanks to the authors of the public technical documentation of Super Mario Land; "
    "without it this program would not have been possible.";

// "1.4.6"
QString versionText();

// The text of the About box: version and company, comments, product name and thanks.
QString aboutText();

} // namespace versionInfo
