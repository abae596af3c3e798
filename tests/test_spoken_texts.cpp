// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says about the game, against phrases written out by hand.
#include "card_text.h"
#include "dialogs/spoken_texts.h"

#include <QTest>

class TestSpokenTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every card, named on the table and laid by a computer; nothing for a suit or a rank that
    // does not exist.
    void cardsAreNamedAndLaid()
    {
        using namespace cardtext;
        for (const game::Suit suit : game::Suits)
            for (int rank = spoken::LowestRank; rank <= spoken::HighestRank; ++rank) {
                const game::Card card{suit, static_cast<game::Rank>(rank)};
                const int suitIndex = static_cast<int>(suit);
                QCOMPARE(spoken::cardName(suitIndex, rank), spokenCard(card, RanksNamed));
                QCOMPARE(spoken::computerLays(QStringLiteral("Сеня"), suitIndex, rank),
                         QStringLiteral("Сеня кладёт ") + spokenCard(card, RanksLaid));
            }
        for (const auto& [suit, rank] : {std::pair{4, 9}, {0, 5}, {0, 15}})
            QVERIFY(spoken::cardName(suit, rank).isEmpty() &&
                    spoken::computerLays(QStringLiteral("Сеня"), suit, rank).isEmpty());
    }

    // The noun after a number (one, a few, many, and the teens that are always many; the
    // points are read in the dialogs' tests), the moves and the places as the table announces
    // them.
    void phrases_data()
    {
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1") << spoken::cardCount(1) << "1 карта";
        QTest::newRow("5") << spoken::cardCount(5) << "5 карт";
        QTest::newRow("11") << spoken::cardCount(11) << "11 карт";
        QTest::newRow("12") << spoken::cardCount(12) << "12 карт";
        QTest::newRow("14") << spoken::cardCount(14) << "14 карт";
        QTest::newRow("21") << spoken::cardCount(21) << "21 карта";
        QTest::newRow("22") << spoken::cardCount(22) << "22 карты";
        QTest::newRow("column") << spoken::cardsHeld(QStringLiteral("Сеня"), 7) << "Сеня: 7 карт";
        QTest::newRow("pass") << spoken::computerPasses(QStringLiteral("Лёлик")) << "Лёлик пасует";
        QTest::newRow("you second") << spoken::youFinished(2) << "Вы финишировали вторым";
        QTest::newRow("computer first")
            << spoken::computerFinished(QStringLiteral("Сеня"), 1) << "Сеня финишировал первым";
        QTest::newRow("no place 0") << spoken::youFinished(0) << "";
        QTest::newRow("no place 4") << spoken::computerFinished(QStringLiteral("Сеня"), 4) << "";
    }
    void phrases()
    {
        QFETCH(QString, said);
        QFETCH(QString, expected);
        QCOMPARE(said, expected);
    }
};

QTEST_APPLESS_MAIN(TestSpokenTexts)
#include "test_spoken_texts.moc"
