#!/usr/bin/python3
"""One look at the accessible tree of the desktop's session, for the scripts
that listen to the game (see speech-desktop.sh).

    accessible.py orca                    exits 0 once Orca is on the bus
    accessible.py focus                   the names of the game's focused objects
    accessible.py text NAME               the text of the game's text area NAME
    accessible.py settle NAME SECONDS     waits, at most SECONDS, until that
                                          text has stopped changing
"""
import sys
import time

import pyatspi


def app(name):
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == name:
            return candidate
    return None


def find(node, test):
    if test(node):
        return node
    for i in range(node.childCount):
        hit = find(node.getChildAtIndex(i), test)
        if hit is not None:
            return hit
    return None


def focused(node, names):
    if node.getState().contains(pyatspi.STATE_FOCUSED):
        names.append(node.name)
    for i in range(node.childCount):
        focused(node.getChildAtIndex(i), names)
    return names


def text(name):
    pane = find(app("Quorvexer"), lambda n: n.name == name and n.getRoleName() == "text")
    content = pane.queryText()
    return content.getText(0, content.characterCount)


def settle(name, seconds):
    last, since = None, time.time()
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            now = text(name)
        except Exception:  # the game is not on the bus yet
            now = None
        if now != last:
            last, since = now, time.time()
        elif time.time() - since > 1.5:
            return
        time.sleep(0.3)


def main(argv):
    if argv[0] == "orca":
        return 0 if app("orca") is not None else 1
    if argv[0] == "focus":
        print("\n".join(focused(app("Quorvexer"), [])))
    elif argv[0] == "text":
        sys.stdout.write(text(argv[1]))
    elif argv[0] == "settle":
        settle(argv[1], float(argv[2]))
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
