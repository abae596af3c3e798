#include "faces.h"

#include <QPainter>

namespace artwork {

QImage DrawFace(int rank, char suit)
{
    QImage img(71, 96, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 70, 95);
    const bool red = suit == 'b' || suit == 'c';
    p.fillRect(20, 20 + rank, 30, 30, red ? Qt::red : Qt::black);
    return img;
}

} // namespace artwork
