// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/back_chooser.h"

#include "assets/pictures.h"
#include "dialogs/accessibility.h"
#include "dialogs/design_picture.h"

#include <QFrame>
#include <QKeyEvent>
#include <algorithm>

namespace dialogs
{

namespace
{

constexpr QSize ClientSize{359, 248};
constexpr QRect PanelGeometry{8, 8, 343, 232};
// Two rows of four designs on the panel.
constexpr int DesignsPerRow = 4;
constexpr QPoint FirstDesign{16, 16};
constexpr QPoint DesignPitch{80, 104};

} // namespace

BackChooser::BackChooser(QWidget* owner)
    : FixedDialog("FrmC", QStringLiteral("Выбор рубашки"), ClientSize, owner)
{
    installAccessibility();
    setAccessibleDescription(QStringLiteral("Выберите рубашку карт Сени и Лёлика"));
    QFrame* panel = makeSunkenPanel(QStringLiteral("Panel1"), PanelGeometry, this);
    for (int design = 1; design <= assets::BackDesigns; ++design) {
        auto* picture = new DesignPicture(design, panel);
        const int index = design - 1;
        designs_[std::size_t(index)] = picture;
        picture->move(FirstDesign + QPoint(index % DesignsPerRow * DesignPitch.x(),
                                           index / DesignsPerRow * DesignPitch.y()));
        connect(picture, &DesignPicture::picked, this, [this](int picked) {
            Q_EMIT designPicked(picked);
            accept();
        });
    }
    // The keys start from the first design; the mouse never sees where the focus is.
    designs_.front()->setFocus();
}

void BackChooser::keyPressEvent(QKeyEvent* event)
{
    const auto focused = std::find(designs_.begin(), designs_.end(), focusWidget());
    // Before the keyboard has reached a design, the arrows start from the first.
    const int from = focused == designs_.end() ? 0 : int(focused - designs_.begin());
    int to = from;
    switch (event->key()) {
    case Qt::Key_Left:
        to = from - 1;
        break;
    case Qt::Key_Right:
        to = from + 1;
        break;
    case Qt::Key_Up:
        to = from - DesignsPerRow;
        break;
    case Qt::Key_Down:
        to = from + DesignsPerRow;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = int(designs_.size()) - 1;
        break;
    default:
        FixedDialog::keyPressEvent(event);
        return;
    }
    // A step off the layout stays where it is, and shows where that is.
    if (to < 0 || to >= int(designs_.size()))
        to = from;
    focusByKey(designs_[std::size_t(to)]);
}

bool BackChooser::focusNextPrevChild(bool next)
{
    const bool moved = FixedDialog::focusNextPrevChild(next);
    if (auto* design = qobject_cast<DesignPicture*>(focusWidget()))
        focusByKey(design);
    return moved;
}

void BackChooser::focusByKey(DesignPicture* design)
{
    design->setFocus(Qt::TabFocusReason);
    for (DesignPicture* other : designs_)
        other->showRing(other == design);
}

} // namespace dialogs
