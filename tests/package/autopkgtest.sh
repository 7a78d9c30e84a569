#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed package's own tests (debian/tests), run from the source tree:
#   autopkgtest.sh no-display   without a display: the German line, status 1
#   autopkgtest.sh window       under xvfb-run: the window, with its class
#   autopkgtest.sh series       a series of 3000 rolls set and pressed over AT-SPI
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tmp=${AUTOPKGTEST_TMP:-$(mktemp -d)}
case $1 in
no-display)
    status=0
    env -i PATH=/usr/bin:/bin HOME="$tmp" kelvara 2>"$tmp/said" || status=$?
    [ "$status" = 1 ] && grep -q '^Kelvara braucht eine grafische Sitzung' "$tmp/said" ||
        { echo "status $status: $(cat "$tmp/said")"; exit 1; }
    ;;
window)
    xvfb-run -a sh -c 'kelvara & w=$(timeout 20 xdotool search --sync --name "^Kelvara 2000" | head -1)
        xprop -id "$w" WM_CLASS; kill $!' >"$tmp/class" 2>&1
    grep -q '"kelvara", "Kelvara"' "$tmp/class" || { cat "$tmp/class"; exit 1; }
    ;;
series)
    mkdir -p -m 700 "$tmp/run"
    atspi="/usr/bin/python3 $here/../e2e/atspi.py"
    HOME=$tmp XDG_RUNTIME_DIR=$tmp/run QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- \
        xvfb-run -a sh -c "kelvara & $atspi text 3000 && $atspi press Würfeln && sleep 1 && $atspi total; kill \$!" \
        >"$tmp/total" 2>/dev/null
    [ "$(tail -1 "$tmp/total")" = 3000 ] || { echo "the chart counts: $(cat "$tmp/total")"; exit 1; }
    ;;
esac
