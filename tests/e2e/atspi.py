#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The running program as a screen reader sees it, over AT-SPI.
#   atspi.py tree          the roles, the chart's items in order, the label relation
#   atspi.py press NAME    presses the button of that name
#   atspi.py text TEXT     sets the roll-count box's text
#   atspi.py total         prints the rolls the chart's name counts
#   atspi.py size          prints the window's width and height
import re, sys, time
import pyatspi
from gi.repository import Atspi

# A request that takes longer than this has hung the program.
Atspi.set_timeout(2000, 15000)

def fail(message):
    sys.exit(f"FAIL: {message}")

def app():
    for _ in range(300):  # a minute, on a busy machine
        found = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Kelvara"]
        if found:
            return found[0]
        time.sleep(0.2)
    fail("no application Kelvara on the AT-SPI bus")

# The first object of that role (an Atspi.Role: its name differs between releases) and name.
def find(role, name=None):
    match = lambda o: o.getRole() == role and (name is None or o.name.startswith(name))
    return pyatspi.findDescendant(app(), match) or fail(f"no {role.value_nick} {name}")


command, args = sys.argv[1], sys.argv[2:]
if command == "tree":
    find(Atspi.Role.FRAME, "Kelvara 2000 by Orvandel")
    items = [item.name.split(":")[0] for item in find(Atspi.Role.CHART, "Histogramm der Augensummen")][:11]
    if items != [f"Summe {s}" for s in range(2, 13)]:
        fail(f"chart items {items}")
    label = find(Atspi.Role.LABEL, "Anzahl der Würfe:")
    targets = [r.getTarget(0).name for r in label.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABEL_FOR]
    if targets != ["Anzahl der Würfe"]:
        fail(f"the label names {targets}")
elif command == "press":
    find(Atspi.Role.PUSH_BUTTON, args[0]).queryAction().doAction(0)
elif command == "text":
    find(Atspi.Role.TEXT, "Anzahl der Würfe").queryEditableText().setTextContents(args[0])
elif command == "size":
    extents = find(Atspi.Role.FRAME).queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    print(extents.width, extents.height)
elif command == "total":
    counted = re.search(r"(\d+) Würfe?\.", find(Atspi.Role.CHART).name)
    print(counted.group(1) if counted else 0)
