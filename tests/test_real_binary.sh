#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real game in the X server of tests/xvfb_run.sh with a settings file of the
# player's, and closes it: by SIGTERM, SIGINT and SIGHUP, as a logout or a kill does, and through
# its own menu (Игра > Выход) with real key presses. Each time the file must come back byte for
# byte as expected: the player's notes and unknown keys kept, odd values written as read. Then
# the ways a file or a run can go wrong: a FIFO or a link to /dev/zero as the file, a file its
# owner may not write closed by SIGTERM, nohup and SIGHUP, another game closing meanwhile, a
# program folder the player may not write, started twice; and, in a second X server of
# 640 x 480, the screen that is too small.
# Usage: tests/xvfb_run.sh tests/test_real_binary.sh <path to tavlen> [small-screen]
set -euo pipefail
binary=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

# No sound server, as on a machine without sound.
export PULSE_SERVER=unix:/nonexistent/pulse/native
# A folder of its own, so that the settings the game writes on closing stay out of the build.
home=$(mktemp -d)
game=
cleanup() {
    if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then
        kill -KILL "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    fi
    chmod -R u+w "$home" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A copy of the game with its files, in the folder given.
copy_game() {
    mkdir -p "$1"
    cp "$binary" "$1/tavlen"
    for file in tavlen-sound.so Put.wav help.html; do
        [ -f "$(dirname "$binary")/$file" ] && cp "$(dirname "$binary")/$file" "$1/"
    done
}
copy_game "$home"

# Windows-1251 with CR LF line ends, as the file has always been kept.
settings() {
    printf '%s\r\n' "; записи игрока" "[Настройки]" "$1" "RubL=RubL3" "RubR=RubR3" \
        "WindowState=Normal" "$2" "Цвет стола=зелёный" "" "[Статистика]" "Gr=${3:-41}" "Jn=-7" \
        "Hy=2147483647" "Matches=${4:-30}" "VictOfGr=12" "VictOfJn=9" "VictOfHy=9" |
        iconv -f UTF-8 -t WINDOWS-1251
}
settings 'Sound = "True" ' 'Level=Lowest' >"$home/player.ini"
settings 'Sound=True' 'Level=High' >"$home/expected.ini"

# Starts the game in the background, in the folder given (the home one by default), through
# the commands given before it, if any; what it says on stderr goes to $home/said.log.
launch() {
    local folder=$home
    if [ "${1:-}" = "--in" ]; then
        folder=$2
        shift 2
    fi
    (cd "$folder" && exec "$@" ./tavlen 2>>"$home/said.log") &
    game=$!
}
wait_window() {
    window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Тавлен\+\+$' | head -n 1) ||
        fail "no window named Тавлен++ within 10 s"
    sleep 0.5
}
# Answers the message box of the caption given with Return.
dismiss() {
    local box
    box=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1" | head -n 1) ||
        fail "no box \"$1\" within 10 s"
    sleep 0.3
    xdotool windowfocus --sync "$box" key Return
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
}
# Alt puts the focus on the menu bar, Down opens "Игра", Up wraps to its last item "Выход".
close_by_menu() {
    xdotool windowfocus --sync "$window"
    for key in alt Down Up Return; do
        xdotool key "$key"
        sleep 0.2
    done
}
same() {
    cmp "$1" "$2" || fail "$3"
}

if [ "${2:-}" = small-screen ]; then
    # Told the screen is too small, and then of a bad counter when there is one, the player
    # dismisses each box and the game ends without a window, the file as it was.
    for counter in 41 abc; do
        settings 'Sound=True' 'Level=High' "$counter" >"$home/Param.ini"
        cp "$home/Param.ini" "$home/before.ini"
        launch
        dismiss Информация
        [ "$counter" = abc ] && dismiss Ошибка
        ends_with_zero "the boxes on a 640 x 480 screen with Gr=$counter"
        same "$home/Param.ini" "$home/before.ini" "Param.ini written on a 640 x 480 screen"
        echo "640 x 480 with Gr=$counter: the boxes, then the end, Param.ini untouched"
    done
    exit 0
fi

# An unknown option is refused with a display as without one.
status=0
timeout 10 "$binary" --bogus 2>/dev/null || status=$?
((status == 2)) || fail "--bogus with a display exited with $status, not 2"

cp "$home/player.ini" "$home/Param.ini"
launch
wait_window
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
same "$home/Param.ini" "$home/expected.ini" "Param.ini after SIGTERM is not as expected"
echo "closed by SIGTERM with 0, Param.ini as expected"

cp "$home/player.ini" "$home/Param.ini"
launch
wait_window
close_by_menu
ends_with_zero "Игра > Выход"
same "$home/Param.ini" "$home/expected.ini" "Param.ini after Игра > Выход is not as expected"
echo "closed by Игра > Выход with 0, Param.ini as expected"

# Without a sound server the sound module loads, and what Qt Multimedia says about the missing
# server is held back: the game's own line, once a start, is all.
sound_lines=$(grep -c -i -E 'audio|pulse|sound' "$home/said.log" || true)
own_lines=$(grep -c '^tavlen: no audio device' "$home/said.log" || true)
((sound_lines == 2 && own_lines == 2)) ||
    fail "not the game's one line about the sound in each of two starts:$(cat "$home/said.log")"

# A copy without its sound module plays in silence and says once why.
copy_game "$home/mute"
rm "$home/mute/tavlen-sound.so"
launch --in "$home/mute"
wait_window
kill -TERM "$game"
ends_with_zero "SIGTERM without the sound module"
grep -c "^tavlen: .*tavlen-sound.so.*; the cards are laid without their sound$" "$home/said.log" |
    grep -qx 1 || fail "not one line on the missing sound module:$(cat "$home/said.log")"
echo "without its sound module: silent, and one line on stderr saying why"

# SIGINT and SIGHUP end it the same way. A job of a script starts with SIGINT ignored, which the
# game would keep, as under nohup; env gives it back its default.
for signal in INT HUP; do
    cp "$home/player.ini" "$home/Param.ini"
    launch env --default-signal=INT
    wait_window
    kill -"$signal" "$game"
    ends_with_zero "SIG$signal"
    same "$home/Param.ini" "$home/expected.ini" "Param.ini after SIG$signal is not as expected"
    echo "closed by SIG$signal with 0, Param.ini as expected"
done

# Neither a FIFO nor a device is read or waited on: the error box, a game, a clean end, and
# the file is what it was.
for kind in fifo /dev/zero; do
    rm -f "$home/Param.ini"
    if [ "$kind" = fifo ]; then mkfifo "$home/Param.ini"; else ln -s "$kind" "$home/Param.ini"; fi
    launch
    dismiss Ошибка
    wait_window
    kill -TERM "$game"
    ends_with_zero "SIGTERM with Param.ini a $kind"
    if [ "$kind" = fifo ]; then [ -p "$home/Param.ini" ]; else [ -L "$home/Param.ini" ]; fi ||
        fail "Param.ini, a $kind, was replaced"
    echo "Param.ini a $kind: the box, then a game, left as it was"
done

# A file its owner may not write is not replaced, even by root; closed by a signal, the game
# says so on stderr, not in a box nobody may answer, and ends.
rm -f "$home/Param.ini"
cp "$home/player.ini" "$home/Param.ini"
chmod 0444 "$home/Param.ini"
launch
wait_window
kill -TERM "$game"
ends_with_zero "SIGTERM with a save that fails"
same "$home/Param.ini" "$home/player.ini" "a read-only Param.ini was written"
[ "$(stat -c %a "$home/Param.ini")" = 444 ] || fail "a read-only Param.ini changed its mode"
grep -q 'Param.ini' "$home/said.log" || fail "the failed save is not on stderr"
echo "read-only Param.ini: untouched, the failure on stderr, the game ended"
# Closed by the player, the failure is a box; a signal while it waits ends the game all the same.
launch
wait_window
close_by_menu
timeout 10 xdotool search --sync --onlyvisible --name '^Ошибка' >/dev/null ||
    fail "no error box after closing with a read-only Param.ini"
kill -TERM "$game"
ends_with_zero "SIGTERM while the error box waits"
same "$home/Param.ini" "$home/player.ini" "a read-only Param.ini was written"
echo "read-only Param.ini closed by the player: the box, then SIGTERM ended the game"
rm -f "$home/Param.ini"

# Under nohup a SIGHUP is ignored, as nohup asked.
cp "$home/player.ini" "$home/Param.ini"
launch nohup
wait_window
kill -HUP "$game"
sleep 1
kill -0 "$game" 2>/dev/null || fail "SIGHUP ended the game under nohup"
kill -TERM "$game"
ends_with_zero "SIGTERM under nohup"
same "$home/Param.ini" "$home/expected.ini" "Param.ini after nohup is not as expected"
echo "nohup: SIGHUP ignored, then closed by SIGTERM, Param.ini as expected"

# Another game closes while this one runs, with four points and two games more: its games stay
# counted when this one closes.
cp "$home/player.ini" "$home/Param.ini"
launch
wait_window
settings 'Sound=False' 'Level=Low' 45 32 >"$home/Param.ini"
kill -TERM "$game"
ends_with_zero "SIGTERM after another game closed"
settings 'Sound=True' 'Level=High' 45 32 >"$home/expected-both.ini"
same "$home/Param.ini" "$home/expected-both.ini" "another game's games were lost"
echo "another game's games kept, this game's settings written"

# A program folder the player may not write, holding the player's file: it is read, and the
# settings go to the configuration folder, leaving it untouched. Root may write anywhere, so
# root plays as nobody.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
copy_game "$home/readonly"
cp "$home/player.ini" "$home/readonly/Param.ini"
mkdir "$home/player"
chmod 0755 "$home"
chmod -R a+rX "$home/readonly"
chmod 0555 "$home/readonly"
[ ${#as_player[@]} -eq 0 ] || chown nobody "$home/player"
launch --in "$home/readonly" env -u XDG_CONFIG_HOME HOME="$home/player" "${as_player[@]}"
wait_window
kill -TERM "$game"
ends_with_zero "SIGTERM in a read-only folder"
same "$home/readonly/Param.ini" "$home/player.ini" "the file beside the program was written"
same "$home/player/.config/tavlen/Param.ini" "$home/expected.ini" \
    "the file in the configuration folder is not as expected"
echo "read-only program folder: read, written to ~/.config/tavlen, left as it was"
# From then on the configuration folder's file is the one read, and the one beside the program
# is passed over: a file played elsewhere meanwhile comes back as it is.
settings 'Sound=False' 'Level=Low' 45 32 >"$home/player/.config/tavlen/Param.ini"
cp "$home/player/.config/tavlen/Param.ini" "$home/expected-config.ini"
launch --in "$home/readonly" env -u XDG_CONFIG_HOME HOME="$home/player" "${as_player[@]}"
wait_window
kill -TERM "$game"
ends_with_zero "SIGTERM in a read-only folder, the second time"
same "$home/player/.config/tavlen/Param.ini" "$home/expected-config.ini" \
    "the file beside the program was read instead of the configuration folder's"
same "$home/readonly/Param.ini" "$home/player.ini" "the file beside the program was written"
echo "read-only program folder, second start: the configuration folder's file read"

TAVLEN_XVFB_SCREEN=640x480x24 "$here/xvfb_run.sh" "$0" "$binary" small-screen
