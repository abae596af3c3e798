#include "core_fixtures.h"
#include "game/game.h"

#include <QTest>
#include <algorithm>

using namespace game;
using namespace fixtures;

constexpr std::uint32_t Seeds = 50;
constexpr int DealtHands = 3;

class TestDeal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dealSplitsTheDeckInOrder()
    {
        const auto master = BlankDeck();
        for (std::uint32_t seed = 0; seed < Seeds; ++seed) {
            Dealer dealer(seed);
            dealer.Restock(*master);
            QStringList left = PresentNames(master->cards());
            for (int dealt = 0; dealt < DealtHands; ++dealt) {
                QCOMPARE(int(dealer.DeckSize), DeckCards - dealt * HandSlots);
                Hand hand;
                dealer.DealHand(hand);
                const QStringList cards = PresentNames(hand);
                QCOMPARE(cards.size(), HandSlots);
                for (const QString& card : cards)
                    QVERIFY2(left.removeOne(card), qPrintable(card));
                // The cards not dealt keep their master order, and the draw starts afresh.
                QCOMPARE(PresentNames(dealer.Deck), left);
                QCOMPARE(dealer.Deck.size(), std::size_t{dealer.DeckSize});
                QCOMPARE(dealer.PickedCount, -1);
                QVERIFY(std::ranges::all_of(dealer.Picked, [](int i) { return i == -1; }));
            }
            QVERIFY(left.isEmpty());
        }
    }

    void newGamesDealTheWholeDeckBySeed()
    {
        const auto master = BlankDeck();
        QStringList full = PresentNames(master->cards());
        full.sort();
        Game game(master, Seeds), twin(master, Seeds), other(master, Seeds + 1);
        QStringList previous;
        for (int round = 0; round < DealtHands; ++round) {
            for (Game* dealt : {&game, &twin, &other})
                dealt->NewGame();
            QStringList hands = CardsInHands(game);
            QCOMPARE(CardsInHands(twin), hands);
            QVERIFY(CardsInHands(other) != hands);
            QVERIFY(hands != previous);
            previous = hands;
            hands.sort();
            QCOMPARE(hands, full);
            QCOMPARE(int(game.dealer.DeckSize), 0);
        }
    }

    void handHasCardsIgnoresPlayedSlots()
    {
        QVERIFY(!HandHasCards(Hand{}));
        QVERIFY(
            !HandHasCards(ParseHand(QStringLiteral("~9b ~Ac ~6p ~10k ~Jb ~Qc ~Kp ~7k ~8b ~Ab"))));
        QVERIFY(HandHasCards(ParseHand(QStringLiteral("~9b . . . . . . . . . . 7p"))));
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "test_deal.moc"
