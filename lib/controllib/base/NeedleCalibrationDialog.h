#ifndef NEEDLECALIBRATIONDIALOG_H
#define NEEDLECALIBRATIONDIALOG_H

#include "Dialog.h"
#include "ScrollNoticeContainer.h"

#include <QPointer>

class NetworkController;
class QLabel;
class QTimer;
class SensorIndicator;
class TouchButton;

// The middle needle voltage calibration: shows the live needle position and
// voltage and, on Confirm, asks the instrument to take the current position.
// While it is open it polls the position itself in place of the link's own
// needle poll, which it hands back whenever it goes.
class NeedleCalibrationDialog : public Dialog
{
    Q_OBJECT
public:
    static constexpr int kPollMs = 200;

    explicit NeedleCalibrationDialog(QWidget *parent = nullptr);
    ~NeedleCalibrationDialog() override;

    void setButtonTexts(const QString &confirm, const QString &cancel);

signals:
    void confirm();

private:
    void onConfirmNeedlePosition(bool status);
    void onResponseNeedlePosition(float voltage, int position);
    void restoreLinkPoll();

    SensorIndicator *sensorIndicator;
    QTimer *needlePositionTimer;
    QLabel *voltageLabel;
    TouchButton *confirmButton;
    TouchButton *cancelButton;
    ScrollNoticeContainer noticeContainer;
    QPointer<NetworkController> link;
    bool linkPollRestored = false;
};

#endif
