#!/usr/bin/env bash
# The real program under Xvfb with a window manager, driven by real X input
# events as a user would drive it, and judged by screenshots alone.
#   run-e2e.sh BUILD_DIR SHOT_PROBE OUT_DIR
set -euo pipefail
# The suite runs with the offscreen platform and may pin a scale factor; this
# test wants the program on the real X server at its own DPI.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI
build=$1
probe=$2
out=$3
mkdir -p "$out"
rm -f "$out"/*.png

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

display=""
for n in $(seq 140 200); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    kill "$wm" "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

"$build/kelvara" >"$out/kelvara.log" 2>&1 &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Kelvara 2000" | head -1 || true)
[ -n "$window" ] || fail "the window did not appear"
sleep 0.5

# Client size and position, and the frame the window manager put around it.
origin() { xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'; }
frame() {
    local extents
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r frame_left frame_right frame_top frame_bottom <<<"$extents"
}
inner() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }
shot() { sleep 0.4; import -window "$window" "$out/$1.png" 2>/dev/null; }
probe() { "$probe" "$out/$1.png" 2>/dev/null; }
total() { probe "$1" | awk '/^bars/ {print $4}'; }
near() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN {exit !(a - b <= d && b - a <= d)}'; }

# Places of the controls in the frame, in pixels from the window's inner
# corner: the frame is the bottom 100 pixels (1500 twips at 96 dpi).
click_at() {
    local x=$1 from_bottom=$2
    read -r w h <<<"$(inner)"
    xdotool mousemove --window "$window" "$x" $((h - from_bottom)) click 1
}
click_roll() { click_at 50 54; }
click_reset() { click_at 250 54; }
click_box() { click_at 150 51; }
clear_box() { click_box; xdotool key --window "$window" End; for _ in $(seq 12); do xdotool key --window "$window" BackSpace; done; }
no_error_box() { ! xdotool search --onlyvisible --name "^Kelvara$" >/dev/null 2>&1; }

step "opens at 10000 by 8000 twips with empty bars"
frame
read -r w h <<<"$(inner)"
near $((w + frame_left + frame_right)) 667 1 || fail "outer width $((w + frame_left + frame_right)) px, not 667"
near $((h + frame_top + frame_bottom)) 533 1 || fail "outer height $((h + frame_top + frame_bottom)) px, not 533"
shot start
[ "$(total start)" = 0 ] || fail "bars before any roll"

step "Würfeln rolls 5000 times"
click_roll
shot series
probe series | tee "$out/series.txt"
[ "$(awk '/^bars/ {print $2}' "$out/series.txt")" = 11 ] || fail "not eleven bars"
near "$(total series)" 333 11 || fail "bars add up to $(total series) px, not 5000 twips"
[ "$(grep -c '^bar .* 1$' "$out/series.txt")" = 11 ] || fail "a count is missing above its bar"

step "CLS empties the histogram"
click_reset
shot reset
[ "$(total reset)" = 0 ] || fail "bars after CLS"

step "the box refuses letters and takes digits"
clear_box
xdotool type --window "$window" --delay 30 "x3y0a0b0"
click_roll
shot typed
no_error_box || fail "an error box: letters reached the box"
near "$(total typed)" 200 11 || fail "bars add up to $(total typed) px, not 3000 twips"

step "dragged narrower than the limit, the window comes back to 6500 twips"
frame
read -r x y <<<"$(origin)"
read -r w h <<<"$(inner)"
corner_x=$((x + w + frame_right - 2))
corner_y=$((y + h + frame_bottom - 2))
xdotool mousemove "$corner_x" "$corner_y" mousedown 1
for _ in $(seq 15); do xdotool mousemove_relative -- -20 -2; sleep 0.03; done
xdotool mouseup 1
shot narrow
read -r w h <<<"$(inner)"
near $((w + frame_left + frame_right)) 433 1 || fail "outer width $((w + frame_left + frame_right)) px after the drag, not 433"

step "an empty box reports an error and the window goes on"
clear_box
click_roll
box=$(timeout 10 xdotool search --sync --onlyvisible --name "^Kelvara$" | head -1 || true)
[ -n "$box" ] || fail "no error box"
sleep 0.3
import -window "$box" "$out/error.png"
xdotool windowactivate --sync "$box" key Return
sleep 0.5
no_error_box || fail "the error box did not go away"
click_reset
clear_box
xdotool type --window "$window" "1500"
click_roll
shot after-error
near "$(total after-error)" 100 11 || fail "no series after the error: $(total after-error) px"

step "closing the window ends the program"
xdotool windowactivate --sync "$window" key alt+F4
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "the program is still running"
wait "$program" || fail "the program exited with an error"
program=""
echo "end-to-end: all steps passed"
