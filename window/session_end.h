// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace window
{

class MainWindow;

// The session's end comes as the application's quit, which closes every window: watching for
// it, the main window then closes as it does for a signal, telling a failed save to the log
// rather than in a box nobody may be there to answer.
class SessionEndWatcher : public QObject
{
public:
    explicit SessionEndWatcher(MainWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& window_;
};

} // namespace window
