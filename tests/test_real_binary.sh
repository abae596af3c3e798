#!/usr/bin/env bash
# Starts the real game in the X server of tests/xvfb_run.sh, checks that its window shows up
# at full size, and closes it through its own menu (Игра > Выход) with real key presses.
# Usage: tests/xvfb_run.sh tests/test_real_binary.sh <path to tavlen>
set -euo pipefail
binary=$(realpath "$1")

# A folder of its own, so that the settings the game writes on closing stay out of the build.
home=$(mktemp -d)
game=
cleanup() {
    if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then
        kill "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    fi
    rm -rf "$home"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cp "$binary" "$home/"
for file in tavlen-sound.so Put.wav help.html; do
    [ -f "$(dirname "$binary")/$file" ] && cp "$(dirname "$binary")/$file" "$home/"
done
(cd "$home" && exec ./"$(basename "$binary")") &
game=$!

started=$(date +%s%N)
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Тавлен\+\+$' | head -n 1) ||
    fail "no window named Тавлен++ within 10 s"
echo "window $window after $((($(date +%s%N) - started) / 1000000)) ms"

# Let the first paint through, then check the picture of the whole window.
sleep 0.5
import -window "$window" "$home/window.png"
size=$(identify -format '%w %h' "$home/window.png")
width=${size% *} height=${size#* }
echo "screenshot ${width}x${height}"
((width >= 792 && height >= 526)) || fail "window picture ${width}x${height} is below 792x526"
colors=$(identify -format '%k' "$home/window.png")
((colors > 8)) || fail "window picture has only $colors colours: nothing drawn"

# Alt puts the focus on the menu bar, Down opens "Игра", Up wraps to its last item "Выход".
xdotool windowfocus --sync "$window"
for key in alt Down Up Return; do
    xdotool key "$key"
    sleep 0.2
done
for _ in $(seq 50); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "the game did not close within 5 s of Игра > Выход"
status=0
wait "$game" || status=$?
game=
((status == 0)) || fail "the game exited with $status"
echo "closed with 0"
