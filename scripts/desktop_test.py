#!/usr/bin/python3
"""A learner takes lessons in the real program on an X desktop; the test reads back what a screen
reader gets. Started by scripts/desktop-test.sh, which provides the X server (German layout), the
session bus, the accessibility bus and a listening Orca.

The learner's input is real: key events through the X server (xdotool), the menus through Alt and
the arrow keys, a mouse click on a key picture. What comes back is read where a blind learner's
screen reader reads it: the accessibility tree (pyatspi), the window titles the X server carries
(_NET_WM_NAME) and the lines Orca logs as spoken. The expected texts are this file's own copy of
what the learner must be given; nothing is read from the program to build them.
"""
import argparse
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

# --- What the learner must get (own copy, not read from the program) -------------------------

START_WINDOW_NAME = "10-Finger Fingalo"
START_TEXTS = {
    "Label4": "Herzlich willkommen beim 10-Finger Fingalo,\n"
    "dem Tipptrainer für alle zehn Finger – 2019 bis 2026",
    "Label1": "Fingalo begann 2019 als kleines Übungsprogramm für den Unterricht. Mit jeder Version "
    "ist es gewachsen, und es bleibt, was es von Anfang an war: kostenlos, ohne Werbung und ohne "
    "Anmeldung.",
    "Label5": "Warum zehn Finger? Wer blind schreibt, schaut auf den Text statt auf die Tasten, "
    "schreibt schneller und macht weniger Fehler. Eine Viertelstunde am Tag genügt: Nach wenigen "
    "Wochen finden die Finger ihre Tasten von allein.",
    "Label6": "Ein Programm vom Fingalo-Team aus Lüneburg  ·  fingalo.example.org",
    "Label2": "10-Finger Fingalo 3",
}
MAIN_TITLE = "10-Finger Fingalo 3  ·  2019 bis 2026  ·  vom Fingalo-Team"
INSTRUCTION = "Was hier im gelben Feld erscheint sind die Übungszeilen. Die muss man eintippen."
FELD_AT_START = " Lektion auswählen"
FELD_AT_END = " " * 40 + "- Lektion auswählen -"
LESSON_1 = [
    "ffff ffff ffff ffff ffff ffff ffff ffff ffff",
    "jjjj jjjj jjjj jjjj jjjj jjjj jjjj jjjj jjjj",
    "dddd kkkk dddd kkkk dddd kkkk dddd kkkk dddd",
    "fdf jkj fdf jkj fdf jkj fdf jkj fdf jkj fdf",
    "dfd kjk dfd kjk dfd kjk dfd kjk dfd kjk dfd",
    "fds jkl fds jkl fds jkl fds jkl fds jkl fds",
    "fsf jlj fsf jlj fsf jlj fsf jlj fsf jlj fsf",
    "fdsa jklö fdsa jklö fdsa jklö fdsa jklö fdsa",
    "asdf ölkj asdf ölkj asdf ölkj asdf ölkj asdf",
    "fad fad las las fad fad las las fad fad las fad",
    "las las als als las las als als las las las",
    "all all das das all all das das all all dass dass",
    "lös all das lös all das lös all das lös all das",
    "das all das all lös all lös all das lös das all",
    "das all ölla allö sad las alla dalla öl das all",
]
LESSON_14_LINE_1 = "eé eé eé eé a1 a1 a1 eé dé fé gé lé té"


def position(lesson, line):
    return f"Lektion {lesson}, Zeile {line} von 15"


def progress_title(lesson, done):
    # The count is written sign-padded: a blank before it, so two blanks follow the colon.
    return f"Lektion: {lesson}- Fehlerfrei:  {done} von 15 Reihen."


def wrong_character_message(expected, typed):
    return (
        f"Es sollte das Zeichen {{{expected}}} eingegeben werden.\n"
        f"Sie haben das Zeichen {{{typed}}} eingegeben.\n"
        "\n"
        "Bitte geben Sie das richtige Zeichen ein. Nehmen Sie den richtigen Finger und ...\n"
        "... vorher mit dem rechten kleinen Finger die Eingabetaste betätigen um dieses OK zu "
        "bestätigen."
    )


MESSAGE_TITLE = "10-Finger Fingalo"
ERRORS_AT_START = "Fehler 0"
ERRORS_AFTER_ONE = "F.:  1"
LESSON_ENDED = "Lektion beendet"
LESSON_END_NOTICE = progress_title(1, 15) + " Lektion beendet. Bitte eine neue Lektion wählen."
BACKSPACE_KEY = "Rücktaste"
BACKSPACE_TITLE = "RÜCKTASTE"
BACKSPACE_TEXT = "Mit der Rücktaste kann man eine (oder auch mehrere) Fehleingabe löschen."
HELP_TITLE = "10-Finger Fingalo – Hilfe"
HELP_PAGE = "Kurzanleitung"

# Menu paths by keyboard: Alt alone opens the menu bar at "Programm".
MENU_LESSON_1 = ["alt", "Right", "Down", "Right", "Return"]
MENU_LESSON_14 = ["alt", "Right", "Down", "Down", "Right", "Down", "Down", "Down", "Return"]
MENU_SHORT_HELP = ["alt", "Left", "Down", "Return"]
MENU_QUIT = ["alt", "Down", "Return"]

WAIT = 5.0  # seconds for a window or a reaction to the learner's action to come
SETTLED = 1.0  # seconds for a value that must already hold once the reaction came
SPEECH_WAIT = 3.0  # seconds for the screen reader to speak after an action


class Aborted(Exception):
    """The learner's path cannot go on (a window did not come, the program died)."""


# --- Results ----------------------------------------------------------------------------------


class Results:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, what, expected, found, ok=None):
        if ok is None:
            ok = expected == found
        if ok:
            self.passed += 1
            print(f"PASS  {what}: {expected!r}", flush=True)
        else:
            self.failed += 1
            print(f"FAIL  {what}: expected {expected!r}, found {found!r}", flush=True)
        return ok

    def fail(self, what, why):
        self.failed += 1
        print(f"FAIL  {what}: {why}", flush=True)


def wait_for(probe, timeout=WAIT, interval=0.05):
    """Polls probe() until it returns something true; returns that value, or the last one."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(interval)


def settle(probe, expected, timeout=SETTLED, interval=0.05):
    """Polls probe() until it returns the expected value; returns the last value read."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value == expected or time.monotonic() > deadline:
            return value
        time.sleep(interval)


# --- X server: input and window properties ------------------------------------------------------


def xdotool(*args, timeout=15):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=timeout)


def keys(names, delay_ms=80):
    xdotool("key", "--delay", str(delay_ms), *names)


def type_text(text, delay_ms=20):
    xdotool("type", "--delay", str(delay_ms), text, timeout=60)


def visible_windows(pid):
    found = xdotool("search", "--onlyvisible", "--pid", str(pid)).stdout.split()
    return {int(w) for w in found}


def give_focus(wid):
    """Without a window manager nobody moves the X focus to a new window: the test does."""
    try:
        return xdotool("windowfocus", "--sync", str(wid), timeout=5).returncode == 0
    except subprocess.TimeoutExpired:
        return False


def net_wm_name(wid):
    result = subprocess.run(
        ["xprop", "-id", str(wid), "_NET_WM_NAME"],
        capture_output=True,
        text=True,
        env=dict(os.environ, LC_ALL="C.UTF-8"),
    )
    match = re.fullmatch(r'_NET_WM_NAME\(UTF8_STRING\) = "(.*)"', result.stdout.strip(), re.S)
    return re.sub(r"\\(.)", r"\1", match.group(1)) if match else None


def new_window(pid, known):
    fresh = wait_for(lambda: visible_windows(pid) - known)
    if len(fresh) != 1:
        raise Aborted(f"expected one new window, found {sorted(fresh)}")
    return fresh.pop()


def window_gone(pid, wid):
    return bool(wait_for(lambda: wid not in visible_windows(pid)))


# --- Accessibility tree --------------------------------------------------------------------------


def states(acc):
    return set(acc.getState().getStates())


def showing(acc):
    return pyatspi.STATE_SHOWING in states(acc)


def focused(acc):
    return pyatspi.STATE_FOCUSED in states(acc)


def descendants(root, skip_menus=True):
    """Breadth first; the menu tree is skipped unless asked for (it is large and unchanging)."""
    queue = [root]
    while queue:
        acc = queue.pop(0)
        yield acc
        if skip_menus and acc.getRole() == pyatspi.ROLE_MENU_BAR:
            continue
        for child in acc:
            if child is not None:
                queue.append(child)


def find(root, role, pred=lambda acc: True):
    for acc in descendants(root):
        if acc is not root and acc.getRole() == role and pred(acc):
            return acc
    return None


def names(root, role):
    return [acc.name for acc in descendants(root) if acc is not root and acc.getRole() == role]


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def snapshot(root):
    """What a screen reader can read of a window, to compare before and after a key."""
    rows = []
    for acc in descendants(root):
        rows.append(
            (
                acc.getRoleName(),
                acc.name,
                acc.description,
                tuple(sorted(pyatspi.stateToString(s) for s in states(acc))),
                text_of(acc) if acc.getRole() == pyatspi.ROLE_TEXT else None,
            )
        )
    return rows


class Program:
    """The running program: its process, its X windows and its accessibility tree."""

    def __init__(self, path, out, pidfile):
        env = dict(
            os.environ,
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            QT_QPA_PLATFORM="xcb",
            QT_IM_MODULE="compose",
        )
        self.log = open(os.path.join(out, "fingalo.log"), "w")
        self.process = subprocess.Popen([path], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        with open(pidfile, "a") as pids:
            pids.write(f"{self.process.pid}\n")
        desktop = pyatspi.Registry.getDesktop(0)
        # Every read goes to the program: a cached name would hide a change.
        desktop.set_cache_mask(Atspi.Cache.NONE)
        self.app = wait_for(self._find_app, timeout=10)
        if self.app is None:
            raise Aborted("the program did not appear on the accessibility bus")
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def _find_app(self):
        if self.process.poll() is not None:
            raise Aborted(f"the program ended with exit code {self.process.returncode}")
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                pass
        return None

    @property
    def pid(self):
        return self.process.pid

    def top_levels(self, pred=lambda acc: True):
        return [acc for acc in self.app if acc is not None and showing(acc) and pred(acc)]

    def top_level(self, pred=lambda acc: True):
        found = wait_for(lambda: self.top_levels(pred))
        return found[0] if found else None

    def alive(self):
        return self.process.poll() is None

    def end(self):
        if self.alive():
            self.process.terminate()
            try:
                self.process.wait(timeout=3)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()


# --- Screen reader log ----------------------------------------------------------------------------


class ScreenReader:
    """Reads what Orca said from its debug log ("SPEECH OUTPUT: '…'" entries, continuation lines
    indented by the width of the time stamp)."""

    ENTRY = re.compile(r"^(\d\d:\d\d:\d\d\.\d+ - )SPEECH OUTPUT: '(.*)$")

    def __init__(self, path):
        self.path = path

    def mark(self):
        return os.path.getsize(self.path) if os.path.exists(self.path) else 0

    def spoken(self, since=0):
        with open(self.path, "rb") as log:
            log.seek(since)
            lines = log.read().decode("utf-8", "replace").split("\n")
        utterances, current, indent = [], None, ""
        for line in lines:
            start = self.ENTRY.match(line)
            if start:
                if current is not None:
                    utterances.append(self._finish(current))
                indent, current = " " * len(start.group(1)), [start.group(2)]
            elif current is not None and line.startswith(indent):
                current.append(line[len(indent) :])
            elif current is not None:
                utterances.append(self._finish(current))
                current = None
        if current is not None:
            utterances.append(self._finish(current))
        return utterances

    @staticmethod
    def _finish(parts):
        text = "\n".join(parts)
        end = max(text.rfind("'{"), text.rfind("' {"))
        return text[:end] if end >= 0 else text.rstrip("'")

    def wait_for_speech(self, since, fragment):
        return wait_for(
            lambda: any(fragment in said for said in self.spoken(since)), timeout=SPEECH_WAIT
        )

    @staticmethod
    def is_key_echo(said):
        return said.endswith(" ")

    def bad_content_count(self):
        with open(self.path, "rb") as log:
            return log.read().count(b"bad content sent to speak()")


# --- The learner's path ------------------------------------------------------------------------------


class Session:
    def __init__(self, args):
        self.results = Results()
        self.began = time.monotonic()
        self.orca = ScreenReader(os.path.join(args.out, "orca.log"))
        self.program = Program(args.program, args.out, args.pids)
        self.start_wid = None
        self.main = None  # accessible of the main window
        self.main_wid = None
        self.feld = None
        self.errors = None  # FehlerTaste
        self.line_label = None  # TextFeld

    # Helpers ------------------------------------------------------------------------------------

    def focus_main(self):
        if not give_focus(self.main_wid):
            raise Aborted("the main window did not take the X focus")

    def feld_state(self):
        return (pyatspi.STATE_SENSITIVE in states(self.feld), focused(self.feld), text_of(self.feld))

    def announcements(self):
        return [
            acc.name
            for acc in descendants(self.program.app)
            if acc.getRole() == pyatspi.ROLE_NOTIFICATION and showing(acc)
        ]

    def check_announced(self, what, expected):
        found = wait_for(lambda: expected in self.announcements(), timeout=2)
        self.results.check(what, expected, expected if found else self.announcements())

    def check_spoken(self, what, mark, expected):
        found = self.orca.wait_for_speech(mark, expected)
        said = [s for s in self.orca.spoken(mark) if not ScreenReader.is_key_echo(s)]
        self.results.check(what, expected, expected if found else said)

    def check_title(self, what, expected):
        found = settle(lambda: net_wm_name(self.main_wid), expected)
        self.results.check(f"{what}: _NET_WM_NAME", expected, found)
        self.results.check(f"{what}: name of the main window", expected, self.main.name)

    def check_line(self, what, lesson, number, line):
        self.results.check(
            f"{what}: FELD's description carries line {number}",
            f"{line} – {position(lesson, number)}",
            settle(lambda: self.feld.description, f"{line} – {position(lesson, number)}"),
        )
        self.results.check(
            f"{what}: TextFeld shows line {number}",
            line,
            settle(lambda: self.line_label.name, line),
        )

    def open_alerts(self):
        return self.program.top_levels(lambda acc: acc.getRole() == pyatspi.ROLE_ALERT)

    def type_line(self, text, lesson, number, feld_after):
        """Types one exercise line with real keys and waits until the program took it."""
        type_text(text)
        taken = wait_for(lambda: self.open_alerts() or text_of(self.feld) == feld_after)
        if self.open_alerts():
            raise Aborted(f"an alert came while typing line {number} of lesson {lesson}")
        if not taken:
            raise Aborted(
                f"line {number} of lesson {lesson} not taken: FELD holds {text_of(self.feld)!r}"
            )

    # The learner's path ---------------------------------------------------------------------

    def start_window(self):
        r = self.results
        self.start_wid = new_window(self.program.pid, set())
        window = self.program.top_level()
        if window is None:
            raise Aborted("no start window on the accessibility bus")
        give_focus(self.start_wid)
        r.check("start window: role", "frame", window.getRoleName())
        r.check("start window: name", START_WINDOW_NAME, window.name)
        labels = names(window, pyatspi.ROLE_LABEL)
        for label, text in START_TEXTS.items():
            r.check(f"start window: {label} read as shown", text, text if text in labels else labels)
        start = find(window, pyatspi.ROLE_PUSH_BUTTON, lambda acc: acc.name == "Starten")
        buttons = names(window, pyatspi.ROLE_PUSH_BUTTON)
        r.check("start window: buttons", ["Starten", "Verlassen"], buttons)
        if start is None:
            raise Aborted("no button Starten")
        r.check("start window: Starten has the focus", True, settle(lambda: focused(start), True))

    def press_start(self):
        r = self.results
        known = visible_windows(self.program.pid)
        keys(["Return"])
        self.main_wid = new_window(self.program.pid, known)
        r.check("Starten: start window gone", True, window_gone(self.program.pid, self.start_wid))
        self.main = self.program.top_level(lambda acc: acc.getRole() == pyatspi.ROLE_FRAME)
        if self.main is None:
            raise Aborted("no main window of role frame on the accessibility bus")
        self.focus_main()
        r.check(
            "Starten: the main window is the only window shown",
            [self.main.name],
            [acc.name for acc in self.program.top_levels()],
        )
        self.check_title("main window at start", MAIN_TITLE)
        self.feld = find(self.main, pyatspi.ROLE_TEXT)
        if self.feld is None:
            raise Aborted("no text box in the main window")
        r.check("FELD: name", "Eingabe", self.feld.name)
        r.check("FELD: text at start", FELD_AT_START, text_of(self.feld))
        r.check(
            "FELD: description begins with the instruction line",
            INSTRUCTION,
            self.feld.description[: len(INSTRUCTION)],
        )
        self.errors = find(
            self.main,
            pyatspi.ROLE_PUSH_BUTTON,
            lambda acc: acc.name.startswith("Fehler") or acc.name.startswith("F.:"),
        )
        self.line_label = find(
            self.main, pyatspi.ROLE_LABEL, lambda acc: "Übungszeile" in (acc.name, acc.description)
        )
        if self.errors is None or self.line_label is None:
            raise Aborted("FehlerTaste or TextFeld not found in the main window")
        r.check("FehlerTaste: name at start", ERRORS_AT_START, self.errors.name)
        r.check("TextFeld: name at start", INSTRUCTION, self.line_label.name)
        r.check("TextFeld: description", "Übungszeile", self.line_label.description)

    def choose_lesson_1(self):
        r = self.results
        mark = self.orca.mark()
        keys(MENU_LESSON_1)
        r.check(
            "lesson 1 from the menu: FELD enabled, focused, empty",
            (True, True, ""),
            settle(self.feld_state, (True, True, ""), WAIT),
        )
        self.check_line("lesson 1", 1, 1, LESSON_1[0])
        self.check_announced("lesson 1: announced", f"{position(1, 1)}: {LESSON_1[0]}")
        self.check_spoken("Orca speaks line 1 after the lesson is chosen", mark, LESSON_1[0])

    def wrong_character(self):
        r = self.results
        type_text("ff")
        r.check("wrong character: FELD before it", "ff", settle(lambda: text_of(self.feld), "ff"))
        known = visible_windows(self.program.pid)
        mark = self.orca.mark()
        type_text("x")
        wid = new_window(self.program.pid, known)
        alert = wait_for(self.open_alerts)
        if not alert:
            raise Aborted("no alert after a wrong character")
        alert = alert[0]
        give_focus(wid)
        message = wrong_character_message("f", "x")
        r.check("wrong character: alert name", MESSAGE_TITLE, alert.name)
        r.check("wrong character: alert _NET_WM_NAME", MESSAGE_TITLE, net_wm_name(wid))
        labels = names(alert, pyatspi.ROLE_LABEL)
        r.check("wrong character: alert text", message, message if message in labels else labels)
        r.check("wrong character: one OK button", ["OK"], names(alert, pyatspi.ROLE_PUSH_BUTTON))
        self.check_spoken("Orca speaks the wrong-character message", mark, message)
        # A learner who types on without looking: these keys must not reach FELD.
        type_text("ff")
        keys(["Return"])
        r.check("wrong character: Return closes the alert", True, window_gone(self.program.pid, wid))
        self.focus_main()
        r.check(
            "wrong character: FELD holds only the correct beginning (keys typed during the alert lost)",
            "ff",
            text_of(self.feld),
        )
        r.check(
            "FehlerTaste: name after one wrong character",
            ERRORS_AFTER_ONE,
            settle(lambda: self.errors.name, ERRORS_AFTER_ONE),
        )

    def complete_line_1(self):
        mark = self.orca.mark()
        self.type_line(LESSON_1[0][2:], 1, 1, "")
        self.check_title("line 1 completed", progress_title(1, 1))
        self.check_line("line 1 completed", 1, 2, LESSON_1[1])
        self.check_announced(
            "line 1 completed: announced", f"{progress_title(1, 1)} Zeile 2 von 15: {LESSON_1[1]}"
        )
        self.check_spoken("Orca speaks line 2 after line 1 is completed", mark, LESSON_1[1])

    def finish_lesson_1(self):
        r = self.results
        for number, line in enumerate(LESSON_1[1:], start=2):
            self.type_line(line, 1, number, "" if number < 15 else FELD_AT_END)
        r.check(
            "lesson end: FELD disabled, holding the select-lesson prompt",
            (False, FELD_AT_END),
            settle(lambda: self.feld_state()[::2], (False, FELD_AT_END)),
        )
        r.check("lesson end: TextFeld", LESSON_ENDED, settle(lambda: self.line_label.name, LESSON_ENDED))
        self.check_title("lesson end", progress_title(1, 15))
        self.check_announced("lesson end: announced", LESSON_END_NOTICE)
        r.check(
            "lesson end: no button has the keyboard focus",
            [],
            [
                acc.name
                for acc in descendants(self.main)
                if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON and focused(acc)
            ],
        )
        before = snapshot(self.main)
        errors_before = self.errors.name
        keys(["space"])
        time.sleep(0.3)  # nothing is expected to happen: give a wrong reaction the time to show
        changed = [f"{a} -> {b}" for a, b in zip(before, snapshot(self.main)) if a != b]
        r.check("lesson end: Space changes nothing a screen reader reads", [], changed[:3])
        r.check("lesson end: FehlerTaste keeps its caption after Space", errors_before, self.errors.name)

    def lesson_14_dead_key(self):
        r = self.results
        keys(MENU_LESSON_14)
        r.check(
            "lesson 14 from the menu: FELD enabled, focused, empty",
            (True, True, ""),
            settle(self.feld_state, (True, True, ""), WAIT),
        )
        r.check(
            "lesson 14: FELD's description carries line 1",
            f"{LESSON_14_LINE_1} – {position(14, 1)}",
            settle(lambda: self.feld.description, f"{LESSON_14_LINE_1} – {position(14, 1)}"),
        )
        # é as a German keyboard gives it: the dead key ´, then e.
        for step in (["e"], ["dead_acute", "e"], ["space"], ["e"], ["dead_acute", "e"]):
            keys(step)
        typed = LESSON_14_LINE_1[:5]
        r.check("lesson 14: ´ then e types é", typed, settle(lambda: text_of(self.feld), typed, WAIT))
        r.check("lesson 14: no alert for é", [], [acc.name for acc in self.open_alerts()])

    def key_explanation(self):
        r = self.results
        key = find(self.main, pyatspi.ROLE_PUSH_BUTTON, lambda acc: acc.name == BACKSPACE_KEY)
        if key is None:
            raise Aborted(f"no key button named {BACKSPACE_KEY!r}")
        box = key.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        known = visible_windows(self.program.pid)
        xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
        wid = new_window(self.program.pid, known)
        give_focus(wid)
        dialog = self.program.top_level(
            lambda acc: acc.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)
        )
        if dialog is None:
            raise Aborted("the key explanation is not on the accessibility bus")
        r.check("key explanation: dialog name", BACKSPACE_TITLE, dialog.name)
        r.check("key explanation: _NET_WM_NAME", BACKSPACE_TITLE, net_wm_name(wid))
        labels = names(dialog, pyatspi.ROLE_LABEL)
        r.check(
            "key explanation: text",
            BACKSPACE_TEXT,
            BACKSPACE_TEXT if BACKSPACE_TEXT in labels else labels,
        )
        keys(["Return"])
        r.check("key explanation: Return closes it", True, window_gone(self.program.pid, wid))
        self.focus_main()
        r.check(
            "key explanation: focus back in FELD, input kept",
            (True, True, LESSON_14_LINE_1[:5]),
            settle(self.feld_state, (True, True, LESSON_14_LINE_1[:5])),
        )

    def help_window(self):
        r = self.results
        known = visible_windows(self.program.pid)
        keys(MENU_SHORT_HELP)
        wid = new_window(self.program.pid, known)
        give_focus(wid)
        dialog = self.program.top_level(lambda acc: acc.getRole() == pyatspi.ROLE_DIALOG)
        if dialog is None:
            raise Aborted("the help window is not on the accessibility bus as a dialog")
        r.check("help: dialog name", HELP_TITLE, dialog.name)
        r.check("help: _NET_WM_NAME", HELP_TITLE, net_wm_name(wid))
        tabs = names(dialog, pyatspi.ROLE_PAGE_TAB)
        r.check("help: page Kurzanleitung", HELP_PAGE, HELP_PAGE if HELP_PAGE in tabs else tabs)
        keys(["Escape"])
        r.check("help: Escape closes it", True, window_gone(self.program.pid, wid))
        self.focus_main()

    def quit(self):
        keys(MENU_QUIT)
        try:
            code = self.program.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            code = "still running"
        self.results.check("Beenden from the menu: exit code", 0, code)

    def run(self):
        steps = [
            ("start window", self.start_window),
            ("Starten", self.press_start),
            ("lesson 1", self.choose_lesson_1),
            ("wrong character", self.wrong_character),
            ("completed line", self.complete_line_1),
            ("lesson end", self.finish_lesson_1),
            ("lesson 14 with a dead key", self.lesson_14_dead_key),
            ("key explanation", self.key_explanation),
            ("help window", self.help_window),
            ("Beenden", self.quit),
        ]
        for index, (name, step) in enumerate(steps):
            print(f"--- {name} (at {time.monotonic() - self.began:.1f} s)", flush=True)
            try:
                step()
            except (Aborted, subprocess.TimeoutExpired) as stop:
                self.results.fail(name, f"aborted: {stop}")
                for later, _ in steps[index + 1 :]:
                    self.results.fail(later, "not reached")
                break

    def report_speech(self):
        said = self.orca.spoken()
        echoes = sum(1 for s in said if ScreenReader.is_key_echo(s))
        print(
            f"--- Orca said ({len(said) - echoes} utterances; {echoes} key echoes left out; "
            f"{self.orca.bad_content_count()} times 'bad content sent to speak()'):"
        )
        for s in said:
            if not ScreenReader.is_key_echo(s):
                print("    " + s.replace("\n", "\n    "))

def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--out", required=True, help="folder for the logs")
    parser.add_argument("--pids", required=True, help="file that lists the processes started here")
    args = parser.parse_args()
    session = None
    try:
        session = Session(args)
        session.run()
    except Aborted as stop:
        print(f"FAIL  start of the program: {stop}")
        return 1
    finally:
        if session is not None:
            session.program.end()
    results = session.results
    if results.failed:
        session.report_speech()
        print(f"logs: {args.out}")
    print(f"{results.passed} passed, {results.failed} failed")
    return 1 if results.failed else 0


if __name__ == "__main__":
    sys.exit(main())
