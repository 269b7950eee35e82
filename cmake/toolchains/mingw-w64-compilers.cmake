# 64-bit Windows with Debian's MinGW-w64 cross compiler (posix threads, for std::thread
# and std::mutex), executables linked statically so they need no MinGW DLL beside them.
# scripts/qt-windows.sh builds Qt with this file alone; the project's own build adds
# Wine as the emulator (mingw-w64.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Qt for Windows, when the build uses it, is found under its own prefix as well as
# MinGW's: both are roots that target packages and libraries are searched in.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VORNA_QT_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${VORNA_QT_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
