"""The X server side: real input events (xdotool) and the properties a window carries (xprop)."""
import os
import re
import subprocess

from common import Aborted, wait_for


def xdotool(*args, timeout=15):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=timeout)


def keys(names, delay_ms=80):
    xdotool("key", "--delay", str(delay_ms), *names)


def type_text(text, delay_ms=20):
    xdotool("type", "--delay", str(delay_ms), text, timeout=60)


def set_selection(text, which):
    """Puts `text` on the X selection `which` ("primary" or "clipboard"); xclip keeps serving it
    in the background until another program takes the selection."""
    subprocess.run(["xclip", "-selection", which, "-i"], input=text, text=True, timeout=10)


def click(x, y, button):
    # Not --sync: xdotool would wait forever when the pointer is already there.
    xdotool("mousemove", str(x), str(y))
    xdotool("click", str(button))


def visible_windows(pid):
    found = xdotool("search", "--onlyvisible", "--pid", str(pid)).stdout.split()
    return {int(w) for w in found}


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
