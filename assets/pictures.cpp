// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"

#include <QImageReader>

namespace assets
{

QString picturePath(const QString& name)
{
    // The pictures are stored under upper-case names, so any spelling of a name finds them.
    // A name with a path in it cannot reach outside the picture folder.
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    return QStringLiteral(":/pictures/") + name.toUpper() + QStringLiteral(".bmp");
}

QImage loadPicture(const QString& name)
{
    const QString path = picturePath(name);
    if (path.isEmpty())
        return {};
    // Every picture is a BMP. Said so, with guessing off, the reader goes straight to Qt's own
    // BMP decoder; left to guess, it loads every image format plugin on the first picture and
    // asks each of them about every picture, which cost more than the decoding itself.
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace assets
