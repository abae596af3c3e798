#!/usr/bin/env bash
# Takes a picture of the real game window in a virtual X server.
# Usage: scripts/screenshot.sh <tavlen binary> <output.png> [seconds to let the computers play]
set -euo pipefail
binary=$(realpath "$1")
out=$(realpath -m "$2")
wait_seconds=${3:-0.3}

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$(dirname "$binary")" && exec "$binary") >/dev/null 2>&1 &
game=$!
window=$(xdotool search --sync --onlyvisible --name 'Тавлен' | head -n 1)
sleep "$wait_seconds"
import -window "$window" "$out"
echo "$out"
