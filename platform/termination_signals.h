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
// stays ignored. A signal that cannot be caught is said on stderr, in one line for them all,
// with the system's reason. One instance at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    // How a handler is read and set: sigaction(2), or a stand-in that fails in tests.
    using HandlerInstaller = int (*)(int signal, const struct sigaction* action,
                                     struct sigaction* previous);

    explicit TerminationSignals(QObject* parent = nullptr,
                                HandlerInstaller installHandler = ::sigaction);
    ~TerminationSignals() override;

    static constexpr std::size_t HandledSignalCount = 3;

Q_SIGNALS:
    void received();

private:
    void installHandlers(HandlerInstaller installHandler);
    void drain();

    QSocketNotifier* notifier_ = nullptr;
    // What each handled signal did before, put back when this goes, and whether this changed
    // it at all.
    std::array<struct sigaction, HandledSignalCount> previous_{};
    std::array<bool, HandledSignalCount> installed_{};
};

} // namespace platform
