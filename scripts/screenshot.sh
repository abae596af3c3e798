#!/usr/bin/env bash
# Takes a picture of the real game window in a private virtual X server.
# Usage: scripts/screenshot.sh <tavlen binary> <output.png> [seconds to let the computers play]
set -euo pipefail
if [ "${1:-}" != --in-xvfb ]; then
    exec "$(dirname "$0")/../tests/xvfb_run.sh" "$0" --in-xvfb "$@"
fi
binary=$(realpath "$2")
out=$(realpath -m "$3")
wait_seconds=${4:-0.3}

(cd "$(dirname "$binary")" && exec "$binary") >/dev/null 2>&1 &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT
window=$(timeout 10 xdotool search --sync --onlyvisible --name 'Тавлен' | head -n 1)
sleep "$wait_seconds"
import -window "$window" "$out"
echo "$out"
