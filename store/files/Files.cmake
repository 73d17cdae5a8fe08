# The file layer the store and the ROM codec share: whole-file reading, atomic replacing and the
# one table from system error codes to the platform's file error numbers. A static library, built
# position-independent so that the shared store can take it in; POSIX only (the Windows build of
# the store has its own file layer in win/).
file(GLOB TARNWICK_FILES_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/src/*.cpp)
add_library(tarnwick_files STATIC ${TARNWICK_FILES_SOURCES})
target_include_directories(tarnwick_files PUBLIC ${CMAKE_CURRENT_LIST_DIR}/include)
set_target_properties(tarnwick_files PROPERTIES POSITION_INDEPENDENT_CODE ON)
