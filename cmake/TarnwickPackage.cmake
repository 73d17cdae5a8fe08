# `cpack -G DEB` in the build folder makes one Debian package of everything `cmake --install`
# puts in place: the programs, libkiv with its headers and packages, and the desktop files. Its
# dependencies on the shared libraries (Qt 6, libstdc++, libc) are read from the programs by
# dpkg-shlibdeps (Debian package dpkg-dev).
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Tarnwick developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Level editor for the Game Boy game Super Mario Land")
set(CPACK_PACKAGE_DESCRIPTION "\
Tarnwick opens a ROM image of Super Mario Land and edits its levels: screens, enemies,
power-ups and pipes. Save As writes a patched copy within each world's room. tarnwick-cli
makes a sample image, exports, imports and measures level data and draws levels. The package
also holds Kiv, the keyed text store library the editor is built on, for C++ programs
(CMake package Kiv, pkg-config kiv).")
set(CPACK_PACKAGE_CONTACT "Tarnwick developers <maintainers@tarnwick.invalid>"
    CACHE STRING "The package's maintainer, as Debian writes one: Name <address>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libkiv.so.1 comes with the package itself; the programs find it through their RUNPATH.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/lib)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The programs draw with Qt's platform plugins, which no library names as a dependency.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "shared-mime-info, desktop-file-utils")

include(CPack)
