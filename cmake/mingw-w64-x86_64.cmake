# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers.
# The posix thread model is the one that has std::thread and std::mutex.
#
# ARDENTIX_WINDOWS_PREFIX (or the environment variable of the same name)
# names the folder with the cross-built Qt, Mbed TLS and libcrypto; the
# find_* calls look there and in the MinGW sysroot, never in the host's
# folders, while programs (moc, rcc, lrelease) come from the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ARDENTIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ARDENTIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ARDENTIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ARDENTIX_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${ARDENTIX_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${ARDENTIX_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

if(NOT ARDENTIX_WINDOWS_PREFIX AND DEFINED ENV{ARDENTIX_WINDOWS_PREFIX})
    set(ARDENTIX_WINDOWS_PREFIX "$ENV{ARDENTIX_WINDOWS_PREFIX}")
endif()
# Passed on to try_compile projects, which read the toolchain file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ARDENTIX_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${ARDENTIX_MINGW_TRIPLE} ${ARDENTIX_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the test programs that ctest and try_run start.
find_program(ARDENTIX_WINE NAMES wine64 wine)
if(ARDENTIX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ARDENTIX_WINE})
endif()
