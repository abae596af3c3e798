// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "window/layout.h"

#include <QFrame>
#include <QPoint>
#include <QRect>
#include <optional>

namespace window
{

class CardPictures;
class TableAccessible;

// The green table: the 36 cells, the human's hand along the bottom and the computers' backs
// at the sides, drawn in one widget from the game as it stood at the last refresh() and the
// pictures of the cards. It marks the hand cards that have a place with the hand pointer,
// drags them, takes them where the game accepts them, and turns Space into a pass; what the
// game makes of a drop or a pass is the window's to decide. The keys' ring, Return, a
// double-click and a screen reader's action lay a card as a drop on its place would.
class TableView : public QFrame
{
    Q_OBJECT
public:
    TableView(const game::Game& game, CardPictures& pictures, QWidget* parent);

    // Shows the game as it stands now.
    void refresh();

    // Where each card stands, in the view's own coordinates; a hand card and a back are partly
    // covered by the next one.
    QRect cellRect(int cell) const;
    QRect handCardRect(int slot) const;
    QRect backRect(game::Player computer, int slot) const;
    // A point of a hand card that the next card never covers.
    QPoint grabPoint(int slot) const;

    // What the player sees: the card shown in a cell, whether a hand card or a computer's back
    // shows, and whether the hand pointer marks that hand card as one with a place.
    std::optional<game::Card> cardShownAt(int cell) const;
    bool handCardShows(int slot) const;
    bool backShows(game::Player computer, int slot) const;
    // Whether the hand, and the computers' columns of backs, show at all: a table squeezed
    // below its designed size leaves them out.
    bool handShows() const { return placement().handVisible; }
    bool columnsShow() const { return placement().columnsVisible; }
    bool marksPlayable(int slot) const { return slot != 0 && markedSlot_ == slot; }

    // The keys' ring: the hand slot it surrounds, or 0 while it is hidden.
    int ringedSlot() const { return ringedSlot_; }
    // The card of a hand slot as shown, and how many cards a player holds as shown.
    const game::Slot& shownHandCard(int slot) const;
    int shownCardsHeld(game::Player player) const;
    // The cell the game takes that hand card in now, or 0: while the computers move, for a
    // card that fits nowhere, or for an empty slot.
    int cellTaking(int slot) const;
    // Lays the card of that slot where it fits, the way a drop there would; nothing otherwise.
    void layIfItFits(int slot);
    // A computer passed: a screen reader is told, when one listens.
    void showPass(game::Player computer);

Q_SIGNALS:
    // The human dropped the card of hand slot `slot` on a cell the game accepts it in.
    void cardDropped(int slot, int cell);
    void passRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class TableAccessible;
    layout::PanelPlacement placement() const;
    // The cell or the uppermost shown hand card at `at`, or 0 for none.
    int cellAt(QPoint at) const;
    int handSlotAt(QPoint at) const;
    // Whether the human's card in that slot has a place on the table now.
    bool hasPlace(int slot) const;
    // The hand slot a drop carries, or 0 unless it is the very card this view is dragging.
    int droppedSlot(const QDropEvent& event) const;
    // The cell a drop at `at` of that card would lay it in, or 0 when the game refuses it.
    int acceptingCell(const QDropEvent& event) const;
    void startDrag(int slot);

    void paintCells(QPainter& painter, QRect panel);
    void paintHand(QPainter& painter, QRect panel);
    void paintBacks(QPainter& painter, QRect panel, game::Player computer);

    // The keys' ring on the hand: moved to a slot (0 hides it), drawn, and kept on a card that
    // is still in the hand after a refresh.
    void ringSlot(int slot);
    void paintRing(QPainter& painter) const;
    void keepRingOnTheHand();
    // Tells a screen reader, when one listens, what the last refresh changed.
    void showChanges(const game::Hands& shownBefore);

    const game::Game& game_;
    CardPictures& pictures_;
    // The game as shown: the table and the three hands at the last refresh.
    game::Table shownTable_{};
    game::Hands shownHands_{};
    int markedSlot_ = 0;  // the hand card under the pointer, when it has a place
    int pressedSlot_ = 0; // a marked card pressed, to be dragged once the pointer moves on
    QPoint pressPos_;
    int draggedSlot_ = 0;
    int ringedSlot_ = 0;
    // Made by Qt only once assistive technology asks for the table; owned by Qt's cache.
    TableAccessible* accessible_ = nullptr;
};

} // namespace window
