// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/fixed_dialog.h"

namespace dialogs
{

// The card-back chooser: the eight designs at full card size; one click picks a design for
// both computers' columns and closes the chooser. It does not show which design is current.
class BackChooser : public FixedDialog
{
    Q_OBJECT
public:
    explicit BackChooser(QWidget* owner);

Q_SIGNALS:
    // Design 1..8.
    void designPicked(int design);
};

} // namespace dialogs
