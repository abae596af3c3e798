// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/interface_font.h"

#include <QFontInfo>

namespace platform
{

QFont interfaceFont(const QFont& desktopFont)
{
    if (!QFontInfo(desktopFont).fixedPitch())
        return desktopFont;
    QFont font(desktopFont);
    font.setFamily(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace platform
