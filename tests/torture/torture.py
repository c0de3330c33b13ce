#!/usr/bin/python3
"""Kills the program with SIGKILL at random moments while it writes its files,
restarts it, and checks after every kill that each file of ours is the old or
the new one (never torn, empty or missing) and that no temporary file of an
interrupted write outlives the next start.

Run by torture.sh, which gives it a private X display and session bus. The
program is driven through the accessibility bus (AT-SPI): each action in
ACTIONS is used when its control is there and skipped when it is not, so the
script keeps working while windows are added to the program.

To add an action: write a function taking the program's AT-SPI application
object and returning a callable that does one step (or None when the control
it needs is not there), add it to ACTIONS, seed the files it writes in
DataFolder.seed(), and teach DataFolder.check_files() what a whole one looks
like. Controls are found by role and accessible name (the caption, or the
short part of the hint), as a screen reader finds them.
"""
import argparse
import os
import random
import re
import signal
import stat
import subprocess
import sys
import threading
import time

import pyatspi

TEMPORARY = re.compile(r"^\..+\.veltrano-save-[A-Za-z0-9]{6}$")
# The data folder's lock while a copy runs; a killed copy leaves it behind.
FOLDER_LOCK = re.compile(r"^\.~lock\.Veltrano\..+#$")
NOTE_PROJECT = "Torture"
GIGABYTE = 1 << 30
# What a data folder may hold where the program's files belong (file, kind,
# the bound its reader keeps): each must be refused without blocking or
# running out of memory, and never be written over.
HOSTILE = (
    ("Projects Group/Hostile FIFO/note.rtf", "fifo", 0),
    ("Projects Group/Hostile Zero/note.rtf", "zero", 0),
    ("Projects Group/Hostile Sparse/note.rtf", "sparse", GIGABYTE - 1),
    ("Projects Group/Hostile Oversized/note.rtf", "sparse", 64 << 20),
)
# Day files no one opens during a run (today's is read at every start, and a
# box about it would stand in the way of every action).
HOSTILE_DAYS = (("fifo", 0), ("zero", 0), ("sparse", GIGABYTE - 1), ("sparse", 16 << 20))
NOTE_START = "Torture note"
BAR_ITEMS = ("Main Tool Bar", "Bottom Tool Bar", "Status Bar")


def log(*parts):
    print(*parts, flush=True)


# --- finding controls -------------------------------------------------------

def application_of(pid, seconds):
    """The program's AT-SPI application once its main window is there."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.get_process_id() == pid:
                    for window in app:
                        if window is not None and window.name == "Veltrano 1.1":
                            return app
        except Exception:
            pass
        time.sleep(0.1)
    return None


def children(acc):
    try:
        return [child for child in acc if child is not None]
    except Exception:
        return []


def find_all(root, predicate, limit=None):
    """Breadth first; a control that goes away while it is looked at is passed over."""
    found, queue = [], [root]
    while queue and (limit is None or len(found) < limit):
        acc = queue.pop(0)
        for child in children(acc):
            try:
                if predicate(child):
                    found.append(child)
            except Exception:
                pass
            queue.append(child)
    return found


def find(root, predicate):
    found = find_all(root, predicate, limit=1)
    return found[0] if found else None


def named(name, *roles):
    return lambda acc: acc.name == name and (not roles or acc.getRole() in roles)


def window(app, title_start):
    return next((w for w in children(app) if w.name.startswith(title_start)), None)


def action_index(acc, *names):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in names:
            return i
    return None


def click(acc):
    """A real click in the middle of a control (for those AT-SPI gives no action to)."""
    x, y, width, height = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if width <= 0 or height <= 0:
        return False
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"],
                   check=False, timeout=10)
    return True


# --- actions: each returns a step, or None when its control is not there ------

def toggle_bars(app):
    """The three View menu items that show and hide the bars; each writes PM.INI."""
    main = window(app, "Veltrano 1.1")
    items = [find(main, named(caption, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_MENU_ITEM))
             for caption in BAR_ITEMS] if main else []
    items = [item for item in items if item is not None and action_index(item, "press", "toggle") is not None]
    if not items:
        return None

    def step():
        item = random.choice(items)
        item.queryAction().doAction(action_index(item, "press", "toggle"))
    return step


def type_into_note(app):
    """Types at the end of the note of project NOTE_PROJECT (chosen in the
    worklist first); each keystroke rewrites its note.rtf. The note is the one
    editable text of many lines in the main window."""
    main = window(app, "Veltrano 1.1")
    project = main and find(main, named(NOTE_PROJECT))
    if not project or not click(project):
        return None
    time.sleep(0.3)

    def is_note(acc):
        states = acc.getState()
        return states.contains(pyatspi.STATE_EDITABLE) and states.contains(pyatspi.STATE_MULTI_LINE)
    note = find(main, is_note)
    if note is None:
        return None
    editable, text = note.queryEditableText(), note.queryText()

    def step():
        editable.insertText(text.characterCount, random.choice("abc xyz"), 1)
    return step


def tick_todo_items(app):
    """Ticks and unticks items of the to-do window's list."""
    todo = window(app, "To-Do List:")
    items = find_all(todo, lambda acc: action_index(acc, "toggle") is not None and acc.getRole() in (
        pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TABLE_CELL)) if todo else []
    if not items:
        return None

    def step():
        item = random.choice(items)
        item.queryAction().doAction(action_index(item, "toggle"))
    return step


def select_hostile_notes(app):
    """Clicks the projects whose note is a FIFO, a link to /dev/zero or a
    sparse file: each is read (and read again when it is left) at once."""
    main = window(app, "Veltrano 1.1")
    nodes = [find(main, named(os.path.basename(os.path.dirname(name)))) for name, _, _ in HOSTILE] if main else []
    nodes = [node for node in nodes if node is not None]
    if not nodes:
        return None

    def step():
        click(random.choice(nodes))
    return step


ACTIONS = (toggle_bars, type_into_note, tick_todo_items, select_hostile_notes)


# --- the data folder ----------------------------------------------------------

def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def make_hostile(path, kind, bound):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if kind == "fifo":
        os.mkfifo(path)
    elif kind == "zero":
        os.symlink("/dev/zero", path)
    else:
        with open(path, "wb") as f:
            f.truncate(bound + 1)


def still_hostile(path, kind, bound):
    """None when `path` is still what make_hostile made, else what became of it."""
    try:
        info = os.lstat(path)
    except FileNotFoundError:
        return "missing"
    if kind == "fifo":
        return None if stat.S_ISFIFO(info.st_mode) else "no longer a FIFO"
    if kind == "zero":
        return None if stat.S_ISLNK(info.st_mode) and os.readlink(path) == "/dev/zero" else "no longer a link to /dev/zero"
    if not stat.S_ISREG(info.st_mode) or info.st_size != bound + 1 or info.st_blocks != 0:
        return "written over (%d bytes, %d blocks)" % (info.st_size, info.st_blocks)
    return None


def ini_keys(data):
    """{(section, key)} of a whole INI file, or a reason it is not whole."""
    if not data:
        return "empty"
    if not data.endswith(b"\r\n"):
        return "does not end with a line break (cut short?)"
    keys, section = set(), None
    for line in data[:-2].split(b"\r\n"):
        if line.startswith(b"[") and line.endswith(b"]"):
            section = line[1:-1].lower()
        elif b"=" in line and section is not None:
            keys.add((section, line.split(b"=", 1)[0].lower()))
        elif line.strip():
            return "line %r is neither a section nor a key" % line[:40]
    return keys


def todo_texts(data):
    if data and not data.endswith(b"\r\n"):
        return "does not end with a line break (cut short?)"
    lines = data.split(b"\r\n")[:-1] if data else []
    if any(not line[:1].isdigit() for line in lines):
        return "a line without its state digit"
    return [line[1:] for line in lines]


def rtf_whole(data, rtfconv):
    if not data.startswith(b"{\\rtf"):
        return "no RTF header"
    depth = 0
    escaped = False
    for byte in data:
        if escaped:
            escaped = False
        elif byte == 0x5C:
            escaped = True
        elif byte == 0x7B:
            depth += 1
        elif byte == 0x7D:
            depth -= 1
    if depth != 0 or not data.rstrip(b"\r\n\0 ").endswith(b"}"):
        return "groups not closed (cut short?)"
    if rtfconv:
        text = subprocess.run([rtfconv, "--to", "text", "-"], input=data, capture_output=True, timeout=30)
        if text.returncode != 0 or not text.stdout.startswith(NOTE_START.encode()):
            return "rtfconv does not read it back"
    return None


class DataFolder:
    def __init__(self, path, padding, rtfconv):
        self.path = path
        self.rtfconv = rtfconv
        self.padding = padding
        self.baseline = {}
        self.hostile = []

    def file(self, relative):
        return os.path.join(self.path, relative)

    def seed(self, first_ini):
        """PM.INI as the first run left it, padded so that each write takes long
        enough to be caught by a kill; a to-do list, a week and a note."""
        pad = b"".join(b"Key%d=%s\r\n" % (i, b"x" * 40) for i in range(self.padding))
        write(self.file("PM.INI"), first_ini + (b"[Torture]\r\n" + pad if pad else b""))
        write(self.file("list.todo"), b"0first\r\n1second\r\n0third\r\n")
        write(self.file("Week/Monday.txt"), b"Run\r\n" + b"\r\n" * 23)
        write(self.file("Projects Group/%s/note.rtf" % NOTE_PROJECT),
              b"{\\rtf1\\ansi " + NOTE_START.encode() + b"\\par}")
        today = time.strftime("%A")
        days = [day for day in ("Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday") if day != today]
        self.hostile = list(HOSTILE) + [("Week/%s.txt" % day, kind, bound)
                                        for day, (kind, bound) in zip(days, HOSTILE_DAYS)]
        for name, kind, bound in self.hostile:
            make_hostile(self.file(name), kind, bound)
        self.baseline = {name: read(self.file(name)) for name in self.ours()}

    def ours(self):
        names = []
        for root, folders, files in os.walk(self.path):
            for name in files:
                relative = os.path.relpath(os.path.join(root, name), self.path)
                if relative != "veltrano" and not TEMPORARY.match(name) and not FOLDER_LOCK.match(name) \
                        and relative not in {hostile for hostile, _, _ in self.hostile}:
                    names.append(relative)
        return sorted(names)

    def temporaries(self):
        return sorted(os.path.relpath(os.path.join(root, name), self.path)
                      for root, _, files in os.walk(self.path) for name in files if TEMPORARY.match(name))

    def check_files(self):
        """Reasons any file of ours is not a whole one."""
        problems = []
        for name, old in self.baseline.items():
            path = self.file(name)
            if not os.path.isfile(path):
                problems.append("%s: missing" % name)
                continue
            data = read(path)
            if name == "PM.INI":
                keys, wanted = ini_keys(data), ini_keys(old)
                if isinstance(keys, str):
                    problems.append("PM.INI: " + keys)
                elif not wanted <= keys:
                    problems.append("PM.INI: keys lost: %s" % sorted(wanted - keys)[:3])
            elif name == "list.todo":
                texts = todo_texts(data)
                if isinstance(texts, str) or texts != todo_texts(old):
                    problems.append("list.todo: %s" % (texts if isinstance(texts, str) else "items changed"))
            elif name.endswith("note.rtf"):
                reason = rtf_whole(data, self.rtfconv)
                if reason:
                    problems.append("%s: %s" % (name, reason))
            elif data != old:
                problems.append("%s: changed, though nothing writes it" % name)
        for name, kind, bound in self.hostile:
            became = still_hostile(self.file(name), kind, bound)
            if became:
                problems.append("%s: %s" % (name, became))
        stray = set(self.ours()) - set(self.baseline)
        if stray:
            problems.append("files that are not ours: %s" % sorted(stray))
        return problems


# --- one run ------------------------------------------------------------------

class Program:
    def __init__(self, executable, folder, log_path):
        self.log = open(log_path, "ab")
        self.process = subprocess.Popen([executable], cwd=folder, stdout=self.log, stderr=self.log)

    def kill(self):
        try:
            self.process.send_signal(signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        self.log.close()

    def terminate(self, seconds=20):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(seconds)
        finally:
            self.log.close()


def drive_until_killed(program, app, stop, counts):
    steps = {}
    for make in ACTIONS:
        try:
            step = make(app)
        except Exception:
            step = None
        if step is not None:
            steps[make.__name__] = step
    counts.setdefault("available", set()).update(steps)
    while steps and not stop.is_set():
        name = random.choice(list(steps))
        try:
            steps[name]()
            counts[name] = counts.get(name, 0) + 1
        except Exception:
            if program.process.poll() is not None:
                return


def first_run(executable, data, log_path):
    """A normal first run and exit: the PM.INI a user has."""
    program = Program(executable, data.path, log_path)
    if application_of(program.process.pid, 60) is None:
        program.kill()
        with open(log_path, "rb") as said:
            sys.stdout.write(said.read().decode(errors="replace"))
        sys.exit("the program did not come up on the accessibility bus")
    program.terminate()
    return read(data.file("PM.INI"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("executable")
    parser.add_argument("data")
    parser.add_argument("--kills", type=int, default=100)
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--padding", type=int, default=20000,
                        help="keys added to PM.INI so each write is long enough to be cut short")
    parser.add_argument("--longest", type=float, default=3.0, help="longest run before the kill, seconds")
    parser.add_argument("--rtfconv", default=None)
    args = parser.parse_args()
    seed = args.seed if args.seed is not None else random.randrange(1 << 30)
    random.seed(seed)
    log("seed", seed)

    os.makedirs(args.data, exist_ok=True)
    executable = os.path.join(args.data, "veltrano")
    if not os.path.exists(executable):
        subprocess.run(["cp", args.executable, executable], check=True)
    log_path = os.path.join(os.path.dirname(args.data.rstrip("/")), "program.log")
    data = DataFolder(args.data, args.padding, args.rtfconv)
    data.seed(first_run(executable, data, log_path))

    failures, cut_short, leftovers_max, while_starting, counts = 0, 0, 0, 0, {}
    started = time.monotonic()
    for kill in range(1, args.kills + 1):
        program = Program(executable, data.path, log_path)
        stop = threading.Event()
        delay = random.uniform(0, args.longest)
        timer = threading.Timer(delay, lambda: (stop.set(), program.kill()))
        timer.start()
        app = application_of(program.process.pid, 60)
        if app is not None and not stop.is_set():
            # Whatever a previous kill left must be gone once the program is up.
            left = data.temporaries()
            if left:
                failures += 1
                log("kill %d: temporaries outlived the start: %s" % (kill, left))
            drive_until_killed(program, app, stop, counts)
        else:
            while_starting += 1
        timer.join()
        left = data.temporaries()
        cut_short += bool(left)
        leftovers_max = max(leftovers_max, len(left))
        problems = data.check_files()
        if len(left) > 1:
            problems.append("more than one temporary: %s" % left)
        if problems:
            failures += 1
            log("kill %d after %.2f s: %s" % (kill, delay, "; ".join(problems)))
        elif kill % 10 == 0 or args.kills <= 10:
            log("kill %d after %.2f s: whole (%d temporaries left)" % (kill, delay, len(left)))

    # A last normal start clears the last leftovers away.
    program = Program(executable, data.path, log_path)
    up = application_of(program.process.pid, 60) is not None
    final_left = data.temporaries()
    program.terminate()
    if not up or final_left:
        failures += 1
        log("final start: %s" % ("did not come up" if not up else "temporaries left: %s" % final_left))

    actions = {name: counts.get(name, 0) for name in (make.__name__ for make in ACTIONS)}
    log("kills: %d (%d before the main window was up), seconds: %.0f, kills that cut a write short: %d, "
        "most temporaries at once: %d" % (args.kills, while_starting, time.monotonic() - started, cut_short,
                                          leftovers_max))
    log("actions done: %s; skipped (control not there): %s"
        % (actions, sorted(set(actions) - counts.get("available", set())) or "none"))
    log("failures: %d" % failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
