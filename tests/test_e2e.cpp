// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game played in a real X server with the real pointer and keyboard: every drag and
// every Space press below is an X event sent by xdotool, as a player's hand would make it.
// The game is the one tavlen-sim plays from the same seed, the human laying the first card
// that fits: its trace says what each computer lays on each tick and what the human lays or
// passes, and the window must show exactly that, each card in its cell and the back of its
// slot gone, each laying sound starting before its card shows. Run it through
// tests/xvfb_run.sh, at 1 or with QT_SCALE_FACTOR=2 on a dense screen, where the X server's
// pixels must be the pictures drawn at twice the size.
#include "card_text.h"
#include "window_fixture.h"

#include <QProcess>
#include <QScreen>
#include <QTest>

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

// The X server's pixels for a point or an area given in Qt's logical coordinates, on a screen
// at the origin.
qreal deviceRatio()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}
QPoint onServer(QPoint at)
{
    return (QPointF(at) * deviceRatio()).toPoint();
}
QRect onServer(QRect area)
{
    return {onServer(area.topLeft()), (QSizeF(area.size()) * deviceRatio()).toSize()};
}

// The picture the artwork generator drew for the screen's density, read from its file.
QImage generatedPicture(const QString& name)
{
    const QString folder = deviceRatio() > 1 ? QStringLiteral("/2x/") : QStringLiteral("/");
    return QImage(QStringLiteral(TAVLEN_PICTURE_DIR) + folder + name.toUpper() +
                  QStringLiteral(".bmp"));
}

QStringList moveTo(QPoint at)
{
    at = onServer(at);
    return {"sleep", "0.03", "mousemove", QString::number(at.x()), QString::number(at.y())};
}

// The deal and the turns of the first game the simulator plays from the seed, each a list of
// words: "deal john 9b 10c ...", "turn john 3 14", "turn human pass".
QList<QStringList> simulatedGame()
{
    QProcess sim;
    sim.start(QStringLiteral(TAVLEN_SIM_PATH), {"--seed", QString::number(Seed), "--games", "1",
                                                "--level", "high", "--human", "first", "--trace"});
    sim.waitForFinished();
    QList<QStringList> lines;
    for (const QString& line : QString::fromUtf8(sim.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QStringLiteral("turn ")) || line.startsWith(QStringLiteral("deal ")))
            lines << line.split(u' ');
    return lines;
}

} // namespace

class TestE2e : public QObject, WindowFixture
{
    Q_OBJECT
public:
    TestE2e() : WindowFixture(Seed) {}

private:
    QList<QStringList> turns;          // "john 3 14", "human pass"
    qsizetype next = 0;                // the turn the window is to play next
    QHash<QString, QStringList> dealt; // each player's hand as dealt, by the trace's word
    QStringList mistakes;

    static game::Player playerNamed(const QString& word)
    {
        return word == u"john"    ? game::Player::John
               : word == u"harry" ? game::Player::Harry
                                  : game::Player::Human;
    }
    // The card the trace's turn lays, by the deal.
    game::Card cardOf(const QStringList& turn) const
    {
        return cardtext::cardNamed(dealt.value(turn[0]).value(turn[1].toInt() - 1));
    }

    // Checks that the window shows a turn of the trace: the dealt card in its cell, and the
    // card or the back of that slot gone.
    void checkShown(const QStringList& turn)
    {
        if (turn.value(1, QStringLiteral("pass")) == u"pass")
            return;
        const game::Player player = playerNamed(turn[0]);
        const int slot = turn[1].toInt();
        const bool stillShows = player == game::Player::Human ? view().handCardShows(slot)
                                                              : view().backShows(player, slot);
        if (view().cardShownAt(turn[2].toInt()) != cardOf(turn) || stillShows)
            mistakes << turn.join(u' ');
    }

    // Each tick of the computers' timer, just after the window has played it, is the next turn
    // of the trace, and a computer's.
    void checkTick()
    {
        const QStringList turn = turns.value(next++);
        if (turn.value(0) == u"human")
            mistakes << QStringLiteral("a tick on the human's turn %1").arg(next);
        checkShown(turn);
    }

    // Arrives at the card with a fresh move, as the pointer's shape follows movement only,
    // presses, crosses the table in a few steps with the button held, rests and lets go.
    bool dragCard(int slot, int n)
    {
        const QPoint from = view().mapToGlobal(view().grabPoint(slot));
        if (!xdotool(moveTo(from + QPoint(8, 0)) + moveTo(from)) ||
            !QTest::qWaitFor([&] { return view().marksPlayable(slot); }, MoveTimeout))
            return false;
        const QPoint to = view().mapToGlobal(view().cellRect(n).center());
        QStringList steps{"mousedown", "1"};
        constexpr int Steps = 8;
        for (int i = 1; i <= Steps; ++i)
            steps += moveTo(from + (to - from) * i / Steps);
        return xdotool(steps + QStringList{"sleep", "0.1", "mouseup", "1", "sleep", "0.05"});
    }

    // The first card of the deal, or back or empty place, that is not its picture for the
    // screen's density pixel for pixel on the X server: the hand cards and the backs where
    // the next one leaves them uncovered, and the empty places; empty when all are.
    QString pictureNotShown() const
    {
        const QImage screen = window.screen()->grabWindow(0).toImage();
        const auto shows = [&](QRect area, QSize uncovered, const QString& name) {
            const QRect global(view().mapToGlobal(area.topLeft()), uncovered);
            return drawnAt(screen, onServer(global), generatedPicture(name));
        };
        const QSize face(assets::FaceWidth, assets::FaceHeight);
        for (int k = 1; k <= game::HandSlots; ++k) {
            const bool last = k == game::HandSlots;
            const QString name = assets::faceName(game().hand(game::Player::Human)[k].value());
            if (!shows(view().handCardRect(k),
                       last ? face : QSize(UncoveredHandCard, face.height()), name))
                return name;
            const QSize back(assets::BackWidth, last ? assets::BackHeight : UncoveredBack);
            if (!shows(view().backRect(game::Player::John, k), back, QStringLiteral("RUBL1")) ||
                !shows(view().backRect(game::Player::Harry, k), back, QStringLiteral("RUBR1")))
                return QStringLiteral("back %1").arg(k);
        }
        for (int n = 1; n <= game::TableCells; ++n)
            if (!view().cardShownAt(n) && !shows(view().cellRect(n), face, QStringLiteral("NONE")))
                return QStringLiteral("cell %1").arg(n);
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QStringList& line : simulatedGame()) {
            if (line[0] == u"deal")
                dealt.insert(line[1], line.sliced(2));
            else
                turns << line.sliced(1);
        }
        QVERIFY(!turns.isEmpty() && dealt.size() == game::PlayerCount);
        timer->setInterval(FastTicks);
        timer->stop();                      // until the deal has been looked at
        menu().highLevel->setChecked(true); // the level the seed was chosen with
        // Each laying sound starts before its card shows, when the cards laid before it do.
        sound.onPlay = [this] {
            if (cardsShown() != sound.plays - 1)
                mistakes << QStringLiteral("sound %1 after its card showed").arg(sound.plays);
        };
        connect(timer, &QTimer::timeout, this, &TestE2e::checkTick);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    // The window is the designed size in the screen's own pixels, and each card of the deal
    // is its picture for the screen's density, pixel for pixel: the hand cards and the backs
    // where the next one leaves them uncovered, and the empty places.
    void theDealShowsThePicturesOfTheScreensDensity()
    {
        QCOMPARE(window.screen()->grabWindow(window.winId()).size(),
                 (QSizeF(792, 545) * deviceRatio()).toSize());
        QTRY_COMPARE(pictureNotShown(), QString());
        timer->start();
    }

    void playsTheSimulatorsGameWithTheMouseAndSpace()
    {
        int passes = 0;
        while (next < turns.size()) {
            // The window waits for the human exactly where the trace has the human's turn.
            QVERIFY(QTest::qWaitFor([this] { return !timer->isActive(); }, MoveTimeout));
            QVERIFY2(mistakes.isEmpty(), qPrintable(mistakes.join(u", ")));
            const QStringList turn = turns[next++];
            QCOMPARE(turn[0], QStringLiteral("human"));
            if (turn[1] == u"pass") {
                QVERIFY(xdotool({"key", "space"}));
                ++passes;
            } else {
                const int slot = turn[1].toInt();
                QVERIFY(dragCard(slot, turn[2].toInt()));
                QVERIFY(QTest::qWaitFor([&] { return !view().handCardShows(slot); }, MoveTimeout));
            }
            checkShown(turn);
            // The computers take their moves before the human's next turn.
            const qsizetype human = next;
            QVERIFY2(
                QTest::qWaitFor([&] { return next == turns.size() || next > human; }, MoveTimeout),
                "the computers did not take the move");
        }
        QVERIFY(passes > 0 && game().isOver() && mistakes.isEmpty());

        // And the X server shows it: every cell is painted with the face of the trace's card.
        QHash<int, game::Card> laid;
        for (const QStringList& turn : turns)
            if (turn[1] != u"pass")
                laid.insert(turn[2].toInt(), cardOf(turn));
        for (int n = 1; n <= game::TableCells; ++n) {
            const QRect cell(view().mapToGlobal(view().cellRect(n).topLeft()),
                             view().cellRect(n).size());
            const QImage face = generatedPicture(assets::faceName(laid.value(n)));
            QTRY_VERIFY(drawnAt(window.screen()->grabWindow(0).toImage(), onServer(cell), face));
        }
        QCOMPARE(sound.plays, game::TableCells); // every card was laid with the sound
        QCOMPARE(next, turns.size());            // and no tick came after the last

        // The menu's keys: Alt and Down open "Игра" at "Сначала", and Return deals anew.
        timer->disconnect(this);
        timer->setInterval(MoveTimeout); // so that the new deal is seen before a card is laid
        QVERIFY(xdotool({"windowfocus", "--sync", QString::number(window.winId()), "key", "--delay",
                         "200", "alt", "Down", "Return"}));
        QTRY_VERIFY(cardsShown() == 0 && view().handCardShows(1) && timer->isActive());
    }
};

QTEST_MAIN(TestE2e)
#include "test_e2e.moc"
