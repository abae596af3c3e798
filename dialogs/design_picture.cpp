// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/design_picture.h"

#include "assets/picture_cache.h"
#include "assets/pictures.h"

#include <QKeyEvent>
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

// Every back has a black edge one pixel wide and a white margin inside it up to the design's
// frame, three pixels in.
constexpr int CardEdge = 1;
constexpr int CardMargin = 3;

} // namespace

DesignPicture::DesignPicture(int design, QWidget* parent) : QWidget(parent), design_(design)
{
    setObjectName(QStringLiteral("Image%1").arg(design));
    setFixedSize(assets::FaceWidth, assets::FaceHeight);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(
        QStringLiteral("Рубашка %1: %2").arg(design).arg(Looks.at(std::size_t(design - 1))));
}

void DesignPicture::pick()
{
    Q_EMIT picked(design_);
}

void DesignPicture::showRing(bool shown)
{
    ringShown_ = shown;
    update();
}

void DesignPicture::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(
        0, 0,
        pictures_.picture(QStringLiteral("Design%1").arg(design_), assets::paintedRatio(painter)));
    if (ringShown_) {
        // The ring fills the white margin between the card's black edge and the design's own
        // frame, where it stands out on every design.
        const QRect outside = rect().adjusted(CardEdge, CardEdge, -CardEdge, -CardEdge);
        const QRect inside = rect().adjusted(CardMargin, CardMargin, -CardMargin, -CardMargin);
        painter.setClipRegion(QRegion(outside).subtracted(inside));
        painter.fillRect(outside, palette().color(QPalette::Highlight));
    }
}

void DesignPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        pick();
}

void DesignPicture::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DesignPicture::focusOutEvent(QFocusEvent* event)
{
    showRing(false);
    QWidget::focusOutEvent(event);
}

} // namespace dialogs
