#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the source and binary packages from this tree the Debian way:
#   build-deb.sh OUT_DIR [dpkg-buildpackage options]
# OUT_DIR gets kelvara_<version>.orig.tar.xz, the .dsc, the .changes,
# kelvara_<version>-1_<arch>.deb and the build log (build.log). The upstream
# tarball is the tree as git sees it (outside a git checkout, as an unpacked
# release: the tree as it stands, less build folders), less debian/, made the
# same way every time (sorted, owned by root, dated from the changelog), so
# that the same commit always gives the same packages.
set -euo pipefail
out=$(realpath -m "$1")
shift
top=$(cd "$(dirname "$0")/.." && pwd -P)
cd "$top"

version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
epoch=$(dpkg-parsechangelog -S Timestamp)
rm -rf "$out"
src=$out/kelvara-$upstream
mkdir -p "$src"
# The files git tracks and the new ones it does not ignore, as they stand.
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$top" ]; then
    git ls-files -z --cached --others --exclude-standard
else
    find . -path ./.git -prune -o -path './build*' -prune -o -type f -printf '%P\0'
fi | while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    xargs -0 cp --parents -t "$src"
tar --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner --exclude=./debian \
    -C "$src" -cf - . | xz -9 >"$out/kelvara_$upstream.orig.tar.xz"

cd "$src"
if ! dpkg-buildpackage -us -uc -j"$(nproc)" "$@" >"$out/build.log" 2>&1; then
    tail -n 40 "$out/build.log" >&2
    echo "dpkg-buildpackage failed; the whole log is $out/build.log" >&2
    exit 1
fi
ls "$out"/*.dsc "$out"/*.changes "$out"/kelvara_*.deb
