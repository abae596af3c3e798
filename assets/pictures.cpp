// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"

#include <QFile>
#include <QImageReader>

namespace assets
{

namespace
{

QString pathIn(const QString& folder, const QString& name)
{
    // The pictures are stored under upper-case names, so any spelling of a name finds them.
    // A name with a path in it cannot reach outside the picture folder.
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    return folder + name.toUpper() + QStringLiteral(".bmp");
}

QImage readPicture(const QString& path)
{
    if (path.isEmpty())
        return {};
    // Every picture is a BMP. Said so, with guessing off, the reader goes straight to Qt's own
    // BMP decoder; left to guess, it loads every image format plugin on the first picture and
    // asks each of them about every picture, which cost more than the decoding itself.
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QString picturePath(const QString& name)
{
    return pathIn(QStringLiteral(":/pictures/"), name);
}

QImage loadPicture(const QString& name)
{
    return readPicture(picturePath(name));
}

bool hasPicture(const QString& name)
{
    const QString path = picturePath(name);
    return !path.isEmpty() && QFile::exists(path);
}

QString doublePicturePath(const QString& name)
{
    return pathIn(QStringLiteral(":/pictures/2x/"), name);
}

QImage loadDoublePicture(const QString& name)
{
    QImage picture = readPicture(doublePicturePath(name));
    picture.setDevicePixelRatio(DoubleRatio);
    return picture;
}

} // namespace assets
