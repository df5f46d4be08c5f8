#include "PanelRig.h"
#include "ShortIntervals.h"
#include "SimulatorLink.h"

#include "CalibrationDialog.h"
#include "CustomLabel.h"
#include "DataManagementModel.h"
#include "DeveloperModelDialog.h"
#include "LabelAndLabel.h"
#include "MeasurePage.h"
#include "NeedleCalibrationDialog.h"
#include "SaveFileDialog.h"
#include "SetupPage.h"
#include "SetupWidget.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kRunTimeoutMs = 30000;
constexpr int kLinkTimeoutMs = 10000;

QStringList &debugLines()
{
    static QStringList lines;
    return lines;
}

void keepDebugLine(QtMsgType, const QMessageLogContext &, const QString &message)
{
    debugLines() << message;
}

bool linkPollSwitchedOn()
{
    for (auto line = debugLines().crbegin(); line != debugLines().crend(); ++line) {
        if (line->startsWith("getNeedlePositionTimer: "))
            return line->endsWith("true");
    }
    return false;
}

}

// The measure and set-up pages against the simulator program, driven only
// through their buttons and dialogs.
class PanelEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void autoSavedRunIsListedFirst();
    void manualSaveTakesTheProposedName();
    void stoppedRunLeavesNothingToSave();
    void raCalibrationGivesTheUnitANewFactor();
    void ignoredStartFails();
    void uncalibratedUnitCannotRun();
    void motorSpeedErrorLeavesNothingToSave();
    void needleCalibrationFromTheDeveloperMode();

private:
    void startSimulator(const QStringList &arguments = {});
    void startRun();
    void waitForIdle();
    TouchButton *button(int index) const { return PanelRig::button(panel, index); }

    PanelRig rig;
    SimulatorLink simulators{"panels"};
    std::unique_ptr<MeasurePage> measurePage;
    std::unique_ptr<SetupPage> setupPage;
    std::unique_ptr<NoticeRecorder> notices;
    std::unique_ptr<SimulatorProcess> simulator;
    SetupWidget *panel = nullptr;
    NetworkController *link = nullptr;
};

void PanelEndToEndTest::initTestCase()
{
    qRegisterMetaType<QList<double>>();
    qInstallMessageHandler(keepDebugLine);
    QVERIFY(rig.setUp());
    QVERIFY(simulators.setUp());
    GlobalData *data = GlobalData::instance();
    data->mainWindowRect = QRect(0, 0, 1280, 800);
    data->settingsData = {2, 0, 0, 0, 0, 1, 4, 0};
    link = PanelRig::link();
    link->init();
}

void PanelEndToEndTest::init()
{
    Language::instance()->setLanguage(LanguageCode::English);
    measurePage = std::make_unique<MeasurePage>();
    measurePage->init();
    measurePage->resize(1190, 755);
    measurePage->show();
    setupPage = std::make_unique<SetupPage>();
    setupPage->init();
    setupPage->setMeasurePage(measurePage.get());
    panel = measurePage->findChild<SetupWidget *>();
    QVERIFY(panel);
    notices = std::make_unique<NoticeRecorder>();
}

void PanelEndToEndTest::cleanup()
{
    if (simulator) {
        simulator->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!link->moterConnectStatus, kLinkTimeoutMs);
    }
    simulator.reset();
    setupPage.reset();
    measurePage.reset();
    notices.reset();
}

void PanelEndToEndTest::cleanupTestCase()
{
    rig.tearDown();
    qInstallMessageHandler(nullptr);
}

void PanelEndToEndTest::startSimulator(const QStringList &arguments)
{
    simulator = std::make_unique<SimulatorProcess>();
    QVERIFY(simulators.start(*simulator, QStringList{"--samples", "4000"} + arguments));
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, kLinkTimeoutMs);
}

void PanelEndToEndTest::waitForIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(button(StartButton)->isEnabled(), kRunTimeoutMs);
}

void PanelEndToEndTest::startRun()
{
    waitForIdle();
    button(StartButton)->click();
}

void PanelEndToEndTest::autoSavedRunIsListedFirst()
{
    GlobalData *data = GlobalData::instance();
    data->isAutoSave = true;
    startSimulator();
    const QString proposed = GlobalManager::instance()->fileController->nextFileName();
    startRun();
    QTRY_COMPARE_WITH_TIMEOUT(notices->count("savedSuccessfully"), 1, kRunTimeoutMs);
    QVERIFY(QFile::exists(GlobalConfig::instance()->dataStorageDir + "/" + proposed + ".json"));
    QCOMPARE(GlobalManager::instance()->dataManagementModel->measureDataInfoList().value(0), proposed);
    QList<CustomLabel *> rows = measurePage->findChildren<CustomLabel *>();
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.first()->text(), proposed);
    const QList<LabelAndLabel *> parameters = measurePage->findChildren<LabelAndLabel *>();
    QVERIFY(!parameters.isEmpty());
    QVERIFY(parameters.first()->findChildren<QLabel *>().at(1)->text() != "--");
    data->isAutoSave = false;
}

void PanelEndToEndTest::manualSaveTakesTheProposedName()
{
    startSimulator();
    QSignalSpy profiles(GlobalData::instance(), &GlobalData::measureDataListChanged);
    startRun();
    QTRY_COMPARE_WITH_TIMEOUT(profiles.size(), 1, kRunTimeoutMs);
    waitForIdle();
    QCOMPARE(notices->count("savedSuccessfully"), 0);

    const QString proposed = GlobalManager::instance()->fileController->nextFileName();
    button(SaveButton)->click();
    auto *dialog = panel->window()->findChild<SaveFileDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialogEdit(dialog)->text(), proposed);
    dialogButton(dialog, 0)->click();
    const QString path = GlobalConfig::instance()->dataStorageDir + "/" + proposed + ".json";
    QVERIFY(QFile::exists(path));
    const QDateTime written = QFileInfo(path).lastModified();

    // Saving again under that name writes nothing.
    QTRY_VERIFY(!panel->window()->findChild<SaveFileDialog *>());
    button(SaveButton)->click();
    dialog = panel->window()->findChild<SaveFileDialog *>();
    dialogEdit(dialog)->setText(proposed);
    dialogButton(dialog, 0)->click();
    QCOMPARE(notices->count("duplicationFileName"), 1);
    QCOMPARE(notices->count("savedSuccessfully"), 1);
    QCOMPARE(QFileInfo(path).lastModified(), written);
}

void PanelEndToEndTest::stoppedRunLeavesNothingToSave()
{
    startSimulator({"--traverse-ms", "3000"});
    PanelRig::showProfile();
    QSignalSpy stopped(link, &NetworkController::stopMeasurement);
    startRun();
    QTRY_VERIFY_WITH_TIMEOUT(link->moterMeasureStatus, kRunTimeoutMs);
    QVERIFY(button(StopButton)->isEnabled());
    button(StopButton)->click();
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, kRunTimeoutMs);
    QVERIFY(!link->moterMeasureStatus && !link->recvMeasureResultStatus && !link->calibrationStatus);
    waitForIdle();
    QVERIFY(!button(StopButton)->isEnabled());
    button(SaveButton)->click();
    QCOMPARE(notices->count("noData"), 1);
    QVERIFY(!panel->window()->findChild<SaveFileDialog *>());
}

void PanelEndToEndTest::raCalibrationGivesTheUnitANewFactor()
{
    GlobalData *data = GlobalData::instance();
    startSimulator();
    QSignalSpy confirmed(link, &NetworkController::calibrationFactorUpdateComplete);
    waitForIdle();
    const double before = data->calibrationFactor;
    button(CalibrationButton)->click();
    auto *dialog = panel->window()->findChild<CalibrationDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialogEdit(dialog)->text(), "3.03");
    dialogButton(dialog, 0)->click();
    QTRY_COMPARE_WITH_TIMEOUT(confirmed.size(), 1, kRunTimeoutMs);
    const double calibrated = data->calibrationFactor;
    QVERIFY(calibrated > 0.0 && calibrated != before);
    QCOMPARE(data->measurePurpose, int(MeasurePurpose::Measurement));
    QCOMPARE(notices->count("calibrateFail"), 0);
    // The unit hands the new factor back at its next read.
    data->calibrationFactor = 1.0;
    QTRY_COMPARE_WITH_TIMEOUT(data->calibrationFactor, double(float(calibrated)), kLinkTimeoutMs);
    // The next evaluation is an ordinary one.
    GlobalManager::instance()->calculateController->calculate();
    QCOMPARE(data->calibrationFactor, double(float(calibrated)));
    QCOMPARE(confirmed.size(), 1);
}

void PanelEndToEndTest::ignoredStartFails()
{
    startSimulator({"--ignore-start"});
    startRun();
    QTRY_COMPARE_WITH_TIMEOUT(notices->count("measureFail"), 1, kRunTimeoutMs);
    waitForIdle();
    button(CalibrationButton)->click();
    dialogButton(panel->window()->findChild<CalibrationDialog *>(), 0)->click();
    QTRY_COMPARE_WITH_TIMEOUT(notices->count("calibrateFail"), 1, kRunTimeoutMs);
    QCOMPARE(notices->count("measureFail"), 1);
    QCOMPARE(GlobalData::instance()->measurePurpose, int(MeasurePurpose::Measurement));
}

void PanelEndToEndTest::uncalibratedUnitCannotRun()
{
    QSignalSpy started(link, &NetworkController::moterMeasureStatusChanged);
    startSimulator({"--uncalibrated"});
    QTRY_VERIFY_WITH_TIMEOUT(!button(SaveButton)->isEnabled(), kLinkTimeoutMs);
    // Heartbeats come and go; the buttons stay disabled.
    QTest::qWait(3 * processIntervals().heartBeatMs);
    for (int index = SaveButton; index <= StartButton; ++index)
        QVERIFY(!button(index)->isEnabled());
    button(StartButton)->click();
    QTest::qWait(processIntervals().heartBeatMs);
    QVERIFY(!link->moterMeasureStatus);
    for (const QList<QVariant> &signal : started)
        QVERIFY(!signal.at(0).toBool());
}

void PanelEndToEndTest::motorSpeedErrorLeavesNothingToSave()
{
    startSimulator({"--motor-speed-error"});
    PanelRig::showProfile();
    QSignalSpy failed(link, &NetworkController::motorSpeedError);
    startRun();
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, kRunTimeoutMs);
    QVERIFY(!link->moterMeasureStatus && !link->recvMeasureResultStatus && !link->calibrationStatus);
    waitForIdle();
    button(SaveButton)->click();
    QCOMPARE(notices->count("noData"), 1);
}

void PanelEndToEndTest::needleCalibrationFromTheDeveloperMode()
{
    startSimulator();
    waitForIdle();
    auto *equipmentName = setupPage->findChildren<LabelAndLabel *>().at(2);
    for (int tap = 0; tap < SetupPage::kTapsToOpen; ++tap)
        emit equipmentName->clicked();
    auto *developer = setupPage->findChild<DeveloperModelDialog *>();
    QVERIFY(developer);
    dialogButton(developer, 0)->click();
    auto *needle = setupPage->findChild<NeedleCalibrationDialog *>();
    QVERIFY(needle);
    QVERIFY(!linkPollSwitchedOn());
    dialogButton(needle, 0)->click();
    QTRY_COMPARE_WITH_TIMEOUT(notices->count("voltageValueCalibrationSucceeded"), 1, kRunTimeoutMs);
    QTRY_VERIFY(!setupPage->findChild<NeedleCalibrationDialog *>());
    QVERIFY(linkPollSwitchedOn());
}

QTEST_MAIN(PanelEndToEndTest)
#include "PanelEndToEndTest.moc"
