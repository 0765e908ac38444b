#!/usr/bin/env bash
# The real program on one of the desktops learners use: a private X server (xvfb-run) with the
# German layout and a private session bus (dbus-run-session), inside which desktop.py sets up the
# window manager or Wayland compositor, the input method and Orca, and learner.py takes lessons.
# Exits 77 (skipped) when the desktop's packages are missing.
# Usage: tests/desktop/desktop-test.sh x11|ibus|wayland|wayland-ibus PROGRAM EXPECTED OUT
set -euo pipefail
desktop=$1 program=$2 expected=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)

needed="xvfb-run Xvfb xauth setxkbmap xdotool xprop dbus-run-session orca"
case $desktop in # each desktop looks for a free X display from a number of its own
    x11) needed+=" openbox xclip" display=110 ;;
    ibus) needed+=" openbox xclip ibus-daemon" display=130 ;;
    wayland) needed+=" weston wl-copy" display=150 ;;
    wayland-ibus) needed+=" weston wl-copy ibus-daemon" display=170 ;;
    *) echo "unknown desktop: $desktop" >&2; exit 2 ;;
esac
missing=()
for command in $needed; do command -v "$command" >/dev/null || missing+=("$command"); done
/usr/bin/python3 -c 'import pyatspi, dogtail' 2>/dev/null || missing+=(python3-pyatspi/-dogtail)
[[ $desktop != wayland* ]] || compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-*" \
    >/dev/null || missing+=(qt6-wayland)
if [ ${#missing[@]} -gt 0 ]; then
    echo "$desktop: SKIPPED: missing ${missing[*]} (make test-desktop installs them)"
    exit 77
fi

work=$(mktemp -d /tmp/fingalo-desktop.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/run" && chmod 700 "$work/run"
rm -rf "$out" && mkdir -p "$out"
# Only what the test sets reaches the programs; their settings and caches go to the new home.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM \
    QT_IM_MODULE QT_ACCESSIBILITY GTK_MODULES XMODIFIERS SESSION_MANAGER XDG_SESSION_TYPE \
    XDG_CURRENT_DESKTOP XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
export LC_ALL=C.UTF-8 HOME=$work/home XDG_RUNTIME_DIR=$work/run

status=0
server="-noreset -screen 0 1024x768x24 -nolisten tcp"
FINGALO_DESKTOP_RUN=$work xvfb-run -a -n "$display" -e "$out/xvfb.log" -s "$server" \
    dbus-run-session -- /usr/bin/python3 "$here/desktop.py" "$desktop" "$program" "$expected" \
    "$out" || status=$?
# Everything started for this desktop carries FINGALO_DESKTOP_RUN; nothing may outlive the run.
for _ in $(seq 20); do
    # grep finds nothing once all are gone, which must not end the script.
    stray=$({ grep -lsz "FINGALO_DESKTOP_RUN=$work" /proc/[0-9]*/environ || true; } | cut -d/ -f3 \
        | xargs)
    [ -z "$stray" ] && break || sleep 0.1
done
if [ -n "$stray" ]; then
    echo "$desktop: FAIL  clean-up: still running: $stray"
    status=1
fi
exit "$status"
