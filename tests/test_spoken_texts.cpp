// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says about the game, against phrases written out by hand.
#include "dialogs/spoken_texts.h"

#include <QTest>

namespace
{

constexpr int Diamonds = 0;
constexpr int Hearts = 1;
constexpr int Clubs = 2;
constexpr int Spades = 3;

} // namespace

class TestSpokenTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every rank and every suit, named on the table and laid by a computer.
    void cardsAreNamedAndLaid_data()
    {
        QTest::addColumn<int>("suit");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("laid");
        QTest::newRow("six") << Clubs << 6 << "шестёрка треф"
                             << "Сеня кладёт шестёрку треф";
        QTest::newRow("seven") << Spades << 7 << "семёрка пик"
                               << "Сеня кладёт семёрку пик";
        QTest::newRow("eight") << Spades << 8 << "восьмёрка пик"
                               << "Сеня кладёт восьмёрку пик";
        QTest::newRow("nine") << Diamonds << 9 << "девятка бубен"
                              << "Сеня кладёт девятку бубен";
        QTest::newRow("ten") << Hearts << 10 << "десятка червей"
                             << "Сеня кладёт десятку червей";
        QTest::newRow("jack") << Hearts << 11 << "валет червей"
                              << "Сеня кладёт валета червей";
        QTest::newRow("queen") << Clubs << 12 << "дама треф"
                               << "Сеня кладёт даму треф";
        QTest::newRow("king") << Diamonds << 13 << "король бубен"
                              << "Сеня кладёт короля бубен";
        QTest::newRow("ace") << Spades << 14 << "туз пик"
                             << "Сеня кладёт туза пик";
        QTest::newRow("suit past spades") << 4 << 9 << ""
                                          << "";
        QTest::newRow("suit below diamonds") << -1 << 9 << ""
                                             << "";
        QTest::newRow("rank below six") << Diamonds << 5 << ""
                                        << "";
        QTest::newRow("rank past the ace") << Diamonds << 15 << ""
                                           << "";
    }
    void cardsAreNamedAndLaid()
    {
        QFETCH(int, suit);
        QFETCH(int, rank);
        QFETCH(QString, name);
        QFETCH(QString, laid);
        QCOMPARE(spoken::cardName(suit, rank), name);
        QCOMPARE(spoken::computerLays(QStringLiteral("Сеня"), suit, rank), laid);
    }

    // The noun after a number (one, a few, many, and the teens that are always many), the
    // moves and the places as the table announces them.
    void phrases_data()
    {
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << spoken::cardCount(0) << "0 карт";
        QTest::newRow("1") << spoken::cardCount(1) << "1 карта";
        QTest::newRow("2") << spoken::cardCount(2) << "2 карты";
        QTest::newRow("4") << spoken::cardCount(4) << "4 карты";
        QTest::newRow("5") << spoken::cardCount(5) << "5 карт";
        QTest::newRow("11") << spoken::cardCount(11) << "11 карт";
        QTest::newRow("12") << spoken::cardCount(12) << "12 карт";
        QTest::newRow("14") << spoken::cardCount(14) << "14 карт";
        QTest::newRow("21") << spoken::cardCount(21) << "21 карта";
        QTest::newRow("22") << spoken::cardCount(22) << "22 карты";
        QTest::newRow("25") << spoken::cardCount(25) << "25 карт";
        QTest::newRow("111") << spoken::cardCount(111) << "111 карт";
        QTest::newRow("112 points") << spoken::pointCount(112) << "112 очков";
        QTest::newRow("101 points") << spoken::pointCount(101) << "101 очко";
        QTest::newRow("1 point") << spoken::pointCount(1) << "1 очко";
        QTest::newRow("3 points") << spoken::pointCount(3) << "3 очка";
        QTest::newRow("13 points") << spoken::pointCount(13) << "13 очков";
        QTest::newRow("thousands grouped") << spoken::pointCount(1234) << "1\u00a0234 очка";
        QTest::newRow("a column") << spoken::cardsHeld(QStringLiteral("Сеня"), 7) << "Сеня: 7 карт";
        QTest::newRow("a column of one")
            << spoken::cardsHeld(QStringLiteral("Лёлик"), 1) << "Лёлик: 1 карта";
        QTest::newRow("pass") << spoken::computerPasses(QStringLiteral("Лёлик")) << "Лёлик пасует";
        QTest::newRow("turn") << spoken::yourTurn() << "Ваш ход";
        QTest::newRow("empty place") << spoken::emptyPlace() << "пусто";
        QTest::newRow("you first") << spoken::youFinished(1) << "Вы финишировали первым";
        QTest::newRow("you second") << spoken::youFinished(2) << "Вы финишировали вторым";
        QTest::newRow("you last") << spoken::youFinished(3) << "Вы финишировали третьим";
        QTest::newRow("computer first")
            << spoken::computerFinished(QStringLiteral("Сеня"), 1) << "Сеня финишировал первым";
        QTest::newRow("computer second")
            << spoken::computerFinished(QStringLiteral("Лёлик"), 2) << "Лёлик финишировал вторым";
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
