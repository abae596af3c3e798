// The whole game played in a real X server with the real pointer and keyboard: every drag and
// every Space press below is an X event sent by xdotool, as a player's hand would make it.
// The game's state is only read, to choose a card and to check what happened.
// Run it through tests/xvfb_run.sh.
#include "counting_sound.h"
#include "game/legality.h"
#include "window/image_control.h"
#include "window/tfrma.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

namespace
{

// Counts the drag-over events each table cell gets, to tell a refused drop from a drag that
// never started.
class DragWatcher final : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::DragMove)
            ++moves[watched];
        return false;
    }
    QHash<QObject*, int> moves;
};

// A deal in which the human has to pass several times.
constexpr std::uint32_t Seed = 2;
constexpr int MoveTimeout = 5000; // ms

QPoint centre(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

bool sameCards(const game::Hand& hand, const game::Table& table, const game::Game& state)
{
    for (int k = 1; k <= game::HandSlots; ++k)
        if (hand[k].Face != state.GamerHand[k].Face)
            return false;
    for (int n = 1; n <= game::TableCells; ++n)
        if (table[n].Face != state.TableList[n].Face)
            return false;
    return true;
}

} // namespace

class TestE2e : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void playsAWholeGameWithTheMouseAndSpace();

private:
    // Runs one xdotool command line without blocking the event loop: a drag runs its own
    // nested loop inside the window while the pointer is still moving.
    bool xdotool(const QStringList& arguments);
    bool hoverCard(int slot);
    bool dragCard(int slot, int cell);
    bool humanToMove() const;

    CountingSound sound_;
    std::unique_ptr<window::TFrmA> frm_;
    DragWatcher watcher_;
    int ticks_ = 0;
};

void TestE2e::init()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
             "xdotool is not installed");
    frm_ = std::make_unique<window::TFrmA>(sound_, Seed);
    frm_->Timer1.setInterval(50);
    frm_->ALow->setChecked(true); // the level and the sound the seed was chosen with
    frm_->ASound->setChecked(true);
    connect(&frm_->Timer1, &QTimer::timeout, this, [this] { ++ticks_; });
    qApp->installEventFilter(&watcher_);
    frm_->show();
    frm_->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(frm_.get()));
    QVERIFY(QTest::qWaitForWindowActive(frm_.get()));
}

void TestE2e::cleanup()
{
    qApp->removeEventFilter(&watcher_);
    frm_.reset();
}

bool TestE2e::xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, MoveTimeout)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool TestE2e::hoverCard(int slot)
{
    // Near the left edge: the one strip of a card never covered by the next card on its right,
    // but covered by the card on its left if that one lay on top.
    const QPoint at = frm_->Gamer(slot)->mapToGlobal(QPoint(12, 48));
    const auto x = [](int v) { return QString::number(v); };
    // The cursor follows movement only, so arrive at the card with a fresh move.
    return xdotool({"mousemove", x(at.x() + 8), x(at.y()), "sleep", "0.03", "mousemove", x(at.x()),
                    x(at.y()), "sleep", "0.03"}) &&
           QTest::qWaitFor([&] { return frm_->Gamer(slot)->HasHandCursor(); }, MoveTimeout);
}

bool TestE2e::dragCard(int slot, int cell)
{
    if (!hoverCard(slot))
        return false;
    const QPoint from = frm_->Gamer(slot)->mapToGlobal(QPoint(12, 48));
    const QPoint to = centre(frm_->Image(cell));
    // Press, a few steps across the table with the button held, a short rest, release.
    QStringList steps{"mousedown", "1"};
    constexpr int Steps = 8;
    for (int i = 1; i <= Steps; ++i) {
        const QPoint p = from + (to - from) * i / Steps;
        steps += {"sleep", "0.03", "mousemove", QString::number(p.x()), QString::number(p.y())};
    }
    steps += {"sleep", "0.1", "mouseup", "1", "sleep", "0.05"};
    return xdotool(steps);
}

bool TestE2e::humanToMove() const
{
    return !frm_->Timer1.isActive() && !frm_->State().Over();
}

void TestE2e::playsAWholeGameWithTheMouseAndSpace()
{
    const game::Game& state = frm_->State();
    int drops = 0;
    int passes = 0;
    bool refusedOnce = false;
    while (true) {
        QVERIFY(QTest::qWaitFor([&] { return state.Over() || humanToMove(); }, MoveTimeout));
        if (state.Over())
            break;
        QVERIFY(!state.ComputersMoving()); // the timer follows the game's phase
        const int ticksBefore = ticks_;
        if (!game::GamerHasLegalCard(state.GamerHand, state.TableList)) {
            QVERIFY(xdotool({"key", "space"}));
            ++passes;
        } else {
            // The first card of the hand that has a cell, and that cell.
            int slot = 0;
            int cell = 0;
            for (int k = 1; k <= game::HandSlots && !cell; ++k)
                for (int n = 1; n <= game::TableCells && !cell; ++n)
                    if (game::CanLayAt(state.TableList, state.GamerHand[k], n)) {
                        slot = k;
                        cell = n;
                    }
            QVERIFY2(cell, "a card is playable but fits no cell");
            const game::Card card = state.GamerHand[slot];

            if (!refusedOnce) {
                // Space while a card fits, then a drag that reaches an empty cell in the wrong
                // place: both are turned away and leave the game as it was.
                int wrong = 1;
                while (!game::CellIsEmpty(state.TableList, wrong) ||
                       game::CanLayAt(state.TableList, card, wrong))
                    QVERIFY(++wrong <= game::TableCells);
                const game::Hand hand = state.GamerHand;
                const game::Table table = state.TableList;
                QVERIFY(xdotool({"key", "space"}));
                const int plays = sound_.plays;
                QVERIFY(dragCard(slot, wrong));
                QTest::qWait(150); // let the release land, if it were to change anything
                QVERIFY2(watcher_.moves.value(frm_->Image(wrong)) > 0, "the drag never started");
                QVERIFY(sameCards(hand, table, state));
                QVERIFY(frm_->Gamer(slot)->isVisible());
                QVERIFY(frm_->Image(wrong)->Pixel(4, 1) != qRgb(255, 255, 255));
                QVERIFY(!frm_->Timer1.isActive());
                QCOMPARE(sound_.plays, plays);
                refusedOnce = true;
            }

            QVERIFY(dragCard(slot, cell));
            QVERIFY(QTest::qWaitFor([&] { return !state.GamerHand[slot].present(); }, MoveTimeout));
            QVERIFY(state.TableList[cell].is(card.Suit, card.Rank));
            QVERIFY(frm_->Gamer(slot)->isHidden());
            QCOMPARE(frm_->Image(cell)->Pixel(4, 1), qRgb(255, 255, 255));
            ++drops;
        }
        // The computers take their moves before the human's next turn.
        QVERIFY2(QTest::qWaitFor([&] { return state.Over() || ticks_ > ticksBefore; }, MoveTimeout),
                 "the computers did not take the move");
    }

    qInfo("%d drops, %d passes, %d computer ticks", drops, passes, ticks_);
    QVERIFY(refusedOnce);
    QVERIFY(passes > 0);
    QVERIFY(!frm_->Timer1.isActive());
    for (int n = 1; n <= game::TableCells; ++n) {
        QVERIFY2(state.TableList[n].present(), qPrintable(QStringLiteral("cell %1").arg(n)));
        QCOMPARE(frm_->Image(n)->Pixel(4, 1), qRgb(255, 255, 255));
    }
    for (int k = 1; k <= game::HandSlots; ++k)
        QVERIFY(frm_->Gamer(k)->isHidden());

    // And the X server shows it: every cell is painted with a face.
    const auto allFacesOnScreen = [&] {
        const QImage screen = frm_->screen()->grabWindow(0).toImage();
        for (int n = 1; n <= game::TableCells; ++n)
            if (screen.pixel(frm_->Image(n)->mapToGlobal(QPoint(4, 1))) != qRgb(255, 255, 255))
                return false;
        return true;
    };
    QVERIFY(QTest::qWaitFor(allFacesOnScreen, MoveTimeout));
    // Every card was laid with the sound, and after the last one no tick comes.
    QCOMPARE(sound_.plays, game::TableCells);
    const int ticksAtEnd = ticks_;
    QTest::qWait(3 * frm_->Timer1.interval());
    QCOMPARE(ticks_, ticksAtEnd);
    QVERIFY(!frm_->Timer1.isActive());
}

QTEST_MAIN(TestE2e)
#include "test_e2e.moc"
