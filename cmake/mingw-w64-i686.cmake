# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 32-bit Windows with Debian's MinGW-w64:
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
# Nothing runs its programs here: 32-bit Wine needs a kernel that loads
# 32-bit programs.
set(MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
