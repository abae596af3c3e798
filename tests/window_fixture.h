// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/pictures.h"
#include "game/game.h"
#include "platform/desktop.h"
#include "platform/sound.h"
#include "store/settings_file.h"
#include "window/main_window.h"
#include "window/table_view.h"

#include <QAction>
#include <QFile>
#include <QLayout>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

// A desktop of a chosen size whose message boxes are only written down.
struct FakeDesktop : platform::Desktop {
    explicit FakeDesktop(QSize size) : screen(size) {}
    QSize screenSize() const override { return screen; }
    void showInformation(const QString& caption, const QString& text) override
    {
        boxes << caption + QStringLiteral(": ") + text;
    }
    void showError(const QString& caption, const QString& text) override
    {
        showInformation(caption, text);
    }
    void writeToLog(const QString& text) override { log << text; }
    void quitWhenIdle() override { quitAsked = true; }

    QSize screen;
    QStringList boxes; // "caption: text", in the order shown
    QStringList log;
    bool quitAsked = false;
};

// A silent laying sound that counts how often the game asked for it, and can look at the game
// at that moment.
struct CountingSound : platform::Sound {
    void play() override
    {
        ++plays;
        if (onPlay)
            onPlay();
    }

    int plays = 0;
    std::function<void()> onPlay;
};

// A main window in a folder of its own, the settings file written there first when the test
// gives its text, on a desktop of the given size.
struct WindowFixture {
    explicit WindowFixture(std::uint32_t seed, const QString& settings = {},
                           QSize screen = {1024, 768})
        : settingsPath(writeSettings(settings)), desktop(screen),
          window(desktop, sound, settingsFile, seed)
    {
    }

    const game::Game& game() const { return window.game(); }
    const window::MenuItems& menu() const { return window.menuItems(); }
    window::TableView& view() const { return window.tableView(); }
    // Whether the card may lie in cell n, worked out afresh from the table of the rules rather
    // than asked of the game: the nine of diamonds opens cell 13, the other nines hang from 13
    // in 4 and 22, and from 22 in 31; any other card goes into its rank's column (the six in
    // the first, nine to a row) beside the card of its suit one rank nearer to nine.
    bool fits(const game::Slot& card, int n) const
    {
        static const QHash<int, int> ninesHangFrom{{4, 13}, {22, 13}, {31, 22}};
        constexpr int Six = 6, Nine = 9;
        const game::Table& table = game().table();
        const int rank = card ? static_cast<int>(card->rank) : 0;
        if (!card || table[n] || (n - 1) % 9 != rank - Six)
            return false;
        if (rank == Nine)
            return card->suit == game::Suit::Diamonds
                       ? n == 13
                       : table[ninesHangFrom.value(n, n)].has_value();
        const int nearer = rank < Nine ? 1 : -1;
        const game::Slot& neighbour = table[n + nearer];
        return neighbour && neighbour->suit == card->suit &&
               static_cast<int>(neighbour->rank) == rank + nearer;
    }
    // Every card of the human's hand that has a cell, with that cell, in slot order.
    std::vector<game::Move> legalDrops() const
    {
        std::vector<game::Move> drops;
        const game::Hand& hand = game().hand(game::Player::Human);
        for (int slot = 1; slot <= game::HandSlots; ++slot)
            for (int n = 1; n <= game::TableCells; ++n)
                if (fits(hand[slot], n))
                    drops.push_back({slot, n});
        return drops;
    }
    bool showsCard(int n) const { return view().cardShownAt(n).has_value(); }
    int cardsShown() const
    {
        int shown = 0;
        for (int n = 1; n <= game::TableCells; ++n)
            shown += showsCard(n) ? 1 : 0;
        return shown;
    }
    // The table as the view paints it, laid out for the window's size.
    QImage drawnTable() const
    {
        window.layout()->activate();
        return view().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Whether the part of `picture` that the view leaves uncovered at `where` is drawn there.
    static bool drawnAt(const QImage& table, QRect where, const QImage& picture)
    {
        return table.copy(where).convertToFormat(QImage::Format_RGB32) ==
               picture.convertToFormat(QImage::Format_RGB32).copy(QRect({0, 0}, where.size()));
    }
    // Whether every back that shows, in both columns, is drawn in the given design: the top
    // of each, which the next back never covers.
    bool backsShow(int design) const
    {
        const QImage table = drawnTable();
        for (const auto& [player, side] :
             {std::pair{game::Player::John, "RubL%1"}, {game::Player::Harry, "RubR%1"}}) {
            const QImage back = assets::loadPicture(QString::fromLatin1(side).arg(design));
            for (int k = 1; k <= game::HandSlots; ++k) {
                const QRect top(view().backRect(player, k).topLeft(),
                                QSize(assets::BackWidth, UncoveredBack));
                if (view().backShows(player, k) && !drawnAt(table, top, back))
                    return false;
            }
        }
        return true;
    }
    // The settings file as the player reads it; the game keeps it in Windows-1251.
    QString settingsText() const
    {
        QFile file(settingsPath);
        return file.open(QIODevice::ReadOnly) ? QStringDecoder("windows-1251")(file.readAll())
                                              : QString();
    }

    // How much of a back, from its top, and of a hand card, from its left, the next one leaves
    // uncovered.
    static constexpr int UncoveredBack = 40;
    static constexpr int UncoveredHandCard = 47;

    QTemporaryDir home;
    const QString settingsPath;
    FakeDesktop desktop;
    CountingSound sound;
    store::SettingsFile settingsFile{{.preferred = home.path(), .fallback = home.path()}};
    window::MainWindow window;
    QTimer* const timer = &window.moveTimer();

    // Writes the settings file as the player or another game would; returns its path.
    QString writeSettings(const QString& text) const
    {
        const QString path = home.filePath(QStringLiteral("Param.ini"));
        QFile file(path);
        if (!text.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(QStringEncoder("windows-1251")(text));
        return path;
    }
};
