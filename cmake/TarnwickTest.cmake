# tarnwick_add_test(<name> SOURCES ... LIBRARIES ... [GTEST] [ENVIRONMENT ...])
#
# The one way a test program joins CTest. A GoogleTest program (GTEST) has its cases discovered
# one by one; any other program runs as one test, in ENVIRONMENT. Qt test programs (those linking
# a Qt or widget library) run on the offscreen platform, so no display is needed, and keep their
# program data (the window's recovery copies) in the build folder rather than the user's.
include(GoogleTest)

function(tarnwick_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "GTEST" "" "SOURCES;LIBRARIES;ENVIRONMENT")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    if(arg_GTEST)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        gtest_discover_tests(${name})
        return()
    endif()
    set(environment ${arg_ENVIRONMENT})
    if(arg_LIBRARIES MATCHES "Qt6::|tarnwick_(render|editor|screen_manager|app)")
        target_link_libraries(${name} PRIVATE Qt6::Test)
        # The main window keeps recovery copies of unsaved work in the user's data folder.
        list(PREPEND environment QT_QPA_PLATFORM=offscreen
             XDG_DATA_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}-data)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()
