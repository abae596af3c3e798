// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/legality.h"
#include "window/image_control.h"
#include "window/main_window.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMimeData>

namespace window
{

void MainWindow::updateHandCursor(ImageControl* card)
{
    const game::Slot& held = game_.hand(game::Player::Human)[card->number()];
    card->setHandCursor(held && game::isPlayable(game_.table(), *held));
}

void MainWindow::startDragIfPlayable(ImageControl* card)
{
    if (card->hasHandCursor())
        card->armDrag();
}

int MainWindow::draggedSlot(const QObject* source, const QMimeData& data) const
{
    // Only a hand card of this very window, named as the drag says, is a card: a cell, another
    // window or another program never is, so nothing is dropped onto itself.
    bool isNumber = false;
    const int slot = data.data(ImageControl::DragFormat).toInt(&isNumber);
    if (!isNumber || slot < 1 || slot > game::HandSlots || source != handCard(slot))
        return 0;
    return slot;
}

bool MainWindow::acceptsDrop(const ImageControl& target, const QObject* source,
                             const QMimeData& data) const
{
    const int slot = draggedSlot(source, data);
    return slot != 0 && game_.acceptsDrop(slot, target.number());
}

bool MainWindow::layDroppedCard(const ImageControl& target, const QObject* source,
                                const QMimeData& data)
{
    // The game takes the card or refuses it; only a card taken is shown, its sound first.
    const int slot = draggedSlot(source, data);
    if (slot == 0 || !game_.layHumanCard(slot, target.number()))
        return false;
    playLayingSound();
    cell(target.number())->setPicture(handCard(slot)->picture());
    handCard(slot)->hide();
    syncTimer();
    return true;
}

void MainWindow::passIfNothingFits()
{
    if (game_.pass())
        syncTimer();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == felt_ && event->type() == QEvent::Resize) {
        layOutPanels();
    } else if (event->type() == QEvent::KeyPress) {
        // The window sees each key once, before whichever of its controls has the focus.
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (widget == first && widget->window() == this &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space)
            passIfNothingFits();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace window
