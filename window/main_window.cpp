// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window.h"

#include "assets/screen_picture.h"
#include "platform/desktop.h"
#include "platform/sound.h"
#include "window/table_view.h"

namespace window
{

namespace
{

constexpr int MoveInterval = 450; // ms between two computer moves

} // namespace

MainWindow::MainWindow(platform::Desktop& desktop, platform::Sound& sound,
                       store::SettingsFile& settingsFile, std::uint32_t seed)
    : desktop_(desktop), sound_(sound), settingsFile_(settingsFile), game_(seed)
{
    setObjectName(QStringLiteral("FrmA"));
    setWindowTitle(QStringLiteral("Тавлен++"));
    setWindowIcon(QIcon(QPixmap::fromImage(assets::loadScreenPicture(QStringLiteral("MAINICON")))));
    buildMenu();
    tableView_ = new TableView(game_, pictures_, this);
    setCentralWidget(tableView_);
    connect(tableView_, &TableView::cardDropped, this, &MainWindow::layHumanCard);
    connect(tableView_, &TableView::passRequested, this, &MainWindow::passIfNothingFits);
    // The designed client area, below the menu bar; the window never gets smaller.
    resize(minimumSizeHint());

    moveTimer_.setInterval(MoveInterval);
    connect(&moveTimer_, &QTimer::timeout, this, &MainWindow::playComputerTick);

    const QSize screen = desktop_.screenSize();
    checkScreen(screen);
    placeOnScreen(screen);
    loadSettings();
    newGame();
}

MainWindow::~MainWindow() = default;

void MainWindow::newGame()
{
    game_.newGame();
    tableView_->refresh();
    syncTimer();
}

void MainWindow::playComputerTick()
{
    const game::Player mover = game_.nextComputer();
    if (opponents::playTick(game_, level())) {
        playLayingSound();
        tableView_->refresh();
    } else {
        tableView_->showPass(mover);
    }
    syncTimer();
}

void MainWindow::layHumanCard(int slot, int cell)
{
    // Only a card taken is shown, its sound first.
    if (!game_.layHumanCard(slot, cell))
        return;
    playLayingSound();
    tableView_->refresh();
    syncTimer();
}

void MainWindow::passIfNothingFits()
{
    if (game_.pass())
        syncTimer();
}

opponents::Level MainWindow::level() const
{
    return settings_.highLevel ? opponents::Level::High : opponents::Level::Low;
}

void MainWindow::syncTimer()
{
    if (game_.computersMoving() && !moveTimer_.isActive())
        moveTimer_.start();
    else if (!game_.computersMoving() && moveTimer_.isActive())
        moveTimer_.stop();
}

void MainWindow::playLayingSound()
{
    if (settings_.sound)
        sound_.play();
}

} // namespace window
