// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game played in a real X server with the real pointer and keyboard: every drag and
// every Space press below is an X event sent by xdotool, as a player's hand would make it.
// The game's state is only read, to choose a card and to check what happened: every computer's
// card is the one its level picks, every laying sound starts before its card shows, and on
// each of the human's turns every cell's picture agrees with the table. Run it through
// tests/xvfb_run.sh.
#include "opponents/choice.h"
#include "window_fixture.h"

#include <QProcess>
#include <QScreen>
#include <QTest>

using game::Player;

namespace
{

// A deal in which the human has to pass several times, and the two levels play apart.
constexpr std::uint32_t Seed = 5;
constexpr int MoveTimeout = 5000; // ms
constexpr int FastTicks = 50;     // ms

// Runs one xdotool command line without blocking the event loop: a drag runs its own nested
// loop inside the window while the pointer is still moving.
bool xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, MoveTimeout) &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList moveTo(QPoint at)
{
    return {"sleep", "0.03", "mousemove", QString::number(at.x()), QString::number(at.y())};
}

} // namespace

class TestE2e : public QObject, WindowFixture
{
    Q_OBJECT
public:
    TestE2e() : WindowFixture(Seed) {}

private:
    int ticks = 0;
    // The computer about to move, and its hand and the table once it has laid the card its
    // level picks.
    std::optional<std::tuple<Player, game::Hand, game::Table>> foreseen;
    QStringList mistakes;

    // Sees each tick of the computers' timer before the window does, to foresee its move.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == timer && event->type() == QEvent::Timer) {
            const Player mover = game().nextComputer();
            game::Hand hand = game().hand(mover);
            game::Table table = game().table();
            if (const auto move = opponents::chooseCard(hand, table, opponents::Level::High))
                table[move->cell] = std::exchange(hand[move->slot], {});
            foreseen = {mover, hand, table};
        }
        return false;
    }
    void checkForeseenMove()
    {
        const auto& [mover, hand, table] = *foreseen;
        for (int k = 1; k <= game::HandSlots; ++k)
            if (game().hand(mover)[k].present() != hand[k].present())
                mistakes << QStringLiteral("tick %1: slot %2").arg(ticks).arg(k);
        for (int n = 1; n <= game::TableCells; ++n)
            if (game().table()[n].present() != table[n].present())
                mistakes << QStringLiteral("tick %1: cell %2").arg(ticks).arg(n);
        ++ticks;
    }

    // Arrives at the card with a fresh move, as the pointer's shape follows movement only,
    // presses, crosses the table in a few steps with the button held, rests and lets go.
    bool dragCard(int slot, int n)
    {
        const QPoint from = image("Gamer%1", slot)->mapToGlobal(GrabPoint);
        if (!xdotool(moveTo(from + QPoint(8, 0)) + moveTo(from)) ||
            !QTest::qWaitFor([&] { return image("Gamer%1", slot)->hasHandCursor(); }, MoveTimeout))
            return false;
        const auto* target = image("Image%1", n);
        const QPoint to = target->mapToGlobal(target->rect().center());
        QStringList steps{"mousedown", "1"};
        constexpr int Steps = 8;
        for (int i = 1; i <= Steps; ++i)
            steps += moveTo(from + (to - from) * i / Steps);
        return xdotool(steps + QStringList{"sleep", "0.1", "mouseup", "1", "sleep", "0.05"});
    }

private Q_SLOTS:
    void initTestCase()
    {
        timer->setInterval(FastTicks);
        action("AHigh")->setChecked(true); // the level the seed was chosen with
        timer->installEventFilter(this);
        // Each laying sound starts before its card shows, when the cards laid before it do.
        sound.onPlay = [this] {
            if (cardsShown() != sound.plays - 1)
                mistakes << QStringLiteral("sound %1 after its card showed").arg(sound.plays);
        };
        connect(timer, &QTimer::timeout, this, &TestE2e::checkForeseenMove);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void playsAWholeGameWithTheMouseAndSpace()
    {
        int passes = 0;
        while (true) {
            QVERIFY(QTest::qWaitFor([this] { return game().isOver() || !timer->isActive(); },
                                    MoveTimeout));
            for (int n = 1; n <= game::TableCells; ++n)
                QCOMPARE(showsCard(n), game().table()[n].present());
            QVERIFY2(mistakes.isEmpty(), qPrintable(mistakes.join(u", ")));
            if (game().isOver())
                break;
            QVERIFY(!game().computersMoving()); // the timer follows the game's phase
            const int ticksBefore = ticks;
            if (const auto drops = legalDrops(); drops.empty()) {
                QVERIFY(xdotool({"key", "space"}));
                ++passes;
            } else {
                const int slot = drops.front().slot;
                QVERIFY(dragCard(slot, drops.front().cell));
                QVERIFY(QTest::qWaitFor([&] { return !image("Gamer%1", slot)->isVisible(); },
                                        MoveTimeout));
            }
            // The computers take their moves before the human's next turn.
            QVERIFY2(QTest::qWaitFor([&] { return game().isOver() || ticks > ticksBefore; },
                                     MoveTimeout),
                     "the computers did not take the move");
        }
        QVERIFY(passes > 0);

        // And the X server shows it: every cell is painted with a face.
        for (int n = 1; n <= game::TableCells; ++n)
            QTRY_COMPARE(window.screen()->grabWindow(0).toImage().pixel(
                             image("Image%1", n)->mapToGlobal(Probe)),
                         White);
        QCOMPARE(sound.plays, game::TableCells); // every card was laid with the sound
    }
};

QTEST_MAIN(TestE2e)
#include "test_e2e.moc"
