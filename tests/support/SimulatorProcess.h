#pragma once

#include "PortList.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

// The simulator program on a pseudo-terminal of its own, as a separate
// process the way it runs beside the program. It announces its link in the
// port list's folder, so the program finds it like a real port.
class SimulatorProcess
{
public:
    ~SimulatorProcess() { stop(); }

    bool start(const QString &name, const QStringList &arguments)
    {
        process.setProgram(QStringLiteral(SIMULATOR_PROGRAM));
        process.setArguments(QStringList{"--announce-folder", PortList::announceFolder(), "--name", name,
                                         "--traverse-ms", "300", "--return-ms", "300"} +
                             arguments);
        process.start();
        if (!process.waitForStarted())
            return false;
        // The program prints its link once the link is in place.
        if (!process.waitForReadyRead(10000))
            return false;
        announcedPath = QString::fromLocal8Bit(process.readLine()).section(" -> ", 0, 0);
        return QFileInfo(announcedPath).path() == PortList::announceFolder();
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        process.waitForFinished();
    }

    // Gone at once, as a crashed unit would be; its link stays behind.
    void kill()
    {
        process.kill();
        process.waitForFinished();
    }

    QProcess process;
    QString announcedPath;
};
