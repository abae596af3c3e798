// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

class QMimeData;

namespace window
{

// A card place: a fixed-size control that owns one picture and shows it unscaled at its top
// left corner. Pictures are copied in or drawn on at (0, 0); one pixel can be read back. Each
// control knows the number it stands for (a table cell, a hand slot). The control knows no
// rules: the window listens to its signals and answers for its drops.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    // What a drop target asks about a drag from `source` that carries `data`.
    using DropCheck = std::function<bool(const ImageControl& target, const QObject* source,
                                         const QMimeData& data)>;

    ImageControl(const QString& objectName, int number, QSize size, QWidget* parent);

    int number() const { return number_; }

    // The picture becomes a copy of `source`.
    void setPicture(const QImage& source);
    // `source` is drawn over the picture with its top left corner at (0, 0).
    void drawPicture(const QImage& source);
    const QImage& picture() const { return picture_; }
    QRgb pixel(QPoint at) const { return picture_.pixel(at); }

    void setHandCursor(bool hand);
    bool hasHandCursor() const;

    // Arms a drag of this control that starts once the pointer has moved the desktop's drag
    // distance with a button still held; a release before that is a plain click.
    void armDrag();

    // Makes the control a drop target: `accepts` answers while a card is dragged over it,
    // `take` on the drop, and says whether it took the card.
    void acceptDrops(DropCheck accepts, DropCheck take);

    // The drag's payload is the dragged control's number, under a type only this game uses.
    static const QString DragFormat;

Q_SIGNALS:
    void pointerMoved();
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    const int number_;
    QImage picture_;
    bool dragArmed_ = false;
    QPoint pressPos_;
    DropCheck accepts_;
    DropCheck take_;
};

} // namespace window
