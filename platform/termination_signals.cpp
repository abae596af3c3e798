// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/termination_signals.h"

#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>

namespace platform
{

namespace
{

constexpr std::array<int, TerminationSignals::HandledSignalCount> HandledSignals = {SIGTERM, SIGINT,
                                                                                    SIGHUP};
// The write end for the handler, the read end for the notifier.
std::array<int, 2> signalPipe = {-1, -1};

extern "C" void onSignal(int /*signal*/)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, sizeof byte);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe.data()) != 0)
        return;
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < HandledSignals.size(); ++i) {
        ::sigaction(HandledSignals[i], nullptr, &previous_[i]);
        if (previous_[i].sa_handler != SIG_IGN)
            ::sigaction(HandledSignals[i], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < HandledSignals.size(); ++i)
        ::sigaction(HandledSignals[i], &previous_[i], nullptr);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe = {-1, -1};
}

void TerminationSignals::drain()
{
    char byte = 0;
    if (::read(signalPipe[1], &byte, sizeof byte) > 0)
        Q_EMIT received();
}

} // namespace platform
