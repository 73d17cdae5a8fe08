# kiv.dll, the store as a Windows in-process component, cross-compiled by a separate CMake
# configure (store/win with cmake/mingw-w64.cmake) into its own build folder, so the Linux build
# and its flags stay as they are. Built only where the MinGW-w64 cross compiler, its IDL compiler
# and the IDL files of the system interfaces are installed (scripts/deps.sh installs them).
find_program(KIV_MINGW_CXX NAMES x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++)
find_program(KIV_MINGW_WIDL NAMES x86_64-w64-mingw32-widl)
find_file(KIV_OAIDL_IDL oaidl.idl PATHS /usr/include/wine/wine/windows /usr/include/wine/windows
          NO_DEFAULT_PATH)
if(KIV_MINGW_CXX AND KIV_MINGW_WIDL AND KIV_OAIDL_IDL)
    include(ExternalProject)
    set(KIV_DLL_DIR ${PROJECT_BINARY_DIR}/kiv-windows)
    set(KIV_DLL ${KIV_DLL_DIR}/kiv.dll CACHE INTERNAL "The cross-compiled component")
    set(KIV_DLL_CLIENT ${KIV_DLL_DIR}/kiv_client_test.exe CACHE INTERNAL "Its compiled test client")
    set(kiv_client_args)
    if(TARNWICK_BUILD_TESTS)
        set(kiv_client_args
            -DKIV_CLIENT_TEST_SOURCE=${PROJECT_SOURCE_DIR}/tests/kiv_windows/early_binding_client.cpp)
    endif()
    ExternalProject_Add(kiv_dll
        SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/win
        BINARY_DIR ${KIV_DLL_DIR}
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake
                   -DCMAKE_BUILD_TYPE=Release
                   -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
                   ${kiv_client_args}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${KIV_DLL})
else()
    unset(KIV_DLL CACHE)
    message(STATUS "kiv.dll (Windows component) not built: it needs g++-mingw-w64-x86-64, "
                   "mingw-w64-tools and libwine-dev, which scripts/deps.sh installs")
endif()
