#!/usr/bin/env bash
# The real program under Xvfb with the openbox window manager, driven by real
# X input as a user drives it and judged by what the screen shows.
#   run-e2e.sh PROGRAM OUT_DIR
set -euo pipefail
program_path=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }
near() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN {exit !(a - b <= d && b - a <= d)}'; }

# The suite runs offscreen and may pin a scale; the program belongs on the X server.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI WAYLAND_DISPLAY
display=""
for n in $(seq 140 200); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=""
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; kill "$xvfb" 2>/dev/null; true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 0.5

"$program_path" >"$out/kelvara.log" 2>&1 &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Kelvara 2000" | head -1 || true)
[ -n "$window" ] || fail "the window did not appear"
sleep 0.5

inner() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }
outer() {
    local l r t b w h
    read -r l r t b <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    read -r w h <<<"$(inner)"
    echo $((w + l + r)) $((h + t + b))
}
# The frame is the bottom 100 pixels (1500 twips at 96 dpi).
click_at() {
    local w h
    read -r w h <<<"$(inner)"
    xdotool mousemove --window "$window" "$1" $((h - $2)) click "${3:-1}"
}
click_roll() { click_at 50 54; }
click_reset() { click_at 250 54; }
clear_box() { click_at 150 51; xdotool key --window "$window" End; for _ in $(seq 12); do xdotool key --window "$window" BackSpace; done; }
no_error_box() { ! xdotool search --onlyvisible --name "^Kelvara$" >/dev/null 2>&1; }

# The rolls the green bars stand for: their area divided by the bar width
# (the lowest green row holds all eleven bars), 15 twips a pixel.
rolls_shown() {
    local mask=$out/mask.png box area row
    sleep 0.4
    import -window "$window" "$out/$1.png" 2>/dev/null
    convert "$out/$1.png" -alpha off -fill black +opaque 'rgb(0,192,0)' -fill white -opaque 'rgb(0,192,0)' "$mask"
    area=$(convert "$mask" -format '%[fx:round(mean*w*h)]' info:)
    [ "$area" -gt 0 ] || { echo 0; return; }
    read -r box <<<"$(convert "$mask" -format '%@' info:)"
    IFS='x+' read -r bw bh bx by <<<"$box"
    row=$(convert "$mask" -crop "${bw}x1+${bx}+$((by + bh - 1))" +repage -format '%[fx:round(mean*w*h)]' info:)
    awk -v a="$area" -v r="$row" 'BEGIN {printf "%d\n", a * 11 / r * 15}'
}

step "opens at 10000 by 8000 twips with empty bars"
read -r w h <<<"$(outer)"
near "$w" 667 1 && near "$h" 533 1 || fail "outer size ${w}x$h px, not 667x533"

step "Würfeln rolls 5000 times, CLS empties"
click_roll
near "$(rolls_shown series)" 5000 200 || fail "bars stand for $(rolls_shown series) rolls, not 5000"
click_reset
[ "$(rolls_shown reset)" = 0 ] || fail "bars after CLS"

step "a line pasted with the middle button is what the next series rolls"
clear_box
printf '2000\n' | xclip -selection primary
click_at 150 51 2
click_reset
click_roll
no_error_box || fail "an error box after pasting a line"
near "$(rolls_shown pasted)" 2000 100 || fail "bars stand for $(rolls_shown pasted) rolls, not 2000"

step "maximised and restored three times, the window keeps its size"
read -r w0 h0 <<<"$(inner)"
for cycle in 1 2 3; do
    wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
    sleep 0.6
    read -r w h <<<"$(inner)"
    [ "$w" -gt 1000 ] || fail "cycle $cycle: not maximised (${w}x$h)"
    wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
    sleep 0.6
    [ "$(inner)" = "$w0 $h0" ] || fail "cycle $cycle: restored to $(inner), not $w0 $h0"
done

step "sized straight to the limit, every bar and sum stays in the window"
xdotool windowsize "$window" 432 600
sleep 0.6
read -r w h <<<"$(inner)"
[ "$w" -ge 434 ] || fail "inner width $w px, not above 6500 twips"
near "$(rolls_shown smallest)" 2000 100 || fail "at the limit the bars stand for $(rolls_shown smallest) rolls"

step "an empty box reports an error and the window goes on"
clear_box
click_roll
box=$(timeout 10 xdotool search --sync --onlyvisible --name "^Kelvara$" | head -1 || true)
[ -n "$box" ] || fail "no error box"
xdotool windowactivate --sync "$box" key Return
sleep 0.5
no_error_box || fail "the error box did not go away"
click_at 150 51
xdotool type --window "$window" "1500"
click_roll
near "$(rolls_shown after-error)" 3500 150 || fail "no series after the error"

step "closing the window ends the program"
xdotool windowactivate --sync "$window" key alt+F4
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "the program is still running"
wait "$program" || fail "the program exited with an error"
program=""
echo "end-to-end: all steps passed"
