#!/usr/bin/env bash
# The Debian packages as `make deb` builds them from source: accepted by
# lintian at its strictest, hardened, built from a clean log, the same bytes
# from a second build; then the package unpacked and started, without a
# display and under Xvfb.
#   run-package.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
top=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$out" && mkdir -p "$out"

"$top/scripts/build-deb.sh" "$out/first" >/dev/null || fail "the package did not build"
deb=$(ls "$out"/first/kelvara_*-1_*.deb)
# Only Debian's own archive can close the bug of a first upload.
lintian -I --pedantic --fail-on error,warning,info,pedantic --suppress-tags initial-upload-closes-no-bugs \
    "$out"/first/*.changes >"$out/lintian.txt" 2>&1 || fail "lintian: $(cat "$out/lintian.txt")"
blhc --all "$out/first/build.log" >"$out/blhc.txt" || fail "blhc: $(head -5 "$out/blhc.txt")"
root=$out/root
dpkg-deb -x "$deb" "$root"
# Debian 12's C start files carry no control-flow marks, so no program linked
# there is marked, though every object of ours is.
for binary in "$root/usr/bin/kelvara" "$build/kelvara"; do
    hardening-check --nocfprotection "$binary" >"$out/hardening.txt" ||
        fail "hardening-check: $(cat "$out/hardening.txt")"
done

# Later, in another folder, without the tests: the same package, byte for byte.
DEB_BUILD_OPTIONS=nocheck "$top/scripts/build-deb.sh" "$out/second" >/dev/null || fail "the second build failed"
cmp "$deb" "$out/second/$(basename "$deb")" || fail "two builds of the same tree differ"

share=$root/usr/share
[ -f "$share/man/de/man1/kelvara.1.gz" ] && [ -f "$share/man/man1/kelvara.1.gz" ] || fail "no manual pages"
warnings=$(desktop-file-validate "$share/applications/de.kelvara.Kelvara.desktop")
[ -z "$warnings" ] || fail "desktop-file-validate: $warnings"
appstreamcli validate --no-net --pedantic "$share/metainfo/de.kelvara.Kelvara.metainfo.xml" >"$out/appstream.txt" ||
    fail "appstreamcli: $(cat "$out/appstream.txt")"
# Without X11 or Wayland: one German line with the way out, status 1, no core dump.
status=0
env -i PATH="$PATH" HOME="$out" "$root/usr/bin/kelvara" 2>"$out/no-display.txt" || status=$?
[ "$status" = 1 ] || fail "without a display the status is $status, not 1"
[ "$(wc -l <"$out/no-display.txt")" = 1 ] && grep -q 'grafische Sitzung.*xvfb-run' "$out/no-display.txt" ||
    fail "without a display it said: $(cat "$out/no-display.txt")"
# A display or a platform that is named but cannot be opened: named in German,
# then the toolkit's own reason; status 1 all the same.
for named in DISPLAY=:9999 QT_QPA_PLATFORM=wayland QT_QPA_PLATFORM=foo; do
    status=0
    env -i PATH="$PATH" HOME="$out" "$named" "$root/usr/bin/kelvara" 2>"$out/not-opened.txt" || status=$?
    [ "$status" = 1 ] && grep -qx "Kelvara konnte .*„${named#*=}“ (${named%=*}) nicht öffnen. Die Meldungen von Qt:" "$out/not-opened.txt" &&
        grep -q 'platform plugin' "$out/not-opened.txt" || fail "$named: status $status, $(cat "$out/not-opened.txt")"
done

# The unpacked program on an X server, its window class what the entry names.
unset QT_QPA_PLATFORM
xvfb-run -a sh -c "'$root/usr/bin/kelvara' & w=\$(timeout 20 xdotool search --sync --name '^Kelvara 2000' | head -1);
    xprop -id \"\$w\" WM_CLASS; kill \$!" >"$out/wm-class.txt" 2>&1
grep -q '"kelvara", "Kelvara"' "$out/wm-class.txt" || fail "window class: $(cat "$out/wm-class.txt")"
echo "package: $(basename "$deb") passed"
