#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed package's own tests (debian/tests), run from the source tree:
#   autopkgtest.sh no-display   without a display: the German line, status 1
#   autopkgtest.sh series       under xvfb-run: the window, with its class, and
#                               a series of 3000 rolls set and pressed over AT-SPI
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
series)
    mkdir -p -m 700 "$tmp/run"
    atspi="/usr/bin/python3 $here/../e2e/atspi.py"
    # The bus inside the X server, so that the accessibility bus finds that display.
    HOME=$tmp XDG_RUNTIME_DIR=$tmp/run QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a dbus-run-session -- \
        sh -c "kelvara & $atspi text 3000 && $atspi press Würfeln && for i in \$(seq 300); do
            [ \"\$($atspi total)\" = 3000 ] && echo 3000 && break; sleep 0.2; done
            xprop -id \$(xdotool search --name '^Kelvara 2000' | head -1) WM_CLASS; kill \$!" >"$tmp/said" 2>/dev/null
    grep -q '^WM_CLASS(STRING) = "kelvara", "Kelvara"$' "$tmp/said" && grep -q -x 3000 "$tmp/said" ||
        { echo "the window and its series: $(cat "$tmp/said")"; exit 1; }
    ;;
esac
