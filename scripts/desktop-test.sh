#!/usr/bin/env bash
# The real program on a real X desktop: an X server with the German layout, a private session
# bus, the accessibility bus and a screen reader that listens. scripts/desktop/learner.py then
# takes lessons as a learner does and reads back what a screen reader gets. Every process started
# here is ended by its id when the script ends, also on failure or interruption.
# Usage: scripts/desktop-test.sh [build folder]   (artifacts go to <build folder>/desktop-test)
set -euo pipefail
# The accessibility registry daemonises itself; as a subreaper this script becomes its parent
# instead of init, so it can end and reap every process of the run.
if [ -z "${FINGALO_DESKTOP_SUBREAPER:-}" ]; then
    export FINGALO_DESKTOP_SUBREAPER=1
    exec /usr/bin/python3 -c 'import ctypes, os, sys
ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER, kept across exec
os.execv("/bin/bash", ["bash", *sys.argv[1:]])' "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
out=$build/desktop-test
started=$(date +%s%N)
work=$(mktemp -d /tmp/fingalo-desktop.XXXXXX)
mkdir -p "$out" "$work/run" "$work/home" "$work/orca"
chmod 700 "$work/run"
rm -f "$out"/*.log

pids=() # in start order; ended in reverse order

ende() {
    local status=$?
    trap - EXIT INT TERM HUP
    # The driver lists what it started itself (the program), in case it could not end it.
    local all=("${pids[@]}")
    if [ -s "$work/pids" ]; then mapfile -t -O "${#all[@]}" all < "$work/pids"; fi
    local i pid
    for ((i = ${#all[@]} - 1; i >= 0; i--)); do
        pid=${all[i]}
        kill -0 "$pid" 2>/dev/null || continue
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
        kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    local stray=()
    for pid in "${all[@]}"; do
        if [ -r "/proc/$pid/stat" ] && [ "$(awk '{print $3}' "/proc/$pid/stat")" != Z ]; then
            stray+=("$pid")
        fi
    done
    rm -rf "$work"
    if [ ${#stray[@]} -gt 0 ]; then
        echo "FAIL  clean-up: processes still running: ${stray[*]}" >&2
        status=1
    fi
    echo "desktop test took $(( ($(date +%s%N) - started) / 1000000 )) ms"
    exit "$status"
}
trap ende EXIT
trap 'exit 130' INT TERM HUP

warte() { # warte SECONDS DESCRIPTION COMMAND...: polls the command every 50 ms
    local frist=$1 was=$2
    shift 2
    local ende_ns=$(( $(date +%s%N) + frist * 1000000000 ))
    until "$@" >/dev/null 2>&1; do
        if [ "$(date +%s%N)" -gt "$ende_ns" ]; then
            echo "FAIL  set-up: $was not ready after $frist s" >&2
            return 1
        fi
        sleep 0.05
    done
}

# Only what this test sets below reaches the programs.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM QT_ACCESSIBILITY \
    SESSION_MANAGER XDG_SESSION_TYPE XDG_CURRENT_DESKTOP GTK_MODULES
export LC_ALL=C.UTF-8 HOME=$work/home XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache

# X server on the first free display; it writes the number it took to fd 3 once it accepts clients.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
    >"$out/xvfb.log" 2>&1 &
pids+=($!)
warte 10 "X server" test -s "$work/display"
export DISPLAY=:$(head -n1 "$work/display")
setxkbmap de
if ! setxkbmap -query | grep -q '^layout: *de$'; then
    echo "FAIL  set-up: German layout not set" >&2
    exit 1
fi

# Private session bus, then the accessibility bus and its registry on it.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >"$out/dbus.log" 2>&1 &
pids+=($!)
warte 10 "session bus" grep -q . "$work/bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$out/at-spi.log" 2>&1 &
pids+=($!)
a11y_adresse() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress
}
warte 10 "accessibility bus" a11y_adresse
a11y=$(a11y_adresse | tr -d ' ')
merke_bus_pid() { # adds the process that owns a name on the accessibility bus to the list
    local pid
    pid=$(dbus-send --bus="$a11y" --print-reply=literal --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$1" | awk '{print $NF}') || true
    if [ -n "$pid" ]; then pids+=("$pid"); fi
}
merke_bus_pid org.freedesktop.DBus

# The screen reader, headless: speech on but no synthesizer, so it only logs what it would say.
cat >"$work/orca/user-settings.conf" <<'EOF'
{"general": {"enableSpeech": true, "speechServerFactory": "", "speechFactoryModules": [],
             "enableBraille": false, "enableSound": false, "enableKeyEcho": true},
 "profiles": {"default": {"profile": ["Default", "default"]}},
 "pronunciations": {}, "keybindings": {}}
EOF
/usr/bin/python3 "$here/desktop/orca_launcher.py" --debug --debug-file "$out/orca.log" \
    -u "$work/orca" >"$out/orca-stdout.log" 2>&1 &
pids+=($!)
warte 20 "screen reader" grep -q "ORCA: Startup complete" "$out/orca.log"

# The registry is started by the accessibility bus when the reader connects: end it by its id too.
merke_bus_pid org.a11y.atspi.Registry

# In the background, so that a signal reaches the clean-up at once rather than after the run.
/usr/bin/python3 "$here/desktop/learner.py" --program "$build/fingalo" --out "$out" \
    --pids "$work/pids" &
pids+=($!)
wait $!
