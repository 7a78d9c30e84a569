#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The running program as a screen reader sees it, over AT-SPI.
#   atspi.py tree          the roles, the chart's items in order, the label relation
#   atspi.py press NAME    presses the button of that name
#   atspi.py text TEXT     sets the roll-count box's text
#   atspi.py total         prints the rolls the chart's name counts
#   atspi.py size          prints the window's width and height
#   atspi.py read TEXT     the box holds TEXT, and reads in the pieces a screen reader asks for
import re, sys, time
import pyatspi
from gi.repository import Atspi

# A request that takes longer than this has hung the program.
Atspi.set_timeout(2000, 15000)

def fail(message):
    sys.exit(f"FAIL: {message}")

def app():
    for _ in range(50):
        found = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Kelvara"]
        if found:
            return found[0]
        time.sleep(0.2)
    fail("no application Kelvara on the AT-SPI bus")

def find(role, name=None):
    match = lambda o: o.getRoleName() == role and (name is None or o.name.startswith(name))
    return pyatspi.findDescendant(app(), match) or fail(f"no {role} {name}")

def expect(what, got, wanted):
    if got != wanted:
        fail(f"{what}: {got!r}, not {wanted!r}")

command, args = sys.argv[1], sys.argv[2:]
if command == "tree":
    find("frame", "Kelvara 2000 by Orvandel")
    items = [item.name for item in find("chart", "Histogramm der Augensummen")][:11]
    expect("chart items", [i.split(":")[0] for i in items], [f"Summe {s}" for s in range(2, 13)])
    label = find("label", "Anzahl der Würfe:")
    targets = [r.getTarget(0).name for r in label.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABEL_FOR]
    expect("the label names", targets, ["Anzahl der Würfe"])
elif command == "press":
    find("push button", args[0]).queryAction().doAction(0)
elif command == "text":
    find("text", "Anzahl der Würfe").queryEditableText().setTextContents(args[0])
elif command == "size":
    extents = find("frame").queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    print(extents.width, extents.height)
elif command == "total":
    counted = re.search(r"(\d+) Würfe?\.", find("chart").name)
    print(counted.group(1) if counted else 0)
elif command == "read":
    # "12 345 6789", the caret after "345": what a screen reader asks, piece by piece.
    box = find("text", "Anzahl der Würfe")
    text = box.queryText()
    expect("text", text.getText(0, -1), args[0])
    text.setCaretOffset(6)
    expect("caret", text.caretOffset, 6)
    word, line = pyatspi.TEXT_BOUNDARY_WORD_START, pyatspi.TEXT_BOUNDARY_LINE_START
    expect("word at 0", text.getTextAtOffset(0, word), ("12 ", 0, 3))
    expect("word after the caret", text.getTextAfterOffset(6, word), ("6789", 7, 11))
    expect("word at the end", text.getTextAtOffset(11, word), ("6789", 7, 11))
    expect("word before 7", text.getTextBeforeOffset(7, word), ("345 ", 3, 7))
    expect("line at 4", text.getTextAtOffset(4, line), (args[0], 0, 11))
    expect("attribute run", tuple(text.getAttributeRun(5, False)[1:]), (0, 11))
    text.setSelection(0, 3, 7)
    expect("selection", text.getSelection(0), (3, 7))
    window = find("frame").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    first, last = (text.getCharacterExtents(i, pyatspi.DESKTOP_COORDS) for i in (0, 10))
    if not (window.x < first[0] < last[0] < window.x + window.width and first[2] > 0):
        fail(f"characters at {first} and {last}, outside the window {window}")
