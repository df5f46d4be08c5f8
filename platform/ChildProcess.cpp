#include "ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>
#include <unistd.h>

ChildProcess::ChildProcess(QObject *parent)
    : QProcess(parent)
    , parentId(getpid())
{
}

void ChildProcess::setupChildProcess()
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The program may have died between the fork and the line above, and then
    // the signal will never come.
    if (getppid() != parentId)
        _exit(EXIT_FAILURE);
}
