// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

#include <QAccessibleWidget>
#include <array>

namespace window
{

class TableView;

// Lets a screen reader see the table. Qt asks for the table's accessible object only once
// assistive technology looks at the window, so until then nothing of it is made; installing
// it more than once is harmless.
void installTableAccessibility();

// The table as a screen reader sees it: the 36 places named for the card on them or "пусто",
// the human's cards as buttons that lay the card where it fits (unavailable while it does not),
// the computers' columns saying how many cards each holds, and a status line whose name
// changes with every move, which is how the moves are announced.
class TableAccessible : public QAccessibleWidget
{
public:
    explicit TableAccessible(TableView* view);
    ~TableAccessible() override;
    TableAccessible(const TableAccessible&) = delete;
    TableAccessible& operator=(const TableAccessible&) = delete;

    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    TableView& view() const;
    // The latest announcement.
    const QString& status() const { return status_; }

    // What the view has just shown: a refresh after a card was laid or dealt, a computer's
    // pass, the keys' ring on another card.
    void showChanges(const game::Hands& shownBefore);
    void showPass(game::Player computer);
    void showRing();

    // The children in order: the places, the hand's slots, the columns, the status line.
    static constexpr int FirstHandSlot = game::TableCells;
    static constexpr int FirstColumn = FirstHandSlot + game::HandSlots;
    static constexpr int StatusLine = FirstColumn + 2;
    static constexpr int ChildCount = StatusLine + 1;

private:
    void announce(const QString& text);

    QString status_;
    // Each child is made the first time it is asked for, and lives as long as the table's.
    mutable std::array<QAccessibleInterface*, ChildCount> children_{};
};

} // namespace window
