#!/usr/bin/python3
# The running program as a screen reader sees it, over AT-SPI.
#   atspi.py tree          checks the roles, the chart's items and the label relation
#   atspi.py press NAME    presses the button of that name
#   atspi.py text TEXT     sets the roll-count box's text
#   atspi.py total         prints the rolls the chart's description names
#   atspi.py size          prints the window's width and height
import re, sys, time
import pyatspi

def app():
    for _ in range(50):
        found = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Kelvara"]
        if found:
            return found[0]
        time.sleep(0.2)
    sys.exit("FAIL: no application Kelvara on the AT-SPI bus")

def find(role, name=None):
    match = lambda o: o.getRoleName() == role and (name is None or o.name == name)
    return pyatspi.findDescendant(app(), match) or sys.exit(f"FAIL: no {role} {name}")

command = sys.argv[1]
if command == "tree":
    frame = find("frame", "Kelvara 2000 by Orvandel")
    items = [item.name for item in find("chart", "Histogramm der Augensummen")]
    expected = [f"Summe {s}: " for s in range(2, 13)]
    if len(items) != 11 or any(not i.startswith(e) for i, e in zip(items, expected)):
        sys.exit(f"FAIL: chart items {items}")
    label = find("label", "Anzahl der Würfe:")
    targets = [r.getTarget(0).name for r in label.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABEL_FOR]
    if targets != ["Anzahl der Würfe"]:
        sys.exit(f"FAIL: the label names {targets}")
elif command == "press":
    find("push button", sys.argv[2]).queryAction().doAction(0)
elif command == "text":
    find("text", "Anzahl der Würfe").queryEditableText().setTextContents(sys.argv[2])
elif command == "size":
    extents = find("frame").queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    print(extents.width, extents.height)
elif command == "total":
    described = find("chart").description
    print(re.match(r"(\d+) Würfe", described).group(1) if described[0].isdigit() else 0)
