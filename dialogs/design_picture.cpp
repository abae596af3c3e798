// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/design_picture.h"

#include "assets/pictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace dialogs
{

DesignPicture::DesignPicture(int design, QWidget* parent)
    : QWidget(parent), design_(design),
      picture_(assets::loadPicture(QStringLiteral("Design%1").arg(design)))
{
    setObjectName(QStringLiteral("Image%1").arg(design));
    setFixedSize(assets::FaceWidth, assets::FaceHeight);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DesignPicture::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void DesignPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT picked(design_);
}

} // namespace dialogs
