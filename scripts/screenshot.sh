#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of the real game in a private virtual X server: the table after
# the deal, and the statistics window, the card-back chooser and the about box, each opened
# from the game's own menu with real key presses. The game runs from a copy of its folder with
# a tally of some weeks of play, so that the pie has something to show.
# Usage: scripts/screenshot.sh <tavlen binary> <output folder>
set -euo pipefail
if [ "${1:-}" != --in-xvfb ]; then
    exec "$(dirname "$0")/../tests/xvfb_run.sh" "$0" --in-xvfb "$@"
fi
binary=$(realpath "$2")
out=$(realpath -m "$3")
mkdir -p "$out"

home=$(mktemp -d)
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
cp "$binary" "$(dirname "$binary")"/{Put.wav,help.html} "$home/"
printf '%s\r\n' "[Настройки]" "Sound=False" "[Статистика]" "Gr=31" "Jn=38" "Hy=29" "Matches=33" \
    "VictOfGr=10" "VictOfJn=13" "VictOfHy=10" | iconv -f UTF-8 -t WINDOWS-1251 >"$home/Param.ini"

(cd "$home" && exec ./"$(basename "$binary")") >/dev/null 2>&1 &
game=$!
main=$(timeout 10 xdotool search --sync --onlyvisible --name '^Тавлен\+\+$' | head -n 1)
sleep 1.5 # the computers' first moves
import -window "$main" "$out/table.png"

# Opens a dialog with the given keys from the main window, photographs it and closes it.
dialog() {
    local name=$1 caption=$2
    shift 2
    xdotool windowfocus --sync "$main"
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.2
    done
    local window
    window=$(timeout 5 xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1)
    sleep 0.3
    import -window "$window" "$out/$name.png"
    xdotool key Escape
    sleep 0.3
}
# Alt and Down open "Игра" at its first item; "Справка" is one menu to the right.
dialog statistics Статистика alt Down Down Return
dialog backs 'Выбор рубашки' alt Down Up Up Return
dialog about 'О программе' alt Right Down Up Return
ls "$out"
