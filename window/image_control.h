#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

class QMimeData;

namespace window
{

// A card place: a fixed-size control that owns one picture and shows it unscaled at its
// top left corner. Pictures are copied in or drawn on at (0, 0); one pixel can be read back.
// The game's handlers hang on the hooks; the control itself knows no rules.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    ImageControl(const QString& name, QSize size, QWidget* parent);

    // The picture becomes a copy of `source`.
    void CopyPicture(const QImage& source);
    // `source` is drawn over the picture with its top left corner at (0, 0).
    void DrawPicture(const QImage& source);
    const QImage& Picture() const { return picture_; }
    QRgb Pixel(int x, int y) const { return picture_.pixel(x, y); }

    void SetHandCursor(bool hand);
    bool HasHandCursor() const;

    // Arms a drag of this control that starts once the pointer has moved the desktop's drag
    // distance with a button still held; a release before that is a plain click.
    void BeginDrag();

    // The drag's payload names the dragged control, under a type only this game uses.
    static const QString DragFormat;

    std::function<void()> onMouseMove;
    std::function<void()> onMouseDown;
    std::function<bool(QObject* source, const QMimeData& data)> onDragOver;
    // Takes the drop and says whether it did.
    std::function<bool(QObject* source, const QMimeData& data)> onDragDrop;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage picture_;
    bool dragArmed_ = false;
    QPoint pressPos_;
};

} // namespace window
