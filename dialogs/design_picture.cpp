// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/design_picture.h"

#include "assets/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>

namespace dialogs
{

namespace
{

// What each design shows, for those who cannot see it.
const std::array<QString, assets::BackDesigns> Looks = {
    QStringLiteral("белая решётка на синем"),
    QStringLiteral("красная клетка"),
    QStringLiteral("белые волны на бирюзовом"),
    QStringLiteral("розетка и звёзды на тёмно-синем"),
    QStringLiteral("фиолетовые ромбы"),
    QStringLiteral("красная шотландка"),
    QStringLiteral("золотые лучи"),
    QStringLiteral("зелёная чешуя"),
};

} // namespace

DesignPicture::DesignPicture(int design, QWidget* parent)
    : QWidget(parent), design_(design),
      picture_(assets::loadPicture(QStringLiteral("Design%1").arg(design)))
{
    setObjectName(QStringLiteral("Image%1").arg(design));
    setFixedSize(assets::FaceWidth, assets::FaceHeight);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(
        QStringLiteral("Рубашка %1: %2").arg(design).arg(Looks.at(std::size_t(design - 1))));
}

void DesignPicture::pick()
{
    Q_EMIT picked(design_);
}

void DesignPicture::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void DesignPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        pick();
}

} // namespace dialogs
