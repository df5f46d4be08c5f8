#include "ChildProcess.h"
#include "ProcessEnd.h"
#include "ProcessTree.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

const int EndTimeout = 10000;
// Whatever outlives its program ends within moments or never.
const int LeftoverTimeout = 10000;
const char StartChildren[] = "--start-children";
// The helper's line once its first child runs.
const char Starting[] = "starting";
const char NoSuchProgram[] = "/nonexistent/orlimo-test-program";

// The program as the stress rounds see it: it starts children without a
// pause, each a process that would run on for minutes, and keeps the last
// few running, so that nearly every moment of its life is within a child's
// start or end.
int startChildren()
{
    std::array<std::unique_ptr<ChildProcess>, 3> children;
    for (unsigned round = 0;; ++round) {
        std::unique_ptr<ChildProcess> &child = children[round % children.size()];
        child = std::make_unique<ChildProcess>(nullptr);
        if (!child->start("sleep", {"600"}))
            return 1;
        if (round == 0) {
            std::puts(Starting);
            std::fflush(stdout);
        }
        QCoreApplication::processEvents();
    }
}

}

class ChildProcessTest : public QObject
{
    Q_OBJECT
private slots:
    void runsTheProgramAndReadsItsLines_data();
    void runsTheProgramAndReadsItsLines();
    void stopEndsEverythingBelowTheProcess();
    void childHoldsNothingTheProgramOpened();
    void guardStartsNothingForAnEndedProgram();
    void programKilledAroundAStartLeavesNothing();
};

void ChildProcessTest::runsTheProgramAndReadsItsLines_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<QByteArray>>("lines");

    QTest::newRow("lines, the last one unended")
        << "sh" << QStringList{"-c", "echo one; sleep 0.2; printf 'two\\n\\nthree'"}
        << QList<QByteArray>{"one", "two", ""};
    QTest::newRow("the environment given") << "sh" << QStringList{"-c", "echo \"$ORLIMO_GIVEN\""}
                                           << QList<QByteArray>{"given"};
    // The guard says why on its error output, and ends at once.
    QTest::newRow("a program that cannot run") << NoSuchProgram << QStringList() << QList<QByteArray>();
}

void ChildProcessTest::runsTheProgramAndReadsItsLines()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QList<QByteArray>, lines);

    ChildProcess child(nullptr);
    child.setReadsOutput(true);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ORLIMO_GIVEN", "given");
    child.setEnvironment(environment);
    QList<QByteArray> read;
    connect(&child, &ChildProcess::lineRead, this, [&read](const QByteArray &line) {
        read << line;
    });
    QSignalSpy finished(&child, &ChildProcess::finished);
    QVERIFY(child.start(program, arguments));
    QVERIFY(child.isRunning());
    QVERIFY(!child.start(program, arguments));

    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, EndTimeout);
    QVERIFY(!child.isRunning());
    QCOMPARE(read, lines);
    // And once more, on the same object.
    read.clear();
    QVERIFY(child.start(program, arguments));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, EndTimeout);
    QCOMPARE(read, lines);
}

// A process that shrugs off SIGTERM, with a child in a session of its own.
void ChildProcessTest::stopEndsEverythingBelowTheProcess()
{
    const ProcessTree::Mark mark;
    ChildProcess child(nullptr);
    child.setEnvironment(mark.environment());
    child.setReadsOutput(true);
    QSignalSpy read(&child, &ChildProcess::lineRead);
    QSignalSpy finished(&child, &ChildProcess::finished);
    QVERIFY(child.start("sh", {"-c", "trap '' TERM; setsid sleep 600 & echo ready; while :; do sleep 1; done"}));
    QTRY_COMPARE_WITH_TIMEOUT(read.count(), 1, EndTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(mark.carriers().size() >= 4, EndTimeout);

    child.stop();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!child.isRunning());
    const QStringList left = mark.carriers();
    QVERIFY2(left.isEmpty(), qPrintable("outlived the stop: " + left.join(", ")));
}

// The instrument's port, for one, must be free once the program has ended,
// whatever still runs below it.
void ChildProcessTest::childHoldsNothingTheProgramOpened()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const int opened = ::open(QFile::encodeName(folder.filePath("held")).constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(opened > STDERR_FILENO);
    ChildProcess child(nullptr);
    child.setReadsOutput(true);
    QSignalSpy read(&child, &ChildProcess::lineRead);
    const QString probe = QString("if [ -e /proc/$$/fd/%1 ]; then echo held; else echo free; fi").arg(opened);
    QVERIFY(child.start("sh", {"-c", probe}));
    QTRY_COMPARE_WITH_TIMEOUT(read.count(), 1, EndTimeout);
    ::close(opened);
    QCOMPARE(read.first().first().toByteArray(), QByteArray("free"));
}

// The guard that comes up after the program that started it has died finds
// another parent, and starts nothing.
void ChildProcessTest::guardStartsNothingForAnEndedProgram()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString made = folder.filePath("made");
    QProcess guard;
    guard.start(ORLIMO_GUARD_PROGRAM, {QString::number(QCoreApplication::applicationPid() + 1), "touch", made});
    QVERIFY(processEnded(guard, EndTimeout));
    QCOMPARE(guard.exitStatus(), QProcess::NormalExit);
    QCOMPARE(guard.exitCode(), 127);
    QVERIFY(!QFileInfo::exists(made));

    guard.start(ORLIMO_GUARD_PROGRAM, {QString::number(QCoreApplication::applicationPid()), "touch", made});
    QVERIFY(processEnded(guard, EndTimeout));
    QCOMPARE(guard.exitCode(), 0);
    QVERIFY(QFileInfo::exists(made));
}

// Killed at a random moment of a busy life of starts: nothing started may
// wait on the dead program, and no copy of the program may be left holding
// what it had open.
void ChildProcessTest::programKilledAroundAStartLeavesNothing()
{
    const int rounds = 150;
    const int latestKillUs = 20000;
    for (int round = 0; round < rounds; ++round) {
        const ProcessTree::Mark mark;
        QProcess program;
        program.setProcessEnvironment(mark.environment());
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {StartChildren});
        QVERIFY(program.waitForReadyRead(EndTimeout));
        QCOMPARE(program.readLine().trimmed(), QByteArray(Starting));

        const auto delayUs = QRandomGenerator::global()->bounded(latestKillUs);
        QThread::usleep(static_cast<unsigned long>(delayUs));
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        QVERIFY(processEnded(program, EndTimeout));
        const QStringList left = mark.leftAfter(LeftoverTimeout);
        QVERIFY2(left.isEmpty(), qPrintable(QString("round %1, killed %2 us after the first start: %3")
                                                .arg(round)
                                                .arg(delayUs)
                                                .arg(left.join(", "))));
    }
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (std::find(argv, argv + argc, std::string(StartChildren)) != argv + argc)
        return startChildren();
    ChildProcessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ChildProcessTest.moc"
