#!/usr/bin/env bash
# Runs every benchmark program of the build folder given (default: build) and prints its table.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
"$build/bench/startup" 7
echo
"$build/bench/typing"
echo
"$build/bench/session" "${SESSION_STEPS:-1000000}"
