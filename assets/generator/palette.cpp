// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include <QImageWriter>
#include <array>

namespace artwork
{

namespace
{

// In the order of the standard palette, so that the stored colour indices are the usual ones.
const std::array<QRgb, 16> Palette = {
    colour::Black, colour::Maroon,  colour::Green, colour::Olive, colour::Navy, colour::Purple,
    colour::Teal,  colour::Silver,  colour::Grey,  colour::Red,   colour::Lime, colour::Yellow,
    colour::Blue,  colour::Fuchsia, colour::Aqua,  colour::White,
};

// The palette entry closest to `c`; the drawings use palette colours only, so this is exact
// for them and merely a safety net for anything else.
int nearest(QRgb c)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < int(Palette.size()); ++i) {
        const int dr = qRed(c) - qRed(Palette[i]);
        const int dg = qGreen(c) - qGreen(Palette[i]);
        const int db = qBlue(c) - qBlue(Palette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage toPalette(const QImage& drawing)
{
    const QImage rgb = drawing.convertToFormat(QImage::Format_RGB32);
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(Palette.begin(), Palette.end()));
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            out.setPixel(x, y, uint(nearest(rgb.pixel(x, y))));
    return out;
}

// An indexed picture with no more than 16 table entries is written with 4 bits a pixel.
bool savePicture(const QImage& drawing, const QString& path)
{
    QImageWriter writer(path, "bmp");
    return writer.write(toPalette(drawing));
}

} // namespace artwork
