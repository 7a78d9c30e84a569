#!/usr/bin/env bash
# The real program under Xvfb with the openbox window manager, driven by real
# X input as a user drives it and judged by what the screen shows, with the
# Orca screen reader listening and AT-SPI clients reading it; then once more
# under Wayland (weston's headless backend).
#   run-e2e.sh PROGRAM OUT_DIR
set -euo pipefail
# The accessibility bus and the screen reader want a session bus of their own.
[ -n "${KELVARA_E2E_BUS:-}" ] || KELVARA_E2E_BUS=1 exec dbus-run-session -- bash "$0" "$@"
program_path=$1
out=$2
mkdir -p "$out/home"
rm -f "$out"/*.png "$out"/*.log
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 HOME=$out/home
atspi="/usr/bin/python3 $(dirname "$0")/atspi.py"

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
# Everything started here ends with the script, however it ends.
cleanup() {
    set +e
    kill ${program:-} "$xvfb" ${wm:-} ${feeder:-} ${orca:-} $(pgrep -P "${orca:-0}") ${weston:-} 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
# Orca with no speech device: what it would say goes to its debug log.
# Its log goes to a terminal, which it writes line by line, and from there to a file.
# (script ends when its input does, so it gets one that does not end).
rm -f "$out/orca.in" && mkfifo "$out/orca.in"
sleep 600 >"$out/orca.in" 2>/dev/null </dev/null &
feeder=$!
SPEECHD_ADDRESS=unix_socket:$out/no-speech script -qfec \
    "orca --replace --disable=braille --disable=braille-monitor --debug-file=/dev/tty" "$out/orca.log" \
    <"$out/orca.in" >/dev/null 2>&1 &
orca=$!
spoken() { grep -a "SPEECH OUTPUT: '$1" "$out/orca.log" 2>/dev/null; }
until_spoken() { for _ in $(seq 300); do spoken "$1" >/dev/null && return 0; sleep 0.1; done; return 1; }
# A press over AT-SPI is handled once the program gets to it.
until_total() { for _ in $(seq 50); do [ "$($atspi total)" = "$1" ] && return 0; sleep 0.1; done; return 1; }

"$program_path" >"$out/kelvara.log" 2>&1 &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Kelvara 2000" | head -1 || true)
[ -n "$window" ] || fail "the window did not appear"
until_spoken "Würfeln push button" || fail "Orca did not read the window"

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

$atspi tree

step "Space on Würfeln rolls 5000 times and Orca speaks the eleven counts"
xdotool key --window "$window" space
near "$(rolls_shown series)" 5000 200 || fail "bars stand for $(rolls_shown series) rolls, not 5000"
until_spoken "5000 Würfe. Summe 2: " || fail "Orca did not speak the result"
spoken "5000 Würfe" | tail -1 | grep -o 'Summe [0-9]*: [0-9]*' | awk -F': ' '{s += $2; n++} END {exit !(n == 11 && s == 5000)}' ||
    fail "Orca said: $(spoken "5000 Würfe" | tail -1)"

step "Tab onto the screen area reads the histogram"
xdotool key --window "$window" Tab
until_spoken "Histogramm der Augensummen chart" || fail "Orca did not read the screen area"

step "Tab onto the box speaks its number whole, and reading it word by word neither cuts nor hangs it"
xdotool key --window "$window" Tab
until_spoken "5000 selected" || fail "Orca did not read the box's whole number: $(spoken "[0-9]* selected")"
xdotool key --window "$window" Home
sleep 0.5
heard=$(wc -l <"$out/orca.log")
# Control is held, as a user holds it, until Orca has read each word.
xdotool keydown ctrl key Right sleep 0.5 key Right sleep 0.5 key Left sleep 0.5 keyup ctrl
words=$(tail -n +"$heard" "$out/orca.log" | grep -a -o "SPEECH OUTPUT: '[^']*'" | grep -v control | cut -d"'" -f2 || true)
[ "$(echo $words)" = "5000 5000" ] || fail "word by word the box read as: $(echo $words)"
$atspi text "5000 Würfe. Noch 12,5!"
$atspi read

step "text set through AT-SPI is what the next series rolls, and Orca speaks it; CLS empties"
$atspi text 1200
click_roll
until_spoken "6200 Würfe" || fail "after 1200 more rolls Orca did not speak 6200"
click_reset
[ "$(rolls_shown reset)" = 0 ] || fail "bars after CLS"

step "CLS gives 10000 by 8000 twips though the desktop changed the frame after the last move"
# As after fast maximise and restore: the frame the program last saw with a
# move is the maximised one, and the real one comes without a move or resize.
extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
xprop -id "$window" -f _NET_FRAME_EXTENTS 32c -set _NET_FRAME_EXTENTS "0, 0, 0, 0"
xdotool windowmove "$window" 40 40
sleep 0.5
xprop -id "$window" -f _NET_FRAME_EXTENTS 32c -set _NET_FRAME_EXTENTS "$extents"
click_reset
sleep 0.5
read -r w h <<<"$(outer)"
near "$w" 667 1 && near "$h" 533 1 || fail "after CLS the window is ${w}x$h px outside, not 667x533"

step "a line pasted with the middle button is what the next series rolls"
$atspi text ""
printf '2000\n' | xclip -selection primary
click_at 150 51 2
click_reset
click_roll
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

step "pasted markup is reported as it was pasted, every text is read at once, and the window goes on"
$atspi text "<b>7</b>"
click_roll
box=$(timeout 10 xdotool search --sync --onlyvisible --name "^Kelvara$" | head -1 || true)
[ -n "$box" ] || fail "no error box"
$atspi message | grep -qF "„<b>7</b>“ ist keine Zahl" || fail "the message reads: $($atspi message)"
$atspi read
# Activation is bounded: a window that is active already may never report it.
timeout 5 xdotool windowactivate --sync "$box" || true
xdotool key Return
sleep 0.5
no_error_box || fail "the error box did not go away"
$atspi text 1500
click_roll
near "$(rolls_shown after-error)" 3500 150 || fail "no series after the error"

step "closing the window ends the program"
wmctrl -i -c "$window" # what the title bar's close button asks for
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && fail "the program is still running"
wait "$program" || fail "the program exited with an error"
program=""

step "at 125 % and 175 % the screen area has its border on all four sides, opened and maximised"
for factor in 1.25 1.75; do
    QT_SCALE_FACTOR=$factor "$program_path" >"$out/kelvara-$factor.log" 2>&1 &
    program=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program" --name "^Kelvara 2000" | head -1 || true)
    [ -n "$window" ] || fail "at $factor the window did not appear"
    sleep 0.6
    import -window "$window" "$out/scale-$factor.png"
    wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
    sleep 0.8
    import -window "$window" "$out/scale-$factor-max.png"
    /usr/bin/python3 "$(dirname "$0")/borders.py" "$out/scale-$factor.png"
    /usr/bin/python3 "$(dirname "$0")/borders.py" "$out/scale-$factor-max.png"
    kill "$program" && wait "$program" 2>/dev/null || true
    program=""
done

step "under Wayland it opens at 10000 by 8000 twips, rolls, and warns of nothing"
export XDG_RUNTIME_DIR=$out/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=kelvara-e2e >"$out/weston.log" 2>&1 &
weston=$!
sleep 1
WAYLAND_DISPLAY=kelvara-e2e DISPLAY= "$program_path" 2>"$out/wayland.log" &
program=$!
# The toolkit draws the decorations itself here: 3 pixels a side, a 30-pixel
# title bar; the 667 by 533 pixels are the window with them.
read -r w h <<<"$($atspi size)"
near "$w" 661 1 && near "$h" 500 1 || fail "inside its decorations the window is ${w}x$h px, not 661x500"
$atspi press Würfeln
until_total 5000 || fail "under Wayland the chart names $($atspi total) rolls"
[ ! -s "$out/wayland.log" ] || fail "warnings under Wayland: $(cat "$out/wayland.log")"
echo "end-to-end: all steps passed"
