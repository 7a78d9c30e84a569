#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages as `make deb` builds them from source: free software
# with a licence in every source file, accepted by lintian at its strictest,
# hardened, built from a clean log, the same bytes from a second build and
# from an unpacked release without git; the package's metadata and manual
# pages valid; its own tests run by autopkgtest in a throw-away testbed; and
# the unpacked program started where a display or platform is named but
# cannot be opened.
#   run-package.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
top=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$out" && mkdir -p "$out"

# Every source file states its licence.
unlicensed=$(cd "$top" && git ls-files | grep -v -E '^(COPYING|debian/(changelog|control|copyright|source/.*|tests/control|upstream/.*|watch))$|\.(png|md)$|^\.(clang-format|clang-tidy|gitignore)$' |
    xargs licensecheck | grep -v -E 'GNU General Public License|CC0' || true)
[ -z "$unlicensed" ] || fail "no licence found in: $unlicensed"
"$top/scripts/build-deb.sh" "$out/first" >/dev/null || fail "the package did not build"
deb=$(ls "$out"/first/kelvara_*-1_*.deb)
# Lintian at its strictest, on every release: what it may say is in
# lintian-accepted, each with its reason; anything else fails.
lintian -I --pedantic --fail-on none "$out"/first/*.changes >"$out/lintian.txt" 2>&1 ||
    fail "lintian did not run: $(cat "$out/lintian.txt")"
! grep -E '^[EWIPX]: ' "$out/lintian.txt" | grep -v -F -f <(sed -n 's/^\([^#].*\)/: \1/p' "$top/tests/package/lintian-accepted") ||
    fail "lintian said the above"
blhc --all "$out/first/build.log" >"$out/blhc.txt" || fail "blhc: $(head -5 "$out/blhc.txt")"
root=$out/root
dpkg-deb -x "$deb" "$root"
# Debian's C start files (Scrt1.o, crti.o, crtn.o, in 12, 13 and unstable
# alike) carry no control-flow marks, so the linker marks no program linked
# there, though every object of ours is marked. Branch protection is
# AArch64's, built for amd64 here; hardening-check from Debian 13 on asks for
# it on every architecture.
skip=(--nocfprotection) && ! grep -q nobranchprotection "$(command -v hardening-check)" || skip+=(-B)
for binary in "$root/usr/bin/kelvara" "$build/kelvara"; do
    hardening-check "${skip[@]}" "$binary" >"$out/hardening.txt" ||
        fail "hardening-check: $(cat "$out/hardening.txt")"
done

# Later, from the upstream tarball without git and without the tests: the same package, byte for byte.
mkdir "$out/release" && tar -xJf "$out"/first/kelvara_*.orig.tar.xz -C "$out/release"
cp -r "$top/debian" "$out/release/"
(cd "$out/release" && DEB_BUILD_OPTIONS=nocheck scripts/build-deb.sh "$out/second" >/dev/null) ||
    fail "the build from the unpacked release failed"
cmp "$deb" "$out/second/$(basename "$deb")" || fail "two builds of the same tree differ"

share=$root/usr/share
meta=$share/metainfo/de.kelvara.Kelvara.metainfo.xml
warnings=$(desktop-file-validate "$share/applications/de.kelvara.Kelvara.desktop")
[ -z "$warnings" ] || fail "desktop-file-validate: $warnings"
appstreamcli validate --no-net --pedantic "$meta" >"$out/appstream.txt" || fail "appstreamcli: $(cat "$out/appstream.txt")"
# What validators from AppStream 1.0 on require besides.
for wanted in "url[@type='homepage']" developer/name; do
    /usr/bin/python3 -c 'import sys, xml.etree.ElementTree as ET
sys.exit(ET.parse(sys.argv[1]).find(sys.argv[2]) is None)' "$meta" "$wanted" || fail "metainfo without $wanted"
done
for page in "$share"/man/man1/kelvara.1.gz "$share"/man/de/man1/kelvara.1.gz; do
    zcat "$page" | mandoc -T lint >"$out/mandoc.txt" || fail "mandoc, $page: $(cat "$out/mandoc.txt")"
done

# A display or a platform that is named but cannot be opened, by the
# environment or the toolkit's options: named in German first, then the
# toolkit's own reason; status 1 all the same.
unset QT_QPA_PLATFORM
while IFS='|' read -r environment options line; do
    status=0
    env -i PATH="$PATH" HOME="$out" $environment "$root/usr/bin/kelvara" $options 2>"$out/not-opened.txt" || status=$?
    [ "$status" = 1 ] && [ "$(head -1 "$out/not-opened.txt")" = "Kelvara konnte $line nicht öffnen. Die Meldungen von Qt:" ] &&
        grep -q 'platform plugin' "$out/not-opened.txt" || fail "$environment $options: status $status, $(cat "$out/not-opened.txt")"
done <<'EOF_ROWS'
DISPLAY=:9999||die X11-Anzeige „:9999“ (DISPLAY)
QT_QPA_PLATFORM=foo||das Qt-Plattformmodul „foo“ (QT_QPA_PLATFORM)
DISPLAY=:9999|-platform wayland|das Qt-Plattformmodul „wayland“ (-platform)
QT_QPA_PLATFORM=xcb|-platform wayland|das Qt-Plattformmodul „wayland“ (-platform)
DISPLAY=:9999|--platform nonsense|das Qt-Plattformmodul „nonsense“ (-platform)
DISPLAY=:9999|-display :9998|die X11-Anzeige „:9998“ (-display)
EOF_ROWS

# The package's own tests, in a throw-away copy of this machine: an overlay
# of its root whose writes go to memory and vanish with the test. The package
# is installed there, never here, so a Kelvara the user installed stays:
# dpkg's log on this machine is as it was.
installs=$(grep -c . /var/log/dpkg.log || true)
"$top/scripts/chroot-run.sh" --overlay --bind "$out" "$out/testbed" \
    autopkgtest "$deb" "$out/first/kelvara-1.00" -- null >"$out/autopkgtest.txt" 2>&1 ||
    fail "autopkgtest: $(tail -20 "$out/autopkgtest.txt")"
[ "$(grep -c . /var/log/dpkg.log || true)" = "$installs" ] || fail "packages were installed or removed here"
echo "package: $(basename "$deb") passed; autopkgtest: $(grep -E '^(no-display|series) +[A-Z]' "$out/autopkgtest.txt" | sort -u | tr -s ' ' | paste -sd,)"
