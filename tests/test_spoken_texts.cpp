// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says about the game, against phrases written out by hand.
#include "dialogs/spoken_texts.h"

#include <QTest>

class TestSpokenTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every rank and every suit (0 diamonds, 1 hearts, 2 clubs, 3 spades), named on the table
    // and laid by a computer; nothing for a card that does not exist.
    void cardsAreNamedAndLaid_data()
    {
        QTest::addColumn<int>("suit");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("laid");
        QTest::newRow("six") << 2 << 6 << "шестёрка треф"
                             << "шестёрку треф";
        QTest::newRow("seven") << 3 << 7 << "семёрка пик"
                               << "семёрку пик";
        QTest::newRow("eight") << 3 << 8 << "восьмёрка пик"
                               << "восьмёрку пик";
        QTest::newRow("nine") << 0 << 9 << "девятка бубен"
                              << "девятку бубен";
        QTest::newRow("ten") << 1 << 10 << "десятка червей"
                             << "десятку червей";
        QTest::newRow("jack") << 1 << 11 << "валет червей"
                              << "валета червей";
        QTest::newRow("queen") << 2 << 12 << "дама треф"
                               << "даму треф";
        QTest::newRow("king") << 0 << 13 << "король бубен"
                              << "короля бубен";
        QTest::newRow("ace") << 3 << 14 << "туз пик"
                             << "туза пик";
        QTest::newRow("suit past spades") << 4 << 9 << ""
                                          << "";
        QTest::newRow("rank below six") << 0 << 5 << ""
                                        << "";
        QTest::newRow("rank past the ace") << 0 << 15 << ""
                                           << "";
    }
    void cardsAreNamedAndLaid()
    {
        QFETCH(int, suit);
        QFETCH(int, rank);
        QFETCH(QString, name);
        QFETCH(QString, laid);
        QCOMPARE(spoken::cardName(suit, rank), name);
        QCOMPARE(spoken::computerLays(QStringLiteral("Сеня"), suit, rank),
                 laid.isEmpty() ? laid : QStringLiteral("Сеня кладёт ") + laid);
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
