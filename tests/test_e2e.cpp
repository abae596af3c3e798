// A whole game played in a real X server with the real pointer and keyboard: every drag and
// every Space press below is an X event sent by xdotool, as a player's hand would make it.
// The game's state is only read, to choose a card and to check what happened: after every
// turn each cell's picture agrees with the table, each hidden back with a card played, and
// every computer's card is the one its level picks. Run it through tests/xvfb_run.sh.
#include "counting_sound.h"
#include "fake_desktop.h"
#include "game/legality.h"
#include "opponents/choice.h"
#include "store/settings_file.h"
#include "window/image_control.h"
#include "window/main_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using game::Player;

namespace
{

// A deal in which the human has to pass several times.
constexpr std::uint32_t Seed = 2;
constexpr int MoveTimeout = 5000; // ms
constexpr int FastTicks = 50;     // ms
constexpr QPoint Probe(4, 1);
constexpr QPoint GrabPoint(12, 48);
const QRgb White = qRgb(255, 255, 255);

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

} // namespace

class TestE2e : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void playsAWholeGameWithTheMouseAndSpace();

protected:
    // Sees each tick of the computers' timer before the window does, to foresee its move.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs one xdotool command line without blocking the event loop: a drag runs its own
    // nested loop inside the window while the pointer is still moving.
    bool xdotool(const QStringList& arguments);
    bool hoverCard(int slot);
    bool dragCard(int slot, int cell);
    bool humanToMove() const;
    void checkScreenAgreesWithGame();
    void checkForeseenMove();

    window::ImageControl* control(const QString& name) const
    {
        return window_->findChild<window::ImageControl*>(name);
    }
    window::ImageControl* cell(int n) const { return control(QStringLiteral("Image%1").arg(n)); }
    window::ImageControl* handCard(int k) const
    {
        return control(QStringLiteral("Gamer%1").arg(k));
    }

    QTemporaryDir home_;
    FakeDesktop desktop_;
    CountingSound sound_;
    store::SettingsFile settingsFile_{home_.path(), home_.path()};
    std::unique_ptr<window::MainWindow> window_;
    QTimer* timer_ = nullptr;
    DragWatcher watcher_;
    int ticks_ = 0;
    // What the computer about to move holds, and the card its level picks for it.
    struct Foreseen {
        Player mover;
        game::Hand hand;
        std::optional<game::Move> move;
    };
    std::optional<Foreseen> foreseen_;
    QStringList mistakes_;
};

void TestE2e::init()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
             "xdotool is not installed");
    window_ = std::make_unique<window::MainWindow>(desktop_, sound_, settingsFile_, Seed);
    timer_ = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
    timer_->setInterval(FastTicks);
    // The level and the sound the seed was chosen with.
    window_->findChild<QAction*>(QStringLiteral("AHigh"))->setChecked(true);
    window_->findChild<QAction*>(QStringLiteral("ASound"))->setChecked(true);
    timer_->installEventFilter(this);
    connect(timer_, &QTimer::timeout, this, [this] {
        ++ticks_;
        checkForeseenMove();
    });
    qApp->installEventFilter(&watcher_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestE2e::cleanup()
{
    qApp->removeEventFilter(&watcher_);
    window_.reset();
}

bool TestE2e::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == timer_ && event->type() == QEvent::Timer) {
        const game::Game& state = window_->game();
        const Player mover = state.nextComputer();
        foreseen_ = Foreseen{
            mover, state.hand(mover),
            opponents::chooseCard(state.hand(mover), state.table(), opponents::Level::High)};
    }
    return false;
}

void TestE2e::checkForeseenMove()
{
    if (!foreseen_)
        return;
    const game::Hand& now = window_->game().hand(foreseen_->mover);
    for (int k = 1; k <= game::HandSlots; ++k) {
        const bool played = foreseen_->move && foreseen_->move->slot == k;
        if (now[k].present() != (foreseen_->hand[k].present() && !played))
            mistakes_ << QStringLiteral("tick %1: slot %2").arg(ticks_).arg(k);
    }
    foreseen_.reset();
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
    const QPoint at = handCard(slot)->mapToGlobal(GrabPoint);
    const auto x = [](int v) { return QString::number(v); };
    // The cursor follows movement only, so arrive at the card with a fresh move.
    return xdotool({"mousemove", x(at.x() + 8), x(at.y()), "sleep", "0.03", "mousemove", x(at.x()),
                    x(at.y()), "sleep", "0.03"}) &&
           QTest::qWaitFor([&] { return handCard(slot)->hasHandCursor(); }, MoveTimeout);
}

bool TestE2e::dragCard(int slot, int n)
{
    if (!hoverCard(slot))
        return false;
    const QPoint from = handCard(slot)->mapToGlobal(GrabPoint);
    const QPoint to = cell(n)->mapToGlobal(cell(n)->rect().center());
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
    return !timer_->isActive() && !window_->game().isOver();
}

void TestE2e::checkScreenAgreesWithGame()
{
    const game::Game& state = window_->game();
    for (int n = 1; n <= game::TableCells; ++n)
        QVERIFY2((cell(n)->pixel(Probe) == White) == state.table()[n].present(),
                 qPrintable(QStringLiteral("cell %1").arg(n)));
    for (const auto& [player, name] : {std::pair{Player::John, "John%1"},
                                       {Player::Harry, "Harry%1"},
                                       {Player::Human, "Gamer%1"}})
        for (int k = 1; k <= game::HandSlots; ++k)
            QVERIFY2(control(QString::fromLatin1(name).arg(k))->isHidden() ==
                         !state.hand(player)[k].present(),
                     qPrintable(QString::fromLatin1(name).arg(k)));
    QVERIFY2(mistakes_.isEmpty(), qPrintable(mistakes_.join(u", ")));
}

void TestE2e::playsAWholeGameWithTheMouseAndSpace()
{
    const game::Game& state = window_->game();
    int drops = 0;
    int passes = 0;
    bool refusedOnce = false;
    while (true) {
        QVERIFY(QTest::qWaitFor([&] { return state.isOver() || humanToMove(); }, MoveTimeout));
        checkScreenAgreesWithGame();
        if (QTest::currentTestFailed() || state.isOver())
            break;
        QVERIFY(!state.computersMoving()); // the timer follows the game's phase
        const int ticksBefore = ticks_;
        const game::Hand& hand = state.hand(Player::Human);
        if (!game::hasPlayableCard(hand, state.table())) {
            QVERIFY(xdotool({"key", "space"}));
            ++passes;
        } else {
            // The first card of the hand that has a cell, and that cell.
            int slot = 0;
            int target = 0;
            for (int k = 1; k <= game::HandSlots && !target; ++k)
                for (int n = 1; n <= game::TableCells && !target; ++n)
                    if (game::canLayAt(state.table(), hand[k], n)) {
                        slot = k;
                        target = n;
                    }
            const game::Card card = hand[slot];

            if (!refusedOnce) {
                // Space while a card fits, then a drag that reaches an empty cell in the wrong
                // place: both are turned away and leave the game as it was.
                int wrong = 1;
                while (!game::cellIsEmpty(state.table(), wrong) ||
                       game::canLayAt(state.table(), card, wrong))
                    QVERIFY(++wrong <= game::TableCells);
                QVERIFY(xdotool({"key", "space"}));
                const int plays = sound_.plays;
                QVERIFY(dragCard(slot, wrong));
                QTest::qWait(150); // let the release land, if it were to change anything
                QVERIFY2(watcher_.moves.value(cell(wrong)) > 0, "the drag never started");
                QVERIFY(hand[slot].present() && !state.table()[wrong].present());
                QVERIFY(!timer_->isActive());
                QCOMPARE(sound_.plays, plays);
                checkScreenAgreesWithGame();
                refusedOnce = true;
            }

            QVERIFY(dragCard(slot, target));
            QVERIFY(QTest::qWaitFor([&] { return !hand[slot].present(); }, MoveTimeout));
            QVERIFY(state.table()[target].is(card.suit, card.rank));
            ++drops;
        }
        // The computers take their moves before the human's next turn.
        QVERIFY2(
            QTest::qWaitFor([&] { return state.isOver() || ticks_ > ticksBefore; }, MoveTimeout),
            "the computers did not take the move");
    }
    if (QTest::currentTestFailed())
        return;

    qInfo("%d drops, %d passes, %d computer ticks", drops, passes, ticks_);
    QVERIFY(refusedOnce);
    QVERIFY(passes > 0);
    for (int n = 1; n <= game::TableCells; ++n)
        QVERIFY(state.table()[n].present());

    // And the X server shows it: every cell is painted with a face.
    const auto allFacesOnScreen = [&] {
        const QImage screen = window_->screen()->grabWindow(0).toImage();
        for (int n = 1; n <= game::TableCells; ++n)
            if (screen.pixel(cell(n)->mapToGlobal(Probe)) != White)
                return false;
        return true;
    };
    QVERIFY(QTest::qWaitFor(allFacesOnScreen, MoveTimeout));
    // Every card was laid with the sound, and after the last one no tick comes.
    QCOMPARE(sound_.plays, game::TableCells);
    const int ticksAtEnd = ticks_;
    QTest::qWait(3 * timer_->interval());
    QCOMPARE(ticks_, ticksAtEnd);
    QVERIFY(!timer_->isActive());
}

QTEST_MAIN(TestE2e)
#include "test_e2e.moc"
