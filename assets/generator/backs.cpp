#include "backs.h"

#include <QPainter>

namespace artwork {

QImage DrawBack(int design)
{
    QImage img(62, 71, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QPainter p(&img);
    p.fillRect(4, 4, design * 4, 10, Qt::white);
    return img;
}

QImage DrawNone()
{
    QImage img(71, 96, QImage::Format_RGB32);
    img.fill(QColor(0, 128, 0));
    QPainter p(&img);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 70, 95);
    return img;
}

QImage DrawIcon()
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::red);
    return img;
}

} // namespace artwork
