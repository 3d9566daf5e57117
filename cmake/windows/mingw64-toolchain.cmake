# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# Only the MinGW sysroot and the prefixes named by the build are searched for
# libraries and packages, never the build host's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(RK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RK_MINGW_TRIPLET}-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${RK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
