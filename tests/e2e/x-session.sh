# Sourced by the scripts that run the real program: a private Xvfb with a
# window manager on a free display, the program started on it, and the few
# moves a user makes with the mouse. Everything started is stopped on exit.

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

# The suite runs with the offscreen platform and may pin a scale factor; the
# program here belongs on the real X server at its own DPI.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI

display=""
for n in $(seq 140 200); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=""
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

# start_program LOG SECONDS COMMAND...: starts it and waits for its window.
start_program() {
    local log=$1 seconds=$2
    shift 2
    "$@" >"$log" 2>&1 &
    program=$!
    window=$(timeout "$seconds" xdotool search --sync --onlyvisible --name "^Kelvara 2000" | head -1 || true)
    [ -n "$window" ] || fail "the window did not appear"
    sleep 0.5
}

# close_program SECONDS: closes the window as a user does and waits for the
# program to end; fails if it does not, or ends with an error.
close_program() {
    local seconds=$1
    xdotool windowactivate --sync "$window" key alt+F4
    for _ in $(seq $((seconds * 10))); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$program" 2>/dev/null && fail "the program is still running"
    wait "$program" || fail "the program exited with an error"
    program=""
}

inner() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }

# Places of the controls in the frame, in pixels from the window's inner
# corner: the frame is the bottom 100 pixels (1500 twips at 96 dpi).
click_at() {
    local x=$1 from_bottom=$2 w h
    read -r w h <<<"$(inner)"
    xdotool mousemove --window "$window" "$x" $((h - from_bottom)) click 1
}
click_roll() { click_at 50 54; }
click_reset() { click_at 250 54; }
click_box() { click_at 150 51; }
