#include "assets/pictures.h"
#include "game/legality.h"
#include "window/help_viewer.h"
#include "window_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

using game::Card;

namespace
{

constexpr QRgb White = 0xFFFFFFFF;

bool showsCard(const window::ImageControl* cell)
{
    return cell->Pixel(4, 1) == White;
}

} // namespace

class TestWindow : public QObject, WindowFixture
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        // Each test starts from a fresh deal with the computers about to move.
        frm.ALow->setChecked(true);
        frm.ASound->setChecked(true);
        frm.ANewClick();
        sound.plays = 0;
    }

    void startUpDealsAndStartsTheComputers()
    {
        window::TFrmA fresh(sound, Seed);
        QCOMPARE(fresh.windowTitle(), QStringLiteral("Тавлен++"));
        QVERIFY(fresh.Timer1.isActive());
        QCOMPARE(fresh.Timer1.interval(), 450);
        QCOMPARE(fresh.State().NextMover, 1);
        for (int n = 1; n <= game::TableCells; ++n)
            QVERIFY(!showsCard(fresh.Image(n)));
        for (int k = 1; k <= game::HandSlots; ++k) {
            QCOMPARE(fresh.Gamer(k)->Picture(),
                     fresh.State().GamerHand[k].Face->convertToFormat(QImage::Format_RGB32));
            QCOMPARE(fresh.John(k)->size(), QSize(62, 71));
            QCOMPARE(fresh.Harry(k)->Picture(), fresh.John(k)->Picture().mirrored(true, false));
        }
        // The higher number lies on top where hand cards overlap.
        const QWidget* hand = fresh.Gamer(1)->parentWidget();
        QCOMPARE(hand->childAt(QPoint(47 + 10, 50)), fresh.Gamer(2));
        QCOMPARE(hand->childAt(QPoint(10, 50)), fresh.Gamer(1));
    }

    void panelsFollowTheWindowSize()
    {
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        auto* table = frm.findChild<QWidget*>(QStringLiteral("Panel2"));
        auto* right = frm.findChild<QWidget*>(QStringLiteral("Panel5"));
        QCOMPARE(table->pos(), QPoint(72, 8));
        QCOMPARE(right->pos(), QPoint(728, 8));
        frm.resize(frm.width() + 100, frm.height() + 40);
        QTRY_COMPARE(table->pos(), QPoint(122, 8));
        QCOMPARE(right->pos(), QPoint(828, 28));
        QCOMPARE(frm.minimumSize(), frm.minimumSizeHint());
    }

    void dropsAreAcceptedOnlyOnTheCardsOwnCell()
    {
        humanHolds({DiamondNine, DiamondTen, SpadeNine});
        QVERIFY(DragOver(1, 13));
        QVERIFY(!DragOver(3, 4));  // the nines' column waits for the diamond nine
        QVERIFY(!DragOver(2, 14)); // the ten has nothing to lean on yet
        const auto drag = DragOf(QStringLiteral("Gamer1"));
        QVERIFY(!frm.Image1DragOver(frm.Image(13), nullptr, *drag));      // another program's drag
        QVERIFY(!frm.Image1DragOver(frm.Image(13), frm.Gamer(2), *drag)); // name and source differ
        QVERIFY(!frm.Image1DragOver(frm.Image(13), frm.Image(13), *DragOf("Image13")));
        frm.State().SetComputersMoving(true);
        QVERIFY(!DragOver(1, 13)); // the computers are moving
        frm.State().SetComputersMoving(false);

        Drop(1, 13);
        RunComputers(); // both computers have nothing and pass
        QVERIFY(DragOver(2, 14));
        QVERIFY(!DragOver(2, 23)); // its column, another suit's row
        QVERIFY(!DragOver(2, 15)); // its row, another rank's column
        QVERIFY(!DragOver(3, 13)); // taken
        QVERIFY(DragOver(3, 22) && DragOver(3, 4) && !DragOver(3, 31));
    }

    void aDropLaysTheCardAndHandsTheMoveOn()
    {
        humanHolds({DiamondNine, DiamondTen});
        Drop(1, 14); // refused: nothing changes
        QVERIFY(frm.Gamer(1)->isVisibleTo(&frm));
        QCOMPARE(sound.plays, 0);
        bool drawnBeforeSound = true;
        sound.onPlay = [&] { drawnBeforeSound = showsCard(frm.Image(13)); };
        Drop(1, 13);
        sound.onPlay = nullptr;
        QCOMPARE(sound.plays, 1);
        QVERIFY(!drawnBeforeSound); // the snap starts before the card shows
        QVERIFY(showsCard(frm.Image(13)));
        QVERIFY(!frm.Gamer(1)->isVisibleTo(&frm));
        QVERIFY(frm.State().TableList[13].is(game::Diamonds, game::Nine));
        QVERIFY(!frm.State().GamerHand[1].present());
        QVERIFY(frm.Timer1.isActive());
        QCOMPARE(frm.State().NextMover, 1);

        RunComputers();
        frm.ASound->trigger();
        QVERIFY(!frm.ASound->isChecked());
        Drop(2, 14);
        QVERIFY(showsCard(frm.Image(14)));
        QCOMPARE(sound.plays, 0); // silent now
    }

    void spaceOnlyPassesWhenNothingFits()
    {
        humanHolds({DiamondNine, DiamondTen});
        frm.FormKeyDown(Qt::Key_Space);
        QVERIFY(!frm.Timer1.isActive()); // the nine of diamonds fits
        frm.State().GamerHand[1].Face = nullptr;
        frm.FormKeyDown(Qt::Key_Return);
        QVERIFY(!frm.Timer1.isActive());
        QTest::keyClick(&frm, Qt::Key_Space); // through the window's own key handling
        QVERIFY(frm.Timer1.isActive());
        const int mover = frm.State().NextMover;
        frm.FormKeyDown(Qt::Key_Space); // refused while the computers move
        QCOMPARE(frm.State().NextMover, mover);
    }

    void theHandPointerMarksPlayableCards()
    {
        humanHolds({DiamondNine, DiamondTen});
        frm.Gamer1MouseMove(frm.Gamer(1));
        frm.Gamer1MouseMove(frm.Gamer(2));
        QVERIFY(frm.Gamer(1)->HasHandCursor());
        QVERIFY(!frm.Gamer(2)->HasHandCursor());
        Drop(1, 13);
        // The ten became playable, but only the next movement over it shows that.
        QVERIFY(!frm.Gamer(2)->HasHandCursor());
        frm.Gamer1MouseMove(frm.Gamer(2));
        QVERIFY(frm.Gamer(2)->HasHandCursor());
    }

    void aComputerHidesTheBackOfTheSlotItPlayed()
    {
        RunComputers();
        game::Game& g = frm.State();
        for (Card& c : g.TableList)
            c.Face = nullptr;
        const Card nine = {g.GamerHand[1].Face, game::Diamonds, game::Nine};
        g.JohnHand[7] = nine;
        g.NextMover = 1;
        frm.Timer1Timer();
        QCOMPARE(sound.plays, 1);
        QVERIFY(!frm.John(7)->isVisibleTo(&frm));
        QVERIFY(frm.John(6)->isVisibleTo(&frm));
        QVERIFY(frm.John(8)->isVisibleTo(&frm));
        QVERIFY(showsCard(frm.Image(13)));
        QCOMPARE(frm.Image(13)->Picture(), nine.Face->convertToFormat(QImage::Format_RGB32));
    }

    void aNewGameKeepsARunningTimerRunning()
    {
        QTest::qWait(100);
        const int remaining = frm.Timer1.remainingTime();
        frm.ANewClick();
        QVERIFY(frm.Timer1.isActive());
        QVERIFY(frm.Timer1.remainingTime() <= remaining); // not restarted
        QCOMPARE(frm.State().NextMover, 1);

        RunComputers(); // the human is to move: a new game starts the timer again
        QVERIFY(!frm.Timer1.isActive());
        frm.ANewClick();
        QVERIFY(frm.Timer1.isActive());
        for (int k = 1; k <= game::HandSlots; ++k)
            QVERIFY(frm.Gamer(k)->isVisibleTo(&frm) && frm.Harry(k)->isVisibleTo(&frm));
        for (int n = 1; n <= game::TableCells; ++n)
            QVERIFY(!showsCard(frm.Image(n)) && !frm.State().TableList[n].present());
    }

    // Whole games through the window's own handlers: after every move each cell's picture
    // tells exactly what the table list holds, and the game ends with every card down.
    void picturesAndTableAgreeThroughWholeGames()
    {
        for (QAction* level : {frm.ALow, frm.AHigh}) {
            level->trigger();
            for (int round = 0; round < 3; ++round) {
                frm.ANewClick();
                while (frm.Timer1.isActive() || !frm.State().Over()) {
                    if (frm.Timer1.isActive())
                        frm.Timer1Timer();
                    else
                        humanMoves();
                    for (int n = 1; n <= game::TableCells; ++n)
                        QCOMPARE(showsCard(frm.Image(n)),
                                 !game::CellIsEmpty(frm.State().TableList, n));
                }
                for (int n = 1; n <= game::TableCells; ++n)
                    QVERIFY(showsCard(frm.Image(n)));
            }
        }
    }

    void theMenuIsTheGamesOwn()
    {
        const QStringList expected = {
            "AGame &Игра",
            "ANew &Сначала",
            "N1 ",
            "AResults &Статистика...",
            "N2 ",
            "ALevel &Уровень сложности",
            "ALow &Низкий",
            "AHigh &Высокий",
            "N3 ",
            "ASound &Звук",
            "ARub &Рубашка...",
            "N4 ",
            "AExit &Выход",
            "ASpravka &Справка",
            "AHelp &Вызов справки",
            "N5 ",
            "AAbout &О программе...",
        };
        QStringList items;
        const std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& list) {
            for (QAction* a : list) {
                items << a->objectName() + u' ' + a->text();
                QVERIFY(a->shortcut().isEmpty());
                if (a->menu())
                    walk(a->menu()->actions());
            }
        };
        walk(frm.menuBar()->actions());
        QCOMPARE(items, expected);

        QVERIFY(frm.ALow->isChecked() && !frm.AHigh->isChecked() && frm.ASound->isChecked());
        frm.AHigh->trigger();
        QVERIFY(frm.AHigh->isChecked() && !frm.ALow->isChecked());
        QCOMPARE(frm.Level(), opponents::Level::High);
        frm.AHigh->trigger(); // clicking the checked level keeps it
        QVERIFY(frm.AHigh->isChecked() && !frm.ALow->isChecked());
        frm.ALow->trigger();
        QCOMPARE(frm.Level(), opponents::Level::Low);
        frm.ASound->trigger();
        QVERIFY(!frm.ASound->isChecked());
        frm.ASound->trigger();
    }

    void helpOpensOrSaysItIsMissing()
    {
        frm.AHelpClick();
        auto* viewer = frm.findChild<window::HelpViewer*>();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->findChild<QTextBrowser*>()->toPlainText().contains(
            QStringLiteral("девятка бубен")));
        viewer->ShowFile({});
        QVERIFY(viewer->findChild<QTextBrowser*>()->toPlainText().contains(
            QStringLiteral("не найден")));
    }

    void exitClosesTheWindow()
    {
        frm.show();
        frm.AExit->trigger();
        QVERIFY(!frm.isVisible());
    }

    void numbersComeFromTheEndOfTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("one digit") << "Gamer5" << 5;
        QTest::newRow("two digits") << "Image36" << 36;
        QTest::newRow("too short") << "Gamer" << 0;
        QTest::newRow("too long") << "Image123" << 0;
        QTest::newRow("no digits") << "Gamerx" << 0;
    }
    void numbersComeFromTheEndOfTheName()
    {
        QFETCH(QString, name);
        QTEST(window::NumberInName(name), "number");
    }

private:
    static constexpr Card DiamondNine = {nullptr, game::Diamonds, game::Nine};
    static constexpr Card DiamondTen = {nullptr, game::Diamonds, 10};
    static constexpr Card SpadeNine = {nullptr, game::Spades, game::Nine};

    // Brings the game to the human's turn with an empty table, the computers' hands empty
    // and the human holding just these cards, in slots from 1.
    void humanHolds(std::initializer_list<Card> cards)
    {
        RunComputers();
        game::Game& g = frm.State();
        const QImage* face = g.GamerHand[1].Face ? g.GamerHand[1].Face : g.JohnHand[1].Face;
        for (game::Hand* hand : {&g.GamerHand, &g.JohnHand, &g.HarryHand})
            for (Card& c : *hand)
                c.Face = nullptr;
        const QImage empty = assets::LoadPicture(QStringLiteral("None"));
        for (int n = 1; n <= game::TableCells; ++n) {
            g.TableList[n].Face = nullptr;
            frm.Image(n)->CopyPicture(empty);
        }
        int slot = 1;
        for (Card c : cards) {
            c.Face = face;
            g.GamerHand[slot++] = c;
        }
    }

    // The human lays the first card that fits, through the cell's drop handler, or passes.
    void humanMoves()
    {
        const game::Game& g = frm.State();
        for (int k = 1; k <= game::HandSlots; ++k)
            for (int n = 1; n <= game::TableCells; ++n)
                if (DragOver(k, n)) {
                    Drop(k, n);
                    return;
                }
        QVERIFY(!game::GamerHasLegalCard(g.GamerHand, g.TableList));
        frm.FormKeyDown(Qt::Key_Space);
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
