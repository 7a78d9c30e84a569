#!/usr/bin/env bash
# One start-click-close run of the real program under valgrind's memcheck, on
# a private X server. Fails on any block definitely lost by our own code: a
# lost block whose allocation was made directly from the kelvara binary.
# Blocks lost inside system libraries are counted and reported, not failed.
#   run-valgrind.sh BUILD_DIR SHOT_PROBE OUT_DIR
set -euo pipefail
build=$1
probe=$2
out=$3
mkdir -p "$out"
rm -f "$out"/valgrind.*.log
program_path=$(readlink -f "$build/kelvara")

source "$(dirname "$0")/x-session.sh"

step "start under valgrind, roll 5000 times, close"
start_program "$out/valgrind-kelvara.log" 120 \
    valgrind --leak-check=full --show-leak-kinds=definite --num-callers=40 \
    --log-file="$out/valgrind.%p.log" "$program_path"
pid=$program
click_roll
sleep 3
import -window "$window" "$out/valgrind-series.png"
bars=$("$probe" "$out/valgrind-series.png" 2>/dev/null | awk '/^bars/ {print $4}')
[ "$bars" -ge 322 ] && [ "$bars" -le 344 ] || fail "the series did not run: bars add up to $bars px"
close_program 60

# Valgrind runs the program in its own process, so the log carries its pid.
log=$out/valgrind.$pid.log
summary=$(grep -m1 'definitely lost:' "$log" | sed 's/^==[0-9]*== *//' || true)
[ -n "$summary" ] || fail "valgrind printed no leak summary (see $log)"

# For each definitely lost record, the first frame past the allocator.
ours=$(awk -v program="(in $program_path)" '
    /are definitely lost in loss record/ { inside = 1; next }
    inside && /^==[0-9]+== *$/ { inside = 0; next }
    inside && /(at|by) 0x/ {
        if ($0 ~ /(malloc|calloc|realloc|memalign|operator new|vg_replace_malloc)/) next
        if (index($0, program) || $0 ~ /kelvara::/) count++
        inside = 0
    }
    END { print count + 0 }' "$log")

echo "valgrind memcheck: $summary; records lost by our code: $ours"
[ "$ours" = 0 ] || fail "$ours blocks definitely lost by our code (see $log)"
