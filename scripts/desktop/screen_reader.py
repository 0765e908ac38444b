"""What the screen reader said, read from its debug log."""
import os
import re
import time

from common import SPEECH_WAIT, WAIT, wait_for


class ScreenReader:
    """Reads what Orca said from its debug log ("SPEECH OUTPUT: '…'" entries, continuation lines
    indented by the width of the time stamp)."""

    ENTRY = re.compile(r"^(\d\d:\d\d:\d\d\.\d+ - )SPEECH OUTPUT: '(.*)$")

    def __init__(self, path):
        self.path = path

    def mark(self):
        return os.path.getsize(self.path) if os.path.exists(self.path) else 0

    def spoken(self, since=0, until=None):
        """The utterances logged between two marks (byte offsets of the log)."""
        with open(self.path, "rb") as log:
            log.seek(since)
            chunk = log.read() if until is None else log.read(max(0, until - since))
            lines = chunk.decode("utf-8", "replace").split("\n")
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

    def wait_until_quiet(self, quiet=0.25, timeout=WAIT):
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
