#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The core, the window and the experiment built for Windows with MinGW-w64,
# and core_tests run there under Wine (CTest's cross-compiling emulator, set
# by cmake/mingw-w64-x86_64.cmake):
#   windows-core.sh BUILD     builds in BUILD/windows-x86_64 and BUILD/windows-i686
# The 32-bit build is compiled and linked only: running it needs 32-bit
# Wine, which a 64-bit-only kernel cannot load.
# Does nothing, and says so, where the cross compilers or Wine are missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd -P)
build=$(cd "${1:-build}" && pwd -P)
jobs=$(nproc)

for tool in x86_64-w64-mingw32-g++-posix i686-w64-mingw32-g++-posix; do
    command -v "$tool" >/dev/null || { echo "windows-core: no $tool, skipped"; exit 0; }
done
[ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null || command -v wine >/dev/null ||
    { echo "windows-core: no Wine, skipped"; exit 0; }

for arch in x86_64 i686; do
    dir=$build/windows-$arch
    echo "== Windows ($arch): the core and its tests"
    cmake -S "$top" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DKELVARA_FRONTEND=none >/dev/null
    cmake --build "$dir" -j"$jobs" --target core_tests
done
dir=$build/windows-x86_64
cd "$dir" && ctest --output-on-failure --no-tests=error -j"$jobs"
