// The main window driven as a player drives it: the deal on screen, the drags and their
// refusals, Space, the hand pointer, the menu and the layout.
#include "assets/pictures.h"
#include "window/help_viewer.h"
#include "window_fixture.h"

#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTextBrowser>

using game::Player;

namespace
{

constexpr QPoint Probe(4, 1); // white on a card, green on an empty place
constexpr QRgb White = 0xFFFFFFFF;

bool showsCard(const window::ImageControl* place)
{
    return place->pixel(Probe) == White;
}

} // namespace

class TestWindow : public QObject, WindowFixture
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        // Each test starts from a fresh deal, low level, sound on, the computers about to move.
        action("ALow")->setChecked(true);
        action("ASound")->setChecked(true);
        action("ANew")->trigger();
        sound.plays = 0;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    void cleanup() { window.hide(); }

    void theDealIsOnTheTable()
    {
        QCOMPARE(window.windowTitle(), QStringLiteral("Тавлен++"));
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->objectName(), QStringLiteral("Timer1"));
        QCOMPARE(timer()->interval(), 450);
        QCOMPARE(game().nextComputer(), Player::John);
        for (int n = 1; n <= game::TableCells; ++n)
            QVERIFY(!showsCard(cell(n)));
        const game::Hand& hand = game().hand(Player::Human);
        for (int k = 1; k <= game::HandSlots; ++k) {
            QCOMPARE(handCard(k)->picture(), hand[k].face->convertToFormat(QImage::Format_RGB32));
            const auto* john = control(QStringLiteral("John%1").arg(k));
            const auto* harry = control(QStringLiteral("Harry%1").arg(k));
            QCOMPARE(john->size(), QSize(62, 71));
            QCOMPARE(john->pixel({31, 35}), control(QStringLiteral("John1"))->pixel({31, 35}));
            QVERIFY(john->picture() != handCard(k)->picture().copy(0, 0, 62, 71));
            QCOMPARE(harry->picture(), john->picture().mirrored(true, false));
        }
        // The higher number lies on top where hand cards overlap.
        const QWidget* row = handCard(1)->parentWidget();
        QCOMPARE(row->childAt(QPoint(47 + 10, 50)), handCard(2));
        QCOMPARE(row->childAt(QPoint(10, 50)), handCard(1));
    }

    void panelsFollowTheWindowSize()
    {
        const auto panel = [this](const QString& name) { return window.findChild<QWidget*>(name); };
        const QSize designed = window.size();
        QCOMPARE(panel(QStringLiteral("Panel2"))->pos(), QPoint(72, 8));
        QCOMPARE(panel(QStringLiteral("Panel3"))->pos(), QPoint(102, 422));
        QCOMPARE(panel(QStringLiteral("Panel4"))->pos(), QPoint(2, 8));
        QCOMPARE(panel(QStringLiteral("Panel5"))->pos(), QPoint(728, 8));
        window.resize(designed + QSize(100, 40));
        QTRY_COMPARE(panel(QStringLiteral("Panel2"))->pos(), QPoint(122, 8));
        QCOMPARE(panel(QStringLiteral("Panel3"))->pos(), QPoint(152, 462));
        QCOMPARE(panel(QStringLiteral("Panel4"))->pos(), QPoint(2, 28));
        QCOMPARE(panel(QStringLiteral("Panel5"))->pos(), QPoint(828, 28));
        QCOMPARE(window.minimumSize(), designed);

        // A desktop that squeezes the window below its minimum hides the columns when it is
        // too narrow and the hand when it is too low.
        window.findChild<QFrame*>(QStringLiteral("Panel1"))->setMinimumSize(0, 0);
        window.setMinimumSize(0, 0);
        window.resize(designed - QSize(1, 0));
        QTRY_VERIFY(panel(QStringLiteral("Panel4"))->isHidden());
        QVERIFY(panel(QStringLiteral("Panel5"))->isHidden() &&
                panel(QStringLiteral("Panel3"))->isVisible());
        window.resize(designed - QSize(0, 1));
        QTRY_VERIFY(panel(QStringLiteral("Panel3"))->isHidden());
        QVERIFY(panel(QStringLiteral("Panel4"))->isVisible() &&
                panel(QStringLiteral("Panel5"))->isVisible());
        window.resize(designed);
        QTRY_VERIFY(panel(QStringLiteral("Panel3"))->isVisible());
        window.setMinimumSize(designed);
    }

    // A card is taken only on its own cell, only in the human's turn, and only when it comes
    // from the hand card the drag names.
    void aCardIsTakenOnlyOnItsOwnCell()
    {
        // A turn with two cards that fit, in different cells.
        QVERIFY(playUntil([this] {
            const std::vector<game::Move> drops = legalDrops();
            return std::any_of(drops.begin(), drops.end(), [&](const game::Move& other) {
                return other.slot != drops.front().slot && other.cell != drops.front().cell;
            });
        }));
        const game::Move drop = *firstLegalDrop();
        const game::Card card = game().hand(Player::Human)[drop.slot];
        const auto refused = [&](int n) {
            dragCard(drop.slot, n);
            return !game().table()[n].present() && game().hand(Player::Human)[drop.slot].present();
        };
        // Every empty cell of its column and of its row but its own turns it away.
        for (int n = 1; n <= game::TableCells; ++n) {
            const bool line = game::rowOf(n) == game::rowOf(drop.cell) ||
                              game::columnOf(n) == game::columnOf(drop.cell);
            if (line && game::cellIsEmpty(game().table(), n) &&
                !game::canLayAt(game().table(), card, n))
                QVERIFY2(refused(n), qPrintable(QStringLiteral("cell %1").arg(n)));
        }

        // Drags that are not the hand card they name, whatever they carry.
        const QByteArray slot = QByteArray::number(drop.slot);
        QWidget stranger;
        QVERIFY(!dragFrom(&stranger, slot, drop.cell));
        QVERIFY(!dragFrom(cell(drop.cell), slot, drop.cell));
        const int otherSlot = drop.slot % game::HandSlots + 1;
        QVERIFY(!dragFrom(handCard(otherSlot), slot, drop.cell));
        QVERIFY(!dragFrom(handCard(drop.slot), "x", drop.cell));
        QMimeData foreign; // another program's drag has no source here at all
        foreign.setData(window::ImageControl::DragFormat, slot);
        QDropEvent fromElsewhere(QPointF(10, 10), Qt::MoveAction, &foreign, Qt::LeftButton, {});
        QCoreApplication::sendEvent(cell(drop.cell), &fromElsewhere);
        QVERIFY(!fromElsewhere.isAccepted());
        QCOMPARE(sound.plays, 0);
        QVERIFY(!game().table()[drop.cell].present());

        // The sound starts before the card shows; the card leaves a gap in the hand.
        bool drawnBeforeSound = true;
        sound.onPlay = [&] { drawnBeforeSound = showsCard(cell(drop.cell)); };
        QVERIFY(dragCard(drop.slot, drop.cell));
        sound.onPlay = nullptr;
        QCOMPARE(sound.plays, 1);
        QVERIFY(!drawnBeforeSound);
        QVERIFY(showsCard(cell(drop.cell)));
        QVERIFY(handCard(drop.slot)->isHidden());
        QVERIFY(game().table()[drop.cell].is(card.suit, card.rank));
        QVERIFY(timer()->isActive());
        QCOMPARE(game().nextComputer(), Player::John);

        // No cell takes a card while the computers move, not even the card's own.
        const auto next = firstLegalDrop();
        QVERIFY(next);
        QVERIFY(dragCard(next->slot, next->cell));
        QVERIFY(!game().table()[next->cell].present());
        QVERIFY(!handCard(next->slot)->isHidden());
    }

    void spaceOnlyPassesWhenNothingFits()
    {
        QVERIFY(playUntil([this] { return firstLegalDrop().has_value(); }));
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(!timer()->isActive()); // a card fits
        QVERIFY(playUntil([this] { return !firstLegalDrop(); }));
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(!timer()->isActive());
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(timer()->isActive());
        // Refused while the computers move: the tick under way keeps its time.
        QTest::qWait(100);
        const int remaining = timer()->remainingTime();
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(timer()->remainingTime() <= remaining);
    }

    void theHandPointerMarksPlayableCards()
    {
        const game::Hand& hand = game().hand(Player::Human);
        const auto playable = [&](int slot) {
            return game::isPlayable(game().table(), hand[slot]);
        };
        QVERIFY(playUntil([&] {
            for (int k = 1; k <= game::HandSlots; ++k)
                if (hand[k].present() && !playable(k))
                    return firstLegalDrop().has_value();
            return false;
        }));
        for (int k = 1; k <= game::HandSlots; ++k) {
            if (!hand[k].present())
                continue;
            hover(k);
            QCOMPARE(handCard(k)->hasHandCursor(), playable(k));
        }
        // A card without a place cannot be dragged at all.
        int stuck = 1;
        while (!hand[stuck].present() || playable(stuck))
            ++stuck;
        QVERIFY(!dragCard(stuck, game::DiamondNineCell));
    }

    void aNewGameKeepsARunningTimerRunning()
    {
        QTest::qWait(100);
        const int remaining = timer()->remainingTime();
        action("ANew")->trigger();
        QVERIFY(timer()->isActive());
        QVERIFY(timer()->remainingTime() <= remaining); // not restarted
        QCOMPARE(game().nextComputer(), Player::John);

        QVERIFY(playUntil([this] {
                    return !game::hasCards(game().hand(Player::John)) ||
                           game().table()[20].present();
                }) ||
                game().isOver());
        action("ANew")->trigger();
        QVERIFY(timer()->isActive());
        for (const char* name : {"Gamer%1", "John%1", "Harry%1"})
            for (int k = 1; k <= game::HandSlots; ++k)
                QVERIFY(!control(QString::fromLatin1(name).arg(k))->isHidden());
        for (int n = 1; n <= game::TableCells; ++n)
            QVERIFY(!showsCard(cell(n)) && !game().table()[n].present());
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
        walk(window.menuBar()->actions());
        QCOMPARE(items, expected);

        QAction* low = action("ALow");
        QAction* high = action("AHigh");
        QVERIFY(low->isChecked() && !high->isChecked() && action("ASound")->isChecked());
        high->trigger();
        QVERIFY(high->isChecked() && !low->isChecked());
        high->trigger(); // clicking the checked level keeps it
        QVERIFY(high->isChecked() && !low->isChecked());
        low->trigger();
        QVERIFY(low->isChecked() && !high->isChecked());
        action("ASound")->trigger();
        QVERIFY(!action("ASound")->isChecked());
        QVERIFY(runComputers());
        QCOMPARE(sound.plays, 0); // silent now
    }

    // A picked design reaches both columns at once, hidden backs staying hidden; "Обнулить"
    // clears the game's own tally.
    void dialogsReachTheGame()
    {
        QVERIFY(playUntil([this] {
            return !game::hasCards(game().hand(Player::John)) || game().tally().gamesPlayed > 0;
        }));
        const auto pickDesign = [this] {
            QWidget* chooser = QApplication::activeModalWidget();
            QTest::mouseClick(chooser->findChild<QWidget*>(QStringLiteral("Image5")),
                              Qt::LeftButton);
        };
        QTimer::singleShot(0, this, pickDesign);
        action("ARub")->trigger();
        const QImage left = assets::loadPicture(QStringLiteral("RubL5"));
        for (const auto& [player, name] :
             {std::pair{Player::John, "John%1"}, {Player::Harry, "Harry%1"}})
            for (int k = 1; k <= game::HandSlots; ++k) {
                const auto* back = control(QString::fromLatin1(name).arg(k));
                QCOMPARE(back->picture(),
                         (player == Player::John ? left : left.mirrored(true, false))
                             .convertToFormat(QImage::Format_RGB32));
                QCOMPARE(back->isHidden(), !game().hand(player)[k].present());
            }

        QTimer::singleShot(0, this, [] {
            QWidget* statistics = QApplication::activeModalWidget();
            QTest::mouseClick(statistics->findChild<QPushButton*>(QStringLiteral("Button1")),
                              Qt::LeftButton);
            statistics->close();
        });
        action("AResults")->trigger();
        QVERIFY(game().tally() == game::Tally{});
    }

    void helpOpensOrSaysItIsMissing()
    {
        action("AHelp")->trigger();
        auto* viewer = window.findChild<window::HelpViewer*>();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->findChild<QTextBrowser*>()->toPlainText().contains(
            QStringLiteral("девятка бубен")));
        viewer->showFile({});
        QVERIFY(viewer->findChild<QTextBrowser*>()->toPlainText().contains(
            QStringLiteral("не найден")));
        viewer->close();
    }

    void exitClosesTheWindow()
    {
        action("AExit")->trigger();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
