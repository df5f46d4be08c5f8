#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the debug lines written while it lives.
class MessageLog
{
public:
    MessageLog()
    {
        lines().clear();
        previous = qInstallMessageHandler(&MessageLog::collect);
    }
    ~MessageLog() { qInstallMessageHandler(previous); }

    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    static QStringList &lines()
    {
        static QStringList collected;
        return collected;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext &, const QString &message) { lines().append(message); }

    QtMessageHandler previous;
};
