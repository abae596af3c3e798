// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/table_accessible.h"

#include "dialogs/spoken_texts.h"
#include "window/play_narration.h"
#include "window/table_view.h"

#include <algorithm>
#include <optional>

namespace window
{

namespace
{

// One thing on the table a screen reader can visit: a place, a hand card, a computer's column
// or the status line, known by its index among the table's children.
class TablePartAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TablePartAccessible(TableAccessible* table, int index) : table_(table), index_(index) {}

    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return table_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? name() : QString();
    }

    QAccessible::Role role() const override
    {
        if (cell() != 0)
            return QAccessible::Graphic;
        if (handSlot() != 0)
            return QAccessible::Button;
        return index_ == TableAccessible::StatusLine ? QAccessible::StatusBar
                                                     : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (const int slot = handSlot(); slot != 0) {
            state.focusable = true;
            state.focused = view().ringedSlot() == slot && view().hasFocus();
            state.disabled = view().cellTaking(slot) == 0;
            state.invisible = !view().handCardShows(slot);
        } else if (column()) {
            state.invisible = !view().columnsShow();
        }
        return state;
    }

    QRect rect() const override
    {
        const QRect local = localRect();
        return local.isNull() ? local : QRect(view().mapToGlobal(local.topLeft()), local.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && handSlot() != 0)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            view().layIfItFits(handSlot());
    }

private:
    TableView& view() const { return table_->view(); }

    // What the child stands for: a cell 1..36, a hand slot 1..12 or a computer; 0 or nothing
    // for the other kinds.
    int cell() const { return index_ < TableAccessible::FirstHandSlot ? index_ + 1 : 0; }
    int handSlot() const
    {
        const bool inHand =
            index_ >= TableAccessible::FirstHandSlot && index_ < TableAccessible::FirstColumn;
        return inHand ? index_ - TableAccessible::FirstHandSlot + 1 : 0;
    }
    std::optional<game::Player> column() const
    {
        if (index_ == TableAccessible::FirstColumn)
            return game::Player::John;
        if (index_ == TableAccessible::FirstColumn + 1)
            return game::Player::Harry;
        return std::nullopt;
    }

    QString name() const
    {
        if (const int n = cell(); n != 0) {
            const std::optional<game::Card> card = view().cardShownAt(n);
            return card ? narration::cardName(*card) : spoken::emptyPlace();
        }
        if (const int slot = handSlot(); slot != 0) {
            const game::Slot& card = view().shownHandCard(slot);
            return card ? narration::cardName(*card) : QString();
        }
        if (const auto computer = column())
            return spoken::cardsHeld(narration::playerName(*computer),
                                     view().shownCardsHeld(*computer));
        return table_->status();
    }

    QRect localRect() const
    {
        if (const int n = cell(); n != 0)
            return view().cellRect(n);
        if (const int slot = handSlot(); slot != 0)
            return view().handCardRect(slot);
        if (const auto computer = column())
            return view()
                .backRect(*computer, 1)
                .united(view().backRect(*computer, game::HandSlots));
        return {};
    }

    TableAccessible* table_;
    int index_;
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(TableView::staticMetaObject.className()))
        return new TableAccessible(static_cast<TableView*>(object));
    return nullptr;
}

} // namespace

void installTableAccessibility()
{
    // Qt keeps a factory installed twice only once.
    QAccessible::installFactory(accessibleFor);
}

TableAccessible::TableAccessible(TableView* view) : QAccessibleWidget(view, QAccessible::Pane)
{
    view->accessible_ = this;
}

TableAccessible::~TableAccessible()
{
    for (QAccessibleInterface* part : children_)
        if (part)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
}

TableView& TableAccessible::view() const
{
    return *static_cast<TableView*>(widget());
}

QString TableAccessible::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Name ? QStringLiteral("Стол") : QAccessibleWidget::text(kind);
}

int TableAccessible::childCount() const
{
    return ChildCount;
}

QAccessibleInterface* TableAccessible::child(int index) const
{
    if (index < 0 || index >= ChildCount)
        return nullptr;
    QAccessibleInterface*& part = children_[std::size_t(index)];
    if (!part) {
        part = new TablePartAccessible(const_cast<TableAccessible*>(this), index);
        QAccessible::registerAccessibleInterface(part);
    }
    return part;
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto found = std::find(children_.begin(), children_.end(), child);
    return found == children_.end() ? -1 : int(found - children_.begin());
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const
{
    // The later hand card lies on top where two overlap, so the search runs backwards.
    for (int index = StatusLine - 1; index >= 0; --index) {
        QAccessibleInterface* part = child(index);
        if (!part->state().invisible && part->rect().contains(x, y))
            return part;
    }
    return nullptr;
}

QAccessibleInterface* TableAccessible::focusChild() const
{
    const int slot = view().ringedSlot();
    if (slot != 0 && view().hasFocus())
        return child(FirstHandSlot + slot - 1);
    return QAccessibleWidget::focusChild();
}

void TableAccessible::showChanges(const game::Hands& shownBefore)
{
    const QString news = narration::afterLay(shownBefore, view().game_);
    if (!news.isEmpty())
        announce(news);
}

void TableAccessible::showPass(game::Player computer)
{
    announce(narration::afterPass(computer, view().game_));
}

void TableAccessible::showRing()
{
    if (QAccessibleInterface* focused = focusChild(); focused && focused != this) {
        QAccessibleEvent event(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void TableAccessible::announce(const QString& text)
{
    status_ = text;
    QAccessibleEvent changed(child(StatusLine), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace window
