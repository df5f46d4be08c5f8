#pragma once

#include "GlobalManager.h"
#include "NetworkController.h"
#include "PortList.h"
#include "ShortIntervals.h"
#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

// The program's link as the end-to-end tests run it: it finds the simulator
// programs a test starts in an announce folder of the test's own, with its
// periods cut short.
class SimulatorLink
{
public:
    explicit SimulatorLink(const QString &prefix)
        : prefix(prefix)
    {
    }

    // Before the link starts, which takes its periods as it starts.
    bool setUp()
    {
        if (!announceFolder.isValid())
            return false;
        PortList::setAnnounceFolder(announceFolder.path());
        link()->setIntervals(processIntervals());
        return true;
    }

    static NetworkController *link() { return GlobalManager::instance()->networkController; }

    // Each simulator under a name of its own, so neither an earlier one's
    // leftover link nor another test run's is taken for it.
    bool start(SimulatorProcess &simulator, const QStringList &arguments)
    {
        const QString name =
            QStringLiteral("%1-%2-%3").arg(prefix).arg(QCoreApplication::applicationPid()).arg(++started);
        return simulator.start(name, arguments);
    }

private:
    QTemporaryDir announceFolder;
    const QString prefix;
    int started = 0;
};
