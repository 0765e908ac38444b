#!/usr/bin/python3
"""desktop.py x11|ibus|wayland|wayland-ibus PROGRAM EXPECTED OUT: one of the desktops learners
use, inside the X server and session bus that desktop-test.sh provides (the German layout, a
window manager or Wayland compositor, the input method, Orca on the accessibility bus), where
learner.py then takes lessons. Exits 0 when every check passed."""
import json
import os
import subprocess
import sys
import time

# The desktop's name: Qt's platform and input method there.
DESKTOPS = {"x11": ("xcb", "compose"), "ibus": ("xcb", "ibus"),
            "wayland": ("wayland", "compose"), "wayland-ibus": ("wayland", "ibus")}
WAIT = 5.0  # seconds for a window or a reaction to come
REPEAT_LAST_NOTIFICATION = "F12"  # a key Orca takes for itself
ORCA_SETTINGS = {  # speech on but no synthesizer: Orca only logs what it would say
    "general": {"enableSpeech": True, "speechServerFactory": "", "speechFactoryModules": [],
                "enableBraille": False, "enableSound": False, "enableKeyEcho": True},
    "profiles": {"default": {"profile": ["Default", "default"]}},
    "pronunciations": {},
    # The repeat of the last notification has no key by default (365: Orca's modifier mask).
    "keybindings": {"repeatLastNotificationMessageHandler": [
        [REPEAT_LAST_NOTIFICATION, "365", "0", "1"]]}}
# Prints where the first pixel of a colour (hex RGB) shows in an X window.
FIND_COLOUR = """import sys, gi
gi.require_version("Gdk", "3.0")
gi.require_version("GdkX11", "3.0")
from gi.repository import Gdk, GdkX11
window = GdkX11.X11Window.foreign_new_for_display(Gdk.Display.get_default(), int(sys.argv[1]))
shot = Gdk.pixbuf_get_from_window(window, 0, 0, window.get_width(), window.get_height())
pixels, stride, n = shot.get_pixels(), shot.get_rowstride(), shot.get_n_channels()
for y in range(shot.get_height()):
    row, x = pixels[y * stride:y * stride + shot.get_width() * n], -1
    while (x := row.find(bytes.fromhex(sys.argv[2]), x + 1)) >= 0:
        if x % n == 0:
            sys.exit(print(x // n, y))
"""


class Aborted(Exception):
    """The learner's path cannot go on (a window did not come, the program died)."""


def wait_for(probe, timeout=WAIT, interval=0.05):
    """Polls probe() until it returns something true; returns that value, or the last one."""
    deadline = time.monotonic() + timeout
    while not (value := probe()) and time.monotonic() < deadline:
        time.sleep(interval)
    return value


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=60, **options)


def stop(process):
    process.terminate()
    try:
        process.wait(timeout=3)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Desktop:
    def __init__(self, name, out):
        self.name, self.out = name, out
        self.platform, self.input_method = DESKTOPS[name]
        self.wayland = self.platform == "wayland"
        self.runtime = os.environ["XDG_RUNTIME_DIR"]
        self.processes = []  # ended in reverse order
        self.orca_log = os.path.join(out, "orca.log")

    def start(self, log, *command, **options):
        with open(os.path.join(self.out, f"{log}.log"), "a") as file:
            process = subprocess.Popen(command, stdout=file, stderr=subprocess.STDOUT, **options)
        self.processes.append(process)
        return process

    def ready(self, what, probe, timeout=10):
        if not wait_for(probe, timeout):
            raise Aborted(f"{what} did not start")

    def set_up(self):
        run("setxkbmap", "de")
        self.ready("the German layout", lambda: "de" in run("setxkbmap", "-query").stdout.split())
        if self.wayland:
            # Weston's X11 backend: keys sent to its window reach the focused Wayland client.
            ini = os.path.join(self.runtime, "weston.ini")
            with open(ini, "w") as file:
                file.write("[core]\nidle-time=0\n[shell]\npanel-position=none\nlocking=false\n"
                           "[keyboard]\nkeymap_layout=de\n")
            self.start("weston", "weston", "--backend=x11-backend.so", "--use-pixman",
                       f"--config={ini}", "--socket=fingalo", "--width=1024", "--height=768")
            self.ready("Weston", lambda: os.path.exists(os.path.join(self.runtime, "fingalo")))
            os.environ["WAYLAND_DISPLAY"] = "fingalo"
            self.ready("Weston's window", lambda: self.find_weston())
            self.weston_window = self.find_weston()
            run("xdotool", "windowfocus", "--sync", self.weston_window, "mousemove", "1", "1")
        else:
            ready = os.path.join(self.runtime, "openbox-ready")
            self.start("openbox", "openbox", "--startup", f"touch {ready}")
            self.ready("openbox", lambda: os.path.exists(ready))
        if self.input_method == "ibus":
            # Without NO_AT_BRIDGE its helpers join the accessibility bus and never answer there.
            self.start("ibus", "ibus-daemon", "--replace", "--xim",
                       env=dict(os.environ, NO_AT_BRIDGE="1"))
            self.ready("IBus with the German engine",
                       lambda: run("ibus", "engine", "xkb:de::deu").returncode == 0)
        settings = os.path.join(self.runtime, "orca")
        os.makedirs(settings)
        with open(os.path.join(settings, "user-settings.conf"), "w") as file:
            json.dump(ORCA_SETTINGS, file)

        def orca_log():
            if not os.path.exists(self.orca_log):
                return ""
            with open(self.orca_log, errors="replace") as log:
                return log.read()

        # Now and then Orca shuts down again right after its start, on its own; it is started
        # once more then, as a learner would start it again.
        for attempt in range(3):
            if os.path.exists(self.orca_log):
                os.remove(self.orca_log)
            orca = self.start("orca-stdout", sys.executable,
                              os.path.join(os.path.dirname(__file__), "orca_launcher.py"),
                              "--debug", "--debug-file", self.orca_log, "-u", settings)
            self.ready("Orca", lambda: "ORCA: Startup complete" in orca_log(), 20)
            time.sleep(1)
            if orca.poll() is None and "ORCA: Shutting down" not in orca_log():
                return
            print(f"note: Orca ended right after its start (attempt {attempt + 1})", flush=True)
            stop(orca)
        raise Aborted("Orca does not stay running")

    def end(self):
        for process in reversed(self.processes):
            stop(process)

    # What the learner does with keyboard and mouse, and what the desktop shows back.

    def keys(self, *names, delay_ms=80):
        """Keys by keysym name or, for the dead keys, by key code: 21 is ´, 49 is ^ (xdotool
        would reach their keysyms through AltGr)."""
        run("xdotool", "key", "--delay", str(delay_ms), *names)

    def type(self, text, delay_ms=20):
        run("xdotool", "type", "--delay", str(delay_ms), text)

    def point(self, extents, dx=None):
        """A point of an accessible's extents (x, y, width, height) on the X screen: dx from its
        left edge, or the middle. On Wayland they are relative to the window (a client does not
        know where it stands), so there the window's origin, found on the screen, is added."""
        x, y = extents[0] + (extents[2] // 2 if dx is None else dx), extents[1] + extents[3] // 2
        return (x + self.window_origin[0], y + self.window_origin[1]) if self.wayland else (x, y)

    def find_weston(self):
        return next(iter(run("xdotool", "search", "--class", "weston").stdout.split()), None)

    def find_colour(self, rgb):
        """Where the first pixel of this colour shows in Weston's output, as (x, y)."""
        found = run(sys.executable, "-c", FIND_COLOUR, self.weston_window, rgb,
                    env=dict(os.environ, GDK_BACKEND="x11")).stdout.split()
        return tuple(map(int, found)) if found else None

    def click(self, x, y, button=1):
        # Not --sync: xdotool would wait for a motion that never comes when the pointer is there.
        run("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def copy(self, text, primary=False):
        """Puts text on the clipboard or the primary selection, served in the background until
        another program takes it; False when the desktop has no such selection."""
        command = (["wl-copy"] + ["--primary"] * primary) if self.wayland else \
            ["xclip", "-selection", "primary" if primary else "clipboard", "-i"]
        return subprocess.run(command, input=text, text=True, timeout=10).returncode == 0

    def x_windows(self, pid):
        """How many windows of the process the X server shows (a context menu shows there and
        nowhere on the accessibility bus); None on Wayland, where the test sees no client's."""
        return None if self.wayland else \
            len(run("xdotool", "search", "--onlyvisible", "--pid", str(pid)).stdout.split())

    def active_title(self):
        """The title of the window the window manager made active; None on Wayland."""
        if self.wayland:
            return None
        window = run("xdotool", "getactivewindow").stdout.strip()
        found = run("xprop", "-id", window, "_NET_WM_NAME").stdout.strip()
        prefix = '_NET_WM_NAME(UTF8_STRING) = "'
        return found[len(prefix):-1].replace('\\"', '"') if found.startswith(prefix) else None


def main():
    name, program, expected, out = sys.argv[1:5]
    desktop, began = Desktop(name, out), time.monotonic()
    try:
        desktop.set_up()
        import learner  # after the set-up: it connects to the accessibility bus when imported

        with open(expected) as file:
            status = learner.Session(desktop, program, json.load(file)).run()
    except Aborted as stop:
        print(f"{name}: FAIL  set-up: {stop}")
        status = 1
    finally:
        desktop.end()
    print(f"{name}: took {time.monotonic() - began:.0f} s")
    return status


if __name__ == "__main__":
    sys.exit(main())
