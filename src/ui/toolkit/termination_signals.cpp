// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace veltrane {
namespace {

// A signal handler may do almost nothing: it writes one byte, and the event
// loop reads it and quits.
int signalSockets[2] = {-1, -1};

void onSignal(int)
{
    char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

void quitApplicationOnTerminationSignals()
{
    if (signalSockets[0] != -1 || !QCoreApplication::instance())
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    ::fcntl(signalSockets[0], F_SETFL, O_NONBLOCK);

    auto notifier =
        new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte;
        [[maybe_unused]] ssize_t read = ::read(signalSockets[1], &byte, 1);
        QCoreApplication::quit();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace veltrane
