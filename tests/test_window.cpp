// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a player drives it: the menu's items, the mouse and the keys, at
// the places the table view says its cards stand. It runs on the "minimal" platform, whose
// drags are real: a drag runs its own loop until the pointer is released, so a timer inside
// that loop lets it go.
#include "dialogs/back_chooser.h"
#include "window/help_viewer.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDrag>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
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
    bool everyHandHasAGap() const
    {
        for (const Player player : {Player::Human, Player::John, Player::Harry})
            if (std::all_of(hand(player).begin(), hand(player).end(),
                            [](const game::Slot& card) { return card.has_value(); }))
                return false;
        return true;
    }
    QPoint onWindow(QPoint inView) const { return view().mapTo(&window, inView); }
    QPoint cellCentre(int n) const { return onWindow(view().cellRect(n).center()); }
    // The drag's loop runs until the pointer is let go: the timer moves it onto the cell and
    // lets go there.
    void letGoOver(int n)
    {
        QTimer::singleShot(0, this, [this, to = cellCentre(n)] {
            QTest::mouseMove(window.windowHandle(), to);
            QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, to);
        });
    }

    // A drag the view did not start, from anything, carrying anything, let go over a cell.
    // Returns whether it was taken.
    bool dragFrom(QObject* source, const QByteArray& payload, int n)
    {
        letGoOver(n);
        auto* drag = new QDrag(source);
        auto* data = new QMimeData;
        data->setData(DragFormat, payload);
        drag->setMimeData(data);
        return drag->exec(Qt::MoveAction) == Qt::MoveAction;
    }
    // The player's drag: onto the card, press, across to the cell with the button held, and
    // let go. Returns whether the card left the hand for that cell.
    bool dragCard(int slot, int n)
    {
        const QPoint from = onWindow(view().grabPoint(slot));
        QTest::mouseMove(window.windowHandle(), from + QPoint(1, 0));
        QTest::mouseMove(window.windowHandle(), from);
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, from);
        letGoOver(n);
        QTest::mouseMove(window.windowHandle(), cellCentre(n)); // the drag, when one starts
        QCoreApplication::processEvents(); // a press that started none is let go here
        return !view().handCardShows(slot) && showsCard(n);
    }

    // Space, as the player presses it in the window: the drags of the "minimal" platform leave
    // no window active.
    void pressSpace()
    {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Space);
    }

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
                menu().newGame->trigger();
                ++games;
            } else if (stop()) {
                return true;
            } else if (const auto drops = legalDrops(); !drops.empty()) {
                if (!dragCard(drops.front().slot, drops.front().cell))
                    return false;
            } else {
                pressSpace();
                if (!timer->isActive() && !game().isOver())
                    return false; // the pass was not taken
            }
        }
        return false;
    }

    // Moves the pointer onto every card left in the hand, and says whether the hand pointer
    // marked exactly those that have a place.
    bool pointerMarksCardsWithAPlace()
    {
        const std::vector<game::Move> drops = legalDrops();
        for (int k = 1; k <= game::HandSlots; ++k) {
            const bool hasPlace = std::any_of(
                drops.begin(), drops.end(), [k](const game::Move& drop) { return drop.slot == k; });
            const QPoint grab = onWindow(view().grabPoint(k));
            QTest::mouseMove(window.windowHandle(), grab + QPoint(1, 0));
            QTest::mouseMove(window.windowHandle(), grab);
            if (view().handCardShows(k) && view().marksPlayable(k) != hasPlace)
                return false;
        }
        return true;
    }

    // The type of a dragged hand card's payload, which only this game uses.
    static inline const QString DragFormat = QStringLiteral("application/x-tavlen-hand-card");

private Q_SLOTS:
    void init()
    {
        // Each test starts from a fresh deal, low level, sound on, the computers about to move.
        menu().lowLevel->setChecked(true);
        menu().sound->setChecked(true);
        menu().newGame->trigger();
        window.show();
        window.activateWindow(); // keys go to the active window
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    void cleanup() { window.hide(); }

    // The hand shows the dealt cards' faces, the higher number on top where they overlap.
    void theDealIsOnTheTable()
    {
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 450);
        const QImage table = drawnTable();
        // The felt's bevel is the one Qt draws for a panel sunk two pixels deep.
        QFrame sunken;
        sunken.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        sunken.setLineWidth(2);
        sunken.resize(table.size());
        const QImage bevel = sunken.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRegion rim = QRegion(table.rect()).subtracted(table.rect().adjusted(2, 2, -2, -2));
        for (const QRect& strip : rim)
            QCOMPARE(table.copy(strip), bevel.copy(strip));
        for (int k = 1; k <= game::HandSlots; ++k) {
            QRect uncovered = view().handCardRect(k);
            if (k < game::HandSlots)
                uncovered.setWidth(UncoveredHandCard);
            QVERIFY(view().handCardShows(k));
            QVERIFY2(
                drawnAt(table, uncovered, assets::loadPicture(assets::faceName(hand()[k].value()))),
                qPrintable(QString::number(k)));
        }
    }

    // Where the table, the hand, John's and Harry's columns stand in the client area, and
    // which of the columns and the hand show: squeezed below its minimum by the desktop, the
    // window hides the hand and the columns, each when it is too small its own way.
    void cardsFollowTheWindowSize_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("places");
        QTest::newRow("designed") << QSize(792, 526) << "72,8 102,422 2,8 728,8 columns hand";
        QTest::newRow("wider") << QSize(1001, 526) << "177,8 206,422 2,8 937,8 columns hand";
        QTest::newRow("taller") << QSize(792, 700) << "72,8 102,596 2,94 728,94 columns hand";
        QTest::newRow("one pixel narrower") << QSize(791, 526) << "72,8 102,422 2,8 727,8 hand";
        QTest::newRow("one pixel shorter") << QSize(792, 525) << "72,8 102,421 2,7 728,7 columns";
    }
    void cardsFollowTheWindowSize()
    {
        QFETCH(QSize, client);
        const QSize designed = window.size(), table = view().minimumSize();
        QCOMPARE(table, QSize(792, 526)); // the table never gets smaller
        view().setMinimumSize(0, 0);
        window.setMinimumSize(0, 0);
        window.resize(designed + client - table);
        QTRY_COMPARE(view().size(), client);
        const auto corner = [](QRect card) {
            return QStringLiteral("%1,%2").arg(card.x()).arg(card.y());
        };
        const QStringList places = {corner(view().cellRect(1)),
                                    corner(view().handCardRect(1)),
                                    corner(view().backRect(Player::John, 1)),
                                    corner(view().backRect(Player::Harry, 1)),
                                    view().columnsShow() ? "columns" : "",
                                    view().handShows() ? "hand" : ""};
        QTEST(places.join(u' ').simplified(), "places");
        window.resize(designed);
        view().setMinimumSize(table);
        window.setMinimumSize(designed);
    }

    // The hand pointer marks the cards that have a place. A card is taken only on its own
    // cell, only in the human's turn, and only from the drag this view started with it.
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
        // Not another cell, nor a stranger's drag, nor one the view did not start, whatever it
        // names.
        sound.plays = 0;
        QVERIFY(!dragCard(drop.slot, wrong));
        const QByteArray named = QByteArray::number(drop.slot);
        QWidget stranger;
        QVERIFY(!dragFrom(&stranger, named, drop.cell));
        QVERIFY(!dragFrom(&view(), named, drop.cell));
        pressSpace(); // a card fits: no pass
        QVERIFY(sound.plays == 0);
        QVERIFY(!timer->isActive() && hand()[drop.slot] == card);

        QVERIFY(dragCard(drop.slot, drop.cell));
        QVERIFY(sound.plays == 1 && view().cardShownAt(drop.cell) == card &&
                !view().marksPlayable(drop.slot));
        QVERIFY(game().table()[drop.cell] == card && timer->isActive());
        // While the computers move the hand pointer still marks the cards that have a place.
        QVERIFY(pointerMarksCardsWithAPlace());
        // No cell takes a card while the computers move, not even the card's own, and Space
        // leaves the tick under way its time.
        const game::Move next = legalDrops().front();
        QVERIFY(!dragCard(next.slot, next.cell));
        QVERIFY(!game().table()[next.cell] && view().handCardShows(next.slot));
        QTest::qWait(100);
        const int remaining = timer->remainingTime();
        pressSpace();
        QVERIFY(timer->remainingTime() <= remaining);
    }

    // The keys' ring shows only once a key has moved it, changes nothing but the ringed card's
    // pixels, and goes when the pointer takes a card, leaving the table as the mouse saw it.
    void theRingIsTheKeysOnly()
    {
        QVERIFY(playUntil([this] { return !legalDrops().empty(); }));
        const game::Move drop = legalDrops().front();
        int wrong = 1;
        while (game().table()[wrong] || fits(hand()[drop.slot], wrong))
            ++wrong;
        const QImage untouched = drawnTable();
        int first = 1;
        while (!hand()[first])
            ++first;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(view().ringedSlot(), first);
        QImage ringed = drawnTable();
        const QRect card = view().handCardRect(first);
        QVERIFY(ringed.copy(card) != untouched.copy(card));
        QPainter blank(&ringed);
        blank.drawImage(card.topLeft(), untouched.copy(card));
        blank.end();
        QCOMPARE(ringed, untouched);
        QVERIFY(!dragCard(drop.slot, wrong));
        QCOMPARE(view().ringedSlot(), 0);
        QCOMPARE(drawnTable(), untouched);
    }

    // A new game keeps a running timer's time and shows every card again; a picked design
    // reaches both columns, hidden backs staying hidden; the help shows the rules. "Обнулить"
    // is test_startup's, which finds the cleared tally in the file.
    void theMenuReachesTheGame()
    {
        QTest::qWait(100);
        const int remaining = timer->remainingTime();
        menu().newGame->trigger();
        QVERIFY(timer->isActive() && timer->remainingTime() <= remaining);
        QVERIFY(playUntil([this] { return game().tally().gamesPlayed > 0 && everyHandHasAGap(); }));
        QTimer::singleShot(0, this, [] {
            auto* chooser = qobject_cast<dialogs::BackChooser*>(QApplication::activeModalWidget());
            Q_EMIT chooser->designPicked(5);
            chooser->close();
        });
        menu().backs->trigger();
        QVERIFY(backsShow(5));
        for (int k = 1; k <= game::HandSlots; ++k) {
            QCOMPARE(view().backShows(Player::John, k), hand(Player::John)[k].has_value());
            QCOMPARE(view().backShows(Player::Harry, k), hand(Player::Harry)[k].has_value());
        }
        menu().help->trigger();
        auto* help = window.findChild<window::HelpViewer*>();
        QVERIFY(help->isVisible() && help->findChild<QTextBrowser*>()->toPlainText().contains(
                                         QStringLiteral("девятка бубен")));
        help->close();
        menu().newGame->trigger();
        for (int k = 1; k <= game::HandSlots; ++k)
            QVERIFY(view().handCardShows(k) && view().backShows(Player::John, k) &&
                    view().backShows(Player::Harry, k));
        QCOMPARE(cardsShown(), 0);
    }

    void theMenuIsTheGamesOwn()
    {
        QStringList items;
        const std::function<void(const QWidget*)> walk = [&](const QWidget* menu) {
            for (QAction* a : menu->actions()) {
                items << (a->isSeparator() ? QStringLiteral("-") : a->text());
                QVERIFY(a->shortcut().isEmpty());
                if (a->menu())
                    walk(a->menu());
            }
        };
        walk(window.menuBar());
        QCOMPARE(items.join(u'|'),
                 QStringLiteral("&Игра|&Сначала|-|&Статистика...|-|&Уровень сложности|&Низкий|"
                                "&Высокий|-|&Звук|&Рубашка...|-|&Выход|&Справка|&Вызов справки|-|"
                                "&О программе..."));

        // Exactly one level is checked, the one clicked last, even when it was checked already.
        QAction* low = menu().lowLevel;
        QAction* high = menu().highLevel;
        for (QAction* level : {high, high, low}) {
            level->trigger();
            QVERIFY(level->isChecked() && low->isChecked() != high->isChecked());
        }

        menu().sound->trigger();
        sound.plays = 0;
        QVERIFY(playUntil([this] { return game().tally().gamesPlayed > 0; }));
        QCOMPARE(sound.plays, 0); // a whole game in silence
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
