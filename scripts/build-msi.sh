#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows Installer package of the 64-bit program, from app/kelvara.wxs:
#   build-msi.sh WINDOWS_DIR VERSION OUT.msi
# WINDOWS_DIR is build-windows.sh's folder (the exe, its icon file and the
# licence with Windows' line ends). Whatever wixl says while it checks the
# source, a warning included, fails the build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd -P)
version=$2
out=$(cd "$(dirname "$3")" && pwd -P)/$(basename "$3")
project=$(sed -n 's/^project(Kelvara VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
# wixl takes the files' names relative to where it runs, never absolute.
cd "$1"
said=$(wixl -a x64 -D Version="$version" -D Icon=x86_64/app/kelvara.ico \
    -D Program=x86_64/kelvara.exe -D Licence="kelvara-$project/COPYING.txt" \
    -o "$out" "$top/app/kelvara.wxs" 2>&1) || { echo "$said" >&2; exit 1; }
[ -z "$said" ] || { echo "wixl: $said" >&2; rm -f "$out"; exit 1; }
