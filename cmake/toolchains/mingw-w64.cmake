# The Windows build of the project: MinGW-w64 (mingw-w64-compilers.cmake), with ctest
# running the tests under Wine through scripts/wine.sh and a prefix inside the build
# folder; the script says which environment Wine gets and why.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)
find_program(VORNA_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine.sh ${CMAKE_BINARY_DIR}/wine)
