// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "opponents/choice.h"
#include "window/card_pictures.h"

#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class QAction;
class QFrame;
class QMimeData;

namespace platform
{
class Desktop;
class Sound;
} // namespace platform

namespace store
{
class SettingsFile;
struct Settings;
} // namespace store

namespace dialogs
{
class AboutBox;
class BackChooser;
class StatisticsWindow;
} // namespace dialogs

namespace window
{

class ImageControl;
class HelpViewer;

// The main window: the green table with its 36 cells, the human's hand along the bottom and
// the computers' backs at the sides. It owns the state of play and turns the player's mouse,
// keys and menu into calls on it, and its results into pictures, sound and the one timer on
// which the computers move. Made, it has checked the screen, taken its place, read the
// settings and the tally from the settings file and dealt the first game; closed, it writes
// them back.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(platform::Desktop& desktop, platform::Sound& sound,
               store::SettingsFile& settingsFile, std::uint32_t seed);
    ~MainWindow() override;

    // The state of play behind the pictures, for tests and tools that must see what a player
    // cannot: the computers' hands and the table list.
    const game::Game& game() const { return game_; }

    // Closes the window for a signal or the session's end, when no one may be there to answer
    // a box: a failed save goes to the log instead.
    void closeUnattended();
    // Writes the file for the session manager, keeping the window open and showing no box: the
    // session's end may yet be cancelled.
    void saveUnattended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTable();
    void buildMenu();

    // A screen too small for the table is told so, and the game ends as soon as it runs.
    void checkScreen(QSize screen);
    // The top left corner on an 800 x 600 screen, the middle on any other.
    void placeOnScreen(QSize screen);
    void loadSettings();
    // How a failed save is told: in a box for the player, or in the log when no one may be
    // there to answer one. Nothing is written once the window has closed.
    enum class FailureReport { Box, Log };
    void saveSettings(FailureReport report);
    void applySettings(const store::Settings& settings);
    store::Settings currentSettings() const;

    // Deals a fresh game onto the table and starts the computers' timer.
    void dealNewGame();
    // The menu's new game: every card shown again, then a fresh deal.
    void newGame();
    void showStatistics();
    void chooseBack();
    void showHelp();
    void showAbout();
    // Both columns take back design 1..8 at once, their hidden cards staying hidden.
    void setBackDesign(int design);
    // The back pictures named by the back names; a name of no back falls back to the first.
    void loadBacks();
    void drawBacks();

    void playComputerTick();
    // The hand pointer marks a card that has a place on the table.
    void updateHandCursor(ImageControl* card);
    void startDragIfPlayable(ImageControl* card);
    // The hand slot of the card dragged from `source`, or 0 when the drag is not one of this
    // window's hand cards, named as it says.
    int draggedSlot(const QObject* source, const QMimeData& data) const;
    bool acceptsDrop(const ImageControl& cell, const QObject* source, const QMimeData& data) const;
    // Lays the dragged card if the cell accepts it; returns whether it did.
    bool layDroppedCard(const ImageControl& cell, const QObject* source, const QMimeData& data);
    void passIfNothingFits();
    void layOutPanels();

    opponents::Level level() const;
    // Follows the computers' phase of the game with the one real timer; a running timer is
    // never restarted, so a tick already under way keeps its time.
    void syncTimer();
    void playLayingSound();

    ImageControl* cell(int n) const { return cells_.at(static_cast<std::size_t>(n - 1)); }
    ImageControl* handCard(int slot) const
    {
        return handCards_.at(static_cast<std::size_t>(slot - 1));
    }

    platform::Desktop& desktop_;
    platform::Sound& sound_;
    store::SettingsFile& settingsFile_;
    // Set when the game is to end before it is played: nothing is written then.
    bool leavingUnplayed_ = false;
    bool closed_ = false;
    game::Game game_;
    QTimer moveTimer_;

    // The back pictures' names ("RubL1", "RubR1" ...), as the settings give them.
    QString leftBackName_;
    QString rightBackName_;
    CardPictures pictures_;

    QFrame* felt_ = nullptr;
    QWidget* cellGrid_ = nullptr;
    QWidget* handRow_ = nullptr;
    QWidget* johnColumn_ = nullptr;
    QWidget* harryColumn_ = nullptr;
    std::array<ImageControl*, game::TableCells> cells_{};
    std::array<ImageControl*, game::HandSlots> handCards_{};
    std::array<ImageControl*, game::HandSlots> johnBacks_{};
    std::array<ImageControl*, game::HandSlots> harryBacks_{};

    QAction* lowLevelAction_ = nullptr;
    QAction* highLevelAction_ = nullptr;
    QAction* soundAction_ = nullptr;

    // Made on their first showing, so that none of them slows the start.
    dialogs::AboutBox* aboutBox_ = nullptr;
    dialogs::BackChooser* backChooser_ = nullptr;
    dialogs::StatisticsWindow* statisticsWindow_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
};

} // namespace window
