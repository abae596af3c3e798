// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/image_control.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace window
{

const QString ImageControl::DragFormat = QStringLiteral("application/x-tavlen-hand-card");

ImageControl::ImageControl(const QString& objectName, int number, QSize size, QWidget* parent)
    : QWidget(parent), number_(number)
{
    setObjectName(objectName);
    setFixedSize(size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageControl::setPicture(const QImage& source)
{
    picture_ = source.convertToFormat(QImage::Format_RGB32);
    update();
}

void ImageControl::drawPicture(const QImage& source)
{
    // An opaque picture that covers the whole control simply replaces what was there.
    if (source.size() == size() && !source.hasAlphaChannel()) {
        setPicture(source);
        return;
    }
    if (picture_.isNull()) {
        picture_ = QImage(size(), QImage::Format_RGB32);
        picture_.fill(Qt::white);
    }
    QPainter painter(&picture_);
    painter.drawImage(0, 0, source);
    painter.end();
    update();
}

void ImageControl::setHandCursor(bool hand)
{
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool ImageControl::hasHandCursor() const
{
    return cursor().shape() == Qt::PointingHandCursor;
}

void ImageControl::armDrag()
{
    dragArmed_ = true;
}

void ImageControl::acceptDrops(DropCheck accepts, DropCheck take)
{
    accepts_ = std::move(accepts);
    take_ = std::move(take);
    setAcceptDrops(true);
}

void ImageControl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    pressPos_ = event->position().toPoint();
    dragArmed_ = false;
    Q_EMIT pressed();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    dragArmed_ = false;
}

void ImageControl::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT pointerMoved();
    if (!dragArmed_ || event->buttons() == Qt::NoButton ||
        (event->position().toPoint() - pressPos_).manhattanLength() <
            QApplication::startDragDistance())
        return;
    dragArmed_ = false;
    auto* data = new QMimeData;
    data->setData(DragFormat, QByteArray::number(number_));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

void ImageControl::dragEnterEvent(QDragEnterEvent* event)
{
    // Anything of ours is let in, so that the move events can answer as the game changes
    // under a card held still; anything else is refused outright.
    event->setAccepted(event->mimeData()->hasFormat(DragFormat));
}

void ImageControl::dragMoveEvent(QDragMoveEvent* event)
{
    event->setAccepted(accepts_ && accepts_(*this, event->source(), *event->mimeData()));
}

void ImageControl::dropEvent(QDropEvent* event)
{
    if (take_ && take_(*this, event->source(), *event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace window
