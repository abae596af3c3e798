#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a screen reader's plumbing of its own: a private D-Bus session bus and
# the accessibility bus with its registry, as a desktop session starts them, so that a program
# started by the command with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 shows its accessible tree to
# an AT-SPI client. The buses go down with the command; returns the command's exit code.
# Usage: tests/xvfb_run.sh tests/atspi_session.sh <command> [arguments...]
set -euo pipefail
source "$(dirname "$0")/background_command.sh"
require_command "$@"
workdir=$(mktemp -d)
groups=()
command=
cleanup() {
    if [ -n "$command" ]; then
        kill "$command" 2>/dev/null || true
        wait "$command" 2>/dev/null || true
    fi
    # Each bus runs in a process group of its own, with what it started for itself (the
    # accessibility bus's daemon and its registry), so the whole group goes.
    for group in "${groups[@]}"; do
        kill -TERM -- "-$group" 2>/dev/null || true
    done
    for group in "${groups[@]}"; do
        wait "$group" 2>/dev/null || true
    done
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits up to 5 s for a command to succeed.
await() {
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

setsid dbus-daemon --session --nofork --nopidfile --print-address=3 \
    3>"$workdir/address" 2>"$workdir/session.log" &
groups+=($!)
await test -s "$workdir/address" || { echo "no session bus:" >&2; cat "$workdir/session.log" >&2; exit 1; }
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$workdir/address")
export DBUS_SESSION_BUS_ADDRESS

setsid /usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$workdir/launcher.log" &
groups+=($!)
await dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress ||
    { echo "no accessibility bus:" >&2; cat "$workdir/launcher.log" >&2; exit 1; }

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The desktop's settings store is not part of this session; GLib would only warn about it.
export GSETTINGS_BACKEND=memory

run_command_and_exit "$@"
