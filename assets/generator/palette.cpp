#include "palette.h"

#include <QImageWriter>
#include <array>

namespace artwork {

namespace {
const std::array<QRgb, 16> Palette = {
    qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

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

QImage ToPalette(const QImage& drawing)
{
    const QImage rgb = drawing.convertToFormat(QImage::Format_RGB32);
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(Palette.begin(), Palette.end()));
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            out.setPixel(x, y, uint(nearest(rgb.pixel(x, y))));
    return out;
}

bool SavePicture(const QImage& drawing, const QString& path)
{
    QImageWriter writer(path, "bmp");
    return writer.write(ToPalette(drawing));
}

} // namespace artwork
