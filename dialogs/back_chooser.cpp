// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/back_chooser.h"

#include "assets/pictures.h"
#include "dialogs/accessibility.h"
#include "dialogs/design_picture.h"

#include <QFrame>

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
        picture->move(FirstDesign + QPoint(index % DesignsPerRow * DesignPitch.x(),
                                           index / DesignsPerRow * DesignPitch.y()));
        connect(picture, &DesignPicture::picked, this, [this](int picked) {
            Q_EMIT designPicked(picked);
            accept();
        });
    }
}

} // namespace dialogs
