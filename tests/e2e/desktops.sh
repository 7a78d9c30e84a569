#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# desktops.sh PROGRAM OUT_DIR: the window on the size each desktop grants,
# judged by screenshots (borders.py) and the window's place on the screen.
# Four X servers at once:
#   two share the scale factors 1 to 3 in steps of 0.05, opened and maximised;
#   one has openbox, then metacity, maximise the window one way, the other,
#     both and full screen, with CLS and a series in each state;
#   one is a 1366 by 768 laptop with large fonts (Xft.dpi 144 and 192).
# Then an 8-bit X server, where the program says why it cannot run.
set -euo pipefail
program=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$out" && mkdir -p "$out"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI WAYLAND_DISPLAY
fail() { echo "FAIL: $*"; }

servers=()
lanes=()
server() { # server GEOMETRY: an X server on a display it picks itself, one at a time
    exec 5<> <(:)
    Xvfb -displayfd 5 -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
    servers+=($!)
    read -r -t 10 n <&5
    export DISPLAY=:$n
}
open_window() { # open_window [ENV...]: starts the program, sets $pid and $window
    env "$@" "$program" >/dev/null 2>&1 &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name "^Kelvara 2000" | head -1 || true)
    sleep 0.5
}
size() { xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'; }
shot() { sleep 0.6; import -window "$window" "$out/$1.png"; /usr/bin/python3 "$here/borders.py" "$out/$1.png" ${2:-} || true; }
press() { # press X_FROM_LEFT: a button in the band, whose buttons keep their places
    local x y w h
    read -r x y w h <<<"$(size)"
    xdotool mousemove --window "$window" "$1" $((h - 54)) click 1
}

scales() {
    openbox >/dev/null 2>&1 &
    sleep 0.5
    for factor in "$@"; do
        open_window QT_SCALE_FACTOR="$factor"
        [ -n "$window" ] || { fail "at $factor the window did not appear"; continue; }
        shot "scale-$factor"
        wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
        shot "scale-$factor-max"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done
}

states() {
    for wm in openbox metacity; do
        $wm >/dev/null 2>&1 &
        local manager=$!
        sleep 0.5
        open_window
        for state in maximized_vert maximized_horz maximized_vert,maximized_horz fullscreen; do
            wmctrl -i -r "$window" -b add,$state
            sleep 0.6
            press 250 # CLS
            press 50  # Würfeln
            shot "$wm-$state" 100
            wmctrl -i -r "$window" -b remove,$state
            sleep 0.6
        done
        kill "$pid" "$manager"
        sleep 0.3
    done
}

laptop() {
    metacity >/dev/null 2>&1 &
    sleep 0.5
    for dpi in 144 192; do
        echo "Xft.dpi: $dpi" | xrdb -merge
        open_window
        local x y w h
        for when in opened cls; do
            shot "dpi-$dpi-$when" $((dpi * 100 / 96))
            read -r x y w h <<<"$(size)"
            [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1366 ] && [ $((y + h)) -le 768 ] ||
                fail "at $dpi dpi ($when) the window's inside is at $x,$y, $w by $h"
            press $((250 * dpi / 96))
        done
        kill "$pid"
    done
}

lane() { # lane NAME GEOMETRY FUNCTION ARGS...: on a server of its own, in the background
    local name=$1
    server "$2"
    shift 2
    (trap 'kill $(jobs -p) 2>/dev/null' EXIT; "$@") >"$out/$name.log" 2>&1 &
    lanes+=($!)
}
eight_bits() {
    local status=0
    "$program" 2>"$out/8-bit.txt" || status=$?
    [ "$status" = 1 ] && [ "$(head -1 "$out/8-bit.txt")" = "Kelvara kann auf dieser Anzeige nicht zeichnen: sie hat 8 Bit Farbtiefe, nötig sind mindestens 15 Bit (Tausende Farben)." ] ||
        fail "on 8 bits: status $status, $(cat "$out/8-bit.txt")"
}

factors=$(awk 'BEGIN {for (i = 100; i <= 300; i += 5) printf "%.2f\n", i / 100}')
trap 'kill ${servers[*]} 2>/dev/null' EXIT
lane scales-1 1920x1200x24 scales $(echo "$factors" | awk 'NR % 2')
lane scales-2 1920x1200x24 scales $(echo "$factors" | awk 'NR % 2 == 0')
lane states 1280x1024x24 states
lane laptop 1366x768x24 laptop
lane 8-bit 640x480x8 eight_bits
wait "${lanes[@]}" || true

if grep -h FAIL "$out"/*.log; then exit 1; fi
echo "desktops: scales, window states, large fonts and 8 bits passed"
