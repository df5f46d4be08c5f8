#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QUuid>

#include <csignal>

// Processes as the system lists them: the ones below a process, the ones
// that carry a test's mark, and the libraries a process has loaded.
namespace ProcessTree {

struct Process {
    qint64 pid = 0;
    qint64 parent = 0;
    QString command;
};

// The living processes; a process that has ended but was not yet waited for
// counts as ended.
inline QList<Process> living()
{
    QList<Process> found;
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        QFile stat("/proc/" + entry + "/stat");
        if (!number || !stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (command) state parent ...": the last ")" ends the command.
        const QString text = QString::fromUtf8(stat.readAll());
        const int close = text.lastIndexOf(')');
        const QStringList rest = text.mid(close + 1).split(' ', Qt::SkipEmptyParts);
        if (close < 0 || rest.size() < 2 || rest.at(0) == "Z")
            continue;
        found << Process{pid, rest.at(1).toLongLong(), text.mid(text.indexOf('(') + 1, close - text.indexOf('(') - 1)};
    }
    return found;
}

// The living processes below root, at any depth, that run command.
inline QList<qint64> descendants(qint64 root, const QString &command)
{
    const QList<Process> all = living();
    QList<qint64> below{root};
    QList<qint64> found;
    for (int i = 0; i < below.size(); ++i) {
        for (const Process &process : all) {
            if (process.parent != below.at(i))
                continue;
            below << process.pid;
            if (process.command == command)
                found << process.pid;
        }
    }
    return found;
}

// A mark a test puts in the environment of a program it starts: every process
// that program starts, and all they start in turn, inherit it, however far
// they move away from it in the process tree.
struct Mark {
    static constexpr const char *Name = "ORLIMO_TEST_MARK";

    void addTo(QProcessEnvironment &environment) const
    {
        environment.insert(Name, value);
    }

    // The test's own environment with the mark.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment marked = QProcessEnvironment::systemEnvironment();
        addTo(marked);
        return marked;
    }

    // The living processes that carry the mark, each as "pid command".
    QStringList carriers() const
    {
        const QByteArray entry = QByteArray(Name) + '=' + value.toUtf8();
        QStringList found;
        for (const Process &process : living()) {
            QFile environment(QString("/proc/%1/environ").arg(process.pid));
            if (environment.open(QIODevice::ReadOnly) && environment.readAll().split('\0').contains(entry))
                found << QString("%1 %2").arg(process.pid).arg(process.command);
        }
        return found;
    }

    // The carriers still living at timeoutMs, killed so that none can hold
    // the test's output open and the test fails at once instead.
    QStringList leftAfter(int timeoutMs) const
    {
        if (QTest::qWaitFor([this] { return carriers().isEmpty(); }, timeoutMs))
            return {};
        const QStringList left = carriers();
        for (const QString &process : left)
            ::kill(process.section(' ', 0, 0).toLongLong(), SIGKILL);
        return left;
    }

    QString value = QUuid::createUuid().toString(QUuid::WithoutBraces);
};

// Whether the process is seen to run without an OpenGL driver: no vendor
// library of the GL dispatcher and no DRI driver loaded. The dispatcher
// itself comes with Qt's GUI library and loads no driver until a GL context
// is asked for.
inline bool runsWithoutOpenGlDriver(qint64 pid)
{
    QFile maps(QString("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QByteArray file = line.mid(line.lastIndexOf('/') + 1);
        if (file.startsWith("libGLX_") || file.contains("_dri.so"))
            return false;
    }
    return true;
}

}
