#include "ProcessEnd.h"
#include "ProgramCopy.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/types.h>

namespace {

constexpr int kTimeoutMs = 60000;
// What the exit button's close ends the program with.
constexpr int kExitButtonStatus = 0;
const QString kConfigPath = QStringLiteral("file/FileInfo/SystemConfig.json");
// Every setting the configuration file holds.
constexpr int kConfigKeys = 17;

QJsonObject readConfig(const QString &path, bool *whole)
{
    QFile file(path);
    QJsonParseError error{};
    const QJsonDocument document =
        file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll(), &error) : QJsonDocument();
    *whole = !document.isNull() && error.error == QJsonParseError::NoError && document.isObject();
    return document.object().value("SystemConfig").toObject();
}

}

// The real program in a folder of its own, ended by a signal as a service
// manager, a closed terminal or a Ctrl-C would end it.
class ExitSignalTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void signalEndsAsTheExitButton_data();
    void signalEndsAsTheExitButton();

private:
    ProgramCopy copy;
};

void ExitSignalTest::initTestCase()
{
    QVERIFY(copy.setUp(ORLIMO_PROGRAM));
    // A program started with a signal ignored keeps ignoring it; the runner
    // of this test may have started it that way.
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signalNumber, SIG_DFL);
}

void ExitSignalTest::signalEndsAsTheExitButton_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QByteArray>("storedConfig");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("unit");

    QTest::newRow("SIGTERM, no configuration yet") << int(SIGTERM) << QByteArray() << 0 << 0;
    // A partial file: the one written at exit holds every key and keeps the
    // stored settings.
    const QByteArray english = R"({"SystemConfig": {"language": 1, "unit": 1}})";
    QTest::newRow("SIGINT, English and inch stored") << int(SIGINT) << english << 1 << 1;
    QTest::newRow("SIGHUP, English and inch stored") << int(SIGHUP) << english << 1 << 1;
}

void ExitSignalTest::signalEndsAsTheExitButton()
{
    QFETCH(int, signalNumber);
    QFETCH(QByteArray, storedConfig);
    QFETCH(int, language);
    QFETCH(int, unit);

    const QString work = copy.root.filePath(QString("work-%1").arg(signalNumber));
    QDir folder(work);
    QVERIFY(folder.mkpath("file/FileInfo"));
    if (!storedConfig.isEmpty()) {
        QFile stored(folder.filePath(kConfigPath));
        QVERIFY(stored.open(QIODevice::WriteOnly) && stored.write(storedConfig) == storedConfig.size());
    }

    QProcess running;
    copy.start(running, work);
    QVERIFY(running.waitForStarted(kTimeoutMs));
    // The handlers are in place before the start makes this folder.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(folder.filePath("file/DataStorage")).isDir(), kTimeoutMs);
    QCOMPARE(running.state(), QProcess::Running);

    QCOMPARE(::kill(static_cast<pid_t>(running.processId()), signalNumber), 0);
    QVERIFY(processEnded(running, kTimeoutMs));
    QCOMPARE(running.exitStatus(), QProcess::NormalExit);
    QCOMPARE(running.exitCode(), kExitButtonStatus);

    bool whole = false;
    const QJsonObject config = readConfig(folder.filePath(kConfigPath), &whole);
    QVERIFY2(whole, "the configuration written at exit is no JSON object");
    QCOMPARE(config.size(), kConfigKeys);
    QCOMPARE(config.value("language").toInt(-1), language);
    QCOMPARE(config.value("unit").toInt(-1), unit);
    // Written through a temporary file: nothing else is left beside it.
    QCOMPARE(QDir(folder.filePath("file/FileInfo")).entryList(QDir::Files), QStringList{"SystemConfig.json"});
}

QTEST_GUILESS_MAIN(ExitSignalTest)
#include "ExitSignalTest.moc"
