// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/pictures.h"
#include "dialogs/fixed_dialog.h"

#include <array>

namespace dialogs
{

class DesignPicture;

// The card-back chooser: the eight designs at full card size; one click picks a design for
// both computers' columns and closes the chooser. It does not show which design is current.
// From the keyboard, the arrows, Home and End move among the designs as they are laid out.
class BackChooser : public FixedDialog
{
    Q_OBJECT
public:
    explicit BackChooser(QWidget* owner);

Q_SIGNALS:
    // Design 1..8.
    void designPicked(int design);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Gives the design the focus and shows it there alone.
    void focusByKey(DesignPicture* design);

    std::array<DesignPicture*, assets::BackDesigns> designs_{};
};

} // namespace dialogs
