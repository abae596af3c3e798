// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/session_end.h"

#include "window/main_window.h"

#include <QCoreApplication>
#include <QEvent>

namespace window
{

SessionEndWatcher::SessionEndWatcher(MainWindow& window) : window_(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool SessionEndWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
        window_.closeUnattended();
    return false;
}

} // namespace window
