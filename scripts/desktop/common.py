"""Waiting and reporting for the desktop test."""
import time

WAIT = 5.0  # seconds for a window or a reaction to the learner's action to come
SETTLED = 1.0  # seconds for a value that must already hold once the reaction came
SPEECH_WAIT = 3.0  # seconds for the screen reader to speak after an action


class Aborted(Exception):
    """The learner's path cannot go on (a window did not come, the program died)."""


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
