#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a private virtual X server and returns the command's exit code.
# Usage: [TAVLEN_XVFB_SCREEN=640x480x24] tests/xvfb_run.sh <command> [arguments...]
set -euo pipefail
source "$(dirname "$0")/background_command.sh"
require_command "$@"
workdir=$(mktemp -d)
xvfb=
command=
cleanup() {
    if [ -n "$command" ]; then
        kill "$command" 2>/dev/null || true
        wait "$command" 2>/dev/null || true
    fi
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The server picks a free display itself and writes its number once it is listening.
Xvfb -displayfd 3 -screen 0 "${TAVLEN_XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
    3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
number=$(tr -dc 0-9 <"$workdir/display")
if [ -z "$number" ]; then
    echo "Xvfb did not start:" >&2
    cat "$workdir/xvfb.log" >&2
    exit 1
fi

export DISPLAY=":$number"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
if ! xdpyinfo >/dev/null 2>&1; then
    echo "X server $DISPLAY does not answer" >&2
    exit 1
fi

# No session bus: libdbus would try to start one, and leaks when it cannot.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
export QT_QPA_PLATFORM=xcb
export QT_ENABLE_HIGHDPI_SCALING=0
unset WAYLAND_DISPLAY

# The server goes down with the command.
run_command_and_exit "$@"
