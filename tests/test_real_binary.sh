#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real game in the X server of tests/xvfb_run.sh with a settings file of the
# player's, and closes it twice: once by SIGTERM, as a logout or a kill does, and once through
# its own menu (Игра > Выход) with real key presses. Each time the file must come back byte for
# byte as expected: the player's notes and unknown keys kept, odd values written as read.
# Usage: tests/xvfb_run.sh tests/test_real_binary.sh <path to tavlen>
set -euo pipefail
binary=$(realpath "$1")

# A folder of its own, so that the settings the game writes on closing stay out of the build.
home=$(mktemp -d)
game=
cleanup() {
    if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then
        kill -KILL "$game" 2>/dev/null || true
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

# Windows-1251 with CR LF line ends, as the file has always been kept.
settings() {
    printf '%s\r\n' "; записи игрока" "[Настройки]" "$1" "RubL=RubL3" "RubR=RubR3" \
        "WindowState=Normal" "$2" "Цвет стола=зелёный" "" "[Статистика]" "Gr=41" "Jn=-7" \
        "Hy=2147483647" "Matches=30" "VictOfGr=12" "VictOfJn=9" "VictOfHy=9" |
        iconv -f UTF-8 -t WINDOWS-1251
}
settings 'Sound = "True" ' 'Level=Lowest' >"$home/Param.ini"
settings 'Sound=True' 'Level=High' >"$home/expected.ini"

start() {
    (cd "$home" && exec ./"$(basename "$binary")" 2> >(tee -a "$home/said.log" >&2)) &
    game=$!
    window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Тавлен\+\+$' | head -n 1) ||
        fail "no window named Тавлен++ within 10 s"
    sleep 0.5
}
ends_with_zero() {
    for _ in $(seq 50); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game" 2>/dev/null && fail "the game did not close within 5 s of $1"
    local status=0
    wait "$game" || status=$?
    game=
    ((status == 0)) || fail "the game exited with $status after $1"
    cmp "$home/Param.ini" "$home/expected.ini" || fail "Param.ini after $1 is not as expected"
    echo "closed by $1 with 0, Param.ini as expected"
}

# An unknown option is refused with a display as without one.
status=0
timeout 10 "$binary" --bogus 2>/dev/null || status=$?
((status == 2)) || fail "--bogus with a display exited with $status, not 2"

start
# The desktop entry's StartupWMClass names this class.
xprop -id "$window" WM_CLASS | grep -q '= "tavlen", "tavlen"$' || fail "the window's class is not tavlen"
import -window "$window" "$home/window.png"
size=$(identify -format '%w %h' "$home/window.png")
width=${size% *} height=${size#* }
echo "screenshot ${width}x${height}"
((width >= 792 && height >= 526)) || fail "window picture ${width}x${height} is below 792x526"
colors=$(identify -format '%k' "$home/window.png")
((colors > 8)) || fail "window picture has only $colors colours: nothing drawn"
kill -TERM "$game"
ends_with_zero SIGTERM

# Alt puts the focus on the menu bar, Down opens "Игра", Up wraps to its last item "Выход".
start
xdotool windowfocus --sync "$window"
for key in alt Down Up Return; do
    xdotool key "$key"
    sleep 0.2
done
ends_with_zero "Игра > Выход"

# A machine without sound (or with it) hears about it in one line at most a start.
sound_lines=$(grep -c -i -E 'audio|pulse|sound' "$home/said.log" || true)
((sound_lines <= 2)) || fail "$sound_lines lines about the sound in two starts:$(cat "$home/said.log")"
