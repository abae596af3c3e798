#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How quickly the game shows its window, how much memory it holds and how much CPU it uses
# while it waits for the human, each next to a bare Qt main window with the same menu bar.
# Builds what it needs (a Release build of its own with the yardstick and the window watcher,
# in build/bench), then measures both in one private virtual X server, taking turns start by
# start; then both again on a dense screen (QT_SCALE_FACTOR=2) in a virtual X server twice the
# size. The ratios, game over yardstick, are on the last line of each.
# Usage: scripts/benchmark.sh [start-ups of each program, 7 or more; default 15]
set -euo pipefail

usage() {
    echo "usage: $0 [start-ups of each program, 7 or more; default 15]" >&2
    exit 2
}

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$repo/build/bench
tools=$build/bench

if [ "${1:-}" != --in-xvfb ]; then
    runs=${1:-15}
    if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 7)); then
        usage
    fi
    cd "$repo"
    source scripts/setup.sh
    tavlen_packages+=(pkg-config libx11-dev libxdamage-dev valgrind)
    tavlen_setup
    tavlen_build "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAVLEN_BENCH_TOOLS=ON
    tests/xvfb_run.sh "$repo/scripts/benchmark.sh" --in-xvfb "$runs"
    echo
    QT_SCALE_FACTOR=2 TAVLEN_XVFB_SCREEN=2048x1536x24 \
        exec tests/xvfb_run.sh "$repo/scripts/benchmark.sh" --in-xvfb "$runs"
fi
runs=$2

# Each program runs from a folder of its own with a home of its own, so whatever it writes
# (the game keeps its settings beside itself) stays out of the build tree.
work=$(mktemp -d)
watcher=
cleanup() {
    if [ -n "$watcher" ]; then
        kill "$watcher" 2>/dev/null || true
        wait "$watcher" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/game" "$work/bare" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build"/{tavlen,tavlen-sound.so,Put.wav,help.html} "$work/game/"
cp "$tools/bare_window" "$work/bare/"
watched=
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime

settle_seconds=2 # the computers' opening moves are over well within this
idle_seconds=10
callgrind_seconds=120 # a start under callgrind is some hundred times slower
ticks_per_second=$(getconf CLK_TCK)

# The programs' own chatter (no audio device here) is shown only when something goes wrong.
fail() {
    echo "$1; it said:" >&2
    cat "$2" >&2
    exit 1
}
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# Starts a program under the watcher, the command after the log file's name, and leaves the
# watcher's line ("pid P mapped M painted P") in $watched once the window is drawn.
start_watched() {
    local log=$1
    shift
    coproc WATCH { cd "$(dirname "${@: -1}")" && exec "$tools/window_watch" "$@" 2>>"$log"; }
    watcher=$WATCH_PID
    read -r watched <&"${WATCH[0]}" || fail "no window from ${*: -1}" "$log"
}

# Closes the watched window and insists on a clean exit, so a start that hangs at its end
# fails the benchmark.
close_watched() {
    local log=$1 to_watcher=${WATCH[1]}
    exec {to_watcher}>&-
    wait "$watcher" || fail "the program did not close cleanly" "$log"
    watcher=
}

# Starts one program and appends its figures to the files of its name: the times to map and
# to first paint, and the resident memory once settled; with "idle", also the CPU ticks spent
# in the following seconds.
measure() {
    local name=$1 program=$2 idle=${3:-}
    local pid mapped painted
    start_watched "$work/$name.log" "$program"
    read -r _ pid _ mapped _ painted <<<"$watched"
    sleep "$settle_seconds"
    echo "$mapped" >>"$work/$name.mapped"
    echo "$painted" >>"$work/$name.painted"
    resident_kb "$pid" >>"$work/$name.memory"
    if [ -n "$idle" ]; then
        local before
        before=$(cpu_ticks "$pid")
        sleep "$idle_seconds"
        echo $(($(cpu_ticks "$pid") - before)) >"$work/$name.idle"
    fi
    close_watched "$work/$name.log"
}

# The instructions a program runs until its first picture is out (the first backing store
# flush), counted by callgrind: unlike the clock, untouched by whatever else the machine does.
count_instructions() {
    local name=$1 program=$2 out=$work/$1.callgrind
    start_watched "$work/$name.log" -t "$callgrind_seconds" valgrind --tool=callgrind \
        --dump-after='QBackingStore::flush*' --callgrind-out-file="$out" "$program"
    close_watched "$work/$name.log"
    sed -n 's/^summary: //p' "$out.1" >"$work/$name.instructions"
}

minimum() { sort -g "$1" | head -n 1; }
median() {
    sort -g "$1" | awk '{ v[NR] = $1 }
        END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
megabytes() { awk -v kb="$1" 'BEGIN {printf "%.1f MB", kb / 1024}'; }

# The first start of each only warms the disk cache and the font cache.
measure warm-bare "$work/bare/bare_window"
measure warm-game "$work/game/tavlen"
count_instructions bare "$work/bare/bare_window"
count_instructions game "$work/game/tavlen"

# In turns, and every other round the game first, so that neither always follows the other.
for run in $(seq "$runs"); do
    idle=
    ((run == runs)) && idle=idle
    if ((run % 2)); then
        measure bare "$work/bare/bare_window" $idle
        measure game "$work/game/tavlen" $idle
    else
        measure game "$work/game/tavlen" $idle
        measure bare "$work/bare/bare_window" $idle
    fi
done

echo "at QT_SCALE_FACTOR=${QT_SCALE_FACTOR:-1}"
echo "load average during the run: $(cut -d ' ' -f 1-3 /proc/loadavg) on $(nproc) cores"
echo "start-up, ms from exec, $runs starts each taking turns (minimum / median):"
start_times() {
    printf '%-18s %s' "$(minimum "$1.mapped") / $(median "$1.mapped")" \
        "$(minimum "$1.painted") / $(median "$1.painted")"
}
echo "                window mapped      first painted"
echo "  bare window   $(start_times "$work/bare")"
echo "  Тавлен++      $(start_times "$work/game")"
millions() { awk -v n="$(cat "$1")" 'BEGIN {printf "%.1f M", n / 1000000}'; }
echo "instructions until the first picture (callgrind): bare window" \
    "$(millions "$work/bare.instructions"), Тавлен++ $(millions "$work/game.instructions")"
echo "resident memory ${settle_seconds} s after the window is up (median):" \
    "bare window $(megabytes "$(median "$work/bare.memory")")," \
    "Тавлен++ $(megabytes "$(median "$work/game.memory")")"
echo "CPU in ${idle_seconds} s on the human's turn ($ticks_per_second ticks a second):" \
    "bare window $(cat "$work/bare.idle") ticks, Тавлен++ $(cat "$work/game.idle") ticks"

# The minimum is the start least disturbed by the rest of the machine, as noise only adds.
start_median=$(ratio "$(median "$work/game.painted")" "$(median "$work/bare.painted")")
start_minimum=$(ratio "$(minimum "$work/game.painted")" "$(minimum "$work/bare.painted")")
instructions=$(ratio "$(cat "$work/game.instructions")" "$(cat "$work/bare.instructions")")
memory=$(ratio "$(median "$work/game.memory")" "$(median "$work/bare.memory")")
echo "ratios: start $start_median (median) $start_minimum (minimum) $instructions (instructions)" \
    "memory $memory idle-cpu $(cat "$work/game.idle") ticks"
