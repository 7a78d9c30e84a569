#!/usr/bin/env bash
# The real program under Xvfb with a window manager, driven by real X input
# events as a user would drive it, and judged by screenshots alone.
#   run-e2e.sh BUILD_DIR SHOT_PROBE OUT_DIR
set -euo pipefail
build=$1
probe=$2
out=$3
mkdir -p "$out"
rm -f "$out"/*.png

source "$(dirname "$0")/x-session.sh"
start_program "$out/kelvara.log" 20 "$build/kelvara"

# Client size and position, and the frame the window manager put around it.
origin() { xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'; }
frame() {
    local extents
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r frame_left frame_right frame_top frame_bottom <<<"$extents"
}
shot() { sleep 0.4; import -window "$window" "$out/$1.png" 2>/dev/null; }
probe() { "$probe" "$out/$1.png" 2>/dev/null; }
total() { probe "$1" | awk '/^bars/ {print $4}'; }
near() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN {exit !(a - b <= d && b - a <= d)}'; }

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
close_program 5
echo "end-to-end: all steps passed"
