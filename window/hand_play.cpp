// SPDX-License-Identifier: GPL-3.0-or-later
// The table view's ways to lay a card without a drag: the keys' ring on the hand, Return, a
// double-click and a screen reader's action, all taking the card where a drop would.
#include "window/table_accessible.h"
#include "window/table_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace window
{

namespace
{

constexpr int RingWidth = 3;

} // namespace

const game::Slot& TableView::shownHandCard(int slot) const
{
    return shownHands_[game::indexOf(game::Player::Human)][slot];
}

int TableView::shownCardsHeld(game::Player player) const
{
    const game::Hand& hand = shownHands_[game::indexOf(player)];
    return static_cast<int>(std::count_if(hand.begin(), hand.end(),
                                          [](const game::Slot& card) { return card.has_value(); }));
}

int TableView::cellTaking(int slot) const
{
    for (int cell = 1; cell <= game::TableCells; ++cell)
        if (game_.acceptsDrop(slot, cell))
            return cell;
    return 0;
}

void TableView::layIfItFits(int slot)
{
    if (const int cell = cellTaking(slot); cell != 0)
        Q_EMIT cardDropped(slot, cell);
}

void TableView::showPass(game::Player computer)
{
    if (accessible_)
        accessible_->showPass(computer);
}

void TableView::showChanges(const game::Hands& shownBefore)
{
    if (accessible_)
        accessible_->showChanges(shownBefore);
}

void TableView::ringSlot(int slot)
{
    if (slot == ringedSlot_)
        return;
    ringedSlot_ = slot;
    update();
    if (accessible_)
        accessible_->showRing();
}

void TableView::paintRing(QPainter& painter) const
{
    if (ringedSlot_ == 0)
        return;
    // Inside the card's edge, so that the hand's own margin never clips it.
    const int inset = RingWidth / 2;
    QPen pen(palette().color(QPalette::Highlight), RingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(handCardRect(ringedSlot_).adjusted(inset, inset, -inset - 1, -inset - 1));
}

void TableView::keepRingOnTheHand()
{
    if (ringedSlot_ == 0 || shownHandCard(ringedSlot_))
        return;
    // The next card along the hand, or the one before when the last card was laid.
    int next = 0;
    for (int slot = ringedSlot_ + 1; slot <= game::HandSlots && next == 0; ++slot)
        next = shownHandCard(slot) ? slot : 0;
    for (int slot = ringedSlot_ - 1; slot >= 1 && next == 0; --slot)
        next = shownHandCard(slot) ? slot : 0;
    ringSlot(next);
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    // The slots that still hold a card, in the hand's order.
    std::vector<int> held;
    for (int slot = 1; slot <= game::HandSlots; ++slot)
        if (shownHandCard(slot))
            held.push_back(slot);
    const auto ringed = std::find(held.begin(), held.end(), ringedSlot_);
    const bool shown = ringed != held.end();
    switch (event->key()) {
    case Qt::Key_Right:
        if (!held.empty())
            ringSlot(!shown ? held.front() : ringed + 1 != held.end() ? *(ringed + 1) : *ringed);
        break;
    case Qt::Key_Left:
        if (!held.empty())
            ringSlot(!shown ? held.front() : ringed != held.begin() ? *(ringed - 1) : *ringed);
        break;
    case Qt::Key_Home:
        if (!held.empty())
            ringSlot(held.front());
        break;
    case Qt::Key_End:
        if (!held.empty())
            ringSlot(held.back());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        layIfItFits(ringedSlot_);
        break;
    default:
        QFrame::keyPressEvent(event);
    }
}

void TableView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int slot = handSlotAt(event->position().toPoint());
    if (cellTaking(slot) == 0)
        return;
    ringSlot(0); // the pointer has moved a card
    layIfItFits(slot);
}

} // namespace window
