// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/fixed_dialog.h"

namespace dialogs
{

// The about box: the program's icon, name and version, and who made it.
class AboutBox : public FixedDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget* owner);
};

} // namespace dialogs
