# 64-bit Windows with Debian's MinGW-w64 cross compiler (posix threads, for std::thread
# and std::mutex). The executables are linked statically, so they need no MinGW DLL
# beside them; ctest runs them under Wine with a prefix inside the build folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian keeps wine64 in its library folder, not on PATH. Wine creates the prefix on
# its first start; Mono, Gecko and desktop menu entries (written outside the prefix)
# are not wanted. Under the C.UTF-8 locale Wine's ANSI code page is 1252, which cannot
# hold a Chinese file name: a name that went through the ANSI code page instead of
# UTF-16 shows up garbled.
find_program(VORNA_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_COMMAND} -E env
    WINEPREFIX=${CMAKE_BINARY_DIR}/wine
    WINEDEBUG=-all
    LC_ALL=C.UTF-8
    WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=
  ${VORNA_WINE64})
