#!/usr/bin/env bash
# How fast the game shows its window, next to an empty Qt window, and how much CPU it uses
# while it waits for the human. Runs in a virtual X server.
# Usage: scripts/benchmark.sh [tavlen binary] (default build/release/tavlen)
set -euo pipefail
if [ "${1:-}" != --in-xvfb ]; then
    exec "$(dirname "$0")/../tests/xvfb_run.sh" "$0" --in-xvfb "$@"
fi
shift
binary=$(realpath "${1:-$(dirname "$0")/../build/release/tavlen}")
runs=${RUNS:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The yardsticks: the smallest Qt Widgets program that shows a window, and the same with a
# menu bar like the game's, whose first text wakes the font system.
cat >"$work/empty.cpp" <<'CPP'
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral(TITLE));
#ifdef WITH_MENU
    w.menuBar()->addMenu(QStringLiteral("&Игра"));
    w.menuBar()->addMenu(QStringLiteral("&Справка"));
#endif
    w.resize(792, 545);
    w.show();
    return app.exec();
}
CPP
qt="$(pkg-config --cflags --libs Qt6Widgets)"
g++ -O2 -fPIC -std=c++20 -DTITLE='"empty"' "$work/empty.cpp" -o "$work/empty" $qt
g++ -O2 -fPIC -std=c++20 -DTITLE='"menu"' -DWITH_MENU "$work/empty.cpp" -o "$work/menu" $qt

# Milliseconds from start until the window is mapped, median of the runs.
time_to_window() {
    local program=$1 title=$2 times=()
    for _ in $(seq "$runs"); do
        local start end pid
        start=$(date +%s%N)
        (cd "$(dirname "$program")" && exec "$program") >/dev/null 2>&1 &
        pid=$!
        # xdotool's own --sync polls only twice a second: ask every few milliseconds instead.
        local deadline=$((start + 10000000000))
        until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
            [ "$(date +%s%N)" -lt "$deadline" ] || { echo "no window: $program" >&2; exit 1; }
            sleep 0.005
        done
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

echo "empty Qt window:            $(time_to_window "$work/empty" '^empty$') ms to window (median of $runs)"
echo "empty window with a menu:   $(time_to_window "$work/menu" '^menu$') ms to window (median of $runs)"
echo "Тавлен++:                   $(time_to_window "$binary" 'Тавлен') ms to window (median of $runs)"

# CPU while waiting: let the computers finish their first moves, then count ticks for 5 s.
(cd "$(dirname "$binary")" && exec "$binary") >/dev/null 2>&1 &
pid=$!
timeout 10 xdotool search --sync --onlyvisible --name 'Тавлен' >/dev/null
sleep 2
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(cpu)
sleep 5
after=$(cpu)
kill "$pid"
echo "CPU while waiting for the human: $((after - before)) clock ticks in 5 s ($(getconf CLK_TCK) a second)"
