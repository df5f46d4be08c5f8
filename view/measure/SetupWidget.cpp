#include "SetupWidget.h"

#include "CalibrationDialog.h"
#include "DataManagementModel.h"
#include "FileController.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "LabelAndCombobox.h"
#include "Language.h"
#include "MeasureController.h"
#include "NetworkController.h"
#include "OpenDialog.h"
#include "SaveFileDialog.h"
#include "SettingsModel.h"
#include "TouchButton.h"

#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

enum ButtonLook { IconButton = 1 };

constexpr int kIconSize = 30;
constexpr int kIconSpacing = 12;
constexpr int kComboHeight = 42;
constexpr int kSettingsMargin = 20;
constexpr int kSettingsSpacing = 10;
constexpr int kStartButtonSize = 93;
constexpr int kButtonSize = 78;
constexpr int kButtonBarLead = 10;
constexpr int kButtonSpacing = 20;
constexpr int kButtonBarHeight = 90;
constexpr int kSaveDialogHeight = 370;
constexpr int kCalibrationDialogHeight = 300;
constexpr int kIndent = 3;
constexpr char kProposedReferenceRa[] = "3.03";
const char *const whiteLabel = "QLabel { background-color: white;}";

QString text(const char *key)
{
    return Language::instance()->text(key);
}

int scaledY(int size)
{
    return int(size * GlobalConfig::instance()->yScale);
}

// One settings combo box: what it lists, what it calls and what it follows.
struct SettingRow {
    LabelAndCombobox *box;
    const char *labelKey;
    QStringList (*items)();
    std::function<int()> current;
    std::function<void(int)> choose;
    void (SettingsModel::*changed)(int);
    // A setting the unit measures with is sent on every change, with this notice.
    const char *sentNotice;
};

}

SetupWidget::SetupWidget(QWidget *parent)
    : Widget(parent)
{
}

void SetupWidget::setStartWatchdogInterval(int ms)
{
    startWatchdogMs = ms;
}

bool SetupWidget::isStartPending() const
{
    return startWatchdog && startWatchdog->isActive();
}

void SetupWidget::initData()
{
    startWatchdog = new QTimer(this);
    startWatchdog->setSingleShot(true);
}

void SetupWidget::initUi()
{
    settingsWidget = new QWidget;
    auto *iconLabel = new QLabel;
    iconLabel->setFixedSize(scaledY(kIconSize), scaledY(kIconSize));
    iconLabel->setScaledContents(true);
    iconLabel->setPixmap(QPixmap(":/resources/image/measurepage/config.png"));
    iconLabel->setStyleSheet(whiteLabel);
    titleLabel = new QLabel;
    titleLabel->setStyleSheet(whiteLabel);
    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(iconLabel);
    titleRow->addSpacing(kIconSpacing);
    titleRow->addWidget(titleLabel);
    titleRow->addStretch();
    titleRow->setSpacing(0);
    titleRow->setContentsMargins(0, 0, 0, 0);

    calculateStandardBox = new LabelAndCombobox;
    shapeRemovalBox = new LabelAndCombobox;
    waveFilterBox = new LabelAndCombobox;
    cutoffWavelengthSBox = new LabelAndCombobox;
    cutoffWavelengthCBox = new LabelAndCombobox;
    samplingNumberBox = new LabelAndCombobox;
    samplingLengthBox = new LabelAndCombobox;
    measureRangeBox = new LabelAndCombobox;
    const QList<LabelAndCombobox *> gridOrder{calculateStandardBox, shapeRemovalBox,      waveFilterBox,
                                              cutoffWavelengthSBox, cutoffWavelengthCBox, measureRangeBox,
                                              samplingLengthBox,    samplingNumberBox};
    auto *grid = new QGridLayout;
    for (int i = 0; i < gridOrder.size(); ++i) {
        LabelAndCombobox *box = gridOrder.at(i);
        box->setFixedHeight(scaledY(kComboHeight));
        box->setStyle(LabelAndCombobox::SettingStyle);
        grid->addWidget(box, i / 2, i % 2);
    }

    auto *settingsLayout = new QVBoxLayout(settingsWidget);
    settingsLayout->addLayout(titleRow);
    settingsLayout->addLayout(grid);
    settingsLayout->setContentsMargins(kSettingsMargin, kSettingsMargin, kSettingsMargin, 0);
    settingsLayout->setSpacing(kSettingsSpacing);

    auto makeButton = [](int size, const char *icon) {
        auto *button = new TouchButton;
        button->setStyle(IconButton);
        button->setFixedWidth(scaledY(size));
        button->setIcon(QIcon(icon));
        button->setIconSize(QSize(scaledY(size), scaledY(size)));
        return button;
    };
    saveButton = makeButton(kButtonSize, ":/resources/image/measurepage/savedata.png");
    calibrationButton = makeButton(kButtonSize, ":/resources/image/measurepage/calibration.png");
    startButton = makeButton(kStartButtonSize, ":/resources/image/measurepage/startmeasure.png");
    stopButton = makeButton(kButtonSize, ":/resources/image/measurepage/stopmeasure.png");
    startButton->setEnabled(false);
    stopButton->setEnabled(false);

    buttonBar = new QWidget;
    const int margin = GlobalConfig::instance()->margin;
    auto *buttonLayout = new QHBoxLayout(buttonBar);
    buttonLayout->addSpacing(kButtonBarLead);
    buttonLayout->addWidget(saveButton);
    buttonLayout->addWidget(calibrationButton);
    buttonLayout->addWidget(stopButton);
    buttonLayout->addWidget(startButton);
    buttonLayout->setContentsMargins(margin, 0, margin, margin);
    buttonLayout->setSpacing(kButtonSpacing);
    buttonBar->setFixedHeight(scaledY(kButtonBarHeight));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(settingsWidget);
    layout->addStretch();
    layout->addWidget(buttonBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

namespace {

QList<SettingRow> settingRows(LabelAndCombobox *standard, LabelAndCombobox *shape, LabelAndCombobox *filter,
                              LabelAndCombobox *cutoffS, LabelAndCombobox *cutoffC, LabelAndCombobox *range,
                              LabelAndCombobox *length, LabelAndCombobox *number)
{
    GlobalManager *manager = GlobalManager::instance();
    SettingsModel *model = manager->settingsModel;
    MeasureController *controller = manager->measureController;
    return {
        {standard, "calculationStandard", &SettingsModel::calculateStandardList,
         [model] {
             return model->calculateStandard();
         },
         [controller](int index) {
             controller->setCalculateStandard(index);
         },
         &SettingsModel::calculateStandardChanged, nullptr},
        {shape, "shapeRemoval", &SettingsModel::shapeRemovalList,
         [model] {
             return model->shapeRemoval();
         },
         [controller](int index) {
             controller->setShapeRemoval(index);
         },
         &SettingsModel::shapeRemovalChanged, nullptr},
        {filter, "filter", &SettingsModel::waveFilterList,
         [model] {
             return model->waveFilter();
         },
         [controller](int index) {
             controller->setWaveFilter(index);
         },
         &SettingsModel::waveFilterChanged, nullptr},
        {cutoffS, "cutoffS", &SettingsModel::cutoffWavelengthSList,
         [model] {
             return model->cutoffWavelengthS();
         },
         [controller](int index) {
             controller->setCutoffWavelengthS(index);
         },
         &SettingsModel::cutoffWavelengthSChanged, nullptr},
        {cutoffC, "cutoffC", &SettingsModel::cutoffWavelengthCList,
         [model] {
             return model->cutoffWavelengthC();
         },
         [controller](int index) {
             controller->setCutoffWavelengthC(index);
         },
         &SettingsModel::cutoffWavelengthCChanged, nullptr},
        {range, "measureRange", &SettingsModel::measureRangeList,
         [model] {
             return model->measureRange();
         },
         [controller](int index) {
             controller->setMeasureRange(index);
         },
         &SettingsModel::measureRangeChanged, "newMeasurementRangeApplied"},
        {length, "samplingLength", &SettingsModel::samplingLengthList,
         [model] {
             return int(model->samplingLength());
         },
         [controller](int index) {
             controller->setSamplingLength(index);
         },
         &SettingsModel::samplingLengthChanged, "newMeasurementLengthApplied"},
        {number, "samplingNum", &SettingsModel::samplingNumberList,
         [model] {
             return model->samplingNumber();
         },
         [controller](int index) {
             controller->setSamplingNumber(index);
         },
         &SettingsModel::samplingNumberChanged, "newMeasurementLengthApplied"},
    };
}

}

void SetupWidget::initConnect()
{
    const QList<SettingRow> rows =
        settingRows(calculateStandardBox, shapeRemovalBox, waveFilterBox, cutoffWavelengthSBox, cutoffWavelengthCBox,
                    measureRangeBox, samplingLengthBox, samplingNumberBox);
    SettingsModel *model = GlobalManager::instance()->settingsModel;
    for (const SettingRow &row : rows) {
        connect(model, row.changed, this, [this, row](int index) {
            row.box->setCurrentIndex(index);
            if (row.sentNotice)
                sendMeasureSettings(row.sentNotice);
        });
    }
    for (const SettingRow &row : rows)
        connect(row.box, &LabelAndCombobox::indexChanged, this, [row](int index) {
            row.choose(index);
        });
    connect(GlobalData::instance(), &GlobalData::settingsDataChanged, this, [rows] {
        const SettingsData &settings = GlobalData::instance()->settingsData;
        const int indexes[] = {settings.calculateStandard, settings.shapeRemoval,      settings.waveFilter,
                               settings.cutoffWavelengthS, settings.cutoffWavelengthC, settings.measureRange,
                               settings.samplingLength,    settings.samplingNumber};
        for (int i = 0; i < rows.size(); ++i)
            rows.at(i).box->setCurrentIndex(indexes[i]);
    });

    connect(saveButton, &TouchButton::clicked, this, &SetupWidget::onSaveClicked);
    connect(calibrationButton, &TouchButton::clicked, this, &SetupWidget::onCalibrationClicked);
    connect(startButton, &TouchButton::clicked, this, &SetupWidget::onStartClicked);
    connect(stopButton, &TouchButton::clicked, this, &SetupWidget::onStopClicked);
    connectStatus();
    connect(startWatchdog, &QTimer::timeout, this, &SetupWidget::onStartWatchdogTimeout);
    connect(GlobalData::instance(), &GlobalData::measureDataListChanged, this, [this] {
        awaitingProfile = false;
    });
}

void SetupWidget::connectStatus()
{
    NetworkController *link = GlobalManager::instance()->networkController;
    const QList<QPair<void (NetworkController::*)(bool), bool SetupWidget::*>> flags{
        {&NetworkController::networkConnectStatusChanged, &SetupWidget::networkConnectStatus},
        {&NetworkController::moterConnectStatusChanged, &SetupWidget::moterConnectStatus},
        {&NetworkController::snMatchStatusChanged, &SetupWidget::snMatchStatus},
        {&NetworkController::moterMoveStatusChanged, &SetupWidget::moterMoveStatus},
        {&NetworkController::moterMeasureStatusChanged, &SetupWidget::moterMeasureStatus},
        {&NetworkController::recvMeasureResultStatusChanged, &SetupWidget::recvMeasureResultStatus},
        {&NetworkController::calibrationStatusChanged, &SetupWidget::calibrationStatus},
        {&NetworkController::currentCalibrationStatusChanged, &SetupWidget::currentCalibrationStatus},
    };
    for (const auto &flag : flags) {
        bool SetupWidget::*member = flag.second;
        connect(link, flag.first, this, [this, member](bool status) {
            this->*member = status;
            onStatusChanged();
        });
    }
    connect(link, &NetworkController::speedIsCalibrationStatusRecved, this, [this](bool status) {
        setButtonsEnabled(status);
        if (status)
            applyButtonRules();
    });
    // The unit's answer to a start, either way, ends the wait for it; a run it
    // accepted shows no profile until the whole of it is in.
    connect(link, &NetworkController::moterMeasureStatusChanged, this, [this](bool measuring) {
        startWatchdog->stop();
        if (measuring)
            awaitingProfile = true;
        applyButtonRules();
    });
}

void SetupWidget::initStyle()
{
    setStyleSheet(QString(".SetupWidget { border: 1px solid %1; background-color:white; }")
                      .arg(GlobalConfig::instance()->borderColor));
}

void SetupWidget::retranslateUi()
{
    titleLabel->setText(text("measureCalculateSettings"));
    const QList<SettingRow> rows =
        settingRows(calculateStandardBox, shapeRemovalBox, waveFilterBox, cutoffWavelengthSBox, cutoffWavelengthCBox,
                    measureRangeBox, samplingLengthBox, samplingNumberBox);
    for (const SettingRow &row : rows)
        row.box->setItems(text(row.labelKey), indentTextList(row.items(), kIndent));
    for (const SettingRow &row : rows)
        row.box->setCurrentIndex(row.current());
}

void SetupWidget::sendMeasureSettings(const char *noticeKey)
{
    if (!moterConnectStatus && !networkConnectStatus)
        return;
    GlobalManager::instance()->networkController->sendMeasureSettings();
    showKeyedNotice(noticeKey, NoticeCode::Success);
}

bool SetupWidget::isIdle() const
{
    return networkConnectStatus && moterConnectStatus && !moterMoveStatus && !moterMeasureStatus &&
           !recvMeasureResultStatus && !calibrationStatus;
}

void SetupWidget::onStatusChanged()
{
    qDebug() << "networkConnectStatus" << networkConnectStatus << "moterConnectStatus" << moterConnectStatus
             << "!moterMoveStatus" << !moterMoveStatus << "!moterMeasureStatus" << !moterMeasureStatus
             << "!recvMeasureResultStatus" << !recvMeasureResultStatus << "!calibrationStatus" << !calibrationStatus;
    applyButtonRules();
    const bool locked = moterMeasureStatus || recvMeasureResultStatus || calibrationStatus;
    for (LabelAndCombobox *box : {calculateStandardBox, shapeRemovalBox, waveFilterBox, cutoffWavelengthSBox,
                                  cutoffWavelengthCBox, samplingNumberBox, samplingLengthBox, measureRangeBox})
        box->setEnabled(!locked);
}

void SetupWidget::applyButtonRules()
{
    // A start the unit has not answered yet counts as a run: a second start
    // would only be sent after it, and stopping it must stay possible.
    const bool linked = networkConnectStatus && moterConnectStatus;
    const bool pending = isStartPending();
    // An unit whose speed is not calibrated refuses every run.
    startButton->setEnabled(isIdle() && !pending && currentCalibrationStatus);
    stopButton->setEnabled(linked && (!isIdle() || pending));
}

void SetupWidget::setButtonsEnabled(bool enabled)
{
    for (TouchButton *button : {saveButton, calibrationButton, startButton, stopButton})
        button->setEnabled(enabled);
}

bool SetupWidget::isCalibrationAllowed()
{
    if (!networkConnectStatus || !moterConnectStatus || moterMoveStatus || moterMeasureStatus ||
        recvMeasureResultStatus || isStartPending()) {
        showKeyedNotice("theCurrentStateCannotBeCalibrated", NoticeCode::Error);
        return false;
    }
    if (calibrationStatus) {
        showKeyedNotice("calibrating", NoticeCode::Warning);
        return false;
    }
    return true;
}

void SetupWidget::onStartClicked()
{
    startButton->setEnabled(false);
    if (!currentCalibrationStatus) {
        showKeyedNotice("equipmentNotCalibrated", NoticeCode::Error);
        return;
    }
    if (isStartPending())
        return;
    GlobalManager::instance()->networkController->startMeasurement();
    startedPurpose = MeasurePurpose::Measurement;
    startWatchdog->start(startWatchdogMs);
    GlobalData *data = GlobalData::instance();
    data->currentFileName.clear();
    // The main window handles pending events on this signal, the unit's
    // answer among them: the buttons are derived from what is known after.
    emit data->currentPageChanged(PageIndex::Measure);
    applyButtonRules();
    emit convertToMeasureMode();
}

void SetupWidget::onStopClicked()
{
    GlobalManager::instance()->networkController->sendStopMeasurement();
}

void SetupWidget::onStartWatchdogTimeout()
{
    startWatchdog->stop();
    onStatusChanged();
    const bool calibration = startedPurpose == MeasurePurpose::RaCalibration;
    startedPurpose = MeasurePurpose::Measurement;
    showKeyedNotice(calibration ? "calibrateFail" : "measureFail", NoticeCode::Error);
}

bool SetupWidget::checkSaveState()
{
    if (moterMeasureStatus || recvMeasureResultStatus || calibrationStatus || isStartPending()) {
        showKeyedNotice("currentStateCannotSave", NoticeCode::Error);
        return false;
    }
    // After a run that brought no profile, the one on show is an older
    // measurement: saving it now would store it as new.
    if (awaitingProfile || GlobalData::instance()->calcutateResult.measureDataList.isEmpty()) {
        showKeyedNotice("noData", NoticeCode::Error);
        return false;
    }
    return true;
}

void SetupWidget::onSaveClicked()
{
    if (!checkSaveState())
        return;
    FileController *files = GlobalManager::instance()->fileController;
    openDialog<SaveFileDialog>(this, [this, files](SaveFileDialog *dialog) {
        dialog->setFixedHeight(kSaveDialogHeight);
        connect(dialog, &SaveFileDialog::confirm, this, &SetupWidget::onSaveConfirmed);
        dialog->setTitle(text("saveData"));
        dialog->setFileNameRow(text("fileName"), files->nextFileName());
        dialog->setMeasureTimeRow(text("time"), FileController::currentTimeString());
        dialog->setButtonTexts(text("confirm"), text("cancel"));
    });
}

void SetupWidget::onSaveConfirmed(const QString &fileName, const QString &measureTime)
{
    if (!checkSaveState())
        return;
    GlobalManager *manager = GlobalManager::instance();
    if (manager->dataManagementModel->measureDataInfoList().contains(fileName)) {
        showKeyedNotice("duplicationFileName", NoticeCode::Error);
        return;
    }
    // The list shown may be a search result: the file controller refuses
    // every other name that is taken, and any name that is no plain file name.
    manager->fileController->saveMeasurementFile(fileName, measureTime);
}

bool SetupWidget::checkCalibrationState()
{
    if (!isCalibrationAllowed())
        return false;
    if (!currentCalibrationStatus) {
        showKeyedNotice("equipmentNotCalibrated", NoticeCode::Error);
        return false;
    }
    return true;
}

void SetupWidget::onCalibrationClicked()
{
    if (!checkCalibrationState())
        return;
    openDialog<CalibrationDialog>(this, [this](CalibrationDialog *dialog) {
        dialog->setFixedHeight(kCalibrationDialogHeight);
        connect(dialog, &CalibrationDialog::confirm, this, &SetupWidget::onCalibrationConfirmed);
        dialog->setTitle(text("calibration"));
        dialog->setText(text("raCalibrationValue"), kProposedReferenceRa);
        dialog->setButtonTexts(text("confirm"), text("cancel"));
    });
    emit convertToMeasureMode();
}

void SetupWidget::onCalibrationConfirmed(double referenceRa)
{
    if (!checkCalibrationState())
        return;
    // A reference the calibration cannot use would cost a whole traverse
    // that can only fail.
    if (!(referenceRa > 0.0 && referenceRa <= CalibrationDialog::kMaximumRa)) {
        showKeyedNotice("RaValueOutOfLimit", NoticeCode::Error);
        return;
    }
    GlobalManager::instance()->networkController->startCalibrationMeasurement(referenceRa);
    startedPurpose = MeasurePurpose::RaCalibration;
    startWatchdog->start(startWatchdogMs);
    applyButtonRules();
}
