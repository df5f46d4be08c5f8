#include "ExitSignals.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Only one instance installs handlers; the handler reaches it through these.
volatile std::sig_atomic_t signalWriteEnd = -1;
int signalReadEnd = -1;

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full socket already holds a pending exit; losing this byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
    errno = savedErrno;
}

bool startedIgnored(int signalNumber)
{
    struct sigaction current = {};
    return ::sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

}

ExitSignals::ExitSignals(QObject *parent)
    : QObject(parent)
{
    int ends[2];
    if (signalWriteEnd >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) {
        qDebug() << "exit signals are not handled: no socket for them";
        return;
    }
    signalReadEnd = ends[0];
    signalWriteEnd = ends[1];
    notifier = new QSocketNotifier(signalReadEnd, QSocketNotifier::Read, this);
    notifier->setEnabled(false);
    connect(notifier, &QSocketNotifier::activated, this, &ExitSignals::onSignalPending);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        if (startedIgnored(signalNumber))
            continue;
        if (::sigaction(signalNumber, &action, nullptr) == 0)
            handledSignals << signalNumber;
    }
}

ExitSignals::~ExitSignals()
{
    if (!notifier)
        return;
    for (int signalNumber : handledSignals)
        std::signal(signalNumber, SIG_DFL);
    // Unregistered from the event dispatcher while its socket is still open.
    delete notifier;
    ::close(signalWriteEnd);
    ::close(signalReadEnd);
    signalWriteEnd = -1;
    signalReadEnd = -1;
}

void ExitSignals::closeOnSignal(QWidget *window)
{
    mainWindow = window;
    if (notifier)
        notifier->setEnabled(true);
}

void ExitSignals::onSignalPending()
{
    unsigned char byte = 0;
    bool received = false;
    while (::read(signalReadEnd, &byte, 1) == 1) {
        received = true;
        qDebug() << "exit on signal" << static_cast<int>(byte);
    }
    // A window that is already hidden is closing; a second close would only
    // save the configuration again. One whose close was refused because the
    // save failed stays visible, so the next signal tries again.
    if (received && mainWindow && mainWindow->isVisible())
        mainWindow->close();
}
