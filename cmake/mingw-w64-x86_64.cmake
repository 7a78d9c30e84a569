# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit Windows with Debian's MinGW-w64, whose programs
# run under Wine here:
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
# Debian's wine64 puts its loader beside Wine's libraries, not on the PATH.
find_program(KELVARA_WINE NAMES wine64 wine PATHS /usr/lib/wine)
find_program(KELVARA_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine)
if(KELVARA_WINE AND KELVARA_WINESERVER)
    # Tests run there, in a Wine prefix and a home of the build's own, quietly.
    set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine
        HOME=${CMAKE_BINARY_DIR}/wine-home WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
        ${KELVARA_WINE})
endif()
