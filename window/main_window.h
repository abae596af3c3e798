// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "opponents/choice.h"
#include "store/settings.h"
#include "window/card_pictures.h"

#include <QMainWindow>
#include <QTimer>

class QAction;

namespace platform
{
class Desktop;
class Sound;
} // namespace platform

namespace store
{
class SettingsFile;
} // namespace store

namespace dialogs
{
class AboutBox;
class BackChooser;
class StatisticsWindow;
} // namespace dialogs

namespace window
{

class HelpViewer;
class TableView;

// The menu's items that do something, for tests that play as a player does.
struct MenuItems {
    QAction* newGame = nullptr;
    QAction* statistics = nullptr;
    QAction* lowLevel = nullptr;
    QAction* highLevel = nullptr;
    QAction* sound = nullptr;
    QAction* backs = nullptr;
    QAction* exit = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;
};

// The main window: the table view, the menu and its dialogs. It owns the state of play and
// the settings, turns the table's drops and passes and the menu into calls on them, and the
// game's results into the laying sound, the table's pictures and the one timer on which the
// computers move. Made, it has checked the screen, taken its place, read the settings and the
// tally from the settings file and dealt the first game; closed, it writes them back.
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
    // What the player sees and where, the menu, and the computers' timer, for tests.
    TableView& tableView() const { return *tableView_; }
    const MenuItems& menuItems() const { return menu_; }
    QTimer& moveTimer() { return moveTimer_; }

    // Closes the window for a signal or the session's end, when no one may be there to answer
    // a box: a failed save goes to the log instead.
    void closeUnattended();
    // Writes the file for the session manager, keeping the window open and showing no box: the
    // session's end may yet be cancelled.
    void saveUnattended();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    // The menu's checks show the settings, and a click on them changes the settings.
    void showSettingsInMenu();

    // A screen too small for the table is told so, and the game ends as soon as it runs.
    void checkScreen(QSize screen);
    // The top left corner on an 800 x 600 screen, the middle on any other.
    void placeOnScreen(QSize screen);
    void loadSettings();
    // How a failed save is told: in a box for the player, or in the log when no one may be
    // there to answer one. Nothing is written once the window has closed.
    enum class FailureReport { Box, Log };
    void saveSettings(FailureReport report);

    // Deals a fresh game onto the table and starts the computers' timer.
    void newGame();
    void showStatistics();
    void chooseBack();
    void showHelp();
    void showAbout();
    // Both columns take back design 1..8 at once, their hidden cards staying hidden.
    void setBackDesign(int design);

    void playComputerTick();
    // Lays the card the human dropped, which the game has accepted.
    void layHumanCard(int slot, int cell);
    void passIfNothingFits();

    opponents::Level level() const;
    // Follows the computers' phase of the game with the one real timer; a running timer is
    // never restarted, so a tick already under way keeps its time.
    void syncTimer();
    void playLayingSound();

    platform::Desktop& desktop_;
    platform::Sound& sound_;
    store::SettingsFile& settingsFile_;
    // Set when the game is to end before it is played: nothing is written then.
    bool leavingUnplayed_ = false;
    bool closed_ = false;
    // What is kept between runs; the tally lives in the game while it is played.
    store::Settings settings_;
    game::Game game_;
    QTimer moveTimer_;
    CardPictures pictures_;
    TableView* tableView_ = nullptr;
    MenuItems menu_;

    // Made on their first showing, so that none of them slows the start.
    dialogs::AboutBox* aboutBox_ = nullptr;
    dialogs::BackChooser* backChooser_ = nullptr;
    dialogs::StatisticsWindow* statisticsWindow_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
};

} // namespace window
