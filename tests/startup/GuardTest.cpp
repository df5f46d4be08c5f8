#include "ProcessEnd.h"
#include "ProgramCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kStartTimeoutMs = 30000;
// What a second instance's -1 becomes as an exit status.
constexpr int kRefusedExitCode = 255;

}

// The program as it is installed: a copy in a folder of its own with its file
// index beside it, and a temporary folder of its own, so the instance key is
// this test's alone.
class GuardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondStartIsRefusedAndLeftoversAreCleared();

private:
    std::unique_ptr<QProcess> launch(const QString &workFolder);
    void waitUntilRunning(QProcess &program, const QString &workFolder);

    ProgramCopy copy;
};

void GuardTest::initTestCase()
{
    QVERIFY(copy.setUp(ORLIMO_PROGRAM));
}

std::unique_ptr<QProcess> GuardTest::launch(const QString &workFolder)
{
    QDir().mkpath(workFolder);
    auto process = std::make_unique<QProcess>();
    copy.start(*process, workFolder);
    return process;
}

void GuardTest::waitUntilRunning(QProcess &running, const QString &workFolder)
{
    QVERIFY(running.waitForStarted());
    // The directories are made only after the guard was passed.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(workFolder + "/file/DataStorage").isDir(), kStartTimeoutMs);
    QCOMPARE(running.state(), QProcess::Running);
}

void GuardTest::secondStartIsRefusedAndLeftoversAreCleared()
{
    const QString first = copy.root.filePath("first");
    std::unique_ptr<QProcess> running = launch(first);
    waitUntilRunning(*running, first);

    const QString second = copy.root.filePath("second");
    std::unique_ptr<QProcess> refused = launch(second);
    QVERIFY(refused->waitForFinished(kStartTimeoutMs));
    QCOMPARE(refused->exitStatus(), QProcess::NormalExit);
    QCOMPARE(refused->exitCode(), kRefusedExitCode);
    QVERIFY(QDir(second).isEmpty());
    QCOMPARE(running->state(), QProcess::Running);

    // Killed: nothing of it runs any more, its segment is left behind.
    running->kill();
    QVERIFY(processEnded(*running));
    const QString afterKill = copy.root.filePath("after-kill");
    std::unique_ptr<QProcess> again = launch(afterKill);
    waitUntilRunning(*again, afterKill);
    again->kill();
    QVERIFY(processEnded(*again));

    // An instance that ended normally leaves its segment behind as well.
    QProcess holder;
    holder.setProcessEnvironment(copy.environment);
    holder.start(QStringLiteral(SEGMENT_HOLDER), QStringList());
    QVERIFY(holder.waitForFinished(kStartTimeoutMs));
    QCOMPARE(holder.exitCode(), 0);
    const QString afterNormalEnd = copy.root.filePath("after-normal-end");
    std::unique_ptr<QProcess> last = launch(afterNormalEnd);
    waitUntilRunning(*last, afterNormalEnd);
    last->kill();
    QVERIFY(processEnded(*last));
}

QTEST_GUILESS_MAIN(GuardTest)
#include "GuardTest.moc"
