"""What the screen reader said, read from Orca's debug log: per step, so that a check can ask
what was spoken after an action on any desktop."""
import os
import re
import time

from desktop import wait_for

SPEECH_WAIT = 3.0  # seconds for the screen reader to speak after an action


class ScreenReader:
    """Reads "SPEECH OUTPUT: '…'" entries from Orca's debug log; continuation lines are indented
    by the width of the time stamp. Positions in the log (marks) delimit what one step heard."""

    ENTRY = re.compile(r"^(\d\d:\d\d:\d\d\.\d+ - )SPEECH OUTPUT: '(.*)$")

    def __init__(self, path):
        self.path = path
        self.steps = [("before the first window", 0)]

    def mark(self):
        return os.path.getsize(self.path) if os.path.exists(self.path) else 0

    def begin_step(self, name):
        self.steps.append((name, self.mark()))

    def spoken(self, since=0, until=None, echoes=False):
        """The utterances logged between two marks; the echo of each typed key left out unless
        asked for (Orca ends a key's echo with a blank)."""
        with open(self.path, "rb") as log:
            log.seek(since)
            chunk = log.read() if until is None else log.read(max(0, until - since))
        utterances, current, indent = [], None, ""
        for line in chunk.decode("utf-8", "replace").split("\n"):
            start = self.ENTRY.match(line)
            if current is not None and not start and line.startswith(indent):
                current.append(line[len(indent):])
                continue
            if current is not None:
                utterances.append(self._finish(current))
                current = None
            if start:
                indent, current = " " * len(start.group(1)), [start.group(2)]
        if current is not None:
            utterances.append(self._finish(current))
        return [said for said in utterances if echoes or not said.endswith(" ")]

    @staticmethod
    def _finish(parts):
        text = "\n".join(parts)
        end = max(text.rfind("'{"), text.rfind("' {"))
        return text[:end] if end >= 0 else text.rstrip("'")

    def said(self, since, fragment, timeout=SPEECH_WAIT):
        """Whether Orca spoke something containing fragment after the mark."""
        return bool(wait_for(lambda: any(fragment in s for s in self.spoken(since)), timeout))

    def wait_until_quiet(self, quiet=0.25, timeout=5.0):
        """Waits until the reader has logged nothing for a moment. A new window or a burst of typing
        keeps it busy for a while, and while it is busy Qt 6.4 hands keys on late, to the widget
        that had the focus when they came."""
        deadline = time.monotonic() + timeout
        size, since = self.mark(), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.05)
            now = self.mark()
            if now != size:
                size, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return True
        return False

    def transcript(self):
        """What Orca said, step by step, without the key echoes."""
        lines, echoes = [], 0
        for index, (step, since) in enumerate(self.steps):
            until = self.steps[index + 1][1] if index + 1 < len(self.steps) else None
            everything = self.spoken(since, until, echoes=True)
            said = self.spoken(since, until)
            echoes += len(everything) - len(said)
            lines += [f"[{step}]"] + ["    " + s.replace("\n", "\n    ") for s in said]
        with open(self.path, "rb") as log:
            bad = log.read().count(b"bad content sent to speak()")
        return [f"Orca said ({echoes} key echoes left out; {bad} times 'bad content sent to "
                "speak()'):"] + lines
