#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# bars.py SHOT.png: the heights in pixels of the green bars in a screenshot
# of the window, left to right, on one line; nothing if there is none.
import subprocess, sys

png = sys.argv[1]
w, h = map(int, subprocess.check_output(["convert", png, "-format", "%w %h", "info:"]).split())
raw = subprocess.check_output(["convert", png, "-depth", "8", "rgb:-"])
green = bytes((0, 192, 0))
is_green = lambda x, y: raw[3 * (y * w + x):3 * (y * w + x) + 3] == green
rows = [y for y in range(h) if green in raw[3 * y * w:3 * (y + 1) * w]]
if rows:
    base = rows[-1]  # the baseline: every bar's lowest row
    starts = [x for x in range(w) if is_green(x, base) and (x == 0 or not is_green(x - 1, base))]
    print(" ".join(str(sum(is_green(x + 2, y) for y in range(base + 1))) for x in starts))
