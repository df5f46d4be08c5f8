#include "PanelRig.h"

#include "CalibrationDialog.h"
#include "DataManagementModel.h"
#include "SaveFileDialog.h"
#include "SettingsModel.h"
#include "SetupController.h"
#include "SetupWidget.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kShortWatchdogMs = 50;

QString dataFile(const QString &name)
{
    return GlobalConfig::instance()->dataStorageDir + "/" + name + ".json";
}

}

class ControlPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void flagsDecideButtonsAndCombos_data();
    void flagsDecideButtonsAndCombos();
    void speedCalibrationReportSetsTheButtons();
    void measuringSettingsAreSentWhenLinked_data();
    void measuringSettingsAreSentWhenLinked();
    void openedSettingsAreSelected();
    void languageAndUnitChangesCallNoSetter();
    void uncalibratedStartSendsNothing();
    void unansweredStartFails();
    void answeredStartStopsTheWatchdog();
    void stopDuringThePageSwitchIsKept();
    void calibrationChecks_data();
    void calibrationChecks();
    void failedCalibrationStartSaysCalibrateFail();
    void pendingStartRefusesCalibrationAndStart();
    void calibrationRefusesUnusableReference_data();
    void calibrationRefusesUnusableReference();
    void cancelLeavesEverythingUntouched();
    void saveChecks_data();
    void saveChecks();
    void runWithoutProfileHasNothingToSave();
    void saveWritesTheConfirmedName();
    void saveRefusesTakenAndUnusableNames_data();
    void saveRefusesTakenAndUnusableNames();

private:
    SaveFileDialog *openSaveDialog();

    PanelRig rig;
    std::unique_ptr<SetupWidget> panel;
    std::unique_ptr<NoticeRecorder> notices;
};

void ControlPanelTest::initTestCase()
{
    QVERIFY(rig.setUp());
}

void ControlPanelTest::init()
{
    GlobalData *data = GlobalData::instance();
    data->settingsData = {};
    data->calcutateResult.measureDataList.clear();
    data->mainWindowRect = QRect(0, 0, 1280, 800);
    Language::instance()->setLanguage(LanguageCode::English);
    panel = std::make_unique<SetupWidget>();
    panel->init();
    panel->setStartWatchdogInterval(kShortWatchdogMs);
    panel->resize(592, 380);
    panel->show();
    notices = std::make_unique<NoticeRecorder>();
    PanelRig::emitFlags({});
}

void ControlPanelTest::cleanup()
{
    panel.reset();
    notices.reset();
}

void ControlPanelTest::cleanupTestCase()
{
    rig.tearDown();
}

void ControlPanelTest::flagsDecideButtonsAndCombos_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<bool>("combos");
    // Bits: 1 network, 2 motor, 4 moving, 8 measuring, 16 fetching, 32 calibrating, 64 speed calibrated.
    QTest::newRow("nothing") << 0 << false << false << true;
    QTest::newRow("idle") << (1 | 2 | 64) << true << false << true;
    QTest::newRow("idle, speed not calibrated") << (1 | 2) << false << false << true;
    QTest::newRow("link without motor") << (1 | 64) << false << false << true;
    QTest::newRow("moving only") << (1 | 2 | 4 | 64) << false << true << true;
    QTest::newRow("measuring") << (1 | 2 | 4 | 8 | 64) << false << true << false;
    QTest::newRow("fetching") << (1 | 2 | 16 | 64) << false << true << false;
    QTest::newRow("calibrating") << (1 | 2 | 32 | 64) << false << true << false;
    QTest::newRow("measuring, motor lost") << (1 | 8 | 64) << false << false << false;
}

void ControlPanelTest::flagsDecideButtonsAndCombos()
{
    QFETCH(int, bits);
    QFETCH(bool, start);
    QFETCH(bool, stop);
    QFETCH(bool, combos);
    PanelRig::emitFlags({bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8), bool(bits & 16),
                         bool(bits & 32), bool(bits & 64)});
    QCOMPARE(PanelRig::button(panel.get(), StartButton)->isEnabled(), start);
    QCOMPARE(PanelRig::button(panel.get(), StopButton)->isEnabled(), stop);
    for (LabelAndCombobox *box : panel->findChildren<LabelAndCombobox *>())
        QCOMPARE(box->isEnabled(), combos);
}

void ControlPanelTest::speedCalibrationReportSetsTheButtons()
{
    PanelRig::emitIdle();
    emit PanelRig::link()->currentCalibrationStatusChanged(false);
    emit PanelRig::link()->speedIsCalibrationStatusRecved(false);
    for (int button = SaveButton; button <= StartButton; ++button)
        QVERIFY(!PanelRig::button(panel.get(), button)->isEnabled());
    // A later report of the link keeps a unit that is not calibrated from running.
    emit PanelRig::link()->moterConnectStatusChanged(true);
    QVERIFY(!PanelRig::button(panel.get(), StartButton)->isEnabled());

    emit PanelRig::link()->currentCalibrationStatusChanged(true);
    emit PanelRig::link()->speedIsCalibrationStatusRecved(true);
    QVERIFY(PanelRig::button(panel.get(), SaveButton)->isEnabled());
    QVERIFY(PanelRig::button(panel.get(), CalibrationButton)->isEnabled());
    QVERIFY(PanelRig::button(panel.get(), StartButton)->isEnabled());
    // Nothing runs, so there is nothing to stop.
    QVERIFY(!PanelRig::button(panel.get(), StopButton)->isEnabled());
}

void ControlPanelTest::measuringSettingsAreSentWhenLinked_data()
{
    QTest::addColumn<QString>("labelKey");
    QTest::addColumn<bool>("linked");
    QTest::addColumn<QString>("notice");
    const QList<QPair<QString, QString>> rows{{"calculationStandard", ""},
                                              {"shapeRemoval", ""},
                                              {"filter", ""},
                                              {"cutoffS", ""},
                                              {"cutoffC", ""},
                                              {"measureRange", "newMeasurementRangeApplied"},
                                              {"samplingLength", "newMeasurementLengthApplied"},
                                              {"samplingNum", "newMeasurementLengthApplied"}};
    for (const auto &row : rows) {
        QTest::addRow("%s linked", qPrintable(row.first)) << row.first << true << row.second;
        QTest::addRow("%s unlinked", qPrintable(row.first)) << row.first << false << QString();
    }
}

void ControlPanelTest::measuringSettingsAreSentWhenLinked()
{
    QFETCH(QString, labelKey);
    QFETCH(bool, linked);
    QFETCH(QString, notice);
    if (linked)
        emit PanelRig::link()->moterConnectStatusChanged(true);
    LabelAndCombobox *box = PanelRig::combo(panel.get(), qPrintable(labelKey));
    QVERIFY(box);
    QSignalSpy settings(GlobalData::instance(), &GlobalData::settingsDataChanged);
    box->setCurrentIndex(2);
    QCOMPARE(box->currentIndex(), 2);
    const SettingsData &data = GlobalData::instance()->settingsData;
    const int stored[] = {data.calculateStandard, data.shapeRemoval, data.waveFilter,     data.cutoffWavelengthS,
                          data.cutoffWavelengthC, data.measureRange, data.samplingLength, data.samplingNumber};
    QCOMPARE(std::count(std::begin(stored), std::end(stored), 2), 1L);
    for (const char *key : {"newMeasurementRangeApplied", "newMeasurementLengthApplied"})
        QCOMPARE(notices->count(key), notice == key ? 1 : 0);
}

void ControlPanelTest::openedSettingsAreSelected()
{
    emit PanelRig::link()->networkConnectStatusChanged(true);
    GlobalData *data = GlobalData::instance();
    data->settingsData = {3, 1, 2, 1, 4, 2, 0, 1};
    emit data->settingsDataChanged();
    const QList<QPair<const char *, int>> expected{
        {"calculationStandard", 3}, {"shapeRemoval", 1}, {"filter", 2},      {"cutoffS", 1}, {"cutoffC", 4},
        {"samplingLength", 2},      {"samplingNum", 0},  {"measureRange", 1}};
    for (const auto &row : expected)
        QCOMPARE(PanelRig::combo(panel.get(), row.first)->currentIndex(), row.second);
    QCOMPARE(data->settingsData.samplingLength, 2);
    // Sampling length and range differ from what was shown, number does not.
    QCOMPARE(notices->count("newMeasurementLengthApplied"), 1);
    QCOMPARE(notices->count("newMeasurementRangeApplied"), 1);
}

void ControlPanelTest::languageAndUnitChangesCallNoSetter()
{
    GlobalData::instance()->settingsData = {4, 2, 1, 3, 2, 1, 3, 2};
    panel = std::make_unique<SetupWidget>();
    panel->init();
    SettingsModel *model = GlobalManager::instance()->settingsModel;
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (auto signal : {&SettingsModel::calculateStandardChanged, &SettingsModel::shapeRemovalChanged,
                        &SettingsModel::waveFilterChanged, &SettingsModel::cutoffWavelengthSChanged,
                        &SettingsModel::cutoffWavelengthCChanged, &SettingsModel::samplingLengthChanged,
                        &SettingsModel::samplingNumberChanged, &SettingsModel::measureRangeChanged})
        spies << std::make_shared<QSignalSpy>(model, signal);
    LabelAndCombobox *standard = PanelRig::combo(panel.get(), "calculationStandard");
    Language::instance()->setLanguage(LanguageCode::Chinese);
    QCOMPARE(PanelRig::combo(panel.get(), "calculationStandard"), standard);
    GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
    GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
    Language::instance()->setLanguage(LanguageCode::English);
    for (const auto &spy : spies)
        QCOMPARE(spy->size(), 0);
    QCOMPARE(standard->currentIndex(), 4);
    QCOMPARE(PanelRig::combo(panel.get(), "samplingNum")->currentIndex(), 3);
    QCOMPARE(standard->currentText(), "   " + SettingsModel::calculateStandardList().at(4));
}

void ControlPanelTest::uncalibratedStartSendsNothing()
{
    PanelRig::emitIdle();
    emit PanelRig::link()->currentCalibrationStatusChanged(false);
    QSignalSpy page(GlobalData::instance(), &GlobalData::currentPageChanged);
    QSignalSpy measureMode(panel.get(), &SetupWidget::convertToMeasureMode);
    TouchButton *start = PanelRig::button(panel.get(), StartButton);
    // The button is disabled as well; the handler refuses on its own.
    QMetaObject::invokeMethod(start, "clicked");
    QCOMPARE(notices->count("equipmentNotCalibrated"), 1);
    QVERIFY(!panel->isStartPending());
    QVERIFY(page.isEmpty() && measureMode.isEmpty());
    QTest::qWait(4 * kShortWatchdogMs);
    QCOMPARE(notices->count("measureFail"), 0);
}

void ControlPanelTest::unansweredStartFails()
{
    PanelRig::emitIdle();
    GlobalData *data = GlobalData::instance();
    data->currentFileName = "older";
    QSignalSpy page(data, &GlobalData::currentPageChanged);
    QSignalSpy measureMode(panel.get(), &SetupWidget::convertToMeasureMode);
    PanelRig::button(panel.get(), StartButton)->click();
    QVERIFY(panel->isStartPending());
    QCOMPARE(page.size(), 1);
    QCOMPARE(page.at(0).at(0).toInt(), int(PageIndex::Measure));
    QCOMPARE(measureMode.size(), 1);
    QVERIFY(data->currentFileName.isEmpty());
    QVERIFY(!PanelRig::button(panel.get(), StartButton)->isEnabled());
    QVERIFY(PanelRig::button(panel.get(), StopButton)->isEnabled());

    QTRY_COMPARE(notices->count("measureFail"), 1);
    QCOMPARE(notices->count("calibrateFail"), 0);
    QVERIFY(PanelRig::button(panel.get(), StartButton)->isEnabled());
    QVERIFY(!PanelRig::button(panel.get(), StopButton)->isEnabled());
    QCOMPARE(data->measurePurpose, int(MeasurePurpose::Measurement));
    // The watchdog is the panel's own: it goes with the panel.
    QCOMPARE(panel->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
}

void ControlPanelTest::answeredStartStopsTheWatchdog()
{
    PanelRig::emitIdle();
    PanelRig::button(panel.get(), StartButton)->click();
    emit PanelRig::link()->moterMeasureStatusChanged(false);
    QVERIFY(!panel->isStartPending());
    QTest::qWait(4 * kShortWatchdogMs);
    QCOMPARE(notices->count("measureFail"), 0);
}

void ControlPanelTest::stopDuringThePageSwitchIsKept()
{
    PanelRig::emitIdle();
    // The main window handles pending events on the page signal; here the
    // unit starts and is stopped right then.
    auto connection = connect(GlobalData::instance(), &GlobalData::currentPageChanged, this, [] {
        NetworkController *link = PanelRig::link();
        emit link->moterMoveStatusChanged(true);
        emit link->moterMeasureStatusChanged(true);
        emit link->moterMeasureStatusChanged(false);
        emit link->moterMoveStatusChanged(false);
    });
    PanelRig::button(panel.get(), StartButton)->click();
    disconnect(connection);
    QVERIFY(!panel->isStartPending());
    QVERIFY(PanelRig::button(panel.get(), StartButton)->isEnabled());
    QVERIFY(!PanelRig::button(panel.get(), StopButton)->isEnabled());
}

void ControlPanelTest::calibrationChecks_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("notice");
    QTest::newRow("unlinked") << 64 << "theCurrentStateCannotBeCalibrated";
    QTest::newRow("motor lost") << (1 | 64) << "theCurrentStateCannotBeCalibrated";
    QTest::newRow("moving") << (1 | 2 | 4 | 64) << "theCurrentStateCannotBeCalibrated";
    QTest::newRow("measuring") << (1 | 2 | 8 | 64) << "theCurrentStateCannotBeCalibrated";
    QTest::newRow("fetching") << (1 | 2 | 16 | 64) << "theCurrentStateCannotBeCalibrated";
    QTest::newRow("calibrating") << (1 | 2 | 32 | 64) << "calibrating";
    QTest::newRow("speed not calibrated") << (1 | 2) << "equipmentNotCalibrated";
    QTest::newRow("idle") << (1 | 2 | 64) << "";
}

void ControlPanelTest::calibrationChecks()
{
    QFETCH(int, bits);
    QFETCH(QString, notice);
    PanelRig::emitFlags({bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8), bool(bits & 16),
                         bool(bits & 32), bool(bits & 64)});
    QSignalSpy measureMode(panel.get(), &SetupWidget::convertToMeasureMode);
    PanelRig::button(panel.get(), CalibrationButton)->click();
    auto *dialog = panel->findChild<CalibrationDialog *>();
    for (const char *key : {"theCurrentStateCannotBeCalibrated", "calibrating", "equipmentNotCalibrated"})
        QCOMPARE(notices->count(key), notice == key ? 1 : 0);
    QCOMPARE(dialog != nullptr, notice.isEmpty());
    QCOMPARE(measureMode.size(), notice.isEmpty() ? 1 : 0);
    if (!dialog)
        return;
    QCOMPARE(dialog->height(), 300);
    QCOMPARE(dialogEdit(dialog)->text(), "3.03");
    // A state change while the dialog is open is caught at the confirmation.
    emit PanelRig::link()->moterMoveStatusChanged(true);
    dialogButton(dialog, 0)->click();
    QCOMPARE(notices->count("theCurrentStateCannotBeCalibrated"), 1);
    QVERIFY(!panel->isStartPending());
}

void ControlPanelTest::failedCalibrationStartSaysCalibrateFail()
{
    PanelRig::emitIdle();
    PanelRig::button(panel.get(), CalibrationButton)->click();
    auto *dialog = panel->findChild<CalibrationDialog *>();
    QVERIFY(dialog);
    dialogEdit(dialog)->setText("2.5");
    dialogButton(dialog, 0)->click();
    QCOMPARE(GlobalData::instance()->referenceRa, 2.5);
    QVERIFY(panel->isStartPending());
    QVERIFY(!PanelRig::button(panel.get(), StartButton)->isEnabled());
    QVERIFY(PanelRig::button(panel.get(), StopButton)->isEnabled());
    // The purpose shared with the evaluation is the link's to set.
    QCOMPARE(GlobalData::instance()->measurePurpose, int(MeasurePurpose::Measurement));
    QTRY_COMPARE(notices->count("calibrateFail"), 1);
    QCOMPARE(notices->count("measureFail"), 0);

    // The next start is a measurement again.
    PanelRig::button(panel.get(), StartButton)->click();
    QTRY_COMPARE(notices->count("measureFail"), 1);
    QCOMPARE(notices->count("calibrateFail"), 1);
}

void ControlPanelTest::pendingStartRefusesCalibrationAndStart()
{
    PanelRig::emitIdle();
    PanelRig::button(panel.get(), StartButton)->click();
    PanelRig::button(panel.get(), CalibrationButton)->click();
    QVERIFY(!panel->findChild<CalibrationDialog *>());
    QCOMPARE(notices->count("theCurrentStateCannotBeCalibrated"), 1);
    QVERIFY(!PanelRig::button(panel.get(), StartButton)->isEnabled());

    // A calibration confirmed, then a start: still one run.
    emit PanelRig::link()->moterMeasureStatusChanged(false);
    PanelRig::button(panel.get(), CalibrationButton)->click();
    auto *dialog = panel->findChild<CalibrationDialog *>();
    QVERIFY(dialog);
    QSignalSpy page(GlobalData::instance(), &GlobalData::currentPageChanged);
    dialogButton(dialog, 0)->click();
    QVERIFY(!PanelRig::button(panel.get(), StartButton)->isEnabled());
    QMetaObject::invokeMethod(PanelRig::button(panel.get(), StartButton), "clicked");
    QVERIFY(page.isEmpty());
    QTRY_COMPARE(notices->count("calibrateFail"), 1);
    QCOMPARE(notices->count("measureFail"), 0);
}

void ControlPanelTest::calibrationRefusesUnusableReference_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("zero") << "0";
    QTest::newRow("empty") << "";
    QTest::newRow("above 100") << "100.5";
}

void ControlPanelTest::calibrationRefusesUnusableReference()
{
    QFETCH(QString, value);
    PanelRig::emitIdle();
    GlobalData::instance()->referenceRa = 1.0;
    PanelRig::button(panel.get(), CalibrationButton)->click();
    auto *dialog = panel->findChild<CalibrationDialog *>();
    QVERIFY(dialog);
    dialogEdit(dialog)->setText(value);
    dialogButton(dialog, 0)->click();
    QVERIFY(!panel->isStartPending());
    QCOMPARE(GlobalData::instance()->referenceRa, 1.0);
    // The dialog refuses it and stays open.
    QCOMPARE(notices->count("RaValueOutOfLimit"), 1);
    // A value that reaches the panel some other way is refused there too.
    QMetaObject::invokeMethod(dialog, "confirm", Q_ARG(double, 0.0));
    QVERIFY(!panel->isStartPending());
    QCOMPARE(GlobalData::instance()->referenceRa, 1.0);
    QCOMPARE(notices->count("RaValueOutOfLimit"), 2);
}

void ControlPanelTest::cancelLeavesEverythingUntouched()
{
    PanelRig::emitIdle();
    PanelRig::showProfile();
    GlobalData *data = GlobalData::instance();
    const int files = data->measureDataInfoList.size();
    PanelRig::button(panel.get(), CalibrationButton)->click();
    dialogButton(panel->findChild<CalibrationDialog *>(), 1)->click();
    PanelRig::button(panel.get(), SaveButton)->click();
    dialogButton(panel->findChild<SaveFileDialog *>(), 1)->click();
    QTRY_VERIFY(!panel->findChild<Dialog *>());
    QVERIFY(!panel->isStartPending());
    QCOMPARE(data->measureDataInfoList.size(), files);
    QVERIFY(QDir(GlobalConfig::instance()->dataStorageDir).isEmpty());
    QVERIFY(PanelRig::button(panel.get(), StartButton)->isEnabled());
}

void ControlPanelTest::saveChecks_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("profile");
    QTest::addColumn<QString>("notice");
    QTest::newRow("measuring") << (1 | 2 | 8 | 64) << true << "currentStateCannotSave";
    QTest::newRow("fetching") << (1 | 2 | 16 | 64) << true << "currentStateCannotSave";
    QTest::newRow("calibrating") << (1 | 2 | 32 | 64) << true << "currentStateCannotSave";
    QTest::newRow("empty") << (1 | 2 | 64) << false << "noData";
    QTest::newRow("moving only") << (1 | 2 | 4 | 64) << true << "";
    QTest::newRow("unlinked") << 0 << true << "";
}

void ControlPanelTest::saveChecks()
{
    QFETCH(int, bits);
    QFETCH(bool, profile);
    QFETCH(QString, notice);
    if (profile)
        PanelRig::showProfile();
    PanelRig::emitFlags(
        {bool(bits & 1), bool(bits & 2), bool(bits & 4), false, bool(bits & 16), bool(bits & 32), bool(bits & 64)});
    if (bits & 8) {
        // Measuring without the unit having accepted a start here.
        emit PanelRig::link()->moterMeasureStatusChanged(true);
    }
    PanelRig::button(panel.get(), SaveButton)->click();
    for (const char *key : {"currentStateCannotSave", "noData"})
        QCOMPARE(notices->count(key), notice == key ? 1 : 0);
    auto *dialog = panel->findChild<SaveFileDialog *>();
    // Open when the click returns: no wait in between.
    QCOMPARE(dialog != nullptr, notice.isEmpty());
    if (dialog)
        QCOMPARE(dialog->height(), 370);
}

void ControlPanelTest::runWithoutProfileHasNothingToSave()
{
    PanelRig::emitIdle();
    PanelRig::showProfile();
    NetworkController *link = PanelRig::link();
    // The unit accepts a start, then the run is stopped before any profile.
    emit link->moterMeasureStatusChanged(true);
    emit link->stopMeasurement();
    emit link->moterMeasureStatusChanged(false);
    PanelRig::button(panel.get(), SaveButton)->click();
    QCOMPARE(notices->count("noData"), 1);
    QVERIFY(!panel->findChild<SaveFileDialog *>());

    // A whole profile, from a run or an opened file, can be saved again.
    PanelRig::showProfile();
    PanelRig::button(panel.get(), SaveButton)->click();
    QVERIFY(panel->findChild<SaveFileDialog *>());
}

SaveFileDialog *ControlPanelTest::openSaveDialog()
{
    PanelRig::button(panel.get(), SaveButton)->click();
    return panel->findChild<SaveFileDialog *>();
}

void ControlPanelTest::saveWritesTheConfirmedName()
{
    PanelRig::emitIdle();
    PanelRig::showProfile();
    const QString proposed = GlobalManager::instance()->fileController->nextFileName();
    SaveFileDialog *dialog = openSaveDialog();
    QVERIFY(dialog);
    QList<QLineEdit *> edits = dialog->findChildren<QLineEdit *>();
    QCOMPARE(edits.at(0)->text(), proposed);
    QVERIFY(QDateTime::fromString(edits.at(1)->text(), "yyyy-MM-dd hh:mm:ss").isValid());
    edits.at(0)->setText("Sample A");
    dialogButton(dialog, 0)->click();
    // Written when the confirmation returns.
    QVERIFY(QFile::exists(dataFile("Sample A")));
    QCOMPARE(GlobalManager::instance()->dataManagementModel->measureDataInfoList().count("Sample A"), 1);
    QCOMPARE(notices->count("savedSuccessfully"), 1);
    // Names differing only in case are different names.
    dialog = openSaveDialog();
    dialogEdit(dialog)->setText("sample a");
    dialogButton(dialog, 0)->click();
    QVERIFY(QFile::exists(dataFile("sample a")));
}

void ControlPanelTest::saveRefusesTakenAndUnusableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("searchShown");
    QTest::addColumn<QString>("notice");
    QTest::newRow("listed") << "Taken" << false << "duplicationFileName";
    QTest::newRow("taken but not in the search shown") << "Taken" << true << "duplicateFileName";
    QTest::newRow("empty") << "" << false << "pleaseEnterANewName";
    QTest::newRow("dot dot") << ".." << false << "pleaseEnterANewName";
    QTest::newRow("separator") << "a/b" << false << "pleaseEnterANewName";
    QTest::newRow("backslash") << "a\\b" << false << "pleaseEnterANewName";
    QTest::newRow("control character") << QString("a\tb") << false << "pleaseEnterANewName";
}

void ControlPanelTest::saveRefusesTakenAndUnusableNames()
{
    QFETCH(QString, name);
    QFETCH(bool, searchShown);
    QFETCH(QString, notice);
    PanelRig::emitIdle();
    PanelRig::showProfile();
    FileController *files = GlobalManager::instance()->fileController;
    if (!QFile::exists(dataFile("Taken")))
        QVERIFY(files->saveMeasurementFile("Taken", "2025-01-01 10:00:00"));
    QFile taken(dataFile("Taken"));
    QVERIFY(taken.open(QIODevice::ReadOnly));
    const QByteArray before = taken.readAll();
    taken.close();
    GlobalData *data = GlobalData::instance();
    if (searchShown)
        data->setMeasureDataInfoList({});
    notices = std::make_unique<NoticeRecorder>();
    const QStringList onDisk = QDir(GlobalConfig::instance()->dataStorageDir).entryList(QDir::Files);

    SaveFileDialog *dialog = openSaveDialog();
    QVERIFY(dialog);
    dialogEdit(dialog)->setText(name);
    dialogButton(dialog, 0)->click();
    for (const char *key : {"duplicationFileName", "duplicateFileName", "pleaseEnterANewName", "savedSuccessfully"})
        QCOMPARE(notices->count(key), notice == key ? 1 : 0);
    QCOMPARE(QDir(GlobalConfig::instance()->dataStorageDir).entryList(QDir::Files), onDisk);
    QVERIFY(taken.open(QIODevice::ReadOnly));
    QCOMPARE(taken.readAll(), before);
}

QTEST_MAIN(ControlPanelTest)
#include "ControlPanelTest.moc"
