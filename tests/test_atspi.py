#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game as a screen reader meets it, over the real AT-SPI buses: the menu "Игра" is
found by role and name and opens the statistics window, whose chart is read as text; its
"Обнулить" is pressed and the chart is heard to change; "Выход" closes it, and the game, closed
as a logout closes it, keeps the cleared tally. Then a game is played from the table: on the
human's turn a hand card that can be laid is found by role and name and laid through its
action, it shows in its place, and the computers' two moves are heard on the status line.
Usage: tests/xvfb_run.sh tests/atspi_session.sh tests/test_atspi.py <path to tavlen>"""

import os
import re
import subprocess
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


# A card as the table names it: "девятка бубен", "туз пик".
CARD_NAME = re.compile(r"^(шестёрка|семёрка|восьмёрка|девятка|десятка|валет|дама|король|туз) "
                       r"(бубен|червей|треф|пик)$")
# A computer's move as the status line announces it; after Лёлик's the turn is the human's.
JOHN_MOVED = re.compile(r"^Сеня (кладёт \S+ \S+|пасует)")
HARRY_MOVED = re.compile(r"^Лёлик (кладёт \S+ \S+|пасует).*\. Ваш ход$")


def has_state(node, state):
    return node.get_state_set().contains(state)


def hand_cards(table):
    """The hand's cards left, each a push button named for its card."""
    cards = []
    for index in range(table.get_child_count()):
        node = table.get_child_at_index(index)
        if node.get_role_name() == "push button" and CARD_NAME.match(node.get_name()) and \
                has_state(node, atspi_client.Atspi.StateType.VISIBLE):
            cards.append(node)
    return cards


def pass_with_space():
    """Nothing in the hand fits: Space passes, pressed in the game's window."""
    print("nothing in the hand fits: Space")
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", r"^Тавлен\+\+$",
                    "windowfocus", "--sync", "key", "space"],
                   check=True, timeout=atspi_client.TIMEOUT)


def play_a_card(binary):
    game = Game(binary, "[Настройки]\nSound=False\n")
    try:
        window = find(game.app, "frame", "Тавлен++")
        table = find(window, "panel", "Стол")
        status = find(table, "status bar")
        enabled = atspi_client.Atspi.StateType.ENABLED
        for _ in range(12):
            wait_until("the human's turn", lambda: status.get_name().endswith("Ваш ход"))
            playable = [card for card in hand_cards(table) if has_state(card, enabled)]
            if playable:
                break
            moves = Events("object:property-change:accessible-name")
            pass_with_space()
            moves.wait("Сеня's move after the pass",
                       lambda event: event.source == status and JOHN_MOVED.match(event.name))
            moves.close()
        else:
            raise Failure("no card could be laid in twelve turns")

        card = playable[0]
        name = card.get_name()
        held = len(hand_cards(table))
        names = Events("object:property-change:accessible-name")
        act(card, "Press")
        john = names.wait("Сеня's move",
                          lambda event: event.source == status and JOHN_MOVED.match(event.name))
        print(f"heard: {john.name}")
        harry = names.wait("Лёлик's move",
                           lambda event: event.source == status and HARRY_MOVED.match(event.name))
        print(f"heard: {harry.name}")
        names.close()
        wait_until(f"{name} on its place", lambda: atspi_client.search(table, "image", name))
        expect("the cards left in the hand", len(hand_cards(table)), held - 1)
    finally:
        game.close()


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
        play_a_card(os.path.realpath(sys.argv[1]))
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
