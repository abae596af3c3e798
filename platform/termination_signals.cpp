// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/termination_signals.h"

#include <QSocketNotifier>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace platform
{

namespace
{

struct HandledSignal {
    int number;
    const char* name;
};

constexpr std::array<HandledSignal, TerminationSignals::HandledSignalCount> HandledSignals = {{
    {SIGTERM, "SIGTERM"},
    {SIGINT, "SIGINT"},
    {SIGHUP, "SIGHUP"},
}};
// The write end for the handler, the read end for the notifier.
std::array<int, 2> signalPipe = {-1, -1};

extern "C" void onSignal(int /*signal*/)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, sizeof byte);
}

// The game plays on, but a player whose kill or closed terminal loses the tally is told why.
void sayNotCaught(const QStringList& names, int error)
{
    qWarning("tavlen: cannot catch %s (%s); the tally is not saved if the game is ended that way",
             qUtf8Printable(names.join(QStringLiteral(", "))), std::strerror(error));
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent, HandlerInstaller installHandler)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe.data()) != 0) {
        QStringList all;
        for (const HandledSignal& handled : HandledSignals)
            all.append(QString::fromLatin1(handled.name));
        sayNotCaught(all, errno);
        return;
    }
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);
    installHandlers(installHandler);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < HandledSignals.size(); ++i) {
        if (installed_[i])
            ::sigaction(HandledSignals[i].number, &previous_[i], nullptr);
    }
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe = {-1, -1};
}

void TerminationSignals::installHandlers(HandlerInstaller installHandler)
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    QStringList notCaught;
    int firstError = 0;
    for (std::size_t i = 0; i < HandledSignals.size(); ++i) {
        const int number = HandledSignals[i].number;
        if (installHandler(number, nullptr, &previous_[i]) == 0) {
            if (previous_[i].sa_handler == SIG_IGN)
                continue;
            installed_[i] = installHandler(number, &action, nullptr) == 0;
            if (installed_[i])
                continue;
        }
        if (notCaught.isEmpty())
            firstError = errno;
        notCaught.append(QString::fromLatin1(HandledSignals[i].name));
    }
    if (!notCaught.isEmpty())
        sayNotCaught(notCaught, firstError);
}

void TerminationSignals::drain()
{
    char byte = 0;
    if (::read(signalPipe[1], &byte, sizeof byte) > 0)
        Q_EMIT received();
}

} // namespace platform
