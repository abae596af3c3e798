// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace dialogs
{

// Lets a screen reader use the dialogs' own controls: each back design is a button it can
// press, and the chart says every player's points and share as text. Qt asks for these only
// once assistive technology looks at the dialogs; installing them more than once is harmless.
void installAccessibility();

} // namespace dialogs
