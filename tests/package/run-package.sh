#!/usr/bin/env bash
# The Debian package as a user gets it: built by CPack, accepted by lintian
# and the desktop validators, unpacked into a scratch folder and started from
# there; and the unpacked program without any display at all.
#   run-package.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$out" && mkdir -p "$out"

(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null) || fail "cpack could not build the package"
deb=$(ls "$out"/kelvara_*-1_*.deb)
lintian --fail-on error "$deb" || fail "lintian rejects $deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the Qt dependency was not computed"
root=$out/root
dpkg-deb -x "$deb" "$root"

share=$root/usr/share
[ -f "$share/icons/hicolor/32x32/apps/de.kelvara.Kelvara.png" ] || fail "no 32x32 icon"
[ -f "$share/icons/hicolor/scalable/apps/de.kelvara.Kelvara.svg" ] || fail "no scalable icon"
warnings=$(desktop-file-validate "$share/applications/de.kelvara.Kelvara.desktop")
[ -z "$warnings" ] || fail "desktop-file-validate: $warnings"
appstreamcli validate --no-net --pedantic "$share/metainfo/de.kelvara.Kelvara.metainfo.xml" >"$out/appstream.txt" ||
    fail "appstreamcli: $(cat "$out/appstream.txt")"
grep -q '<id>de.kelvara.Kelvara</id>' "$share/metainfo/de.kelvara.Kelvara.metainfo.xml" || fail "AppStream id"
grep -qx 'StartupWMClass=Kelvara' "$share/applications/de.kelvara.Kelvara.desktop" || fail "StartupWMClass"

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
