// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window.h"

#include "assets/pictures.h"
#include "platform/desktop.h"
#include "platform/sound.h"
#include "window/image_control.h"
#include "window/layout.h"

#include <QApplication>
#include <QFrame>
#include <QMenuBar>

namespace window
{

namespace
{

constexpr int MoveInterval = 450; // ms between two computer moves
const QColor TableGreen(0, 128, 0);
constexpr int FeltBevelWidth = 2;

QWidget* greenPanel(const QString& name, const QRect& rect, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(rect);
    panel->setAutoFillBackground(true);
    return panel;
}

} // namespace

MainWindow::MainWindow(platform::Desktop& desktop, platform::Sound& sound,
                       store::SettingsFile& settingsFile, std::uint32_t seed)
    : desktop_(desktop), sound_(sound), settingsFile_(settingsFile), game_(seed)
{
    setObjectName(QStringLiteral("FrmA"));
    setWindowTitle(QStringLiteral("Тавлен++"));
    setWindowIcon(QIcon(QPixmap::fromImage(assets::loadPicture(QStringLiteral("MAINICON")))));
    buildMenu();
    buildTable();

    // A child of the window, so it is found by its name like the other controls.
    moveTimer_.setParent(this);
    moveTimer_.setObjectName(QStringLiteral("Timer1"));
    moveTimer_.setInterval(MoveInterval);
    connect(&moveTimer_, &QTimer::timeout, this, &MainWindow::playComputerTick);
    qApp->installEventFilter(this);

    const QSize screen = desktop_.screenSize();
    checkScreen(screen);
    placeOnScreen(screen);
    loadSettings();
    loadBacks();
    dealNewGame();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTable()
{
    using namespace layout;
    felt_ = new QFrame(this);
    felt_->setObjectName(QStringLiteral("Panel1"));
    felt_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    felt_->setLineWidth(FeltBevelWidth);
    felt_->setMinimumSize(DesignedClientWidth, DesignedClientHeight);
    QPalette green = felt_->palette();
    green.setColor(QPalette::Window, TableGreen);
    felt_->setPalette(green);
    felt_->setAutoFillBackground(true);
    setCentralWidget(felt_);

    cellGrid_ = greenPanel(QStringLiteral("Panel2"), CellGridRect, felt_);
    handRow_ = greenPanel(QStringLiteral("Panel3"), HandRowRect, felt_);
    johnColumn_ = greenPanel(QStringLiteral("Panel4"), JohnColumnRect, felt_);
    harryColumn_ = greenPanel(QStringLiteral("Panel5"), HarryColumnRect, felt_);

    const QSize faceSize(assets::FaceWidth, assets::FaceHeight);
    const QSize backSize(assets::BackWidth, assets::BackHeight);
    const auto accepts = [this](const ImageControl& target, const QObject* source,
                                const QMimeData& data) {
        return acceptsDrop(target, source, data);
    };
    const auto take = [this](const ImageControl& target, const QObject* source,
                             const QMimeData& data) {
        return layDroppedCard(target, source, data);
    };
    for (int n = 1; n <= game::TableCells; ++n) {
        auto* place = new ImageControl(QStringLiteral("Image%1").arg(n), n, faceSize, cellGrid_);
        place->move(cellPosition(n));
        place->acceptDrops(accepts, take);
        cells_[static_cast<std::size_t>(n - 1)] = place;
    }
    // Made in slot order, so the higher number lies on top where the cards overlap.
    for (int k = 1; k <= game::HandSlots; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        auto* card = new ImageControl(QStringLiteral("Gamer%1").arg(k), k, faceSize, handRow_);
        card->move(handPosition(k));
        connect(card, &ImageControl::pointerMoved, this, [this, card] { updateHandCursor(card); });
        connect(card, &ImageControl::pressed, this, [this, card] { startDragIfPlayable(card); });
        handCards_[i] = card;
        johnBacks_[i] = new ImageControl(QStringLiteral("John%1").arg(k), k, backSize, johnColumn_);
        johnBacks_[i]->move(backPosition(k));
        harryBacks_[i] =
            new ImageControl(QStringLiteral("Harry%1").arg(k), k, backSize, harryColumn_);
        harryBacks_[i]->move(backPosition(k));
    }
    // The designed client area, below the menu bar; the window never gets smaller.
    resize(minimumSizeHint());
}

void MainWindow::dealNewGame()
{
    for (ImageControl* place : cells_)
        place->setPicture(pictures_.emptyCell());
    game_.newGame();
    const game::Hand& hand = game_.hand(game::Player::Human);
    for (int k = 1; k <= game::HandSlots; ++k)
        handCard(k)->drawPicture(pictures_.face(hand[k].value()));
    drawBacks();
    syncTimer();
}

void MainWindow::loadBacks()
{
    pictures_.setBacks(leftBackName_, rightBackName_);
}

void MainWindow::drawBacks()
{
    for (ImageControl* back : johnBacks_)
        back->drawPicture(pictures_.leftBack());
    for (ImageControl* back : harryBacks_)
        back->drawPicture(pictures_.rightBack());
}

opponents::Level MainWindow::level() const
{
    return highLevelAction_->isChecked() ? opponents::Level::High : opponents::Level::Low;
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
    if (soundAction_->isChecked())
        sound_.play();
}

void MainWindow::layOutPanels()
{
    const layout::PanelPlacement p = layout::placePanels(felt_->size());
    johnColumn_->setVisible(p.columnsVisible);
    harryColumn_->setVisible(p.columnsVisible);
    handRow_->setVisible(p.handVisible);
    cellGrid_->move(p.cellGrid);
    handRow_->move(p.handRow);
    harryColumn_->move(p.harryColumn);
    johnColumn_->move(p.johnColumn);
}

} // namespace window
