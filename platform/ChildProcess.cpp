#include "ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// The guard ends its tree at once; one that has not ended by then never will.
const int StopTimeout = 5000;

}

ChildProcess::ChildProcess(QObject *parent)
    : QProcess(parent)
    , parentId(getpid())
{
}

void ChildProcess::start(const QString &program, const QStringList &arguments)
{
    QProcess::start(ORLIMO_GUARD_PROGRAM, QStringList(program) + arguments);
}

void ChildProcess::stop()
{
    if (state() == NotRunning)
        return;
    terminate();
    if (!waitForFinished(StopTimeout)) {
        kill();
        waitForFinished();
    }
}

void ChildProcess::setupChildProcess()
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The program may have died between the fork and the line above, and then
    // the signal will never come.
    if (getppid() != parentId)
        _exit(EXIT_FAILURE);
}
