#include "core_fixtures.h"
#include "game/legality.h"
#include "opponents/choice.h"

#include <QTest>

using namespace game;
using namespace fixtures;
using opponents::Level;

namespace
{

// A choice as "slot:cell", or "pass".
QString Describe(const std::optional<opponents::Move>& move)
{
    return move ? QStringLiteral("%1:%2").arg(move->slot).arg(move->cell) : QStringLiteral("pass");
}

} // namespace

class TestChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choose_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        const auto row = [](const char* name, const char* table, const char* hand, const char* low,
                            const char* high) {
            QTest::newRow(name) << QString::fromLatin1(table) << QString::fromLatin1(hand)
                                << QString::fromLatin1(low) << QString::fromLatin1(high);
        };
        const char* spadeRow = "9b@13 9p@22";
        row("nothing down, no nine of diamonds", "", "8b Ac 9c", "pass", "pass");
        row("nine of diamonds opens", "", "Ac 6b 9b", "3:13", "3:13");
        row("played nine of diamonds", "", "~9b", "pass", "pass");
        row("eight held back for a ten it can follow", spadeRow, "8p 10b Jb", "1:21", "2:14");
        row("nine of a held ace", "9b@13", "10c Ak 9k 8b", "4:12", "3:4");
        row("nine of a held ace when 4 is taken", "9b@13 9c@4", "8b Ak 9k", "1:12", "3:22");
        row("first nine goes below 13", "9b@13", "9c", "1:22", "1:22");
        row("second nine goes below 22", "9b@13 9c@22", "9k", "1:31", "1:31");
        row("third nine goes above 13", "9b@13 9c@22 9k@31", "9p", "1:4", "1:4");
        row("lower slot wins within a rule", "9b@13 9c@22", "8c 8b", "1:21", "1:21");
        row("earlier rule wins over a lower slot", "9b@13", "10b . . . . . . . 8b", "9:12", "9:12");
        row("six ends its row", "9b@13 8b@12 7b@11 9p@22", "8p 6b", "1:21", "2:10");
        row("ace ends its row", "9b@13 10b@14 Jb@15 Qb@16 Kb@17 9p@22", "8p Ab", "1:21", "2:18");
        row("following down before following up", spadeRow, "10p Jp 8b 7b", "3:12", "3:12");
        row("seven without its six still goes", "9b@13 8b@12", "7b", "1:11", "1:11");
        row("played slot is skipped", "9b@13", "~8b 10b", "2:14", "2:14");
    }
    void choose()
    {
        QFETCH(QString, table);
        QFETCH(QString, hand);
        QFETCH(QString, low);
        QFETCH(QString, high);
        const Table down = ParseTable(table);
        const Hand held = ParseHand(hand);
        for (const auto& [level, expected] : {std::pair{Level::Low, low}, {Level::High, high}}) {
            const std::optional<opponents::Move> move = ChooseComputerCard(held, down, level);
            QCOMPARE(Describe(move), expected);
            if (move)
                QVERIFY(CanLayAt(down, held[move->slot], move->cell));
        }
    }
};

QTEST_GUILESS_MAIN(TestChoice)
#include "test_choice.moc"
