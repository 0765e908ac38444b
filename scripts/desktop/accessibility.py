"""The accessibility bus side: the program's tree as a screen reader reads it (pyatspi)."""
import os
import subprocess
import time

import pyatspi
from gi.repository import Atspi

from common import Aborted, wait_for


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


class EventCount:
    """Counts the accessibility events the program raises while `action` runs and for `linger`
    seconds after, by kind ("object:text-changed:insert" ...)."""

    def __init__(self, action, linger=0.6):
        from collections import Counter

        from gi.repository import GLib

        self.kinds = Counter()
        kinds = ("object:", "window:", "focus:")
        pyatspi.Registry.registerEventListener(self._heard, *kinds)
        try:
            action()
            context = GLib.MainContext.default()
            deadline = time.monotonic() + linger
            while time.monotonic() < deadline:
                while context.iteration(False):
                    pass
                time.sleep(0.01)
        finally:
            pyatspi.Registry.deregisterEventListener(self._heard, *kinds)

    def _heard(self, event):
        self.kinds[event.type] += 1

    def total(self):
        return sum(self.kinds.values())

    def summary(self):
        return ", ".join(f"{n} {kind}" for kind, n in sorted(self.kinds.items()))
