// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a player drives it: the menu's items by their names, the mouse and
// the keys. It runs on the "minimal" platform, whose drags are real: a drag runs its own loop
// until the pointer is released over a control, so a timer inside that loop lets it go.
#include "window/help_viewer.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDrag>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScopeGuard>
#include <QTest>
#include <QTextBrowser>

using game::Player;

class TestWindow : public QObject, WindowFixture
{
    Q_OBJECT
public:
    TestWindow() : WindowFixture(20261206) {}

private:
    const game::Hand& hand(Player player = Player::Human) const { return game().hand(player); }
    window::ImageControl* handCard(int slot) const { return image("Gamer%1", slot); }
    bool everyHandHasAGap() const
    {
        for (const Player player : {Player::Human, Player::John, Player::Harry})
            if (std::all_of(hand(player).begin(), hand(player).end(),
                            [](const game::Slot& card) { return card.has_value(); }))
                return false;
        return true;
    }

    // A drag from anything, carrying anything, let go over a cell. Returns whether it was taken.
    bool dragFrom(QObject* source, const QByteArray& payload, int n)
    {
        QTimer::singleShot(0, this, [this, n] {
            const auto* target = image("Image%1", n);
            const QPoint to = target->mapTo(&window, target->rect().center());
            QTest::mouseMove(window.windowHandle(), to);
            QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, to);
        });
        auto* drag = new QDrag(source);
        auto* data = new QMimeData;
        data->setData(window::ImageControl::DragFormat, payload);
        drag->setMimeData(data);
        return drag->exec(Qt::MoveAction) == Qt::MoveAction;
    }
    bool dragCard(int slot, int n) { return dragFrom(handCard(slot), QByteArray::number(slot), n); }

    // Plays the human's turns, the first card that fits or a pass, with the computers at full
    // speed, until `stop` holds on the human's turn; dealing new games as they end.
    template <typename Stop> bool playUntil(Stop stop)
    {
        constexpr int MostGames = 20;
        const auto restore =
            qScopeGuard([this, interval = timer->interval()] { timer->setInterval(interval); });
        timer->setInterval(0);
        for (int games = 0;
             games < MostGames && QTest::qWaitFor([this] { return !timer->isActive(); });) {
            if (game().isOver()) {
                action("ANew")->trigger();
                ++games;
            } else if (stop()) {
                return true;
            } else if (const auto drops = legalDrops(); !drops.empty()) {
                dragCard(drops.front().slot, drops.front().cell);
            } else {
                QTest::keyClick(&window, Qt::Key_Space);
            }
            if (!timer->isActive() && !game().isOver())
                return false; // the human's move was not taken
        }
        return false;
    }

    // Moves the pointer onto every card left in the hand, and says whether the hand pointer
    // showed on exactly those that have a place.
    bool pointerMarksCardsWithAPlace()
    {
        const std::vector<game::Move> drops = legalDrops();
        for (int k = 1; k <= game::HandSlots; ++k) {
            const bool hasPlace = std::any_of(
                drops.begin(), drops.end(), [k](const game::Move& drop) { return drop.slot == k; });
            const QPoint grab = handCard(k)->mapTo(&window, GrabPoint);
            QTest::mouseMove(window.windowHandle(), grab + QPoint(1, 0));
            QTest::mouseMove(window.windowHandle(), grab);
            if (!handCard(k)->isHidden() && handCard(k)->hasHandCursor() != hasPlace)
                return false;
        }
        return true;
    }

private Q_SLOTS:
    void init()
    {
        // Each test starts from a fresh deal, low level, sound on, the computers about to move.
        action("ALow")->setChecked(true);
        action("ASound")->setChecked(true);
        action("ANew")->trigger();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void cleanup() { window.hide(); }

    void theDealIsOnTheTable()
    {
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 450);
        for (int k = 1; k <= game::HandSlots; ++k)
            QCOMPARE(handCard(k)->picture(),
                     assets::loadPicture(assets::faceName(hand()[k].value()))
                         .convertToFormat(QImage::Format_RGB32));
        // The higher number lies on top where hand cards overlap.
        QCOMPARE(handCard(1)->parentWidget()->childAt(handCard(2)->pos() + QPoint(1, 50)),
                 handCard(2));
    }

    // Where the table, the hand, John's and Harry's columns stand in the client area, and
    // which of the columns and the hand show: squeezed below its minimum by the desktop, the
    // window hides the hand and the columns, each when it is too small its own way.
    void panelsFollowTheWindowSize_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("panels");
        QTest::newRow("designed") << QSize(792, 526) << "72,8 102,422 2,8 728,8 columns hand";
        QTest::newRow("wider") << QSize(1001, 526) << "177,8 206,422 2,8 937,8 columns hand";
        QTest::newRow("taller") << QSize(792, 700) << "72,8 102,596 2,94 728,94 columns hand";
        QTest::newRow("one pixel narrower") << QSize(791, 526) << "72,8 102,422 2,8 727,8 hand";
        QTest::newRow("one pixel shorter") << QSize(792, 525) << "72,8 102,421 2,7 728,7 columns";
    }
    void panelsFollowTheWindowSize()
    {
        QFETCH(QSize, client);
        const auto panel = [this](int n) {
            return window.findChild<QWidget*>(QStringLiteral("Panel%1").arg(n));
        };
        const QSize designed = window.size(), table = panel(1)->minimumSize();
        QCOMPARE(table, QSize(792, 526)); // the table never gets smaller
        panel(1)->setMinimumSize(0, 0);
        window.setMinimumSize(0, 0);
        window.resize(designed + client - table);
        QTRY_COMPARE(panel(1)->size(), client);
        QStringList panels;
        for (int n = 2; n <= 5; ++n)
            panels << QStringLiteral("%1,%2").arg(panel(n)->x()).arg(panel(n)->y());
        panels << (panel(4)->isVisible() && panel(5)->isVisible() ? "columns" : "")
               << (panel(3)->isVisible() ? "hand" : "");
        QTEST(panels.join(u' ').simplified(), "panels");
        window.resize(designed);
        panel(1)->setMinimumSize(table);
        window.setMinimumSize(designed);
    }

    // The hand pointer marks the cards that have a place. A card is taken only on its own
    // cell, only in the human's turn, and only from the hand card the drag names.
    void aCardIsTakenOnlyOnItsOwnCell()
    {
        // Two cards that fit in different cells, so that one still fits once the other is down.
        QVERIFY(playUntil([this] {
            const std::vector<game::Move> drops = legalDrops();
            return std::any_of(drops.begin(), drops.end(), [&](const game::Move& other) {
                return other.slot != drops.front().slot && other.cell != drops.front().cell;
            });
        }));
        QVERIFY(pointerMarksCardsWithAPlace());
        const game::Move drop = legalDrops().front();
        const game::Slot card = hand()[drop.slot];
        int wrong = 1;
        while (game().table()[wrong] || fits(card, wrong))
            ++wrong;
        // Not another cell, nor a stranger, a cell, another hand card, a payload naming no card,
        // or another program's drag, which has no source here.
        sound.plays = 0;
        const QByteArray named = QByteArray::number(drop.slot);
        QWidget stranger;
        const QList<std::tuple<QObject*, QByteArray, int>> refused = {
            {handCard(drop.slot), named, wrong},
            {&stranger, named, drop.cell},
            {image("Image%1", drop.cell), named, drop.cell},
            {handCard(drop.slot % game::HandSlots + 1), named, drop.cell},
            {handCard(drop.slot), "x", drop.cell}};
        for (const auto& [source, payload, n] : refused)
            QVERIFY(!dragFrom(source, payload, n));
        QMimeData foreign;
        foreign.setData(window::ImageControl::DragFormat, named);
        QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, &foreign, Qt::LeftButton, {});
        QDropEvent fromElsewhere(QPointF(10, 10), Qt::MoveAction, &foreign, Qt::LeftButton, {});
        for (QEvent* event : std::initializer_list<QEvent*>{&enter, &fromElsewhere})
            QCoreApplication::sendEvent(image("Image%1", drop.cell), event);
        QTest::keyClick(&window, Qt::Key_Space); // a card fits: no pass
        QVERIFY(enter.isAccepted() && !fromElsewhere.isAccepted() && sound.plays == 0);
        QVERIFY(!timer->isActive());

        QVERIFY(dragCard(drop.slot, drop.cell));
        QVERIFY(showsCard(drop.cell) && handCard(drop.slot)->isHidden() && sound.plays == 1);
        QVERIFY(game().table()[drop.cell] == card && timer->isActive());
        // While the computers move the hand pointer still marks the cards that have a place.
        QVERIFY(pointerMarksCardsWithAPlace());
        // No cell takes a card while the computers move, not even the card's own, and Space
        // leaves the tick under way its time.
        const game::Move next = legalDrops().front();
        QVERIFY(!dragCard(next.slot, next.cell));
        QVERIFY(!game().table()[next.cell] && !handCard(next.slot)->isHidden());
        QTest::qWait(100);
        const int remaining = timer->remainingTime();
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(timer->remainingTime() <= remaining);
    }

    // A new game keeps a running timer's time and shows every card again; a picked design
    // reaches both columns, hidden backs staying hidden; the help shows the rules. "Обнулить"
    // is test_startup's, which finds the cleared tally in the file.
    void theMenuReachesTheGame()
    {
        QTest::qWait(100);
        const int remaining = timer->remainingTime();
        action("ANew")->trigger();
        QVERIFY(timer->isActive() && timer->remainingTime() <= remaining);
        QVERIFY(playUntil([this] { return game().tally().gamesPlayed > 0 && everyHandHasAGap(); }));
        QTimer::singleShot(0, this, [] {
            QWidget* chooser = QApplication::activeModalWidget();
            QTest::mouseClick(chooser->findChild<QWidget*>(QStringLiteral("Image5")),
                              Qt::LeftButton);
            chooser->close();
        });
        action("ARub")->trigger();
        QVERIFY(backsShow(5));
        for (int k = 1; k <= game::HandSlots; ++k) {
            QCOMPARE(image("John%1", k)->isHidden(), !hand(Player::John)[k]);
            QCOMPARE(image("Harry%1", k)->isHidden(), !hand(Player::Harry)[k]);
        }
        action("AHelp")->trigger();
        auto* help = window.findChild<window::HelpViewer*>();
        QVERIFY(help->isVisible() && help->findChild<QTextBrowser*>()->toPlainText().contains(
                                         QStringLiteral("девятка бубен")));
        help->close();
        action("ANew")->trigger();
        for (const char* name : {"Gamer%1", "John%1", "Harry%1"})
            for (int k = 1; k <= game::HandSlots; ++k)
                QVERIFY(!image(name, k)->isHidden());
        QCOMPARE(cardsShown(), 0);
    }

    void theMenuIsTheGamesOwn()
    {
        QStringList items;
        const std::function<void(const QWidget*)> walk = [&](const QWidget* menu) {
            for (QAction* a : menu->actions()) {
                items << a->objectName() + u' ' + a->text();
                QVERIFY(a->shortcut().isEmpty());
                if (a->menu())
                    walk(a->menu());
            }
        };
        walk(window.menuBar());
        QCOMPARE(
            items.join(u'|'),
            QStringLiteral("AGame &Игра|ANew &Сначала|N1 |AResults &Статистика...|N2 |"
                           "ALevel &Уровень сложности|ALow &Низкий|AHigh &Высокий|N3 |"
                           "ASound &Звук|ARub &Рубашка...|N4 |AExit &Выход|"
                           "ASpravka &Справка|AHelp &Вызов справки|N5 |AAbout &О программе..."));

        // Exactly one level is checked, the one clicked last, even when it was checked already.
        QAction* low = action("ALow");
        QAction* high = action("AHigh");
        for (QAction* level : {high, high, low}) {
            level->trigger();
            QVERIFY(level->isChecked() && low->isChecked() != high->isChecked());
        }

        action("ASound")->trigger();
        sound.plays = 0;
        QVERIFY(playUntil([this] { return game().tally().gamesPlayed > 0; }));
        QCOMPARE(sound.plays, 0); // a whole game in silence
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
