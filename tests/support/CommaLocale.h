#pragma once

// A German locale for tests, where the C library reads "0.125" as 0 and Qt writes "0,125": the
// program adopts the user's locale, and its numbers must not change with it.
//
// Call prepareCommaLocale() first thing in main(), before the application object exists.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

inline constexpr const char* CommaLocale = "de_DE.UTF-8";

inline const std::filesystem::path& commaLocaleFolder() {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tw-locale-" + std::to_string(::getpid()));
    return folder;
}

// Why the locale could not be set up; empty once it is in force.
inline std::string& whyNoCommaLocale() {
    static std::string why = "prepareCommaLocale() was not called";
    return why;
}

// Compiles the German locale into a folder of our own and points the C library at it, so that
// nothing outside the test changes and no privileges are needed.
inline void prepareCommaLocale() {
    namespace fs = std::filesystem;
    const fs::path locales = commaLocaleFolder() / "locales";
    const fs::path log = commaLocaleFolder() / "localedef.log";
    std::error_code error;
    fs::create_directories(locales, error);
    const std::string command = "localedef -i de_DE -f UTF-8 '" + (locales / CommaLocale).string() +
                                "' >'" + log.string() + "' 2>&1";
    if (error || std::system(command.c_str()) != 0) {
        whyNoCommaLocale() = "localedef could not build " + std::string(CommaLocale) +
                             " (install the Debian package 'locales'); see " + log.string();
        return;
    }
    ::setenv("LOCPATH", locales.c_str(), 1);
    ::setenv("LC_ALL", CommaLocale, 1);
    ::setenv("LANG", CommaLocale, 1);
    whyNoCommaLocale().clear();
}
