#pragma once

#include <QProcess>

// Whether the process has ended within timeoutMs. QProcess's own wait says no
// for a process whose end the event loop has already taken in, as a QTRY_
// wait or an output handler before it may well have done.
inline bool processEnded(QProcess &process, int timeoutMs = 30000)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(timeoutMs);
}
