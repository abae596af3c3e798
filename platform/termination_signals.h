// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

namespace platform
{

// Turns SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C in a terminal, a closed terminal or an
// ended session) into a Qt signal on the event loop, so the game can close its window as the
// close box does and keep the player's tally. A handler may only write to a pipe; the rest
// happens on the event loop. A signal that was ignored when the game started, as under nohup,
// stays ignored. One instance at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    static constexpr std::size_t HandledSignalCount = 3;

Q_SIGNALS:
    void received();

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
    // What each handled signal did before, put back when this goes.
    std::array<struct sigaction, HandledSignalCount> previous_{};
};

} // namespace platform
