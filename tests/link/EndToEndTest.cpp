#include "NoticeRecorder.h"
#include "ShortIntervals.h"
#include "SimulatorLink.h"
#include "TestWorkspace.h"

#include "CalculateController.h"
#include "CalculateModel.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "Language.h"
#include "NetworkController.h"
#include "ProfileGenerator.h"
#include "SettingsModel.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// The unit's factor until someone writes another.
constexpr float kUnitFactor = 0.0254189f;
constexpr int kProfileSamples = 21000;
constexpr int kFetchTimeoutMs = 30000;

QList<double> expectedProfile(int count, quint32 traverse = 1)
{
    const QVector<double> profile = generateProfile(count, traverse);
    return QList<double>(profile.begin(), profile.end());
}

// What the parameter list shows, in both units.
QStringList shownValues(const CalculateResult &result)
{
    QStringList values;
    for (const QList<ParameterEntry> *list : {&result.parameters, &result.abbottParameters}) {
        for (const ParameterEntry &entry : *list)
            values << entry.paraName + '=' + entry.valueAndUnit1 + '|' + entry.valueAndUnit2;
    }
    return values;
}

}

class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void measuresEvaluatesAndSaves_data();
    void measuresEvaluatesAndSaves();
    void unitKilledMidFetchThenBack();
    void fetchCutShortLeavesTheShownMeasurement_data();
    void fetchCutShortLeavesTheShownMeasurement();
    void silentUnitIsDeclaredLost_data();
    void silentUnitIsDeclaredLost();
    void lostReportsStillEndTheRun_data();
    void lostReportsStillEndTheRun();
    void raCalibrationGivesTheUnitANewFactor();

private:
    void startSimulator(SimulatorProcess &simulator, const QStringList &arguments);
    void waitForLink();
    void waitForLoss();
    void showMeasurement(const QList<double> &profile);

    TestWorkspace workspace;
    SimulatorLink simulators{"e2e"};
    std::unique_ptr<NoticeRecorder> notices;
    GlobalManager *manager = nullptr;
    NetworkController *link = nullptr;
};

void EndToEndTest::initTestCase()
{
    qRegisterMetaType<QList<double>>();
    QVERIFY(workspace.setUp());
    QVERIFY(simulators.setUp());

    manager = GlobalManager::instance();

    GlobalData *data = GlobalData::instance();
    data->isAutoSave = true;
    data->settingsData = {2, 0, 0, 0, 0, 1, 4, 0};
    manager->calculateController->updateParameterNameList();
    // The measured-profile plot evaluates a new profile over its whole length.
    connect(data, &GlobalData::measureDataListChanged, this, [data] {
        data->setCalculateRange(0, data->calcutateResult.measureDataList.size() - 1);
    });

    link = manager->networkController;
    link->init();
}

void EndToEndTest::init()
{
    GlobalData::instance()->calibrationFactor = 0.004;
    notices = std::make_unique<NoticeRecorder>();
}

void EndToEndTest::cleanup()
{
    notices.reset();
}

void EndToEndTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
    workspace.tearDown();
}

void EndToEndTest::startSimulator(SimulatorProcess &simulator, const QStringList &arguments)
{
    QVERIFY(simulators.start(simulator, arguments));
}

void EndToEndTest::waitForLink()
{
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, 10000);
}

void EndToEndTest::waitForLoss()
{
    QTRY_VERIFY_WITH_TIMEOUT(!link->moterConnectStatus, 10000);
    QVERIFY(!link->networkConnectStatus);
}

void EndToEndTest::showMeasurement(const QList<double> &profile)
{
    GlobalData *data = GlobalData::instance();
    data->calcutateResult.measureDataList = profile;
    data->calcutateResult.left = 0;
    data->calcutateResult.right = profile.size() - 1;
    manager->calculateController->calculate();
    QVERIFY(data->stPara.Valid);
}

void EndToEndTest::measuresEvaluatesAndSaves_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::newRow("clean line") << QStringList();
    QTest::newRow("late, lost, duplicated and damaged packages")
        << QStringList{"--package-faults-only", "--lose", "4", "--bad-crc", "5", "--garbage", "3", "--delay", "15",
                       "--duplicate-package",   "--split"};
}

void EndToEndTest::measuresEvaluatesAndSaves()
{
    QFETCH(QStringList, faults);
    GlobalData *data = GlobalData::instance();
    QSignalSpy serial(link, &NetworkController::serialNumberRecved);
    QSignalSpy completed(link, &NetworkController::dataReceiveCompleted);
    QSignalSpy evaluated(manager->calculateModel, &CalculateModel::parameterCalculated);
    const int rowsBefore = workspace.index->selectAllMeasureDataFileInfo().size();

    SimulatorProcess simulator;
    startSimulator(simulator,
                   QStringList{"--serial", "E2E-42", "--samples", QString::number(kProfileSamples)} + faults);
    waitForLink();
    QCOMPARE(notices->count("communicationConnected"), 1);
    QTRY_COMPARE(data->calibrationFactor, double(kUnitFactor));
    QCOMPARE(serial.at(0).at(0).toString(), QString("E2E-42"));

    link->startMeasurement();
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, kFetchTimeoutMs);
    QCOMPARE(data->calcutateResult.measureDataList, expectedProfile(kProfileSamples));
    QVERIFY(!evaluated.isEmpty());
    QVERIFY(data->stPara.Valid);
    QVERIFY(data->calcutateResult.parameters.first().value1 > 0.0);
    QCOMPARE(data->calcutateResult.roughnessDataList_y.size() > 0, true);

    const QList<MeasureDataFileInfo> rows = workspace.index->selectAllMeasureDataFileInfo();
    QCOMPARE(rows.size(), rowsBefore + 1);
    QVERIFY(QFileInfo::exists(GlobalConfig::instance()->dataStorageDir + "/" + rows.first().fileName + ".json"));

    // Duplicates and late packages after the end neither add a profile nor
    // save a second file.
    QTRY_VERIFY_WITH_TIMEOUT(!link->moterMoveStatus, 5000);
    QCOMPARE(completed.size(), 1);
    QCOMPARE(workspace.index->selectAllMeasureDataFileInfo().size(), rowsBefore + 1);
    QCOMPARE(notices->count("savedSuccessfully"), 1);
    QCOMPARE(notices->count("measureFail"), 0);

    simulator.stop();
    waitForLoss();
}

void EndToEndTest::unitKilledMidFetchThenBack()
{
    GlobalData *data = GlobalData::instance();
    const QList<double> shownProfile = expectedProfile(6000, 99);
    showMeasurement(shownProfile);
    QSignalSpy completed(link, &NetworkController::dataReceiveCompleted);
    SimulatorProcess simulator;
    // Stays quiet after its second package, so the kill comes mid-fetch.
    startSimulator(simulator, {"--samples", QString::number(kProfileSamples), "--package-size", "500",
                               "--silent-after-frame", "package:2"});
    waitForLink();
    link->startMeasurement();
    QTRY_VERIFY_WITH_TIMEOUT(link->recvMeasureResultStatus, kFetchTimeoutMs);
    simulator.kill();

    waitForLoss();
    QVERIFY(!link->recvMeasureResultStatus);
    QVERIFY(!link->moterMeasureStatus);
    QVERIFY(!link->moterMoveStatus);
    QCOMPARE(notices->count("communicationDisconnected"), 1);
    QCOMPARE(notices->count("measureFail"), 1);
    QCOMPARE(completed.size(), 0);
    QCOMPARE(data->calcutateResult.measureDataList, shownProfile);

    QFile::remove(simulator.announcedPath);
    SimulatorProcess back;
    startSimulator(back, {});
    waitForLink();
    QCOMPARE(notices->count("communicationConnected"), 2);
    back.stop();
    waitForLoss();
}

void EndToEndTest::fetchCutShortLeavesTheShownMeasurement_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("unit vanishes") << "vanish";
    QTest::newRow("stopped") << "stop";
}

void EndToEndTest::fetchCutShortLeavesTheShownMeasurement()
{
    QFETCH(QString, ending);
    GlobalData *data = GlobalData::instance();
    SimulatorProcess simulator;
    QStringList arguments{"--samples", QString::number(kProfileSamples), "--package-size", "500"};
    if (ending == "vanish")
        arguments << "--vanish-after-frame"
                  << "package:2";
    startSimulator(simulator, arguments);
    waitForLink();
    // Shown under the unit's factor, which the link has just read.
    QTRY_COMPARE(data->calibrationFactor, double(kUnitFactor));
    const QList<double> shownProfile = expectedProfile(6000, 99);
    showMeasurement(shownProfile);
    const QStringList shown = shownValues(data->calcutateResult);
    const QList<double> roughness = data->calcutateResult.roughnessDataList_y;
    const int rowsBefore = workspace.index->selectAllMeasureDataFileInfo().size();
    QSignalSpy completed(link, &NetworkController::dataReceiveCompleted);
    QSignalSpy changed(data, &GlobalData::measureDataListChanged);
    QSignalSpy stopped(link, &NetworkController::stopMeasurement);
    if (ending == "stop") {
        connect(link, &NetworkController::recvMeasureResultStatusChanged, &simulator.process, [this](bool fetching) {
            if (fetching)
                link->sendStopMeasurement();
        });
    }
    link->startMeasurement();
    if (ending == "vanish") {
        waitForLoss();
        QCOMPARE(notices->count("measureFail"), 1);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, kFetchTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!link->moterMoveStatus, kFetchTimeoutMs);
        QCOMPARE(notices->count("measureFail"), 0);
    }
    QVERIFY(!link->recvMeasureResultStatus);
    QCOMPARE(completed.size(), 0);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(data->calcutateResult.measureDataList, shownProfile);
    QCOMPARE(shownValues(data->calcutateResult), shown);
    QCOMPARE(workspace.index->selectAllMeasureDataFileInfo().size(), rowsBefore);

    // The pages evaluate afresh when the language changes; the measurement
    // on show must come out of it as it was.
    Language *language = Language::instance();
    const int before = language->language;
    language->setLanguage(1 - before);
    manager->calculateController->calculate();
    language->setLanguage(before);
    QCOMPARE(data->calcutateResult.measureDataList, shownProfile);
    QCOMPARE(data->calcutateResult.roughnessDataList_y, roughness);
    QCOMPARE(shownValues(data->calcutateResult), shown);

    simulator.stop();
    waitForLoss();
}

void EndToEndTest::silentUnitIsDeclaredLost_data()
{
    QTest::addColumn<bool>("measuring");
    QTest::addColumn<QString>("lastFrame");
    // Any of the first heartbeat replies may be the one that makes the link.
    QTest::newRow("idle") << false << "heartbeat:4";
    QTest::newRow("mid-traverse") << true << "start:2";
}

void EndToEndTest::silentUnitIsDeclaredLost()
{
    QFETCH(bool, measuring);
    QFETCH(QString, lastFrame);
    QSignalSpy linked(link, &NetworkController::moterConnectStatusChanged);
    SimulatorProcess simulator;
    startSimulator(simulator, {"--silent-after-frame", lastFrame});
    QTRY_VERIFY_WITH_TIMEOUT(!linked.isEmpty(), 10000);
    QVERIFY(linked.first().first().toBool());
    if (measuring) {
        link->startMeasurement();
        QTRY_VERIFY(link->moterMeasureStatus);
    }
    QTRY_COMPARE_WITH_TIMEOUT(linked.size(), 2, 10000);
    waitForLoss();
    QVERIFY(!link->moterMeasureStatus);
    QCOMPARE(notices->count("communicationDisconnected"), 1);
    QCOMPARE(notices->count("measureFail"), measuring ? 1 : 0);
    simulator.stop();

    SimulatorProcess back;
    startSimulator(back, {});
    waitForLink();
    back.stop();
    waitForLoss();
}

void EndToEndTest::lostReportsStillEndTheRun_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<int>("profiles");
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("returnEnds");
    // The unit returns all the same; there is just nothing to fetch.
    QTest::newRow("completion report lost")
        << QStringList{"--drop-report", "completed"} << "automaticReturnEnd" << 0 << 1 << 1;
    QTest::newRow("completion report damaged")
        << QStringList{"--bad-crc-report", "completed"} << "automaticReturnEnd" << 0 << 1 << 1;
    QTest::newRow("end of return lost") << QStringList{"--drop-report", "end-of-return"} << "profile" << 1 << 0 << 0;
    // The drive stops where it is and never reports a return.
    QTest::newRow("motor speed error") << QStringList{"--motor-speed-error"} << "speedError" << 0 << 0 << 0;
}

void EndToEndTest::lostReportsStillEndTheRun()
{
    QFETCH(QStringList, faults);
    QFETCH(QString, ending);
    QFETCH(int, profiles);
    QFETCH(int, failures);
    QFETCH(int, returnEnds);
    GlobalData *data = GlobalData::instance();
    QSignalSpy completed(link, &NetworkController::dataReceiveCompleted);
    QSignalSpy speedError(link, &NetworkController::motorSpeedError);
    QSignalSpy measuring(link, &NetworkController::moterMeasureStatusChanged);
    SimulatorProcess simulator;
    startSimulator(simulator, QStringList{"--samples", QString::number(kProfileSamples)} + faults);
    waitForLink();
    data->measurePurpose = 1;
    link->startCalibrationMeasurement(1.6);
    QTRY_VERIFY_WITH_TIMEOUT(!measuring.isEmpty(), kFetchTimeoutMs);

    if (ending == "automaticReturnEnd")
        QTRY_COMPARE_WITH_TIMEOUT(notices->count("automaticReturnEnd"), 1, kFetchTimeoutMs);
    else if (ending == "profile")
        QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, kFetchTimeoutMs);
    else
        QTRY_COMPARE_WITH_TIMEOUT(speedError.size(), 1, kFetchTimeoutMs);
    // Within the wait for the end of the return at the latest.
    QTRY_VERIFY_WITH_TIMEOUT(!link->moterMoveStatus, kFetchTimeoutMs);
    QVERIFY(!link->moterMeasureStatus);
    QVERIFY(!link->recvMeasureResultStatus);
    QVERIFY(!link->calibrationStatus);
    QVERIFY(link->moterConnectStatus);
    QCOMPARE(completed.size(), profiles);
    QCOMPARE(notices->count("measureFail"), failures);
    QCOMPARE(notices->count("automaticReturnEnd"), returnEnds);
    QCOMPARE(data->measurePurpose, 0);

    simulator.stop();
    waitForLoss();
}

void EndToEndTest::raCalibrationGivesTheUnitANewFactor()
{
    GlobalData *data = GlobalData::instance();
    QSignalSpy confirmed(link, &NetworkController::calibrationFactorUpdateComplete);
    QSignalSpy stopped(link, &NetworkController::stopMeasurement);
    SimulatorProcess simulator;
    startSimulator(simulator, {"--samples", "4000"});
    waitForLink();
    QTRY_COMPARE(data->calibrationFactor, double(kUnitFactor));

    data->measurePurpose = 1;
    link->startCalibrationMeasurement(1.6);
    QTRY_COMPARE_WITH_TIMEOUT(confirmed.size(), 1, kFetchTimeoutMs);
    const double calibrated = data->calibrationFactor;
    QVERIFY(calibrated > 0.0 && float(calibrated) != kUnitFactor);
    QCOMPARE(data->measurePurpose, 0);
    // The unit hands the new factor back at its next read.
    data->calibrationFactor = 1.0;
    QTRY_COMPARE(data->calibrationFactor, double(float(calibrated)));

    data->measurePurpose = 1;
    link->startCalibrationMeasurement(1.6);
    QTRY_VERIFY(link->moterMeasureStatus);
    link->sendStopMeasurement();
    QTRY_COMPARE(stopped.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!link->moterMoveStatus, 5000);
    QCOMPARE(data->measurePurpose, 0);
    // The next evaluation of the profile on show is an ordinary one.
    manager->settingsModel->setWaveFilter(1);
    QCOMPARE(data->calibrationFactor, double(float(calibrated)));
    QTest::qWait(2 * processIntervals().heartBeatMs);
    QCOMPARE(data->calibrationFactor, double(float(calibrated)));
    QCOMPARE(confirmed.size(), 1);

    simulator.stop();
    waitForLoss();
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
