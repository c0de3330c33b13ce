"""Works the Timeline's day buttons of a running veltrano as a screen reader
does, through the accessibility bus: shows the Projects page from View >
Objects and reads its note tool bar, opens the Timeline with the main tool
bar's button, then runs each day button's first action and reads the page
caption back. Prints one line per step:
  days: <role: name> ... of the "Days" bar, hidden ones included
  note bar: <role: name> ... of the note tool bar, hidden ones included
  <day> -> <page caption> <checked days>
Exit status 2 when the program or a part of it does not show up in time."""
import sys
import time

import pyatspi

from atspi_toolbar import applications, find


def wait_for(probe, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    return None


def veltrano():
    for app in applications():
        if app.name == "Veltrano":
            return app
    return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def described(node):
    return "%s: %s" % (node.getRoleName(), node.name)


def first_action(node):
    action = node.queryAction()
    action.doAction(0)
    return action.getName(0)


def main():
    app = wait_for(veltrano, 30)
    if app is None:
        return 2
    timeline_button = wait_for(lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                                            and n.name == "Timeline..."))
    if timeline_button is None:
        return 2
    # The Projects page with the note is built when it first shows: View >
    # Objects > Worklist shows it.
    worklist = find(app, lambda n: n.getRole() in (pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_MENU_ITEM)
                    and n.name == "Worklist")
    if worklist is None:
        return 2
    first_action(worklist)
    note_bar = wait_for(lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_TOOL_BAR
                                     and any(c.name == "Clear" for c in children(n))))
    if note_bar is None:
        return 2
    print("note bar: " + " | ".join(described(c) for c in children(note_bar)
                                    if c.getRole() != pyatspi.ROLE_SEPARATOR))
    first_action(timeline_button)

    editor = wait_for(lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_DIALOG and n.name == "Timeline"))
    if editor is None:
        return 2
    days = find(editor, lambda n: n.getRole() == pyatspi.ROLE_TOOL_BAR and n.name == "Days")
    page = find(editor, lambda n: n.getRole() == pyatspi.ROLE_PAGE_TAB)
    if days is None or page is None:
        return 2
    print("days: " + " | ".join(described(c) for c in children(days)))
    buttons = {c.name: c for c in children(days)}

    def checked():
        return ",".join(name for name, b in buttons.items() if b.getState().contains(pyatspi.STATE_CHECKED))

    for day, caption in (("Friday", "Friday"), ("Friday", "Friday"), ("Saturday", "Satuday"),
                         ("Monday", "Monday")):
        name = first_action(buttons[day])
        wait_for(lambda: page.name == caption and checked() == day, 5)
        print("%s %s -> %s [%s]" % (name, day, page.name, checked()))
    return 0


sys.exit(main())
