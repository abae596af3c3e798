// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played without a drag: with the keys alone, with double-clicks alone, and
// through the action a screen reader calls, each the game tavlen-sim plays from the same seed.
// After every turn of its trace the table is read as a screen reader reads it: each place's
// card, each hand card and whether it can be laid, each computer's count and the status line,
// all worked out here from the trace and the table of the rules.
#include "card_text.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <memory>

using namespace cardtext;

namespace
{

constexpr int MoveTimeout = 5000; // ms
constexpr int FastTicks = 5;      // ms

// The children of the table as a screen reader meets them.
constexpr int FirstHandCard = game::TableCells;
constexpr int FirstColumn = FirstHandCard + game::HandSlots;
constexpr int StatusLine = FirstColumn + 2;

const QStringList PlaceWords = QStringLiteral("первым вторым третьим").split(u' ');

enum class Input { Keys, DoubleClick, ReaderAction };

} // namespace

Q_DECLARE_METATYPE(Input)

class TestHandPlay : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> table;
    QList<QStringList> turns;         // "john 3 14", "human pass"
    qsizetype next = 0;               // the turn the window is to play next
    QHash<QString, game::Hand> hands; // each player's hand as the trace has it now
    QHash<int, game::Card> laid;      // the cards on the table, by cell
    QString status;                   // what the status line should say
    QStringList mistakes;

    static QString nameOf(const QString& word)
    {
        return word == u"john" ? QStringLiteral("Сеня") : QStringLiteral("Лёлик");
    }
    QList<int> heldSlots(const QString& word = QStringLiteral("human")) const
    {
        QList<int> slots;
        for (int k = 1; k <= game::HandSlots; ++k)
            if (hands[word][k])
                slots << k;
        return slots;
    }
    bool fitsNow(int slot) const
    {
        const std::vector<game::Move> drops = table->legalDrops();
        return std::any_of(drops.begin(), drops.end(),
                           [slot](const game::Move& drop) { return drop.slot == slot; });
    }

    // Plays a trace's turn in the test's own record, with what the status line then says.
    void followTurn(const QStringList& turn)
    {
        const QString& who = turn[0];
        QStringList phrases;
        if (turn[1] == u"pass" && who != u"human") {
            phrases << nameOf(who) + QStringLiteral(" пасует");
        } else if (turn[1] != u"pass") {
            game::Slot& card = hands[who][turn[1].toInt()];
            laid.insert(turn[2].toInt(), *card);
            if (who != u"human")
                phrases << nameOf(who) + QStringLiteral(" кладёт ") + spokenCard(*card, RanksLaid);
            card.reset();
            const auto out = std::count_if(hands.keyBegin(), hands.keyEnd(),
                                           [&](const QString& p) { return heldSlots(p).empty(); });
            if (heldSlots(who).empty())
                phrases << (who == u"human" ? QStringLiteral("Вы финишировали ")
                                            : nameOf(who) + QStringLiteral(" финишировал ")) +
                               PlaceWords[out - 1];
        }
        if (who == u"harry" && !heldSlots().empty())
            phrases << QStringLiteral("Ваш ход");
        if (!phrases.isEmpty())
            status = phrases.join(QStringLiteral(". "));
    }

    // The table as a screen reader reads it, against the test's record.
    void checkTree(const QString& after)
    {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&table->view());
        QStringList wrong;
        const auto expect = [&](int index, QAccessible::Role role, const QString& name) {
            QAccessibleInterface* part = root->child(index);
            if (part->role() != role || part->text(QAccessible::Name) != name)
                wrong << QString::number(index) + u' ' + part->text(QAccessible::Name);
        };
        for (int n = 1; n <= game::TableCells; ++n)
            expect(n - 1, QAccessible::Graphic,
                   laid.contains(n) ? spokenCard(laid[n], RanksNamed) : QStringLiteral("пусто"));
        for (const int k : heldSlots()) {
            expect(FirstHandCard + k - 1, QAccessible::Button,
                   spokenCard(*hands[QStringLiteral("human")][k], RanksNamed));
            const QAccessible::State state = root->child(FirstHandCard + k - 1)->state();
            if (state.disabled == (fitsNow(k) && !table->timer->isActive()) || state.invisible)
                wrong << QStringLiteral("slot %1's state").arg(k);
        }
        // Counts from 0 to 12 take "карта" only at 1, "карты" from 2 to 4.
        for (const QString& word : {QStringLiteral("john"), QStringLiteral("harry")}) {
            const qsizetype count = heldSlots(word).size();
            const QString noun = count == 1                 ? QStringLiteral("карта")
                                 : count >= 2 && count <= 4 ? QStringLiteral("карты")
                                                            : QStringLiteral("карт");
            expect(word == u"john" ? FirstColumn : FirstColumn + 1, QAccessible::StaticText,
                   QStringLiteral("%1: %2 %3").arg(nameOf(word)).arg(count).arg(noun));
        }
        expect(StatusLine, QAccessible::StatusBar, status);
        if (!wrong.isEmpty())
            mistakes << after + QStringLiteral(": ") + wrong.join(u", ");
    }

    // Each tick of the computers' timer, just after the window has played it, is the next turn
    // of the trace, and a computer's.
    void checkTick()
    {
        const QStringList turn = turns.value(next++, {QStringLiteral("none")});
        if (turn[0] == u"human" || turn[0] == u"none")
            mistakes << QStringLiteral("a tick on the human's turn %1").arg(next);
        else
            followTurn(turn);
        checkTree(turn.join(u' '));
    }

    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    // Lays the card of that slot with the input given; with the keys, the ring travels there
    // from where the last lay left it, by Home or End at the ends of the hand and by the arrows
    // between (the first arrow shows it on the first card).
    void lay(Input input, int slot, int& ring)
    {
        if (input == Input::DoubleClick)
            return QTest::mouseDClick(&table->view(), Qt::LeftButton, {},
                                      table->view().grabPoint(slot));
        if (input == Input::ReaderAction)
            return QAccessible::queryAccessibleInterface(&table->view())
                ->child(FirstHandCard + slot - 1)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        const QList<int> slots = heldSlots();
        const qsizetype to = slots.indexOf(slot);
        if (to == 0) {
            key(Qt::Key_Home);
        } else if (to == slots.size() - 1) {
            key(Qt::Key_End);
        } else {
            if (ring == 0)
                key(Qt::Key_Right);
            for (qsizetype at = std::max(qsizetype(0), slots.indexOf(ring)); at != to;
                 at += to > at ? 1 : -1)
                key(to > at ? Qt::Key_Right : Qt::Key_Left);
        }
        key(next % 2 != 0 ? Qt::Key_Return : Qt::Key_Enter); // either lays
        ring = slot;
    }

private Q_SLOTS:
    void playsTheSimulatorsGame_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<int>("seed");
        QTest::addColumn<QString>("level");
        QTest::newRow("keys, high") << Input::Keys << 5 << "high";
        QTest::newRow("keys, low") << Input::Keys << 11 << "low";
        QTest::newRow("double-clicks") << Input::DoubleClick << 7 << "high";
        QTest::newRow("a reader's action") << Input::ReaderAction << 9 << "low";
    }
    void playsTheSimulatorsGame()
    {
        QFETCH(Input, input);
        QFETCH(int, seed);
        QFETCH(QString, level);
        QProcess sim;
        sim.start(QStringLiteral(TAVLEN_SIM_PATH),
                  {"--seed", QString::number(seed), "--games", "1", "--level", level, "--human",
                   "first", "--trace"});
        QVERIFY(sim.waitForFinished());
        turns.clear();
        hands.clear();
        laid.clear();
        for (const QString& line : QString::fromUtf8(sim.readAllStandardOutput()).split(u'\n')) {
            const QStringList words = line.split(u' ');
            if (words[0] == u"deal")
                hands.insert(words[1], parse<game::Hand>(words.sliced(2).join(u' ')));
            else if (words[0] == u"turn")
                turns << words.sliced(1);
        }
        QVERIFY(hands.size() == game::PlayerCount && !turns.isEmpty());

        table = std::make_unique<WindowFixture>(std::uint32_t(seed));
        next = 0;
        status.clear();
        mistakes.clear();
        checkTree(QStringLiteral("the deal")); // the reader is there before the first move
        (level == u"high" ? table->menu().highLevel : table->menu().lowLevel)->setChecked(true);
        table->timer->setInterval(FastTicks);
        connect(table->timer, &QTimer::timeout, this, &TestHandPlay::checkTick);
        table->window.show();
        table->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table->window));
        QCOMPARE(QApplication::focusWidget(), &table->view());

        int ring = 0;
        while (QTest::qWaitFor([this] { return !table->timer->isActive(); }, MoveTimeout) &&
               next < turns.size()) {
            QVERIFY2(mistakes.isEmpty(), qPrintable(mistakes.join(u"; ")));
            const QStringList turn = turns[next++];
            QCOMPARE(turn[0], QStringLiteral("human"));
            // A card that fits nowhere stays in the hand.
            const QList<int> slots = heldSlots();
            if (const auto misfit = std::find_if_not(slots.begin(), slots.end(),
                                                     [this](int k) { return fitsNow(k); });
                misfit != slots.end()) {
                lay(input, *misfit, ring);
                QVERIFY(!table->timer->isActive() && table->view().handCardShows(*misfit));
            }
            if (turn[1] == u"pass") {
                QTest::keyClick(&table->window, Qt::Key_Space);
            } else {
                const int slot = turn[1].toInt();
                lay(input, slot, ring);
                followTurn(turn);
                const QList<int> left = heldSlots();
                const auto after = std::upper_bound(left.begin(), left.end(), slot);
                ring = after != left.end() ? *after : left.isEmpty() ? 0 : left.back();
                if (input == Input::Keys)
                    QCOMPARE(table->view().ringedSlot(), ring);
                // While the computers move, the next card is not laid, even where it fits.
                if (ring != 0)
                    lay(input, ring, ring);
            }
            checkTree(turn.join(u' '));
        }
        QVERIFY2(mistakes.isEmpty(), qPrintable(mistakes.join(u"; ")));
        QVERIFY(table->game().isOver() && next == turns.size());
    }
};

QTEST_MAIN(TestHandPlay)
#include "test_hand_play.moc"
