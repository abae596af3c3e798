#pragma once

#include "counting_sound.h"
#include "fake_desktop.h"
#include "game/legality.h"
#include "store/settings_file.h"
#include "window/image_control.h"
#include "window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

// A main window with a silent sound that counts its plays, driven as a player drives it: the
// menu's actions found by their names and triggered, the mouse and the keys. It runs on the
// "minimal" platform, whose drags are real: a drag runs its own loop until the pointer is
// released over a control.
struct WindowFixture {
    static constexpr std::uint32_t Seed = 20261206;

    QTemporaryDir home;
    FakeDesktop desktop;
    CountingSound sound;
    store::SettingsFile settingsFile{home.path(), home.path()};
    window::MainWindow window{desktop, sound, settingsFile, Seed};

    const game::Game& game() const { return window.game(); }
    // The computers' timer, the one timer of the window itself.
    QTimer* timer() const
    {
        return window.findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    }
    QAction* action(const char* name) const
    {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    window::ImageControl* control(const QString& name) const
    {
        return window.findChild<window::ImageControl*>(name);
    }
    window::ImageControl* cell(int n) const { return control(QStringLiteral("Image%1").arg(n)); }
    window::ImageControl* handCard(int slot) const
    {
        return control(QStringLiteral("Gamer%1").arg(slot));
    }

    bool humanToMove() const { return !timer()->isActive() && !game().isOver(); }

    // Lets the computers move at full speed until the human is to move or the game is over.
    bool runComputers()
    {
        const int interval = timer()->interval();
        timer()->setInterval(0);
        const bool done = QTest::qWaitFor([this] { return !timer()->isActive(); });
        timer()->setInterval(interval);
        return done;
    }

    // Every card of the human's hand that has a cell, with that cell, in slot order.
    std::vector<game::Move> legalDrops() const
    {
        std::vector<game::Move> drops;
        const game::Hand& hand = game().hand(game::Player::Human);
        for (int slot = 1; slot <= game::HandSlots; ++slot)
            for (int n = 1; n <= game::TableCells; ++n)
                if (game::canLayAt(game().table(), hand[slot], n))
                    drops.push_back({slot, n});
        return drops;
    }
    std::optional<game::Move> firstLegalDrop() const
    {
        const std::vector<game::Move> drops = legalDrops();
        return drops.empty() ? std::nullopt : std::optional(drops.front());
    }

    QWindow* screenWindow() const { return window.windowHandle(); }
    QPoint at(const QWidget* widget, QPoint point) const { return widget->mapTo(&window, point); }

    // The pointer comes to rest on a hand card near its left edge, the one strip of it that
    // the next card never covers.
    void hover(int slot)
    {
        const QPoint grab = at(handCard(slot), GrabPoint);
        QTest::mouseMove(screenWindow(), grab + QPoint(1, 0));
        QTest::mouseMove(screenWindow(), grab);
    }

    // Grabs a hand card with the mouse and lets it go over a cell. Returns whether a drag
    // began at all.
    bool dragCard(int slot, int n)
    {
        hover(slot);
        const QPoint from = at(handCard(slot), GrabPoint);
        const QPoint to = at(cell(n), cell(n)->rect().center());
        bool dragged = false;
        QTimer releaser;
        releaser.setInterval(0);
        QObject::connect(&releaser, &QTimer::timeout, [&] {
            if (!handCard(slot)->findChild<QDrag*>())
                return;
            releaser.stop();
            dragged = true;
            QTest::mouseMove(screenWindow(), to);
            QTest::mouseMove(screenWindow(), to + QPoint(1, 1));
            QTest::mouseRelease(screenWindow(), Qt::LeftButton, {}, to + QPoint(1, 1));
        });
        QTest::mousePress(screenWindow(), Qt::LeftButton, {}, from);
        releaser.start();
        // Past the drag distance with the button held: the drag starts and runs its own loop.
        QTest::mouseMove(screenWindow(), from + QPoint(QApplication::startDragDistance() + 1, 0));
        releaser.stop();
        if (!dragged)
            QTest::mouseRelease(screenWindow(), Qt::LeftButton, {}, from);
        return dragged;
    }

    // A drag from anything, carrying anything, let go over a cell. Returns whether the cell
    // took it.
    bool dragFrom(QObject* source, const QByteArray& payload, int n)
    {
        const QPoint to = at(cell(n), cell(n)->rect().center());
        QTimer::singleShot(0, [&] {
            QTest::mouseMove(screenWindow(), to);
            QTest::mouseMove(screenWindow(), to + QPoint(1, 1));
            QTest::mouseRelease(screenWindow(), Qt::LeftButton, {}, to + QPoint(1, 1));
        });
        auto* drag = new QDrag(source);
        auto* data = new QMimeData;
        data->setData(window::ImageControl::DragFormat, payload);
        drag->setMimeData(data);
        return drag->exec(Qt::MoveAction) == Qt::MoveAction;
    }

    // Plays the human's turns, the first card that fits or a pass, until `stop` holds on the
    // human's turn, dealing new games as they end; the sounds made on the way are forgotten.
    template <typename Stop> bool playUntil(Stop stop)
    {
        constexpr int MostGames = 20;
        for (int games = 0; runComputers() && games < MostGames;) {
            if (game().isOver()) {
                action("ANew")->trigger();
                ++games;
                continue;
            }
            if (stop()) {
                sound.plays = 0;
                return true;
            }
            if (const auto drop = firstLegalDrop())
                dragCard(drop->slot, drop->cell);
            else
                QTest::keyClick(&window, Qt::Key_Space);
            if (humanToMove()) {
                qWarning("the human's move was not taken");
                return false;
            }
        }
        return false;
    }

    static constexpr QPoint GrabPoint{12, 48};
};
