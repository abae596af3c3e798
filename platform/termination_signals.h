// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform
{

// Turns SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C in a terminal, a closed terminal or an
// ended session) into a Qt signal on the event loop, so the game can close its window as the
// close box does and keep the player's tally. A handler may only write to a pipe; the rest
// happens on the event loop. One instance at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void received();

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace platform
