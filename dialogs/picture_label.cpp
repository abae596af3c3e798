// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/picture_label.h"

#include <QEvent>

namespace dialogs
{

PictureLabel::PictureLabel(const QString& pictureName, QWidget* parent)
    : QLabel(parent), pictureName_(pictureName)
{
    showPictureForScreen();
}

bool PictureLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        showPictureForScreen();
    return QLabel::event(event);
}

void PictureLabel::showPictureForScreen()
{
    setPixmap(QPixmap::fromImage(pictures_.picture(pictureName_, devicePixelRatio())));
}

} // namespace dialogs
