# Installs Kiv for C++ programs: the library, its headers, a CMake package (find_package(Kiv)
# gives Kiv::kiv) and a pkg-config file (kiv.pc). Both packages find the library relative to
# where they are installed, so a prefix can be moved as a whole.
include(CMakePackageConfigHelpers)

set(KIV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Kiv)

install(TARGETS kiv EXPORT KivTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/include/kiv
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT KivTargets NAMESPACE Kiv:: DESTINATION ${KIV_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/KivConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/KivConfig.cmake
                              INSTALL_DESTINATION ${KIV_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/KivConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/KivConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/KivConfigVersion.cmake
        DESTINATION ${KIV_CMAKE_DIR})

# pkg-config reads ${pcfiledir}, so the prefix is written relative to the file itself.
file(RELATIVE_PATH KIV_PC_TO_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" KIV_PC_TO_PREFIX "${KIV_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/kiv.pc.in ${CMAKE_CURRENT_BINARY_DIR}/kiv.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kiv.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
