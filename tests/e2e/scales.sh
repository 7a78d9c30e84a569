#!/usr/bin/env bash
# scales.sh PROGRAM OUT_DIR: at every scale factor from 1 to 3 in steps of
# 0.05, opened and maximised, the screen area has its border on all four sides
# and no device column or row of the window is black outside it
# (borders.py). Four X servers with openbox share the factors.
set -euo pipefail
program=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI WAYLAND_DISPLAY

worker() { # worker DISPLAY FACTOR...
    local display=$1 factor pid window
    shift
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    trap 'kill $xvfb ${wm:-} ${pid:-} 2>/dev/null' EXIT
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 0.3
    for factor in "$@"; do
        QT_SCALE_FACTOR=$factor "$program" >/dev/null 2>&1 &
        pid=$!
        window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name "^Kelvara 2000" | head -1 || true)
        [ -n "$window" ] || { echo "FAIL: at $factor the window did not appear"; continue; }
        sleep 0.4
        import -window "$window" "$out/scale-$factor.png"
        wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
        sleep 0.6
        import -window "$window" "$out/scale-$factor-max.png"
        kill "$pid" && wait "$pid" 2>/dev/null || true
        /usr/bin/python3 "$here/borders.py" "$out/scale-$factor.png" || true
        /usr/bin/python3 "$here/borders.py" "$out/scale-$factor-max.png" || true
    done
}

free_display() { # the first free display number from $1 on
    local n=$1
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    echo "$n"
}
factors=$(awk 'BEGIN {for (i = 100; i <= 300; i += 5) printf "%.2f\n", i / 100}')
n=$((300 + RANDOM % 200))
pids=()
for lane in 0 1 2 3; do
    n=$(free_display "$n")
    worker ":$n" $(echo "$factors" | awk -v l=$lane 'NR % 4 == l') >"$out/lane-$lane.log" 2>&1 &
    pids+=($!)
    n=$((n + 1))
    sleep 0.2
done
for pid in "${pids[@]}"; do wait "$pid"; done
if grep -h FAIL "$out"/lane-*.log; then exit 1; fi
echo "scales: 41 factors, opened and maximised, passed"
