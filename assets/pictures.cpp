// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"

#include <QFile>
#include <QImageReader>

namespace assets
{

namespace
{

const QString SingleFolder = QStringLiteral(":/pictures/");
const QString DoubleFolder = QStringLiteral(":/pictures/2x/");

// The picture's file; empty for a name that cannot be a picture's.
QString pictureFile(const QString& folder, const QString& name)
{
    // The pictures are stored under upper-case names, so any spelling of a name finds them.
    // A name with a path in it cannot reach outside the picture folder.
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    return folder + name.toUpper() + QStringLiteral(".bmp");
}

QImage readPicture(const QString& folder, const QString& name)
{
    const QString file = pictureFile(folder, name);
    if (file.isEmpty())
        return {};
    // Every picture is a BMP. Said so, with guessing off, the reader goes straight to Qt's own
    // BMP decoder; left to guess, it loads every image format plugin on the first picture and
    // asks each of them about every picture, which cost more than the decoding itself.
    QImageReader reader(file, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QImage loadPicture(const QString& name)
{
    return readPicture(SingleFolder, name);
}

bool hasPicture(const QString& name)
{
    const QString file = pictureFile(SingleFolder, name);
    return !file.isEmpty() && QFile::exists(file);
}

QImage loadDoublePicture(const QString& name)
{
    constexpr qreal Double = 2;
    QImage picture = readPicture(DoubleFolder, name);
    picture.setDevicePixelRatio(Double);
    return picture;
}

} // namespace assets
