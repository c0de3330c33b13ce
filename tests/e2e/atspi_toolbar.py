"""Prints the main tool bar's buttons of a running veltrano as a screen reader
reads them through the accessibility bus: one "role: name" line for each button
on screen, in order.
Exit status 2 when the program or its tool bar does not show up in time."""
import sys
import time

import pyatspi


def find(node, wanted, depth=0):
    if depth > 12 or node is None:
        return None
    if wanted(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), wanted, depth + 1)
        if found is not None:
            return found
    return None


def applications():
    # The desktop's child count may lag behind the applications it already
    # holds: ask for children until there is none.
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(64):
        app = desktop.getChildAtIndex(i)
        if app is None:
            return
        yield app


def main():
    deadline = time.monotonic() + float(sys.argv[1] if len(sys.argv) > 1 else 20)
    while time.monotonic() < deadline:
        for app in applications():
            if app.name != "Veltrano":
                continue
            bar = find(app, lambda n: n.getRole() == pyatspi.ROLE_TOOL_BAR)
            if bar is None or bar.childCount == 0:
                continue
            for j in range(bar.childCount):
                button = bar.getChildAtIndex(j)
                # What a reader passes over: separators, parts not on screen.
                if button.getRole() in (pyatspi.ROLE_SEPARATOR, pyatspi.ROLE_FILLER):
                    continue
                if not button.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                print("%s: %s" % (button.getRoleName(), button.name))
            return 0
        time.sleep(0.3)
    return 2


if __name__ == "__main__":
    sys.exit(main())
