#ifndef DEBUGLINES_H
#define DEBUGLINES_H

#include <QStringList>
#include <QtGlobal>

// Collects the debug lines written while it lives.
class DebugLines
{
public:
    DebugLines() { previous = qInstallMessageHandler(&DebugLines::record); }
    ~DebugLines() { qInstallMessageHandler(previous); }

    static QStringList &lines()
    {
        static QStringList collected;
        return collected;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtDebugMsg)
            lines().append(message);
    }

    QtMessageHandler previous;
};

#endif
