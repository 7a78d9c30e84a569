#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a screen-reader user meets it: under Xvfb and openbox,
# with Orca listening (speech and braille to its log) and AT-SPI clients
# reading and pressing; then under Wayland (weston's headless backend). Two
# runs at once, beside a process named orca that stands for the user's own
# screen reader and an X server that stands for their desktop: both pass,
# that one lives, and the desktop's accessibility bus is the one it had.
#   run-e2e.sh PROGRAM OUT_DIR
set -euo pipefail
program_path=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wait.sh"
step() { echo "-- $*"; }

if [ "${3:-}" = "" ]; then
    rm -rf "$out" && mkdir -p "$out"
    cp /bin/sleep "$out/orca"
    "$out/orca" 600 &
    outside=$!
    # The user's desktop, with the address of their accessibility bus.
    x_server 640x480x24 || fail "no X server for the user's desktop"
    DISPLAY=$display xprop -root -f AT_SPI_BUS 8s -set AT_SPI_BUS unix:path=/run/user/1000/at-spi/bus_0
    for run in a b; do DISPLAY=$display bash "$0" "$program_path" "$out/$run" run >"$out/$run.log" 2>&1 & done
    status=0
    for run in %3 %4; do wait $run || status=1; done
    kill -0 $outside 2>/dev/null || fail "the orca outside the test was ended"
    kept=$(DISPLAY=$display xprop -root AT_SPI_BUS) && kill $outside $server
    [ "$kept" = 'AT_SPI_BUS(STRING) = "unix:path=/run/user/1000/at-spi/bus_0"' ] || fail "the desktop's $kept"
    [ $status = 0 ] || fail "$(grep -h FAIL "$out"/a.log "$out"/b.log)"
    echo "end-to-end: two runs at once passed"
    exit 0
fi
if [ "$3" = run ]; then
    # Its own home and runtime directory, and its own X server, before its own
    # session bus: the accessibility bus that bus starts lives there and
    # writes its address on this server's root window, where no other
    # session looks.
    mkdir -p "$out/home" "$out/runtime" && chmod 700 "$out/runtime"
    export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime XDG_CONFIG_HOME=$out/home/.config \
        XDG_CACHE_HOME=$out/home/.cache XDG_DATA_HOME=$out/home/.local/share
    unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI WAYLAND_DISPLAY DISPLAY
    x_server 1280x1024x24 || fail "no X server"
    trap 'kill $server' EXIT
    DISPLAY=$display dbus-run-session -- bash "$0" "$program_path" "$out" bus
    exit
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
atspi="/usr/bin/python3 $here/atspi.py"
trap 'kill $(jobs -p) $(pgrep -P "${orca:-0}") 2>/dev/null || true' EXIT
window_manager openbox || fail "openbox did not start"
# Orca with no speech device and braille on: what it would say and show goes
# to its debug log, written line by line to a terminal and from there to a
# file. It is started so that it looks for no other Orca and ends none.
mkfifo "$out/orca.in"
sleep 600 >"$out/orca.in" &
SPEECHD_ADDRESS=unix_socket:$out/no-speech script -qfec "/usr/bin/python3 -c 'import runpy, sys
main = runpy.run_path(\"/usr/bin/orca\", run_name=\"e2e\")[\"main\"]
# Orca 51 spells these other_orcas and set_process_name.
main.__globals__.update(otherOrcas=list, other_orcas=list, setProcessName=len, set_process_name=len)
sys.argv = [\"orca\", \"--debug-file=/dev/tty\"]
sys.exit(main())'" "$out/orca.log" <"$out/orca.in" >/dev/null 2>&1 &
orca=$!
said() { grep -a -c "$1" "$out/orca.log" 2>/dev/null || true; }
said_more() { [ "$(said "$1")" -gt "${2:-0}" ]; }
spoken() { wait_for 120 said_more "SPEECH OUTPUT: '$1" "${2:-0}"; }

"$program_path" >"$out/kelvara.log" 2>&1 &
program=$!
window=$(wait_for 120 shown --name "^Kelvara 2000") || fail "the window did not appear"
# Orca 43 says "push button", later ones "button".
spoken "Würfeln \(push \)\?button" || fail "Orca did not read the window"
$atspi tree

step "Space on Würfeln: Orca speaks the eleven counts; Tab onto the chart brailles them"
xdotool key --window "$window" space
spoken "5000 Würfe. Summe 2: " || fail "Orca did not speak the result"
grep -a "SPEECH OUTPUT: '5000 Würfe" "$out/orca.log" | tail -1 | grep -o 'Summe [0-9]*: [0-9]*' |
    awk -F': ' '{s += $2; n++} END {exit !(n == 11 && s == 5000)}' || fail "Orca said other counts"
xdotool key --window "$window" Tab
wait_for 120 said_more "BRAILLE LINE:  '.*Histogramm der Augensummen. 5000 Würfe. Summe 2: .*Summe 12: [0-9]*. chart'" ||
    fail "the counts are not on the braille line: $(grep -a 'BRAILLE LINE' "$out/orca.log" | tail -1)"

step "the box: its number whole"
xdotool key --window "$window" Tab
spoken "5000 selected" || fail "Orca did not read the box's whole number"

step "a series of 0 rolls is spoken; a full count ends a series, and Orca says so with the counts"
before=$(said "SPEECH OUTPUT: '5000 Würfe")
$atspi text 0
$atspi press Würfeln
spoken "5000 Würfe" "$before" || fail "a series of 0 rolls was not spoken"
$atspi text 300000
$atspi press Würfeln
spoken "Die Serie endete mit einem Fehler. [0-9]* Würfe. Summe 2: .*: 32767" || fail "no full count spoken"
box=$(wait_for 120 shown --name "^Kelvara$") || fail "no error box"
timeout 5 xdotool windowactivate --sync "$box" || true
xdotool key Return

step "CLS empties, and says so"
$atspi press CLS
spoken "Das Histogramm ist leer." || fail "CLS was not spoken"

step "closing the window ends the program"
wmctrl -i -c "$window"
wait "$program" || fail "the program did not end well"

step "under Wayland it opens at 10000 by 8000 twips, rolls, and warns of nothing"
weston --backend=headless-backend.so --socket=kelvara-e2e >"$out/weston.log" 2>&1 &
wait_for 120 test -S "$XDG_RUNTIME_DIR/kelvara-e2e"
WAYLAND_DISPLAY=kelvara-e2e DISPLAY= "$program_path" 2>"$out/wayland.log" &
# The toolkit draws the decorations itself here: 3 pixels a side and a
# 30-pixel title bar, inside the 667 by 533 pixels.
[ "$($atspi size)" = "661 500" ] || fail "inside its decorations the window is $($atspi size) px"
$atspi press Würfeln
wait_for 120 sh -c "[ \"\$($atspi total)\" = 5000 ]" || fail "under Wayland the chart names $($atspi total) rolls"
# Judged harmless: the AT-SPI bridge of Qt 6.8 on events a client subscribes
# to that it has no use for ("Subscription string not handled").
! grep -v '^qt\.accessibility\.atspi: ' "$out/wayland.log" || fail "warnings under Wayland, above"
echo "end-to-end: all steps passed"
