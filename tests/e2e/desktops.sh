#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# desktops.sh PROGRAM OUT_DIR: the window lays itself out for the size each
# desktop grants, judged by screenshots (borders.py) and by the window's
# place on the screen. X servers at once, each picking its own display:
#   two share the scale factors 1 to 3 in steps of 0.05, opened and maximised;
#   one has openbox, then metacity, maximise the window one way, the other,
#     both and full screen, with CLS and a series in each state, then restore it;
#   one is a 1366 by 768 laptop screen with large fonts (Xft.dpi 144 and 192);
#   one has two monitors, the second smaller than the window: moved there,
#     CLS fits the window to it, and an error's message opens over the window;
#   one has 8 bits of colour, where the program says why it cannot run.
set -euo pipefail
program=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wait.sh"
rm -rf "$out" && mkdir -p "$out"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI WAYLAND_DISPLAY
fail() { echo "FAIL: $*"; } # and go on: a lane reports every fault it finds

open_window() { # open_window [ENV...]: sets $pid and $window
    env "$@" "$program" >/dev/null 2>&1 &
    pid=$!
    window=$(wait_for 120 shown --pid "$pid" --name "^Kelvara 2000") || fail "$* the window did not appear"
}
place() { xwininfo -id "$window" | awk '/Absolute upper-left/ {p = p $NF " "} /Width:|Height:/ {p = p $2 " "} END {print p}'; }
still() { local before; before=$(place) && sleep 0.3 && [ "$(place)" = "$before" ]; }
settle() { wait_for 30 still || true; sleep 0.6; } # its place and size kept, then its repaint
shot() { [ -n "$window" ] || return 0; settle; import -window "$window" "$out/$1.png"; /usr/bin/python3 "$here/borders.py" "$out/$1.png" ${2:-} || true; }
press() { # press X Y: a button, in pixels at 96 dpi from the band's left and the window's bottom
    read -r _ _ _ h <<<"$(place)"
    xdotool mousemove --window "$window" $(($1 * ${dpi:-96} / 96)) $((h - $2 * ${dpi:-96} / 96)) click 1
}

scales() {
    window_manager openbox || fail "openbox did not start"
    for factor in "$@"; do
        open_window QT_SCALE_FACTOR="$factor"
        shot "scale-$factor"
        wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
        shot "scale-$factor-max"
        kill "$pid" && wait "$pid" || true
    done
}

states() {
    for wm in openbox metacity; do
        window_manager $wm || fail "$wm did not start"
        open_window
        for state in maximized_vert maximized_horz maximized_vert,maximized_horz fullscreen; do
            wmctrl -i -r "$window" -b add,$state
            settle
            press 250 54 # CLS
            press 50 54  # Würfeln
            shot "$wm-$state" 100
            wmctrl -i -r "$window" -b remove,$state
            settle
        done
        # Restored, whatever frames the desktop drew meanwhile: CLS gives 10000 by 8000 twips.
        press 250 54
        read -r l r t b <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
        read -r _ _ w h <<<"$(place)"
        [ $((w + l + r))x$((h + t + b)) = 667x533 ] || fail "$wm: after CLS $((w + l + r))x$((h + t + b)) outside"
        kill "$pid" "$manager" && wait "$manager" || true # gone before the next one starts
    done
}

laptop() {
    window_manager metacity || fail "metacity did not start"
    for dpi in 144 192; do
        echo "Xft.dpi: $dpi" | xrdb -merge
        open_window
        for when in opened cls; do
            shot "dpi-$dpi-$when" $((dpi * 100 / 96))
            read -r x y w h <<<"$(place)"
            [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1366 ] && [ $((y + h)) -le 768 ] ||
                fail "at $dpi dpi ($when) the window's inside is at $x,$y, $w by $h"
            press 250 54
        done
        kill "$pid"
    done
}

monitors() {
    xrandr --setmonitor big 1366/361x768/203+0+0 screen && xrandr --setmonitor small 640/169x480/127+1366+0 none
    window_manager openbox || fail "openbox did not start"
    open_window
    xdotool windowmove "$window" 1366 0 && settle && press 250 54 # CLS
    shot monitors-small 100
    read -r x y w h <<<"$(place)"
    [ "$x" -ge 1366 ] && [ $((x + w)) -le 2006 ] && [ $((y + h)) -le 480 ] || fail "on the small monitor after CLS the inside is at $x,$y, $w by $h"
    xdotool mousemove --window "$window" 152 $((h - 50)) click 1 type 99999999 && press 50 54 # more than a count holds
    read -r bx by bw bh <<<"$(window=$(wait_for 30 shown --pid "$pid" --name '^Kelvara$') && place)"
    [ "$bx" -ge "$x" ] && [ $((bx + bw)) -le $((x + w)) ] && [ "$by" -ge "$y" ] && [ $((by + bh)) -le $((y + h)) ] ||
        fail "the message is at $bx,$by, $bw by $bh, not over its window at $x,$y, $w by $h"
}

eight_bits() {
    "$program" 2>"$out/8-bit.txt" && local status=0 || local status=$?
    [ "$status" = 1 ] && [ "$(head -1 "$out/8-bit.txt")" = "Kelvara kann auf dieser Anzeige nicht zeichnen: sie hat 8 Bit Farbtiefe, nötig sind mindestens 15 Bit (Tausende Farben)." ] ||
        fail "on 8 bits: status $status, $(cat "$out/8-bit.txt")"
}

servers=()
declare -A lanes
trap 'kill ${servers[*]} 2>/dev/null' EXIT
lane() { # lane NAME GEOMETRY FUNCTION ARGS...: in the background, on a server of its own
    x_server "$2" || { echo "FAIL: no X server" >"$out/$1.log"; return; }
    servers+=($server)
    (export DISPLAY=$display; trap 'kill $(jobs -p) 2>/dev/null || true' EXIT; "${@:3}") >"$out/$1.log" 2>&1 &
    lanes[$1]=$!
}
factors=$(awk 'BEGIN {for (i = 100; i <= 300; i += 5) printf "%.2f\n", i / 100}')
lane scales-1 1920x1200x24 scales $(echo "$factors" | awk 'NR % 2')
lane scales-2 1920x1200x24 scales $(echo "$factors" | awk 'NR % 2 == 0')
lane states 1280x1024x24 states
lane laptop 1366x768x24 laptop
lane monitors 2006x768x24 monitors
lane 8-bit 640x480x8 eight_bits
# A lane that dies (a tool missing, a step that errs) has failed too.
for name in "${!lanes[@]}"; do wait "${lanes[$name]}" || echo "FAIL: ended with status $?" >>"$out/$name.log"; done
if grep FAIL "$out"/*.log; then exit 1; fi
echo "desktops: scales, window states, large fonts, two monitors and 8 bits passed"
