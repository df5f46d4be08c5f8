#include "NoticeRecorder.h"
#include "ShortIntervals.h"

#include "DriveUnit.h"
#include "FaultyLine.h"
#include "GlobalData.h"
#include "NetworkController.h"
#include "NetworkModel.h"
#include "PortList.h"
#include "ProtocolCodec.h"
#include "ProtocolFrame.h"
#include "ProtocolIds.h"
#include "PseudoTerminal.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

DriveUnit::Timing fastTiming()
{
    DriveUnit::Timing timing;
    timing.startMs = 20;
    timing.traverseMs = 300;
    timing.liveIntervalMs = 50;
    timing.returnMs = 100;
    timing.calibrationMs = 50;
    return timing;
}

// A drive unit in this process behind a real pseudo-terminal, announced
// where the port list looks.
struct UnitOnPort {
    UnitOnPort(const QString &folder, const QString &name)
    {
        unit.setTiming(fastTiming());
        unit.setSampleCount(1000);
        unit.setPackageSize(250);
        QObject::connect(&terminal, &PseudoTerminal::bytesReceived, &unit, &DriveUnit::receive);
        QObject::connect(&unit, &DriveUnit::bytesOut, &terminal, &PseudoTerminal::write);
        announced = terminal.open() && terminal.announce(folder, name);
    }

    DriveUnit unit;
    PseudoTerminal terminal;
    bool announced = false;
};

QList<double> package(int number, int count)
{
    QList<double> samples;
    for (int i = 0; i < count; ++i)
        samples << number * 1000 + i;
    return samples;
}

QByteArray unitFrame(quint8 functionCode, quint8 functionType, const QByteArray &values)
{
    return serializedFrame(
        makeFrame(0, functionCode, kCompanyCode, kProductCode, functionType, payloadPrefix() + values));
}

QList<double> &samples()
{
    return GlobalData::instance()->calcutateResult.measureDataList;
}

// The measurement on show before a new run.
const QList<double> kShownProfile{7, 8, 9};

}

class LinkControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void fetchAssemblesTheProfileOnce_data();
    void fetchAssemblesTheProfileOnce();
    void fetchFailureTellsTheOperator_data();
    void fetchFailureTellsTheOperator();
    void runEndedMidFetchLeavesTheShownProfile_data();
    void runEndedMidFetchLeavesTheShownProfile();
    void traverseWithoutCompletionReportFails_data();
    void traverseWithoutCompletionReportFails();
    void unusableCompletionReportStartsNoFetch_data();
    void unusableCompletionReportStartsNoFetch();
    void recordsFollowThePendingUse_data();
    void recordsFollowThePendingUse();
    void unitFactorMustBeUsable_data();
    void unitFactorMustBeUsable();

    void findsTheUnitAndKeepsTheLink();
    void candidatesThatHaveNotAnsweredDriveNothing();
    void silentUnitIsLostAndComesBack();
    void unitFallingSilentMidRunIsLost_data();
    void unitFallingSilentMidRunIsLost();
    void portLeavingTheListIsALostLink();
    void linkLostMidFetchEndsTheRun();
    void runEndingWithoutProfileIsNoCalibration_data();
    void runEndingWithoutProfileIsNoCalibration();
    void factorWriteIsConfirmedByTheUnit_data();
    void factorWriteIsConfirmedByTheUnit();
    void recordsAreReadFromTheUnit();

private:
    void startController(const NetworkController::Intervals &intervals = shortIntervals());
    void waitForLink();
    void beginFetch(quint32 total, quint16 size);

    QTemporaryDir announceFolder;
    std::unique_ptr<NetworkController> controller;
    std::unique_ptr<NoticeRecorder> notices;
};

void LinkControllerTest::initTestCase()
{
    qRegisterMetaType<QList<double>>();
    qRegisterMetaType<DATA_SAVE>();
    QVERIFY(announceFolder.isValid());
    PortList::setAnnounceFolder(announceFolder.path());
}

void LinkControllerTest::init()
{
    GlobalData *data = GlobalData::instance();
    data->calcutateResult = CalculateResult();
    data->measurePurpose = 0;
    data->calibrationFactor = 0.004;
    data->executingMachineDataAction = 0;
    notices = std::make_unique<NoticeRecorder>();
    startController();
}

void LinkControllerTest::cleanup()
{
    controller.reset();
    notices.reset();
}

void LinkControllerTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
}

void LinkControllerTest::startController(const NetworkController::Intervals &intervals)
{
    controller = std::make_unique<NetworkController>();
    controller->setIntervals(intervals);
    controller->init();
}

void LinkControllerTest::waitForLink()
{
    QTRY_VERIFY_WITH_TIMEOUT(controller->moterConnectStatus, 5000);
}

void LinkControllerTest::beginFetch(quint32 total, quint16 size)
{
    controller->onMeasurementCompletedRecved(total, 3, size);
    QVERIFY(controller->recvMeasureResultStatus);
}

void LinkControllerTest::fetchAssemblesTheProfileOnce_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("short last package, extra samples dropped")
        << 1000 << 300 << QList<int>{0, 1, 2, 3} << QList<int>{300, 300, 300, 150};
    QTest::newRow("exact multiple") << 900 << 300 << QList<int>{0, 1, 2} << QList<int>{300, 300, 300};
    QTest::newRow("late duplicates, strays after the end") << 600 << 200 << QList<int>{0, 1, 0, 1, 3, 2, 0, 2, 3}
                                                           << QList<int>{200, 200, 200, 200, 200, 200, 200, 200, 200};
    QTest::newRow("empty package ignored") << 400 << 200 << QList<int>{0, 1, 1} << QList<int>{200, 0, 200};
}

void LinkControllerTest::fetchAssemblesTheProfileOnce()
{
    QFETCH(int, total);
    QFETCH(int, size);
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, counts);
    samples() = kShownProfile;
    QSignalSpy changed(GlobalData::instance(), &GlobalData::measureDataListChanged);
    QSignalSpy completed(controller.get(), &NetworkController::dataReceiveCompleted);
    connect(controller.get(), &NetworkController::dataReceiveCompleted, this, [total] {
        QCOMPARE(samples().size(), total);
    });

    beginFetch(quint32(total), quint16(size));
    for (int i = 0; i < numbers.size(); ++i) {
        if (completed.isEmpty())
            QCOMPARE(samples(), kShownProfile);
        controller->onDataRecved(package(numbers.at(i), counts.at(i)), numbers.at(i));
    }

    QList<double> expected;
    for (int number = 0; expected.size() < total; ++number)
        expected += package(number, size);
    QCOMPARE(samples(), expected.mid(0, total));
    QCOMPARE(completed.size(), 1);
    QCOMPARE(changed.size(), 1);
    QVERIFY(!controller->recvMeasureResultStatus);
    QCOMPARE(notices->count("dataReceptionCompleted"), 1);
}

void LinkControllerTest::fetchFailureTellsTheOperator_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<int>("timeouts");
    QTest::newRow("sixty time-outs in a row") << QList<int>{100} << NetworkController::kMaxPackageTimeouts;
    QTest::newRow("every package in, samples missing") << QList<int>{100, 100, 50, 100, 100} << 0;
}

void LinkControllerTest::fetchFailureTellsTheOperator()
{
    QFETCH(QList<int>, counts);
    QFETCH(int, timeouts);
    QSignalSpy completed(controller.get(), &NetworkController::dataReceiveCompleted);
    QSignalSpy changed(GlobalData::instance(), &GlobalData::measureDataListChanged);
    samples() = kShownProfile;
    GlobalData::instance()->measurePurpose = 1;
    beginFetch(500, 100);
    for (int number = 0; number < counts.size(); ++number)
        controller->onDataRecved(package(number, counts.at(number)), number);
    if (timeouts > 0) {
        for (int i = 1; i < timeouts; ++i)
            controller->onGetOnePacketTimerTimeout();
        QVERIFY(controller->recvMeasureResultStatus);
        QCOMPARE(notices->count("measureFail"), 0);
        controller->onGetOnePacketTimerTimeout();
    }

    QVERIFY(!controller->recvMeasureResultStatus);
    QCOMPARE(notices->count("measureFail"), 1);
    QCOMPARE(GlobalData::instance()->measurePurpose, 0);
    controller->onDataRecved(package(counts.size(), 100), counts.size());
    QCOMPARE(samples(), kShownProfile);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(completed.size(), 0);
}

void LinkControllerTest::runEndedMidFetchLeavesTheShownProfile_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("stopped") << "stop";
    QTest::newRow("out of range") << "range";
    QTest::newRow("motor speed error") << "speed";
    QTest::newRow("unusable completion report") << "report";
}

void LinkControllerTest::runEndedMidFetchLeavesTheShownProfile()
{
    QFETCH(QString, ending);
    QSignalSpy completed(controller.get(), &NetworkController::dataReceiveCompleted);
    QSignalSpy changed(GlobalData::instance(), &GlobalData::measureDataListChanged);
    samples() = kShownProfile;
    beginFetch(600, 200);
    controller->onDataRecved(package(0, 200), 0);
    if (ending == "stop")
        controller->onMeasurementStop();
    else if (ending == "range")
        controller->onOutOfMeasurementRangeRecved();
    else if (ending == "speed")
        controller->onMotorSpeedErrorRecved();
    else
        controller->onMeasurementCompletedRecved(600, 3, 0);
    QVERIFY(!controller->recvMeasureResultStatus);
    // The rest of the profile, had the unit sent it anyway.
    for (int number = 1; number < 3; ++number)
        controller->onDataRecved(package(number, 200), number);
    QCOMPARE(samples(), kShownProfile);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(completed.size(), 0);
}

void LinkControllerTest::unusableCompletionReportStartsNoFetch_data()
{
    QTest::addColumn<quint32>("total");
    QTest::addColumn<int>("size");
    QTest::newRow("no samples") << quint32(0) << 100;
    QTest::newRow("no package size") << quint32(1000) << 0;
    QTest::newRow("more packages than numbers") << quint32(70000) << 1;
}

void LinkControllerTest::unusableCompletionReportStartsNoFetch()
{
    QFETCH(quint32, total);
    QFETCH(int, size);
    controller->onMeasurementCompletedRecved(total, 3, quint16(size));
    QVERIFY(!controller->recvMeasureResultStatus);
    QCOMPARE(notices->count("measureFail"), 1);
    controller->onDataRecved(package(0, 10), 0);
    QVERIFY(samples().isEmpty());
}

void LinkControllerTest::traverseWithoutCompletionReportFails_data()
{
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("returnEnds");
    QTest::newRow("completion report lost") << QStringList{"started", "measuring", "returning", "end"} << 1 << 1;
    QTest::newRow("completion and returning reports lost") << QStringList{"started", "measuring", "end"} << 1 << 1;
    QTest::newRow("completion and end-of-return reports lost")
        << QStringList{"started", "measuring", "returning"} << 1 << 0;
    QTest::newRow("stopped mid-traverse") << QStringList{"started", "stop", "returning", "end"} << 0 << 1;
    QTest::newRow("end of return lost after a stop") << QStringList{"started", "stop", "returning"} << 0 << 0;
}

void LinkControllerTest::traverseWithoutCompletionReportFails()
{
    QFETCH(QStringList, reports);
    QFETCH(int, failures);
    QFETCH(int, returnEnds);
    GlobalData *data = GlobalData::instance();
    QSignalSpy moving(controller.get(), &NetworkController::moterMoveStatusChanged);
    data->measurePurpose = 1;
    for (const QString &report : qAsConst(reports)) {
        if (report == "started")
            controller->onStartMeasurementRecved(0);
        else if (report == "measuring")
            controller->onStartMeasurementRecved(1);
        else if (report == "returning")
            controller->onStartMeasurementRecved(2);
        else if (report == "stop")
            controller->onMeasurementStop();
        else
            controller->onEndOfReturnRecved();
    }
    // A return whose end is never reported is over after the wait for it.
    QTRY_VERIFY_WITH_TIMEOUT(!controller->moterMoveStatus, 5000);
    QVERIFY(!moving.last().first().toBool());
    QVERIFY(!controller->moterMeasureStatus);
    QVERIFY(!controller->recvMeasureResultStatus);
    QCOMPARE(notices->count("measureFail"), failures);
    QCOMPARE(notices->count("automaticReturnEnd"), returnEnds);
    QCOMPARE(data->measurePurpose, 0);
}

void LinkControllerTest::recordsFollowThePendingUse_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("nothing pending") << 0 << QList<int>{0, 0, 0};
    QTest::newRow("open") << 1 << QList<int>{2, 0, 0};
    QTest::newRow("print") << 2 << QList<int>{0, 2, 0};
    QTest::newRow("export") << 3 << QList<int>{0, 0, 2};
    QTest::newRow("unknown") << 4 << QList<int>{0, 0, 0};
}

void LinkControllerTest::recordsFollowThePendingUse()
{
    QFETCH(int, action);
    QFETCH(QList<int>, expected);
    QSignalSpy open(controller.get(), &NetworkController::getExecutingMachineData_open);
    QSignalSpy print(controller.get(), &NetworkController::getExecutingMachineData_print);
    QSignalSpy exported(controller.get(), &NetworkController::getExecutingMachineData_export);
    GlobalData::instance()->executingMachineDataAction = action;
    DATA_SAVE record{};
    record.wordValues[0] = 4711;
    controller->onGetExecutingMachineData(record);
    controller->onGetExecutingMachineData(record);
    QCOMPARE((QList<int>{open.size(), print.size(), exported.size()}), expected);
    for (const QSignalSpy *spy : {&open, &print, &exported}) {
        if (!spy->isEmpty())
            QCOMPARE(spy->at(1).at(0).value<DATA_SAVE>().wordValues[0], quint16(4711));
    }
}

void LinkControllerTest::unitFactorMustBeUsable_data()
{
    QTest::addColumn<float>("reported");
    QTest::addColumn<double>("expected");
    QTest::newRow("usable") << 0.0312f << double(0.0312f);
    QTest::newRow("zero") << 0.0f << 0.004;
    QTest::newRow("negative") << -0.5f << 0.004;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 0.004;
}

void LinkControllerTest::unitFactorMustBeUsable()
{
    QFETCH(float, reported);
    QFETCH(double, expected);
    controller->onCalibrationFactorUpdateResponse(reported);
    QCOMPARE(GlobalData::instance()->calibrationFactor, expected);
}

void LinkControllerTest::findsTheUnitAndKeepsTheLink()
{
    GlobalData *data = GlobalData::instance();
    data->settingsData.measureRange = 2;
    data->settingsData.samplingLength = 0;
    data->settingsData.samplingNumber = 3;
    UnitOnPort rig(announceFolder.path(), "keep");
    QVERIFY(rig.announced);
    rig.unit.setSerialNumber("SN-77");
    rig.unit.setSpeedCalibrated(false);
    QSignalSpy serial(controller.get(), &NetworkController::serialNumberRecved);
    QSignalSpy linked(controller.get(), &NetworkController::moterConnectStatusChanged);
    QSignalSpy calibrated(controller.get(), &NetworkController::speedIsCalibrationStatusRecved);

    waitForLink();
    QVERIFY(controller->networkConnectStatus);
    QTRY_COMPARE(data->calibrationFactor, double(rig.unit.calibrationFactor()));
    QTRY_COMPARE(calibrated.size(), 1);
    QVERIFY(!controller->currentCalibrationStatus);
    QCOMPARE(serial.at(0).at(0).toString(), QString("SN-77"));
    QTRY_COMPARE(rig.unit.measureSettings(), (QVector<quint8>{2, 0, 3}));

    // Later heartbeat replies keep the link without another notice.
    QTRY_VERIFY_WITH_TIMEOUT(serial.size() >= 3, 5000);
    QCOMPARE(linked.size(), 1);
    QCOMPARE(notices->count("communicationConnected"), 1);
    QCOMPARE(notices->count("communicationDisconnected"), 0);
}

void LinkControllerTest::candidatesThatHaveNotAnsweredDriveNothing()
{
    // A slow probe keeps the stranger's candidate open while it talks.
    NetworkController::Intervals slowProbe = shortIntervals();
    slowProbe.probeMs = 1500;
    startController(slowProbe);
    PseudoTerminal stranger;
    QVERIFY(stranger.open() && stranger.announce(announceFolder.path(), "stranger"));
    QSignalSpy heard(&stranger, &PseudoTerminal::bytesReceived);
    QTRY_VERIFY(!heard.isEmpty());
    QSignalSpy flags(controller.get(), &NetworkController::moterMeasureStatusChanged);
    QSignalSpy fetching(controller.get(), &NetworkController::recvMeasureResultStatusChanged);
    QSignalSpy live(controller.get(), &NetworkController::realTimeDataRecved);

    stranger.write(unitFrame(FunctionCode::Reply, FunctionType::StartMeasurement, QByteArray(1, '\0')));
    stranger.write(unitFrame(FunctionCode::Report, FunctionType::RealTimeData, toBigEndian16(100)));
    stranger.write(unitFrame(FunctionCode::Report, FunctionType::MeasurementCompleted,
                             toBigEndian32(qint32(100)) + QByteArray(1, '\3') + toBigEndian16(50)));
    stranger.write(unitFrame(FunctionCode::Reply, FunctionType::CalibrationFactor, toBigEndian32(7.5f)));
    QTest::qWait(300);
    QCOMPARE(flags.size(), 0);
    QCOMPARE(fetching.size(), 0);
    QCOMPARE(live.size(), 0);
    QCOMPARE(GlobalData::instance()->calibrationFactor, 0.004);

    // Its heartbeat reply makes it the link; from then on it is heard.
    const QByteArray heartBeatReply = serializedFrame(
        makeFrame(0, FunctionCode::Reply, kCompanyCode, kProductCode, FunctionType::HeartBeat, QByteArray("X1\0", 3)));
    connect(&stranger, &PseudoTerminal::bytesReceived, &stranger, [&] {
        stranger.write(heartBeatReply);
    });
    stranger.write(heartBeatReply);
    waitForLink();
    stranger.write(unitFrame(FunctionCode::Report, FunctionType::RealTimeData, toBigEndian16(100)));
    QTRY_COMPARE(live.size(), 1);
}

void LinkControllerTest::silentUnitIsLostAndComesBack()
{
    UnitOnPort rig(announceFolder.path(), "quiet");
    QVERIFY(rig.announced);
    waitForLink();
    QSignalSpy linked(controller.get(), &NetworkController::moterConnectStatusChanged);
    rig.unit.line()->setSilent(true);
    QTRY_VERIFY_WITH_TIMEOUT(!controller->moterConnectStatus, 5000);
    QVERIFY(!controller->networkConnectStatus);
    QCOMPARE(notices->count("communicationDisconnected"), 1);

    rig.unit.line()->setSilent(false);
    QTRY_COMPARE_WITH_TIMEOUT(linked.size(), 2, 5000);
    QVERIFY(controller->moterConnectStatus);
    QCOMPARE(notices->count("communicationConnected"), 2);
}

void LinkControllerTest::unitFallingSilentMidRunIsLost_data()
{
    QTest::addColumn<QString>("silentFrom");
    QTest::addColumn<int>("traverseMs");
    // The traverse outlasts the watchdog period: only silence may end a run.
    const int longTraverseMs = 2 * shortIntervals().traverseSilenceMs;
    QTest::newRow("never: a long traverse completes") << "never" << longTraverseMs;
    QTest::newRow("traverse") << "traverse" << 20 * longTraverseMs;
    QTest::newRow("fetch") << "fetch" << fastTiming().traverseMs;
}

void LinkControllerTest::unitFallingSilentMidRunIsLost()
{
    QFETCH(QString, silentFrom);
    QFETCH(int, traverseMs);
    UnitOnPort rig(announceFolder.path(), "hang");
    QVERIFY(rig.announced);
    DriveUnit::Timing timing = fastTiming();
    timing.traverseMs = traverseMs;
    rig.unit.setTiming(timing);
    waitForLink();
    QSignalSpy completed(controller.get(), &NetworkController::dataReceiveCompleted);
    FaultyLine *line = rig.unit.line();
    if (silentFrom == "traverse") {
        connect(controller.get(), &NetworkController::moterMeasureStatusChanged, line, [line](bool status) {
            if (status)
                line->setSilent(true);
        });
    } else if (silentFrom == "fetch") {
        connect(controller.get(), &NetworkController::recvMeasureResultStatusChanged, line, [line](bool status) {
            if (status)
                line->setSilent(true);
        });
    }
    controller->startMeasurement();

    if (silentFrom == "never") {
        QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, 10000);
        QTRY_VERIFY(!controller->moterMoveStatus);
        QVERIFY(controller->moterConnectStatus);
        QCOMPARE(notices->count("communicationDisconnected"), 0);
        return;
    }
    // Well before sixty package time-outs would give up on a fetch.
    QTRY_VERIFY_WITH_TIMEOUT(!controller->moterConnectStatus, 5000);
    QVERIFY(line->faults().silent);
    QVERIFY(!controller->networkConnectStatus);
    QVERIFY(!controller->moterMeasureStatus);
    QVERIFY(!controller->recvMeasureResultStatus);
    QVERIFY(!controller->moterMoveStatus);
    QCOMPARE(notices->count("measureFail"), 1);
    QCOMPARE(notices->count("communicationDisconnected"), 1);
    QCOMPARE(completed.size(), 0);

    line->setSilent(false);
    QTRY_VERIFY_WITH_TIMEOUT(controller->moterConnectStatus, 5000);
    QCOMPARE(notices->count("communicationConnected"), 2);
}

void LinkControllerTest::portLeavingTheListIsALostLink()
{
    UnitOnPort rig(announceFolder.path(), "leaving");
    QVERIFY(rig.announced);
    waitForLink();
    QVERIFY(QFile::remove(rig.terminal.announcedPath()));
    QTRY_VERIFY(!controller->moterConnectStatus);
    QVERIFY(!controller->activeModel());
    QCOMPARE(notices->count("communicationDisconnected"), 1);

    QVERIFY(rig.terminal.announce(announceFolder.path(), "leaving"));
    waitForLink();
    QCOMPARE(notices->count("communicationConnected"), 2);
}

void LinkControllerTest::linkLostMidFetchEndsTheRun()
{
    auto rig = std::make_unique<UnitOnPort>(announceFolder.path(), "lost");
    QVERIFY(rig->announced);
    rig->unit.setPackageSize(50);
    // The fetch cannot finish before the port goes.
    LineFaults faults;
    faults.silentAfter = {FunctionType::GetOnePacket, 2};
    rig->unit.line()->setFaults(faults);
    waitForLink();
    QSignalSpy completed(controller.get(), &NetworkController::dataReceiveCompleted);
    QSignalSpy packages(controller->activeModel(), &NetworkModel::dataRecved);
    samples() = kShownProfile;
    controller->startMeasurement();
    QTRY_VERIFY_WITH_TIMEOUT(packages.size() >= 2, 5000);
    rig.reset();

    QTRY_VERIFY(!controller->moterConnectStatus);
    QVERIFY(!controller->recvMeasureResultStatus);
    QVERIFY(!controller->moterMeasureStatus);
    QVERIFY(!controller->moterMoveStatus);
    QCOMPARE(notices->count("measureFail"), 1);
    QCOMPARE(notices->count("communicationDisconnected"), 1);
    // Let every timer run a few times with the link gone.
    QTest::qWait(3 * shortIntervals().packageTimeoutMs);
    QCOMPARE(completed.size(), 0);
    QCOMPARE(samples(), kShownProfile);

    UnitOnPort back(announceFolder.path(), "lost");
    QVERIFY(back.announced);
    waitForLink();
}

void LinkControllerTest::runEndingWithoutProfileIsNoCalibration_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<int>("purposeAtProfile");
    QTest::newRow("profile received") << "none" << 1;
    QTest::newRow("stopped") << "stop" << 0;
    QTest::newRow("out of range") << "range" << 0;
    QTest::newRow("motor speed error") << "speed" << 0;
}

void LinkControllerTest::runEndingWithoutProfileIsNoCalibration()
{
    QFETCH(QString, ending);
    QFETCH(int, purposeAtProfile);
    GlobalData *data = GlobalData::instance();
    UnitOnPort rig(announceFolder.path(), "calibration");
    QVERIFY(rig.announced);
    waitForLink();
    QList<int> purposes;
    connect(data, &GlobalData::measureDataListChanged, controller.get(), [&purposes, data] {
        purposes << data->measurePurpose;
    });

    data->measurePurpose = 1;
    controller->startCalibrationMeasurement(1.6);
    QCOMPARE(data->referenceRa, 1.6);
    // Nothing evaluated during the traverse is taken for the calibration.
    QCOMPARE(data->measurePurpose, 0);
    QTRY_VERIFY(controller->moterMeasureStatus);
    QCOMPARE(notices->count("startCalibration"), 1);
    if (ending == "stop")
        controller->sendStopMeasurement();
    else if (ending == "range")
        controller->onOutOfMeasurementRangeRecved();
    else if (ending == "speed")
        controller->onMotorSpeedErrorRecved();
    if (ending != "none") {
        QTRY_VERIFY(!controller->moterMeasureStatus);
        QCOMPARE(data->measurePurpose, 0);
        // The next profile, of this traverse or a new one, is a measurement.
        QTRY_VERIFY(!controller->moterMoveStatus);
        if (ending == "stop")
            controller->startMeasurement();
    }
    QTRY_COMPARE_WITH_TIMEOUT(purposes.size(), 1, 10000);
    QCOMPARE(purposes.first(), purposeAtProfile);
    QCOMPARE(data->measurePurpose, 0);
}

void LinkControllerTest::factorWriteIsConfirmedByTheUnit_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<float>("unitHolds");
    QTest::addColumn<QString>("notice");
    const float initial = DriveUnit().calibrationFactor();
    QTest::newRow("confirmed") << 0.00390289886854589 << false << float(0.00390289886854589)
                               << "raValueCalibrationCompleted";
    QTest::newRow("acknowledgement lost") << 0.0312 << true << 0.0312f << "calibrateFail";
    QTest::newRow("zero") << 0.0 << false << initial << "calibrateFail";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << initial << "calibrateFail";
}

void LinkControllerTest::factorWriteIsConfirmedByTheUnit()
{
    QFETCH(double, factor);
    QFETCH(bool, silent);
    QFETCH(float, unitHolds);
    QFETCH(QString, notice);
    UnitOnPort rig(announceFolder.path(), "factor");
    QVERIFY(rig.announced);
    waitForLink();
    QSignalSpy confirmed(controller.get(), &NetworkController::calibrationFactorUpdateComplete);
    rig.unit.line()->setSilent(silent);
    GlobalData::instance()->calibrationFactor = factor;
    controller->updateCalibrationFactor();
    QTRY_COMPARE(notices->count(notice.toLatin1()), 1);
    QCOMPARE(rig.unit.calibrationFactor(), unitHolds);
    QCOMPARE(confirmed.size(), notice == "raValueCalibrationCompleted" ? 1 : 0);
    QCOMPARE(notices->count("raValueCalibrationCompleted") + notices->count("calibrateFail"), 1);
}

void LinkControllerTest::recordsAreReadFromTheUnit()
{
    UnitOnPort rig(announceFolder.path(), "records");
    QVERIFY(rig.announced);
    waitForLink();
    QSignalSpy count(controller.get(), &NetworkController::executingMachineDataUpdata);
    QSignalSpy open(controller.get(), &NetworkController::getExecutingMachineData_open);
    GlobalData::instance()->executingMachineDataAction = 1;
    controller->requestExecutingMachineDataCount();
    // Records count from 1; cut to 16 bits, the others would ask for
    // records 0 and 65535.
    QVERIFY(!controller->requestExecutingMachineData(0));
    QVERIFY(!controller->requestExecutingMachineData(65536));
    QVERIFY(!controller->requestExecutingMachineData(-1));
    QVERIFY(controller->requestExecutingMachineData(2));
    QTRY_COMPARE(open.size(), 1);
    QCOMPARE(count.at(0).at(0).toInt(), rig.unit.storedRecords().size());
    QCOMPARE(open.at(0).at(0).value<DATA_SAVE>().wordValues[0], rig.unit.storedRecords().at(1).wordValues[0]);
    QTest::qWait(300);
    QCOMPARE(open.size(), 1);
}

QTEST_MAIN(LinkControllerTest)
#include "LinkControllerTest.moc"
