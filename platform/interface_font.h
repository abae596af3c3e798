// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace platform
{

// The font for the menus and the help: the desktop's own, unless it comes out as a typewriter
// face, as on a minimal system with only the Liberation fonts, where fontconfig answers
// "sans-serif" with Liberation Mono. Then Liberation Sans at the same size, the dialogs' face.
QFont interfaceFont(const QFont& desktopFont);

} // namespace platform
