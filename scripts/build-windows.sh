#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kelvara for Windows, cross-built with MinGW-w64 on the Windows API front end:
#   build-windows.sh BUILD [TARGET...]
# builds BUILD/windows/x86_64/kelvara.exe and BUILD/windows/i686/kelvara.exe,
# each linked statically (nothing beside it but Windows' own DLLs), and packs
# BUILD/windows/kelvara-1.00-windows.zip with both, COPYING and a German
# README, and BUILD/windows/kelvara-1.00-x64.msi, the installer of the 64-bit
# program (build-msi.sh). TARGETs (the tests' programs) are built in both
# trees as well.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd -P)
mkdir -p "${1:-build}/windows"
out=$(cd "${1:-build}/windows" && pwd -P)
shift || true
jobs=$(nproc)
version=$(sed -n 's/^project(Kelvara VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")

tests=$([ $# -gt 0 ] && echo ON || echo OFF)
for arch in x86_64 i686; do
    cmake -S "$top" -B "$out/$arch" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DKELVARA_FRONTEND=win32 -DKELVARA_TESTS=$tests \
        -DKELVARA_BENCHMARKS=$tests >/dev/null
    cmake --build "$out/$arch" -j"$jobs" --target kelvara "$@"
done

# A folder of its own inside the archive, with Windows' line ends for the texts.
stage=$out/kelvara-$version
rm -rf "$stage" && mkdir -p "$stage/64-bit" "$stage/32-bit"
cp "$out/x86_64/kelvara.exe" "$stage/64-bit/"
cp "$out/i686/kelvara.exe" "$stage/32-bit/"
sed 's/$/\r/' "$top/COPYING" >"$stage/COPYING.txt"
cp "$top/data/windows/LIESMICH.txt" "$stage/"
rm -f "$out/kelvara-$version-windows.zip"
(cd "$out" && cmake -E tar cf "kelvara-$version-windows.zip" --format=zip "kelvara-$version")
"$top/scripts/build-msi.sh" "$out" "$version" "$out/kelvara-$version-x64.msi"
echo "built $out/kelvara-$version-windows.zip and $out/kelvara-$version-x64.msi"
