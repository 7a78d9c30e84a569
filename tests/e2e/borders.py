#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# borders.py SHOT.png [BAND]: in a screenshot of the window, the screen area
# spans the window and has a grey border on all four sides, no black lies
# outside it, and below it the frame band (BAND pixels high, if given) reaches
# the window's bottom: the layout is the one for the window's size.
import subprocess, sys

png = sys.argv[1]
w, h = map(int, subprocess.check_output(["convert", png, "-format", "%w %h", "info:"]).split())
raw = subprocess.check_output(["convert", png, "-depth", "8", "rgb:-"])
px = lambda x, y: raw[3 * (y * w + x):3 * (y * w + x) + 3]
black = bytes(3)

def fail(message):
    sys.exit(f"FAIL: {png} ({w}x{h}): {message}")

row = [px(x, h // 4) for x in range(w)]          # across the screen area
column = [px(w // 46, y) for y in range(h)]      # down the gap left of the first bar
border = row[0]
if border == black or column[0] != border:
    fail(f"no left or top border: {row[0].hex()}, {column[0].hex()}")
right = max(x for x, p in enumerate(row) if p == black) + 1
if right >= w or row[right] != border or black in row[right:] or right < w - 8:
    fail(f"no right border at the window's edge: black up to x = {right - 1}")
bottom = next(y for y in range(h // 4, h) if column[y] != black)
if column[bottom] != border or black in column[bottom:bottom + 4]:
    fail(f"no bottom border at y = {bottom}: {column[bottom].hex()}")
if len(sys.argv) > 2 and abs(h - 1 - bottom - float(sys.argv[2])) > 2:
    fail(f"{h - 1 - bottom} pixels below the screen area, not the band's {sys.argv[2]}")
if any(px(w - 1, y) == black for y in range(h)):
    fail("black in the window's last column")
