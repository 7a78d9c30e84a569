#!/usr/bin/python3
# The running program as a screen reader sees it, over AT-SPI.
#   atspi.py tree          checks the roles, the chart's items and the label relation
#   atspi.py press NAME    presses the button of that name
#   atspi.py text TEXT     sets the roll-count box's text
#   atspi.py total         prints the rolls the chart's description names
#   atspi.py size          prints the window's width and height
#   atspi.py message       prints the error message's text
#   atspi.py read          asks every text for every piece at every offset
import re, sys, time
import pyatspi
from gi.repository import Atspi

# A request that takes longer than this has hung the program.
Atspi.set_timeout(2000, 15000)

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
elif command == "message":
    label = pyatspi.findDescendant(app(), lambda o: o.getRoleName() == "label" and o.name.startswith("Laufzeitfehler"))
    print(label.name if label else "")
elif command == "read":
    # Each piece a text is read in must be its own text, and the pieces of one
    # kind at every offset must cover the text. Any request that hangs fails.
    def check(obj):
        text = obj.queryText()
        whole = text.getText(0, -1)
        n = len(whole)
        for boundary in range(pyatspi.TEXT_BOUNDARY_LINE_END + 1):
            covered = set()
            for offset in range(n + 1):
                for ask in (text.getTextBeforeOffset, text.getTextAfterOffset, text.getTextAtOffset):
                    piece, start, end = ask(offset, boundary)
                    if start >= 0 and piece != whole[start:end]:
                        sys.exit(f"FAIL: {ask.__name__}({offset}, {boundary}) of {whole!r}: {piece!r} ({start}-{end})")
                if offset < n and not start <= offset < end:
                    sys.exit(f"FAIL: piece {boundary} at {offset} of {whole!r} is {start}-{end}")
                covered.update(range(start, end))
                if offset < n:
                    run = text.getAttributeRun(offset, False)
                    if not run[1] <= offset < run[2]:
                        sys.exit(f"FAIL: attribute run at {offset} of {whole!r} is {run[1]}-{run[2]}")
            if covered != set(range(n)):
                sys.exit(f"FAIL: pieces {boundary} of {whole!r} leave out {set(range(n)) - covered}")
        text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS), text.getSelection(0), text.caretOffset

    texts = pyatspi.findAllDescendants(app(), lambda o: "Text" in o.get_interfaces())
    if not any(o.getRoleName() == "text" for o in texts):
        sys.exit("FAIL: the roll-count box has no text to read")
    for obj in texts:
        check(obj)
