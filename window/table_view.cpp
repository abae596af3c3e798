// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/table_view.h"

#include "assets/picture_cache.h"
#include "assets/pictures.h"
#include "game/legality.h"
#include "window/card_pictures.h"
#include "window/sunken_bevel.h"
#include "window/table_accessible.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace window
{

namespace
{

const QColor TableGreen(0, 128, 0);
constexpr int FeltBevelWidth = 2;
constexpr QSize FaceSize(assets::FaceWidth, assets::FaceHeight);
constexpr QSize BackSize(assets::BackWidth, assets::BackHeight);
// Near a hand card's left edge: the one strip of it that the next card never covers.
constexpr QPoint GrabOffset(12, 48);
// A drag carries its hand slot under a type only this game uses.
const QString DragFormat = QStringLiteral("application/x-tavlen-hand-card");

} // namespace

TableView::TableView(const game::Game& game, CardPictures& pictures, QWidget* parent)
    : QFrame(parent), game_(game), pictures_(pictures)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(FeltBevelWidth);
    setMinimumSize(layout::DesignedClientWidth, layout::DesignedClientHeight);
    QPalette green = palette();
    green.setColor(QPalette::Window, TableGreen);
    setPalette(green);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setAcceptDrops(true);
    // The keys move a ring through the hand; nothing shows until they do.
    setFocusPolicy(Qt::StrongFocus);
    installTableAccessibility();
    // Space passes from anywhere in the window, whichever control has the focus.
    auto* pass = new QShortcut(QKeySequence(Qt::Key_Space), this);
    pass->setContext(Qt::WindowShortcut);
    connect(pass, &QShortcut::activated, this, &TableView::passRequested);
}

void TableView::refresh()
{
    const game::Hands shownBefore = shownHands_;
    shownTable_ = game_.table();
    for (const game::Player player : game::Players)
        shownHands_[game::indexOf(player)] = game_.hand(player);
    update();
    // A card laid or dealt away is no longer the one the pointer marks.
    if (markedSlot_ != 0 && !handCardShows(markedSlot_)) {
        markedSlot_ = 0;
        setCursor(Qt::ArrowCursor);
    }
    keepRingOnTheHand();
    showChanges(shownBefore);
}

layout::PanelPlacement TableView::placement() const
{
    return layout::placePanels(size());
}

QRect TableView::cellRect(int cell) const
{
    return {placement().cellGrid + layout::cellPosition(cell), FaceSize};
}

QRect TableView::handCardRect(int slot) const
{
    return {placement().handRow + layout::handPosition(slot), FaceSize};
}

QRect TableView::backRect(game::Player computer, int slot) const
{
    const layout::PanelPlacement p = placement();
    const QPoint column = computer == game::Player::John ? p.johnColumn : p.harryColumn;
    return {column + layout::backPosition(slot), BackSize};
}

QPoint TableView::grabPoint(int slot) const
{
    return handCardRect(slot).topLeft() + GrabOffset;
}

std::optional<game::Card> TableView::cardShownAt(int cell) const
{
    return shownTable_[cell];
}

bool TableView::handCardShows(int slot) const
{
    return handShows() && shownHands_[game::indexOf(game::Player::Human)][slot];
}

bool TableView::backShows(game::Player computer, int slot) const
{
    return columnsShow() && shownHands_[game::indexOf(computer)][slot];
}

int TableView::cellAt(QPoint at) const
{
    for (int cell = 1; cell <= game::TableCells; ++cell)
        if (cellRect(cell).contains(at))
            return cell;
    return 0;
}

int TableView::handSlotAt(QPoint at) const
{
    // The higher number lies on top where the cards overlap.
    for (int slot = game::HandSlots; slot >= 1; --slot)
        if (handCardShows(slot) && handCardRect(slot).contains(at))
            return slot;
    return 0;
}

bool TableView::hasPlace(int slot) const
{
    if (slot == 0)
        return false;
    const game::Slot& card = game_.hand(game::Player::Human)[slot];
    return card && game::isPlayable(game_.table(), *card);
}

void TableView::paintEvent(QPaintEvent* /*event*/)
{
    const layout::PanelPlacement p = placement();
    QPainter painter(this);
    drawSunkenBevel(painter, rect(), palette(), FeltBevelWidth);
    paintCells(painter, {p.cellGrid, layout::CellGridRect.size()});
    if (p.handVisible) {
        paintHand(painter, {p.handRow, layout::HandRowRect.size()});
        paintRing(painter);
    }
    if (p.columnsVisible) {
        paintBacks(painter, {p.johnColumn, layout::JohnColumnRect.size()}, game::Player::John);
        paintBacks(painter, {p.harryColumn, layout::HarryColumnRect.size()}, game::Player::Harry);
    }
}

void TableView::paintCells(QPainter& painter, QRect panel)
{
    painter.setClipRect(panel);
    painter.fillRect(panel, TableGreen);
    const qreal ratio = assets::paintedRatio(painter);
    for (int cell = 1; cell <= game::TableCells; ++cell) {
        const game::Slot& card = shownTable_[cell];
        painter.drawImage(cellRect(cell).topLeft(),
                          card ? pictures_.face(*card, ratio) : pictures_.emptyCell(ratio));
    }
}

void TableView::paintHand(QPainter& painter, QRect panel)
{
    painter.setClipRect(panel);
    painter.fillRect(panel, TableGreen);
    const qreal ratio = assets::paintedRatio(painter);
    const game::Hand& hand = shownHands_[game::indexOf(game::Player::Human)];
    for (int slot = 1; slot <= game::HandSlots; ++slot)
        if (hand[slot])
            painter.drawImage(handCardRect(slot).topLeft(), pictures_.face(*hand[slot], ratio));
}

void TableView::paintBacks(QPainter& painter, QRect panel, game::Player computer)
{
    painter.setClipRect(panel);
    painter.fillRect(panel, TableGreen);
    const qreal ratio = assets::paintedRatio(painter);
    const QImage back =
        computer == game::Player::John ? pictures_.leftBack(ratio) : pictures_.rightBack(ratio);
    const game::Hand& hand = shownHands_[game::indexOf(computer)];
    for (int slot = 1; slot <= game::HandSlots; ++slot)
        if (hand[slot])
            painter.drawImage(backRect(computer, slot).topLeft(), back);
}

void TableView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    // The hand pointer marks a card that has a place on the table, on any turn.
    const int slot = handSlotAt(at);
    markedSlot_ = hasPlace(slot) ? slot : 0;
    setCursor(markedSlot_ != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);

    if (pressedSlot_ == 0 || event->buttons() == Qt::NoButton ||
        (at - pressPos_).manhattanLength() < QApplication::startDragDistance())
        return;
    const int dragged = pressedSlot_;
    pressedSlot_ = 0;
    startDrag(dragged);
}

void TableView::mousePressEvent(QMouseEvent* event)
{
    // Only a marked card is dragged, once the pointer has moved the desktop's drag distance
    // with a button still held; a release before that is a plain click.
    pressPos_ = event->position().toPoint();
    const int slot = handSlotAt(pressPos_);
    pressedSlot_ = slot != 0 && slot == markedSlot_ ? slot : 0;
}

void TableView::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    pressedSlot_ = 0;
}

void TableView::startDrag(int slot)
{
    ringSlot(0); // the pointer has taken over from the keys
    auto* data = new QMimeData;
    data->setData(DragFormat, QByteArray::number(slot));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    draggedSlot_ = slot;
    drag->exec(Qt::MoveAction);
    draggedSlot_ = 0;
}

int TableView::droppedSlot(const QDropEvent& event) const
{
    // Only the card this very view is dragging, named as the drag says, is a card: another
    // window's or another program's drag never is.
    bool isNumber = false;
    const int slot = event.mimeData()->data(DragFormat).toInt(&isNumber);
    if (!isNumber || event.source() != this || draggedSlot_ == 0 || slot != draggedSlot_)
        return 0;
    return slot;
}

int TableView::acceptingCell(const QDropEvent& event) const
{
    const int slot = droppedSlot(event);
    const int cell = cellAt(event.position().toPoint());
    return slot != 0 && cell != 0 && game_.acceptsDrop(slot, cell) ? cell : 0;
}

void TableView::dragEnterEvent(QDragEnterEvent* event)
{
    // Anything of ours is let in, so that the move events can answer as the game changes
    // under a card held still; anything else is refused outright.
    event->setAccepted(event->mimeData()->hasFormat(DragFormat));
}

void TableView::dragMoveEvent(QDragMoveEvent* event)
{
    event->setAccepted(acceptingCell(*event) != 0);
}

void TableView::dropEvent(QDropEvent* event)
{
    const int cell = acceptingCell(*event);
    if (cell == 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT cardDropped(droppedSlot(*event), cell);
}

} // namespace window
