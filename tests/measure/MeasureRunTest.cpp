#include "NoticeRecorder.h"
#include "PageFixture.h"
#include "SimulatorLink.h"
#include "StartedWindow.h"

#include "AbbottFirestoneWidget.h"
#include "CalculateModel.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "MainWidget.h"
#include "MeasureWaveformWidget.h"
#include "NetworkController.h"
#include "PushButton.h"
#include "RoughnessWidget.h"
#include "SetupController.h"
#include "ShapeRemovalWidget.h"
#include "SqliteService.h"
#include "StartupManager.h"
#include "WavinessWidget.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kLinkTimeoutMs = 20000;
constexpr int kRunTimeoutMs = 60000;
constexpr int kSamples = 6001;

}

// The program brought up by its start-up sequence, with the simulator program
// as the drive unit.
class MeasureRunTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void runDrawsLiveThenTheWholeProfile();
    void uncalibratedUnitIsReported();
    void vanishingUnitEndsTheRunWithANotice();
    void stopMidFetchKeepsTheShownMeasurement();

private:
    void startSimulator(const QStringList &arguments);
    void stopSimulator();
    bool dataPagesLocked() const;

    QTemporaryDir root;
    SimulatorLink simulators{"run"};
    std::unique_ptr<SqliteService> index;
    std::unique_ptr<NoticeRecorder> notices;
    std::unique_ptr<SimulatorProcess> simulator;
    NetworkController *link = nullptr;
    MeasureWaveformWidget *measured = nullptr;
};

void MeasureRunTest::initTestCase()
{
    qRegisterMetaType<QList<double>>();
    QVERIFY(root.isValid());
    QVERIFY(QDir::setCurrent(root.path()));
    QVERIFY(simulators.setUp());
    GlobalManager *manager = GlobalManager::instance();
    // The start-up sequence makes the data folders and opens the index.
    index = std::make_unique<SqliteService>(nullptr, root.filePath("database.db"));
    manager->sqliteService = index.get();
    link = manager->networkController;

    StartupManager startup;
    startup.start();
    measured = GlobalData::instance()->mainWidget->findChild<MeasureWaveformWidget *>();
    QVERIFY(measured);
}

void MeasureRunTest::init()
{
    notices = std::make_unique<NoticeRecorder>();
}

void MeasureRunTest::cleanup()
{
    stopSimulator();
    notices.reset();
}

void MeasureRunTest::cleanupTestCase()
{
    destroyStartedWindow();
    GlobalManager::instance()->sqliteService = nullptr;
}

void MeasureRunTest::startSimulator(const QStringList &arguments)
{
    simulator = std::make_unique<SimulatorProcess>();
    QVERIFY(simulators.start(*simulator, QStringList{"--traverse-ms", "1500", "--live-ms", "50"} + arguments));
}

void MeasureRunTest::stopSimulator()
{
    if (!simulator)
        return;
    simulator->stop();
    simulator.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!link->networkConnectStatus, kLinkTimeoutMs);
}

bool MeasureRunTest::dataPagesLocked() const
{
    int locked = 0;
    for (PushButton *button : GlobalData::instance()->mainWidget->findChildren<PushButton *>()) {
        if (button->isCheckable() && button->size() == QSize(90, 80))
            locked += !button->isEnabled();
    }
    return locked == 2;
}

void MeasureRunTest::runDrawsLiveThenTheWholeProfile()
{
    startSimulator({"--samples", QString::number(kSamples)});
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, kLinkTimeoutMs);
    QSignalSpy completed(link, &NetworkController::dataReceiveCompleted);
    QSignalSpy evaluated(GlobalManager::instance()->calculateModel, &CalculateModel::parameterCalculated);

    link->startMeasurement();
    QTRY_VERIFY_WITH_TIMEOUT(measured->displayMode() == MeasureWaveformWidget::LiveMode &&
                                 measured->graph(0)->dataCount() > 0,
                             kRunTimeoutMs);
    QVERIFY(measured->graph(0)->dataCount() <= MeasureWaveformWidget::kLiveWindow);
    QVERIFY(dataPagesLocked());

    QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 1, kRunTimeoutMs);
    QCOMPARE(measured->displayMode(), int(MeasureWaveformWidget::FullMode));
    QCOMPARE(measured->graph(0)->dataCount(), kSamples);
    const CalculateResult &result = GlobalData::instance()->calcutateResult;
    QCOMPARE(result.left, 0);
    QCOMPARE(result.right, 4 * (kSamples / 4));
    QVERIFY(!evaluated.isEmpty());
    QWidget *window = GlobalData::instance()->mainWidget;
    QVERIFY(findPlot<RoughnessWidget>(window)->graph(0)->dataCount() > 0);
    QVERIFY(findPlot<ShapeRemovalWidget>(window)->graph(0)->dataCount() > 0);
    QVERIFY(findPlot<WavinessWidget>(window)->graph(0)->dataCount() > 0);
    auto *materialRatio = findPlot<AbbottFirestoneWidget>(window);
    QVERIFY(materialRatio->abbottFirestone()->graph(0)->dataCount() > 0);
    QVERIFY(materialRatio->amplitude()->graph(0)->dataCount() > 0);
    QVERIFY(materialRatio->amplitude()->graph(1)->dataCount() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!dataPagesLocked(), kRunTimeoutMs);
}

void MeasureRunTest::uncalibratedUnitIsReported()
{
    startSimulator({"--uncalibrated"});
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, kLinkTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(notices->count("equipmentNotCalibrated") >= 1, kLinkTimeoutMs);
}

void MeasureRunTest::vanishingUnitEndsTheRunWithANotice()
{
    startSimulator({"--samples", QString::number(kSamples), "--vanish-after-frame", "live:5"});
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, kLinkTimeoutMs);
    link->startMeasurement();
    QTRY_VERIFY_WITH_TIMEOUT(dataPagesLocked(), kRunTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!link->networkConnectStatus, kRunTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!dataPagesLocked(), kRunTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(notices->count("measureFail") >= 1, kRunTimeoutMs);
    simulator.reset();
}

void MeasureRunTest::stopMidFetchKeepsTheShownMeasurement()
{
    GlobalData *data = GlobalData::instance();
    // The profile of the first test is on show.
    const QList<double> shownProfile = data->calcutateResult.measureDataList;
    QCOMPARE(shownProfile.size(), kSamples);
    const QList<ParameterEntry> shownParameters = data->calcutateResult.parameters;

    startSimulator({"--samples", QString::number(2 * kSamples), "--package-size", "200", "--delay", "20"});
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, kLinkTimeoutMs);
    link->startMeasurement();
    QTRY_VERIFY_WITH_TIMEOUT(link->recvMeasureResultStatus, kRunTimeoutMs);
    QSignalSpy stopped(link, &NetworkController::stopMeasurement);
    link->sendStopMeasurement();
    QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, kRunTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!link->recvMeasureResultStatus, kRunTimeoutMs);

    GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
    QCOMPARE(data->calcutateResult.measureDataList, shownProfile);
    QCOMPARE(measured->displayMode(), int(MeasureWaveformWidget::FullMode));
    QCOMPARE(measured->graph(0)->dataCount(), kSamples);
    QCOMPARE(data->calcutateResult.parameters.size(), shownParameters.size());
    for (int i = 0; i < shownParameters.size(); ++i)
        QCOMPARE(data->calcutateResult.parameters.at(i).value1, shownParameters.at(i).value1);
    GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
}

QTEST_MAIN(MeasureRunTest)
#include "MeasureRunTest.moc"
