#include "game/legality.h"
#include "window/image_control.h"
#include "window/tfrma.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMimeData>

namespace window
{

int NumberInName(const QString& name)
{
    constexpr qsizetype Letters = 5;
    if (name.size() != Letters + 1 && name.size() != Letters + 2)
        return 0;
    bool ok = false;
    const int number = name.mid(Letters).toInt(&ok, 10);
    return ok ? number : 0;
}

void TFrmA::Gamer1MouseMove(ImageControl* image)
{
    const int k = NumberInName(image->objectName());
    image->SetHandCursor(game::CardIsPlayable(game_.TableList, game_.GamerHand[k]));
}

void TFrmA::Gamer1MouseDown(ImageControl* image)
{
    if (image->HasHandCursor())
        image->BeginDrag();
}

int TFrmA::acceptedSlot(const ImageControl* cell, QObject* source, const QMimeData& data) const
{
    // Only a hand image of this very window, named as the drag says, is a card; a cell is
    // never one, so nothing is dropped onto itself.
    const int k = NumberInName(QString::fromUtf8(data.data(ImageControl::DragFormat)));
    if (k < 1 || k > game::HandSlots || source != Gamer(k) ||
        !game_.AcceptsDrop(k, NumberInName(cell->objectName())))
        return 0;
    return k;
}

bool TFrmA::Image1DragOver(ImageControl* cell, QObject* source, const QMimeData& data) const
{
    return acceptedSlot(cell, source, data) != 0;
}

bool TFrmA::Image1DragDrop(ImageControl* cell, QObject* source, const QMimeData& data)
{
    const int k = acceptedSlot(cell, source, data);
    if (k == 0)
        return false;
    playLayingSound();
    cell->CopyPicture(Gamer(k)->Picture());
    Gamer(k)->hide();
    game_.HumanDrop(k, NumberInName(cell->objectName()));
    syncTimer();
    return true;
}

void TFrmA::FormKeyDown(int key)
{
    if (key == Qt::Key_Space && game_.HumanPass())
        syncTimer();
}

bool TFrmA::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel1 && event->type() == QEvent::Resize) {
        FormResize();
    } else if (event->type() == QEvent::KeyPress) {
        // The window sees each key once, before whichever of its controls has the focus.
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (widget == first && widget->window() == this)
            FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace window
