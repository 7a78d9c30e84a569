#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows programs (build-windows.sh) and their tests, run under Wine
# through CTest's cross-compiling emulator (cmake/mingw-w64-x86_64.cmake):
#   test-windows.sh BUILD    builds in BUILD/windows, tests the 64-bit tree
# core_tests, the program on a desktop read by an MSAA client, and what both
# exes say of themselves. The 32-bit build is compiled and linked only:
# running it needs 32-bit Wine, which a 64-bit-only kernel cannot load.
# Does nothing, and says so, where the cross compilers or Wine are missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd -P)
build=${1:-build}

for tool in x86_64-w64-mingw32-g++-posix i686-w64-mingw32-g++-posix; do
    command -v "$tool" >/dev/null || { echo "test-windows: no $tool, skipped"; exit 0; }
done
[ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null || command -v wine >/dev/null ||
    { echo "test-windows: no Wine, skipped"; exit 0; }

echo "== Windows: the programs and their tests"
"$top/scripts/build-windows.sh" "$build" core_tests msaa_client
cd "$build/windows/x86_64" && ctest --output-on-failure --no-tests=error -j"$(nproc)"
