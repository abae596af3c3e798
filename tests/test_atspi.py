#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game as a screen reader meets it, over the real AT-SPI buses: the menu "Игра" is
found by role and name and opens the statistics window, whose chart is read as text; its
"Обнулить" is pressed and the chart is heard to change; "Выход" closes it, and the game, closed
as a logout closes it, keeps the cleared tally.
Usage: tests/xvfb_run.sh tests/atspi_session.sh tests/test_atspi.py <path to tavlen>"""

import os
import sys

import atspi_client
from atspi_client import Events, Failure, Game, act, find, wait_until

# Some weeks of play: 38, 31 and 29 points of 98 make 38.776, 31.633 and 29.592 %.
TALLY = """[Настройки]
Sound=False
[Статистика]
Gr=31
Jn=38
Hy=29
Matches=33
VictOfGr=10
VictOfJn=13
VictOfHy=10
"""
READ_OUT = "Сеня: 38 очков, 38,78 %; Вы: 31 очко, 31,63 %; Лёлик: 29 очков, 29,59 %"
CLEARED = "Сеня: 0 очков, 100 %; Вы: 0 очков, 100 %; Лёлик: 0 очков, 100 %"


def expect(what, seen, wanted):
    if seen != wanted:
        raise Failure(f"{what}: {seen!r}, not {wanted!r}")
    print(f"{what}: {seen}")


def showing(node):
    return node.get_state_set().contains(atspi_client.Atspi.StateType.SHOWING)


def main(binary):
    game = Game(binary, TALLY)
    try:
        window = find(game.app, "frame", "Тавлен++")
        menu = find(window, "menu item", "Игра")
        act(menu, "ShowMenu")
        act(find(menu, "menu item", "Статистика..."), "Press")
        statistics = find(game.app, "dialog", "Статистика")
        chart = find(statistics, "chart", "Счёт")
        expect("the chart", chart.get_description(), READ_OUT)

        changes = Events("object:property-change:accessible-description")
        act(find(statistics, "push button", "Обнулить"), "Press")
        heard = changes.wait("the chart's change", lambda event: event.source == chart)
        changes.close()
        expect("the chart after Обнулить", heard.source.get_description(), CLEARED)

        act(find(statistics, "push button", "Выход"), "Press")
        wait_until("the statistics window closing", lambda: not showing(statistics))
        print("Выход closed the statistics window")

        game.process.terminate()
        expect("the game's exit status", game.process.wait(atspi_client.TIMEOUT), 0)
        with open(os.path.join(game.folder, "Param.ini"), encoding="cp1251") as settings:
            points = [line.strip() for line in settings if line.startswith(("Gr=", "Jn=", "Hy="))]
        expect("the points kept", points, ["Gr=0", "Jn=0", "Hy=0"])
    finally:
        game.close()


if __name__ == "__main__":
    try:
        main(os.path.realpath(sys.argv[1]))
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
