// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/screen_picture.h"

#include "assets/pictures.h"

#include <QResource>
#include <QtEndian>

namespace assets
{

namespace
{

// The layout of an uncompressed Windows bitmap of 4 bits a pixel, rows stored bottom up.
constexpr qint64 FileHeaderBytes = 14;
constexpr qint64 InfoHeaderBytes = 40;
constexpr qint64 PixelOffsetAt = 10;
constexpr qint64 WidthAt = FileHeaderBytes + 4;
constexpr qint64 HeightAt = FileHeaderBytes + 8;
constexpr qint64 BitsPerPixelAt = FileHeaderBytes + 14;
constexpr qint64 CompressionAt = FileHeaderBytes + 16;
constexpr qint64 PaletteAt = FileHeaderBytes + InfoHeaderBytes;
constexpr int PaletteColours = 16;
constexpr qint64 PaletteEntryBytes = 4; // blue, green, red, unused
constexpr qint64 PaletteBytes = PaletteColours * PaletteEntryBytes;
constexpr int BitsPerPixel = 4;
constexpr int LowNibbleMask = 0x0F;
constexpr int LargestSide = 4096;

template <typename T> T readAt(const uchar* data, qint64 at)
{
    return qFromLittleEndian<T>(data + at);
}

// Unpacks the picture, or gives a null image for anything but the plain 16-colour kind.
QImage unpackSixteenColours(const uchar* data, qint64 size)
{
    if (size < PaletteAt + PaletteBytes || data[0] != 'B' || data[1] != 'M')
        return {};
    const auto width = readAt<qint32>(data, WidthAt);
    const auto height = readAt<qint32>(data, HeightAt);
    const auto pixels = readAt<quint32>(data, PixelOffsetAt);
    // Each row holds two pixels a byte and is padded to whole 32-bit words.
    const qint64 rowBytes = (qint64(width) * BitsPerPixel + 31) / 32 * 4;
    if (readAt<quint16>(data, BitsPerPixelAt) != BitsPerPixel ||
        readAt<quint32>(data, CompressionAt) != 0 || width <= 0 || height <= 0 ||
        width > LargestSide || height > LargestSide || pixels < PaletteAt ||
        pixels + rowBytes * height > size)
        return {};
    QRgb palette[PaletteColours];
    for (int i = 0; i < PaletteColours; ++i) {
        const uchar* entry = data + PaletteAt + PaletteEntryBytes * i;
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    QImage picture(width, height, QImage::Format_RGB32);
    uchar* const bits = picture.bits();
    for (int y = 0; y < height; ++y) {
        const uchar* in = data + pixels + rowBytes * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(bits + picture.bytesPerLine() * y);
        // Two pixels a byte, the left one in the high bits.
        for (const uchar* end = in + width / 2; in != end; ++in) {
            const uchar packed = *in;
            *out++ = palette[packed >> BitsPerPixel];
            *out++ = palette[packed & LowNibbleMask];
        }
        if (width % 2 != 0)
            *out = palette[*in >> BitsPerPixel];
    }
    return picture;
}

// The stored picture at `path` unpacked, or a null image when it is not of the plain kind.
QImage unpackStored(const QString& path)
{
    const QResource stored(path);
    if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return unpackSixteenColours(stored.data(), stored.size());
}

} // namespace

QImage loadScreenPicture(const QString& name)
{
    const QImage picture = unpackStored(picturePath(name));
    return picture.isNull() ? loadPicture(name).convertToFormat(QImage::Format_RGB32) : picture;
}

QImage loadDoubleScreenPicture(const QString& name)
{
    QImage picture = unpackStored(doublePicturePath(name));
    if (picture.isNull())
        return loadDoublePicture(name).convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(DoubleRatio);
    return picture;
}

} // namespace assets
