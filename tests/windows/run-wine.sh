#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run-wine.sh KELVARA_EXE MSAA_CLIENT_EXE OUT_DIR: the Windows program under
# Wine, in a prefix of its own on an X server of its own with openbox, driven
# from outside with the keyboard and judged by screenshots and by what an
# MSAA client reads. At each DPI from 96 to 288 (Wine's LogPixels):
#   the window, its caption and its layout; a series with bars one twip per
#   roll, a second that adds to it, CLS; the key filter and a paste with a
#   line break; an empty box gives the message box and changes no bar; the
#   narrow limit and the smallest window; maximise and restore.
set -euo pipefail
exe=$1
client=$2
out=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/wait.sh"
source "$here/wine.sh"
rm -rf "$out" && mkdir -p "$out"
wine_desktop "$out" 2200x1900x24
window_manager openbox || fail "openbox did not start"
# A new prefix has no fonts of its own: without them "MS Sans Serif" is a stand-in.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

msaa() { "$wine" "$client" "$@"; }
place() { xwininfo -id "$window" | awk '/Width:|Height:/ {p = p $2 " "} END {print p}'; }
still() { local before; before=$(place) && sleep 0.3 && [ "$(place)" = "$before" ]; }
shot() { wait_for 30 still || true; sleep 0.5; import -window "$window" "$out/$dpi-$1.png"; }
keys() { xdotool windowactivate --sync "$window" key --delay 50 "$@"; }
# alert EXPECTED KEY...: the keys, then the alert the program raises, which must hold EXPECTED.
alert() {
    local expected=$1 && shift
    msaa alert >"$out/alert" &
    local listener=$!
    wait_for 60 grep -q listening "$out/alert" || fail "the MSAA client did not start"
    keys "$@"
    wait "$listener" || fail "at $dpi dpi no alert after $*: $(cat "$out/alert")"
    grep -q "^alert: $expected" "$out/alert" || fail "at $dpi dpi the alert reads $(grep alert: "$out/alert")"
}
# bars NAME: the bars in a shot are one twip per roll of the counts the chart's items read.
bars() {
    shot "$1"
    local counts heights
    counts=$(grep '^item: Summe' "$out/alert" | sed 's/.*: //' | xargs)
    heights=$(/usr/bin/python3 "$here/bars.py" "$out/$dpi-$1.png")
    awk -v c="$counts" -v h="$heights" -v dpi="$dpi" 'BEGIN {
        n = split(c, count); if (split(h, height) != n || n != 11) exit 1
        for (i = 1; i <= n; i++) if ((d = height[i] - count[i] * dpi / 1440) > 1 || d < -1) exit 1 }' ||
        fail "at $dpi dpi ($1) bars of $heights pixels for counts $counts"
}
band() { /usr/bin/python3 "$here/../e2e/borders.py" "$out/$dpi-$1.png" $((1500 * dpi / 1440)) || fail "at $dpi dpi: layout ($1)"; }

for dpi in 96 120 144 192 240 288; do
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
    # Wine 10 reads the DPI once a server (Wine 8 once a process): the next
    # program starts a new one.
    "$wineserver" -w
    "$wine" "$exe" >"$out/$dpi.log" 2>&1 &
    program=$!
    window=$(wait_for 120 shown --name '^Kelvara 2000 by Orvandel$') ||
        fail "at $dpi dpi no window; Wine said: $(tail -5 "$out/$dpi.log")"
    shot opened && band opened

    # "Würfeln" has the focus: Space presses it, twice; then Tab to CLS, past the chart and the box.
    alert "5000 Würfe" space && bars first
    alert "10000 Würfe" space && bars second
    alert "Das Histogramm ist leer" Tab Tab Tab space
    shot cleared && [ -z "$(/usr/bin/python3 "$here/bars.py" "$out/$dpi-cleared.png")" ] || fail "at $dpi dpi CLS left bars"

    # Back to the box, whose text Tab selects: letters are refused, a pasted line break taken out.
    keys shift+Tab
    xdotool type --delay 50 "7a8"
    # Served once, then gone: xclip would otherwise hold the test's output open.
    printf '1\r\n2' | xclip -selection clipboard -loops 1 >/dev/null 2>&1
    keys shift+Insert
    [ "$(msaa box)" = "box: Anzahl der Würfe = 7812" ] || fail "at $dpi dpi the box reads $(msaa box)"

    # Emptied, the box gives the message box, and no bar grows.
    keys End BackSpace BackSpace BackSpace BackSpace
    alert "Die Serie endete mit einem Fehler" shift+Tab shift+Tab space
    box=$(wait_for 60 shown --name '^Kelvara$') || fail "at $dpi dpi no message box"
    xdotool windowactivate --sync "$box" key Return
    shot error && [ -z "$(/usr/bin/python3 "$here/bars.py" "$out/$dpi-error.png")" ] || fail "at $dpi dpi the failed series drew bars"

    # Dragged too small, the window comes back to its smallest size.
    smallest="$(((6501 * dpi + 1439) / 1440)) $(((3450 * dpi + 1439) / 1440)) "
    xdotool windowsize "$window" 100 100
    wait_for 30 sh -c "[ \"\$(xwininfo -id $window | awk '/Width:|Height:/ {p = p \$2 \" \"} END {print p}')\" = '$smallest' ]" ||
        fail "at $dpi dpi the smallest window is $(place), not $smallest"
    shot smallest && band smallest
    wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
    wait_for 30 sh -c "[ \$(xwininfo -id $window | awk '/Width:/ {print \$2}') -gt 2000 ]" || fail "at $dpi dpi not maximised"
    shot maximised
    # Wine 8 gives a maximised window above 96 dpi a client area a few rows
    # shorter than its X window (1 at 120 dpi, 4 at 144), whose black
    # background shows below it: those rows are not the window's.
    f=$out/$dpi-maximised.png
    while [ "$(convert "$f" -gravity South -crop 0x1+0+0 +repage -format '%[fx:maxima]' info:)" = 0 ]; do
        convert "$f" -gravity South -chop 0x1 "$f"
    done
    band maximised
    wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
    wait_for 30 sh -c "[ \"\$(xwininfo -id $window | awk '/Width:|Height:/ {p = p \$2 \" \"} END {print p}')\" = '$smallest' ]" ||
        fail "at $dpi dpi restored to $(place), not $smallest"
    wmctrl -i -c "$window"
    wait "$program" || fail "at $dpi dpi the program ended with status $?"
    echo "$dpi dpi: passed"
done
