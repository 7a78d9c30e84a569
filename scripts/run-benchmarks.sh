#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks in bench/ and prints the figures the README quotes.
#   1. series_benchmark: per-roll cost, headless handler against the bare loop
#      (two draws, the dice as whole numbers), with their ratios
#   2. qt_series_benchmark: click until painted (offscreen) against headless,
#      with the ratio for the longest series
#   3. peak memory (VmHWM) of the real program after a series, against the
#      minimal Qt window, both under Xvfb; median of five runs each
#   4. startup_benchmark: process start until the window is first painted,
#      against the minimal Qt window, under the same Xvfb; and where Wine and
#      MinGW-w64 are, kelvara.exe against a minimal Windows API window there
#   5. instructions per roll under valgrind's callgrind, handler against the
#      bare loop: exact counts that repeat from run to run
#   6. what the hardening costs a roll: the handler built without the
#      protections (in BUILD-plain), in instructions and in time
set -euo pipefail
build=${1:-build}
reps=${REPS:-5}

# Repetitions interleaved at random, so that a slow spell of the machine
# falls on handler and bare loop alike; then each handler row against its
# bare loop of the same length.
"$build/bench/series_benchmark" --benchmark_repetitions="${SERIES_REPS:-15}" \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    2>/dev/null | grep median | sort | awk '
    { print }
    { for (i = 1; i <= NF; i++) if ($i ~ /^per_roll=/) { v = substr($i, 10); sub(/ns$/, "", v); ns[$1] = v } }
    END {
        for (n in ns) if (n ~ /HeadlessSeries/) {
            bare = n; sub(/HeadlessSeries/, "BareLoop", bare)
            if (bare in ns) printf "ratio of %s to the bare pcg32 loop: %.2f\n", n, ns[n] / ns[bare]
        }
    }'
"$build/bench/qt_series_benchmark" --benchmark_repetitions="$reps" \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'Benchmark|median' | awk '
    { print }
    /rolls:0_median/ { for (i = 1; i <= NF; i++) if ($i == "us") { t[$1] = $(i - 1); break } }
    END {
        q = "BM_QtClickUntilPainted/rolls:0_median"; h = "BM_HeadlessClick/rolls:0_median"
        if ((q in t) && (h in t)) printf "ratio of a click until painted to headless, longest series: %.2f\n", t[q] / t[h]
    }'

display=:$((100 + RANDOM % 400))
# A white root, so that the start-up benchmark can tell an unpainted window.
Xvfb "$display" -wr -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Peak resident memory in KiB of a program after it has shown its window and
# had its first button clicked.
peak_kib() {
    local program=$1 title=$2
    "$program" >/dev/null 2>&1 &
    local pid=$!
    local window=""
    for _ in $(seq 50); do
        window=$(xdotool search --sync --onlyvisible --name "$title" 2>/dev/null | head -1) && break
        sleep 0.1
    done
    # The first button of both windows sits at the same place.
    xdotool mousemove --window "$window" 50 479 click 1
    sleep 0.5
    awk '/VmHWM/ {print $2}' "/proc/$pid/status"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

base=$(for _ in $(seq "$reps"); do peak_kib "$build/bench/minimal_window" Minimal; done | median)
ours=$(for _ in $(seq "$reps"); do peak_kib "$build/kelvara" "Kelvara 2000"; done | median)
echo "peak memory: minimal window ${base} KiB, kelvara ${ours} KiB, ratio $(awk "BEGIN {printf \"%.2f\", $ours / $base}")"

XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)} "$build/bench/startup_benchmark" \
    --benchmark_filter=-UnderWine --benchmark_repetitions="$reps" \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'Benchmark|median'
wine=$(command -v wine64 || ls /usr/lib/wine/wine64 2>/dev/null || true)
if [ -n "$wine" ] && command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    "$(dirname "$0")/build-windows.sh" "$build" minimal_window >/dev/null
    # A prefix of its own, its server kept running between the starts.
    export WINEPREFIX=$build/windows/bench-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    "$wine" wineboot --init >/dev/null 2>&1
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    "$(dirname "$wine")/wineserver" -p
    "$build/bench/startup_benchmark" --benchmark_filter=UnderWine --benchmark_repetitions="$reps" \
        --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'Benchmark|median'
    "$(dirname "$wine")/wineserver" -k
fi

# Two lengths of series, so the fixed cost of a click drops out of the difference.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1/bench/counted_rolls" "$2" "$3" 2>&1 |
        awk '/Collected/ {print $NF}'
}
per_roll() { echo $((($(instructions "$1" "$2" 20000) - $(instructions "$1" "$2" 10000)) / 10000)); }
handler=$(per_roll "$build" handler)
bare=$(per_roll "$build" bare)
echo "instructions per roll (callgrind): handler $handler, bare loop $bare, ratio $(awk "BEGIN {printf \"%.2f\", $handler / $bare}")"

# The same series without the protections every build has.
plain=$build-plain
cmake -S "$(dirname "$0")/.." -B "$plain" -DCMAKE_BUILD_TYPE=Release -DKELVARA_HARDENING=OFF \
    -DKELVARA_TESTS=OFF >/dev/null
cmake --build "$plain" -j"$(nproc)" --target counted_rolls series_benchmark >/dev/null
unprotected=$(per_roll "$plain" handler)
echo "hardening, instructions per roll: handler $handler, without the protections $unprotected"
# Longest series, both builds in turn, each run a process of its own. A
# process here runs either fast or about half as slow again, whichever build
# it is (some placement of the process, not its code), so the fastest run of
# each is the figure to compare.
longest() {
    "$1/bench/series_benchmark" --benchmark_filter='HeadlessSeries/rolls:0$' 2>/dev/null |
        grep -o 'per_roll=[0-9.]*' | cut -d= -f2
}
for _ in $(seq 9); do echo "$(longest "$build") $(longest "$plain")"; done >"$plain/times.txt"
with=$(cut -d' ' -f1 "$plain/times.txt" | sort -n | head -1)
without=$(cut -d' ' -f2 "$plain/times.txt" | sort -n | head -1)
echo "hardening, ns per roll of the longest series (fastest of 9 runs): ${with} with, ${without} without, ratio $(awk "BEGIN {printf \"%.2f\", $with / $without}")"
