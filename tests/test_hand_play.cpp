// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played without a drag: with the keys alone, with double-clicks alone, and
// through the actions a screen reader calls, each the game tavlen-sim plays from the same
// seed. Every turn of its trace is checked as the window plays it, and after every turn the
// table is read as a screen reader reads it: each place's card, each hand card and whether it
// can be laid, each computer's count and the status line's announcement, all worked out here
// from the trace and the table of the rules.
#include "card_text.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <memory>

using game::Player;

namespace
{

constexpr int MoveTimeout = 5000; // ms
constexpr int FastTicks = 5;      // ms

// The children of the table as a screen reader meets them.
constexpr int FirstHandCard = game::TableCells;
constexpr int FirstColumn = FirstHandCard + game::HandSlots;
constexpr int StatusLine = FirstColumn + 2;

// Cards named in Russian, written out here by hand: the rank in the nominative and after
// "кладёт", the suit in the genitive plural.
const QStringList Nominative = QStringLiteral("шестёрка семёрка восьмёрка девятка десятка валет "
                                              "дама король туз")
                                   .split(u' ');
const QStringList AfterLays = QStringLiteral("шестёрку семёрку восьмёрку девятку десятку валета "
                                             "даму короля туза")
                                  .split(u' ');
const QStringList SuitWords = QStringLiteral("бубен червей треф пик").split(u' ');
const QStringList PlaceWords = QStringLiteral("первым вторым третьим").split(u' ');

QString spokenCard(game::Card card, const QStringList& rankWords)
{
    return rankWords[static_cast<int>(card.rank) - static_cast<int>(game::Rank::Six)] + u' ' +
           SuitWords[static_cast<int>(card.suit)];
}

QString cardsWord(int count)
{
    if (count == 1)
        return QStringLiteral("карта");
    return count >= 2 && count <= 4 ? QStringLiteral("карты") : QStringLiteral("карт");
}

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

    static QString wordOf(Player player)
    {
        return player == Player::John    ? QStringLiteral("john")
               : player == Player::Harry ? QStringLiteral("harry")
                                         : QStringLiteral("human");
    }
    static QString nameOf(const QString& word)
    {
        return word == u"john" ? QStringLiteral("Сеня") : QStringLiteral("Лёлик");
    }
    int held(const QString& word) const
    {
        const game::Hand& hand = hands[word];
        return int(std::count_if(hand.begin(), hand.end(),
                                 [](const game::Slot& card) { return card.has_value(); }));
    }
    QList<int> humanSlots() const
    {
        QList<int> slots;
        for (int k = 1; k <= game::HandSlots; ++k)
            if (hands[QStringLiteral("human")][k])
                slots << k;
        return slots;
    }

    // Plays a trace's turn in the test's own record and says what the status line must say
    // after it.
    void followTurn(const QStringList& turn)
    {
        const QString& who = turn[0];
        QStringList phrases;
        if (turn[1] == u"pass") {
            if (who != u"human")
                phrases << nameOf(who) + QStringLiteral(" пасует");
        } else {
            game::Slot& card = hands[who][turn[1].toInt()];
            laid.insert(turn[2].toInt(), *card);
            if (who != u"human")
                phrases << nameOf(who) + QStringLiteral(" кладёт ") + spokenCard(*card, AfterLays);
            card.reset();
            if (held(who) == 0) {
                int out = 0;
                for (const QString& other : hands.keys())
                    out += held(other) == 0 ? 1 : 0;
                const QString place = PlaceWords[out - 1];
                phrases << (who == u"human"
                                ? QStringLiteral("Вы финишировали ") + place
                                : nameOf(who) + QStringLiteral(" финишировал ") + place);
            }
        }
        // Harry's move hands the turn back to a human who still holds cards.
        if (who == u"harry" && held(QStringLiteral("human")) > 0)
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
                wrong << QStringLiteral("%1 %2 \"%3\"")
                             .arg(index)
                             .arg(part->role())
                             .arg(part->text(QAccessible::Name));
        };
        for (int n = 1; n <= game::TableCells; ++n)
            expect(n - 1, QAccessible::Graphic,
                   laid.contains(n) ? spokenCard(laid[n], Nominative) : QStringLiteral("пусто"));
        const bool humansTurn = !table->timer->isActive();
        for (int k = 1; k <= game::HandSlots; ++k) {
            const game::Slot& card = hands[QStringLiteral("human")][k];
            if (!card)
                continue;
            expect(FirstHandCard + k - 1, QAccessible::Button, spokenCard(*card, Nominative));
            bool fits = false;
            for (int n = 1; n <= game::TableCells; ++n)
                fits = fits || table->fits(card, n);
            const QAccessible::State state = root->child(FirstHandCard + k - 1)->state();
            if (state.disabled == (fits && humansTurn) || state.invisible)
                wrong << QStringLiteral("slot %1's state").arg(k);
        }
        for (const auto& [index, word] :
             {std::pair{FirstColumn, "john"}, {FirstColumn + 1, "harry"}}) {
            const int count = held(QString::fromLatin1(word));
            expect(index, QAccessible::StaticText,
                   QStringLiteral("%1: %2 %3")
                       .arg(nameOf(QString::fromLatin1(word)))
                       .arg(count)
                       .arg(cardsWord(count)));
        }
        expect(StatusLine, QAccessible::StatusBar, status);
        if (!wrong.isEmpty())
            mistakes << after + QStringLiteral(": ") + wrong.join(u", ");
    }

    // Each tick of the computers' timer, just after the window has played it, is the next turn
    // of the trace, and a computer's: the card in its cell, and the table read out after it.
    void checkTick()
    {
        const QStringList turn = turns.value(next++);
        if (turn.value(0) == u"human" || turn.isEmpty()) {
            mistakes << QStringLiteral("a tick on the human's turn %1").arg(next);
            return;
        }
        followTurn(turn);
        checkLaid(turn);
        checkTree(turn.join(u' '));
    }
    void checkLaid(const QStringList& turn)
    {
        if (turn[1] != u"pass" &&
            table->view().cardShownAt(turn[2].toInt()) != laid.value(turn[2].toInt()))
            mistakes << QStringLiteral("not shown: ") + turn.join(u' ');
    }

    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void doubleClick(int slot)
    {
        QTest::mouseDClick(&table->view(), Qt::LeftButton, {}, table->view().grabPoint(slot));
    }
    void pressAction(int slot)
    {
        QAccessibleInterface* card =
            QAccessible::queryAccessibleInterface(&table->view())->child(FirstHandCard + slot - 1);
        card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    // Lays the card of that slot with the input given; with the keys, the ring travels there
    // from where the last lay left it, by Home or End at the ends of the hand and by the arrows
    // between.
    void lay(Input input, int slot, int& ring)
    {
        if (input == Input::DoubleClick)
            return doubleClick(slot);
        if (input == Input::ReaderAction)
            return pressAction(slot);
        const QList<int> slots = humanSlots();
        const qsizetype to = slots.indexOf(slot);
        if (to == 0) {
            key(Qt::Key_Home);
        } else if (to == slots.size() - 1) {
            key(Qt::Key_End);
        } else {
            qsizetype at = std::max(qsizetype(0), slots.indexOf(ring)); // the first arrow: slot 1
            if (ring == 0)
                key(Qt::Key_Right);
            for (; at < to; ++at)
                key(Qt::Key_Right);
            for (; at > to; --at)
                key(Qt::Key_Left);
        }
        key(next % 2 != 0 ? Qt::Key_Return : Qt::Key_Enter); // either lays
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
                hands.insert(words[1], cardtext::parse<game::Hand>(words.sliced(2).join(u' ')));
            else if (words[0] == u"turn")
                turns << words.sliced(1);
        }
        QVERIFY(hands.size() == game::PlayerCount && !turns.isEmpty());

        table = std::make_unique<WindowFixture>(std::uint32_t(seed));
        next = 0;
        status.clear();
        mistakes.clear();
        // The reader looks at the table before the computers' first move.
        checkTree(QStringLiteral("the deal"));
        (level == u"high" ? table->menu().highLevel : table->menu().lowLevel)->setChecked(true);
        table->timer->setInterval(FastTicks);
        connect(table->timer, &QTimer::timeout, this, &TestHandPlay::checkTick);
        table->window.show();
        table->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table->window));
        QCOMPARE(QApplication::focusWidget(), &table->view());

        int ring = 0;
        while (next < turns.size()) {
            QVERIFY(QTest::qWaitFor([this] { return !table->timer->isActive(); }, MoveTimeout));
            QVERIFY2(mistakes.isEmpty(), qPrintable(mistakes.join(u"; ")));
            if (next == turns.size())
                break; // the computers played the game out
            const QStringList turn = turns[next++];
            QCOMPARE(turn[0], QStringLiteral("human"));
            // A card that fits nowhere stays in the hand.
            for (const int k : humanSlots()) {
                bool fits = false;
                for (int n = 1; n <= game::TableCells; ++n)
                    fits = fits || table->fits(table->game().hand(Player::Human)[k], n);
                if (!fits) {
                    lay(input, k, ring);
                    ring = k;
                    QVERIFY2(!table->timer->isActive() && table->view().handCardShows(k),
                             qPrintable(turn.join(u' ')));
                    break;
                }
            }
            if (turn[1] == u"pass") {
                QTest::keyClick(&table->window, Qt::Key_Space);
            } else {
                const int slot = turn[1].toInt();
                lay(input, slot, ring);
                QVERIFY2(!table->view().handCardShows(slot), qPrintable(turn.join(u' ')));
                followTurn(turn);
                checkLaid(turn);
                const QList<int> left = humanSlots();
                const auto after = std::upper_bound(left.begin(), left.end(), slot);
                ring = after != left.end() ? *after : left.isEmpty() ? 0 : left.back();
                if (input == Input::Keys)
                    QCOMPARE(table->view().ringedSlot(), ring);
                // While the computers move, the next card is not laid, even where it fits.
                if (ring != 0)
                    lay(input, ring, ring);
            }
            checkTree(turn.join(u' '));
            const qsizetype human = next;
            QVERIFY(
                QTest::qWaitFor([&] { return next == turns.size() || next > human; }, MoveTimeout));
        }
        QVERIFY(QTest::qWaitFor([this] { return table->game().isOver(); }, MoveTimeout));
        QVERIFY2(mistakes.isEmpty(), qPrintable(mistakes.join(u"; ")));
        QCOMPARE(table->cardsShown(), game::TableCells);
        table.reset();
    }
};

QTEST_MAIN(TestHandPlay)
#include "test_hand_play.moc"
