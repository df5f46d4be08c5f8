#include "NeedleCalibrationDialog.h"

#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "Language.h"
#include "NetworkController.h"
#include "SensorIndicator.h"
#include "TouchButton.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum : NoticeType { SuccessNotice = 0, ErrorNotice = 2 };

// The calibration the unit runs once the middle position is taken.
constexpr quint8 kNeedleCalibrationDoneMode = 0;

constexpr int kDialogHeight = 540;
constexpr int kIndicatorWidth = 160;
constexpr int kVoltagePixelSize = 26;
constexpr int kMargin = 30;
constexpr int kSpacing = 20;

// Needle counts 0 to 60000 span the gauge's -500 to +500 and -1.82 V to +1.82 V.
constexpr int kCountsPerGaugeUnit = 60;
constexpr int kGaugeOffset = 500;
constexpr double kVoltageSpan = 3.64;
constexpr double kCountSpan = 60000.0;
constexpr double kVoltageOffset = 1.82;

}

NeedleCalibrationDialog::NeedleCalibrationDialog(QWidget *parent)
    : Dialog(parent, CardStyle)
    , link(GlobalManager::instance()->networkController)
{
    noticeContainer.setParentWidget(this);

    setFixedHeight(kDialogHeight);
    sensorIndicator = new SensorIndicator;
    sensorIndicator->setFixedWidth(kIndicatorWidth);
    sensorIndicator->setStyle(SensorIndicator::VoltageBar);

    voltageLabel = new QLabel("0V");
    voltageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont voltageFont = font();
    voltageFont.setPixelSize(kVoltagePixelSize);
    voltageFont.setWeight(QFont::Bold);
    voltageLabel->setFont(voltageFont);
    voltageLabel->setStyleSheet("color: rgb(0,160,255);");

    auto *gaugeWidget = new QWidget;
    auto *gaugeLayout = new QHBoxLayout(gaugeWidget);
    gaugeLayout->addWidget(sensorIndicator);
    gaugeLayout->addWidget(voltageLabel);

    confirmButton = new TouchButton;
    cancelButton = new TouchButton;

    auto *layout = new QVBoxLayout;
    layout->addWidget(gaugeWidget);
    layout->addLayout(buttonRow(confirmButton, cancelButton));
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    setContentLayout(layout);

    if (link)
        link->setNeedlePositionTimerActive(false);
    needlePositionTimer = new QTimer(this);
    connect(needlePositionTimer, &QTimer::timeout, this, [this] {
        if (link)
            link->requestNeedlePosition();
    });
    needlePositionTimer->start(kPollMs);
    connect(confirmButton, &TouchButton::clicked, this, [this] {
        needlePositionTimer->stop();
        if (link)
            link->requestConfirmNeedlePosition();
    });
    if (link)
        connect(link, &NetworkController::confirmNeedlePosition, this,
                &NeedleCalibrationDialog::onConfirmNeedlePosition);
    connect(cancelButton, &TouchButton::clicked, this, [this] {
        restoreLinkPoll();
        close();
    });
    if (link)
        connect(link, &NetworkController::responseNeedlePosition, this,
                &NeedleCalibrationDialog::onResponseNeedlePosition);
}

NeedleCalibrationDialog::~NeedleCalibrationDialog()
{
    // Deleted with its page or closed by the window manager: the measure
    // page's gauge must not stay frozen.
    restoreLinkPoll();
}

void NeedleCalibrationDialog::setButtonTexts(const QString &confirm, const QString &cancel)
{
    confirmButton->setText(confirm);
    cancelButton->setText(cancel);
}

void NeedleCalibrationDialog::restoreLinkPoll()
{
    if (linkPollRestored)
        return;
    linkPollRestored = true;
    if (link)
        link->setNeedlePositionTimerActive(true);
}

void NeedleCalibrationDialog::onConfirmNeedlePosition(bool status)
{
    qDebug() << "confirmNeedlePosition: " << status;
    // A late answer to a repeated Confirm must not calibrate twice.
    if (linkPollRestored)
        return;
    if (status) {
        showKeyedNotice("voltageValueCalibrationSucceeded", SuccessNotice);
        link->startCalibration(kNeedleCalibrationDoneMode);
        restoreLinkPoll();
        close();
        return;
    }
    noticeContainer.showNotice(Language::instance()->text("voltageValueCalibrationFailed"), ErrorNotice);
    needlePositionTimer->start(kPollMs);
}

void NeedleCalibrationDialog::onResponseNeedlePosition(float, int position)
{
    sensorIndicator->setValue(position / kCountsPerGaugeUnit - kGaugeOffset);
    const float voltage = float(position * kVoltageSpan / kCountSpan - kVoltageOffset);
    voltageLabel->setText(QString("%1V").arg(QString::number(voltage, 'f', 3)));
}
