#include "ProfileFetcher.h"

#include "DriveUnit.h"
#include "FaultyLine.h"
#include "NetworkModel.h"
#include "PortList.h"
#include "ProfileGenerator.h"
#include "ProtocolIds.h"
#include "PseudoTerminal.h"
#include "UnitLoopback.h"

#include <QProcess>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(LineFaults)

namespace {

DriveUnit::Timing fastTiming()
{
    DriveUnit::Timing timing;
    timing.startMs = 20;
    timing.traverseMs = 200;
    timing.liveIntervalMs = 20;
    timing.returnMs = 50;
    timing.calibrationMs = 50;
    return timing;
}

// A unit in this process and a link to it over the loopback transport, with
// the send pacing of the real link.
struct LoopbackRig {
    LoopbackRig()
    {
        unit.setTiming(fastTiming());
        auto *loopback = new UnitLoopback(&unit);
        model.init(loopback);
        loopback->connectNow();
    }

    DriveUnit unit;
    NetworkModel model;
};

QList<double> toList(const QVector<double> &values)
{
    return QList<double>(values.begin(), values.end());
}

}

class DriveUnitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void answersTheLinkCommands();
    void keepsItsCalibrationFactor();
    void speedCalibrationCompletes();
    void measurementRunDeliversTheWholeProfile_data();
    void measurementRunDeliversTheWholeProfile();
    void silentUnitAnswersNothing();
    void recordsCountFromOne_data();
    void recordsCountFromOne();
    void frameEventsStrikeAtTheirFrame_data();
    void frameEventsStrikeAtTheirFrame();
    void startIgnoredOrTraverseFailed();
    void profileLooksMeasured();
    void profileCrossesARealTerminal();
    void programAnnouncesItsPortAndAnswers();

private:
    QTemporaryDir announceFolder;
};

void DriveUnitTest::initTestCase()
{
    qRegisterMetaType<QList<double>>();
    qRegisterMetaType<DATA_SAVE>();
    QVERIFY(announceFolder.isValid());
    PortList::setAnnounceFolder(announceFolder.path());
}

void DriveUnitTest::answersTheLinkCommands()
{
    LoopbackRig rig;
    rig.unit.setSerialNumber("SN-4711");
    QSignalSpy serial(&rig.model, &NetworkModel::serialNumberRecved);
    QSignalSpy settings(&rig.model, &NetworkModel::motorStatusUpdateRecved);
    QSignalSpy status(&rig.model, &NetworkModel::calibrationStatusRecved);
    QSignalSpy needle(&rig.model, &NetworkModel::needlePositionRecved);
    QSignalSpy voltage(&rig.model, &NetworkModel::responseNeedlePosition);
    QSignalSpy confirm(&rig.model, &NetworkModel::confirmNeedlePosition);
    QSignalSpy count(&rig.model, &NetworkModel::executingMachineDataUpdata);
    QSignalSpy record(&rig.model, &NetworkModel::getExecutingMachineData);
    QSignalSpy broadcast(&rig.model, &NetworkModel::broadcastRecved);

    rig.model.sendHeartBeat();
    rig.model.sendMeasureSettings(2, 0, 1);
    rig.model.sendGetCalibrationStatus();
    rig.model.sendGetNeedlePosition();
    rig.model.sendRequestNeedlePosition();
    rig.model.sendConfirmNeedlePosition();
    rig.model.sendGetExecutingMachineDataCount();
    rig.model.sendGetExecutingMachineData(2);
    rig.model.sendBroadcast();
    QTRY_COMPARE(broadcast.size(), 1);

    QCOMPARE(serial.at(0).at(0).toString(), QString("SN-4711"));
    QCOMPARE(settings.size(), 1);
    QCOMPARE(rig.unit.measureSettings(), (QVector<quint8>{2, 0, 1}));
    QCOMPARE(status.at(0).at(0).value<uchar>(), uchar(1));
    QCOMPARE(needle.size(), 1);
    QCOMPARE(voltage.at(0).at(1).toInt(), int(needle.at(0).at(0).value<quint16>()));
    QVERIFY(std::abs(voltage.at(0).at(0).toFloat() - 2.5f) < 0.01f);
    QCOMPARE(confirm.at(0).at(0).toBool(), true);
    QCOMPARE(count.at(0).at(0).toInt(), rig.unit.storedRecords().size());
    const DATA_SAVE received = record.at(0).at(0).value<DATA_SAVE>();
    const DATA_SAVE kept = rig.unit.storedRecords().at(1);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&received), sizeof received),
             QByteArray(reinterpret_cast<const char *>(&kept), sizeof kept));
}

void DriveUnitTest::keepsItsCalibrationFactor()
{
    LoopbackRig rig;
    QSignalSpy written(&rig.model, &NetworkModel::calibrationFactorUpdateComplete);
    QSignalSpy read(&rig.model, &NetworkModel::calibrationFactorUpdateResponse);
    rig.model.sendUpdateCalibrationFactor(0.0312f);
    rig.model.sendGetCalibrationFactor();
    QTRY_COMPARE(read.size(), 1);
    QCOMPARE(written.size(), 1);
    QCOMPARE(read.at(0).at(0).toFloat(), 0.0312f);
    QCOMPARE(rig.unit.calibrationFactor(), 0.0312f);
}

void DriveUnitTest::speedCalibrationCompletes()
{
    LoopbackRig rig;
    rig.unit.setSpeedCalibrated(false);
    QSignalSpy started(&rig.model, &NetworkModel::startCalibrationRecved);
    QSignalSpy done(&rig.model, &NetworkModel::calibrationSpeedCompleteRecved);
    rig.model.sendStartCalibration(0);
    QTRY_COMPARE(done.size(), 1);
    QCOMPARE(started.at(0).at(0).value<uchar>(), uchar(0));
    QVERIFY(rig.unit.speedCalibrated());
}

void DriveUnitTest::measurementRunDeliversTheWholeProfile_data()
{
    QTest::addColumn<int>("sampleType");
    QTest::addColumn<LineFaults>("faults");
    QTest::addColumn<bool>("duplicates");
    QTest::addColumn<bool>("patterns");

    LineFaults split;
    split.split = true;
    LineFaults glue;
    glue.glue = true;
    LineFaults garbage;
    garbage.garbageEvery = 3;
    LineFaults lossy;
    lossy.loseEvery = 4;
    lossy.badCrcEvery = 5;
    lossy.delayMs = 30;
    QTest::newRow("clean line, int32") << 3 << LineFaults() << false << false;
    QTest::newRow("patterns in the samples, uint16") << 1 << LineFaults() << false << true;
    QTest::newRow("patterns in the samples, int8") << 0 << split << false << true;
    QTest::newRow("split, uint32") << 2 << split << false << true;
    QTest::newRow("glued and duplicated") << 3 << glue << true << false;
    QTest::newRow("garbage") << 1 << garbage << false << true;
    QTest::newRow("late, lost and damaged") << 3 << lossy << false << false;
}

void DriveUnitTest::measurementRunDeliversTheWholeProfile()
{
    QFETCH(int, sampleType);
    QFETCH(LineFaults, faults);
    QFETCH(bool, duplicates);
    QFETCH(bool, patterns);
    LoopbackRig rig;
    rig.unit.setSampleType(quint8(sampleType));
    rig.unit.setSampleCount(650);
    rig.unit.setPackageSize(100);
    rig.unit.setDuplicatePackages(duplicates);
    rig.unit.setPatternsInProfile(patterns);
    // A lost completion report cannot be asked for again, so frames are lost
    // only once the packages are being fetched.
    LineFaults beforeFetch = faults;
    beforeFetch.loseEvery = 0;
    beforeFetch.badCrcEvery = 0;
    rig.unit.line()->setFaults(beforeFetch);
    connect(&rig.model, &NetworkModel::measurementCompletedRecved, &rig.unit, [&rig, faults] {
        rig.unit.line()->setFaults(faults);
    });
    ProfileFetcher fetcher(&rig.model);
    QSignalSpy progress(&rig.model, &NetworkModel::startMeasurementRecved);
    QSignalSpy live(&rig.model, &NetworkModel::realTimeDataRecved);
    QSignalSpy endOfReturn(&rig.model, &NetworkModel::endOfReturnRecved);

    rig.model.sendStartMeasurement();
    QTRY_VERIFY_WITH_TIMEOUT(fetcher.complete(), 20000);
    QCOMPARE(fetcher.totalNumber, 650);
    QCOMPARE(fetcher.samples, toList(rig.unit.profile()));
    if (faults.loseEvery == 0) {
        QTRY_COMPARE(endOfReturn.size(), 1);
        QList<int> values;
        for (const auto &arguments : progress)
            values.append(arguments.at(0).value<uchar>());
        QCOMPARE(values, (QList<int>{0, 1, 2}));
        QVERIFY(!live.isEmpty());
    }
}

void DriveUnitTest::silentUnitAnswersNothing()
{
    LoopbackRig rig;
    QSignalSpy beats(&rig.model, &NetworkModel::heartBeatRecved);
    rig.unit.line()->setSilent(true);
    rig.model.sendHeartBeat();
    QTest::qWait(300);
    QCOMPARE(beats.size(), 0);
    rig.unit.line()->setSilent(false);
    rig.model.sendHeartBeat();
    QTRY_COMPARE(beats.size(), 1);
}

void DriveUnitTest::recordsCountFromOne_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("element");
    QTest::newRow("first") << 1 << 0;
    QTest::newRow("last") << 6 << 5;
    QTest::newRow("none before the first") << 0 << -1;
    QTest::newRow("none after the last") << 7 << -1;
}

void DriveUnitTest::recordsCountFromOne()
{
    QFETCH(int, number);
    QFETCH(int, element);
    LoopbackRig rig;
    QSignalSpy record(&rig.model, &NetworkModel::getExecutingMachineData);
    QSignalSpy fence(&rig.model, &NetworkModel::broadcastRecved);
    rig.model.sendGetExecutingMachineData(quint16(number));
    // The unit answers in order, so its answer comes before the fence's.
    rig.model.sendBroadcast();
    QTRY_COMPARE(fence.size(), 1);
    QCOMPARE(rig.unit.storedRecords().size(), 6);
    if (element < 0) {
        QCOMPARE(record.size(), 0);
        return;
    }
    QCOMPARE(record.size(), 1);
    QCOMPARE(record.at(0).at(0).value<DATA_SAVE>().wordValues[0], rig.unit.storedRecords().at(element).wordValues[0]);
}

void DriveUnitTest::frameEventsStrikeAtTheirFrame_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("replies");
    QTest::addColumn<bool>("answersLater");
    QTest::addColumn<int>("vanishing");
    QTest::newRow("second reply dropped") << "drop" << 3 << true << 0;
    QTest::newRow("second reply damaged") << "damage" << 3 << true << 0;
    QTest::newRow("silent after the second reply") << "silent" << 2 << false << 0;
    QTest::newRow("vanishing after the second reply") << "vanish" << 4 << true << 1;
}

void DriveUnitTest::frameEventsStrikeAtTheirFrame()
{
    QFETCH(QString, fault);
    QFETCH(int, replies);
    QFETCH(bool, answersLater);
    QFETCH(int, vanishing);
    LoopbackRig rig;
    const FrameEvent secondReply{FunctionType::HeartBeat, 2};
    LineFaults faults;
    if (fault == "drop")
        faults.drop = secondReply;
    else if (fault == "damage")
        faults.damage = secondReply;
    else if (fault == "silent")
        faults.silentAfter = secondReply;
    else
        faults.vanishAfter = secondReply;
    rig.unit.line()->setFaults(faults);
    QSignalSpy beats(&rig.model, &NetworkModel::heartBeatRecved);
    QSignalSpy gone(rig.unit.line(), &FaultyLine::vanishing);
    QSignalSpy fence(&rig.model, &NetworkModel::broadcastRecved);
    // Frames of another kind do not count towards the second heartbeat reply.
    rig.model.sendBroadcast();
    for (int i = 0; i < 4; ++i)
        rig.model.sendHeartBeat();
    rig.model.sendBroadcast();
    if (answersLater) {
        QTRY_COMPARE(fence.size(), 2);
    } else {
        QTRY_COMPARE(beats.size(), replies);
        QTest::qWait(300);
        QCOMPARE(fence.size(), 1);
    }
    QCOMPARE(beats.size(), replies);
    QCOMPARE(gone.size(), vanishing);
}

void DriveUnitTest::startIgnoredOrTraverseFailed()
{
    LoopbackRig rig;
    QSignalSpy progress(&rig.model, &NetworkModel::startMeasurementRecved);
    QSignalSpy completed(&rig.model, &NetworkModel::measurementCompletedRecved);
    QSignalSpy speedError(&rig.model, &NetworkModel::motorSpeedErrorRecved);
    QSignalSpy endOfReturn(&rig.model, &NetworkModel::endOfReturnRecved);
    QSignalSpy fence(&rig.model, &NetworkModel::broadcastRecved);
    rig.unit.setIgnoreStart(true);
    rig.model.sendStartMeasurement();
    rig.model.sendBroadcast();
    QTRY_COMPARE(fence.size(), 1);
    QCOMPARE(progress.size(), 0);

    rig.unit.setIgnoreStart(false);
    rig.unit.setMotorSpeedError(true);
    rig.model.sendStartMeasurement();
    QTRY_COMPARE(speedError.size(), 1);
    QList<int> values;
    for (const auto &arguments : progress)
        values.append(arguments.at(0).value<uchar>());
    QCOMPARE(values, (QList<int>{0, 1}));
    // The drive stays where it stopped: no profile, no return.
    QTest::qWait(2 * (fastTiming().traverseMs + fastTiming().returnMs));
    QCOMPARE(completed.size(), 0);
    QCOMPARE(endOfReturn.size(), 0);
    QCOMPARE(progress.size(), 2);
}

void DriveUnitTest::profileLooksMeasured()
{
    const QVector<double> profile = generateProfile(20000, 7);
    QCOMPARE(profile, generateProfile(20000, 7));
    // Remove the least-squares line; what remains is waviness, roughness and
    // noise, a few micrometres of 40 counts each.
    const int n = profile.size();
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int i = 0; i < n; ++i) {
        sx += i;
        sy += profile[i];
        sxx += double(i) * i;
        sxy += i * profile[i];
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double offset = (sy - slope * sx) / n;
    double ra = 0;
    for (int i = 0; i < n; ++i)
        ra += std::abs(profile[i] - slope * i - offset);
    ra /= n;
    QVERIFY(slope > 0);
    QVERIFY(ra > 20 && ra < 200);

    DriveUnit unit;
    QCOMPARE(unit.sampleCount(), 6400);
    LoopbackRig rig;
    rig.model.sendMeasureSettings(2, 2, 4);
    QTRY_COMPARE(rig.unit.measureSettings(), (QVector<quint8>{2, 2, 4}));
    QVERIFY(rig.unit.sampleCount() <= 21000);
}

void DriveUnitTest::profileCrossesARealTerminal()
{
    DriveUnit unit;
    unit.setTiming(fastTiming());
    unit.setSampleCount(5000);
    unit.setPackageSize(1000);
    unit.setPatternsInProfile(true);
    LineFaults faults;
    faults.split = true;
    faults.garbageEvery = 4;
    unit.line()->setFaults(faults);
    PseudoTerminal terminal;
    QVERIFY(terminal.open());
    connect(&terminal, &PseudoTerminal::bytesReceived, &unit, &DriveUnit::receive);
    connect(&unit, &DriveUnit::bytesOut, &terminal, &PseudoTerminal::write);

    NetworkModel model;
    model.init();
    ProfileFetcher fetcher(&model);
    QSignalSpy serial(&model, &NetworkModel::serialNumberRecved);
    model.openSerialPort(terminal.slavePath(), 921600);
    model.sendHeartBeat();
    model.sendStartMeasurement();
    QTRY_VERIFY_WITH_TIMEOUT(fetcher.complete(), 20000);
    QCOMPARE(serial.at(0).at(0).toString(), QString("SIM0001"));
    QCOMPARE(fetcher.samples, toList(unit.profile()));
}

void DriveUnitTest::programAnnouncesItsPortAndAnswers()
{
    QProcess simulator;
    simulator.setProgram(QStringLiteral(SIMULATOR_PROGRAM));
    const QString name = QStringLiteral("test-%1").arg(QCoreApplication::applicationPid());
    // The program goes away by itself after its second heartbeat reply.
    simulator.setArguments({"--name", name, "--serial", "PROC42", "--split", "--vanish-after-frame", "heartbeat:2"});
    simulator.start();
    QVERIFY(simulator.waitForStarted());
    QTRY_VERIFY(simulator.canReadLine());
    const QString announced = QString::fromLocal8Bit(simulator.readLine()).section(" -> ", 0, 0);
    QCOMPARE(QFileInfo(announced).fileName(), name);

    PortList::setAnnounceFolder(QFileInfo(announced).path());
    QVERIFY(PortList::availablePortNames().contains(announced));
    NetworkModel model;
    model.init();
    QSignalSpy serial(&model, &NetworkModel::serialNumberRecved);
    model.openSerialPort(announced, 921600);
    model.sendHeartBeat();
    QTRY_COMPARE(serial.size(), 1);
    QCOMPARE(serial.at(0).at(0).toString(), QString("PROC42"));

    model.sendHeartBeat();
    QTRY_COMPARE_WITH_TIMEOUT(simulator.state(), QProcess::NotRunning, 10000);
    QCOMPARE(simulator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(simulator.exitCode(), 0);
    QVERIFY(!PortList::availablePortNames().contains(announced));
    QVERIFY(!model.isSerialPortAvailable());
    PortList::setAnnounceFolder(announceFolder.path());

    QProcess refused;
    refused.start(QStringLiteral(SIMULATOR_PROGRAM), {"--name", name, "--drop-report", "nonsense:2"});
    QVERIFY(refused.waitForFinished());
    QCOMPARE(refused.exitStatus(), QProcess::NormalExit);
    QCOMPARE(refused.exitCode(), 1);
}

QTEST_GUILESS_MAIN(DriveUnitTest)
#include "DriveUnitTest.moc"
