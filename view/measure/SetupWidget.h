#ifndef SETUPWIDGET_H
#define SETUPWIDGET_H

#include "Codes.h"
#include "Widget.h"

#include <QString>

class LabelAndCombobox;
class QLabel;
class QTimer;
class TouchButton;

// The measurement control panel: the eight evaluation and measuring settings,
// and start, stop, save and Ra calibration. It keeps its own copy of the
// link's state flags and derives from them which controls may be used.
class SetupWidget : public Widget
{
    Q_OBJECT
public:
    static constexpr int kStartWatchdogMs = 2000;

    explicit SetupWidget(QWidget *parent = nullptr);

    // A start the unit has not answered within this period has failed.
    void setStartWatchdogInterval(int ms);
    bool isStartPending() const;

    bool isCalibrationAllowed();
    void setButtonsEnabled(bool enabled);

public slots:
    void onStatusChanged();

signals:
    void convertToMeasureMode();

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    void connectStatus();
    void sendMeasureSettings(const char *noticeKey);
    void applyButtonRules();
    bool isIdle() const;
    // The checks shared by the calibration button and its confirmation.
    bool checkCalibrationState();
    bool checkSaveState();

    void onStartClicked();
    void onStopClicked();
    void onStartWatchdogTimeout();
    void onSaveClicked();
    void onSaveConfirmed(const QString &fileName, const QString &measureTime);
    void onCalibrationClicked();
    void onCalibrationConfirmed(double referenceRa);

    QWidget *settingsWidget = nullptr;
    LabelAndCombobox *calculateStandardBox = nullptr;
    LabelAndCombobox *shapeRemovalBox = nullptr;
    LabelAndCombobox *waveFilterBox = nullptr;
    LabelAndCombobox *cutoffWavelengthSBox = nullptr;
    LabelAndCombobox *cutoffWavelengthCBox = nullptr;
    LabelAndCombobox *samplingNumberBox = nullptr;
    LabelAndCombobox *samplingLengthBox = nullptr;
    LabelAndCombobox *measureRangeBox = nullptr;
    QLabel *titleLabel = nullptr;
    QWidget *buttonBar = nullptr;
    TouchButton *saveButton = nullptr;
    TouchButton *calibrationButton = nullptr;
    TouchButton *startButton = nullptr;
    TouchButton *stopButton = nullptr;
    QTimer *startWatchdog = nullptr;
    int startWatchdogMs = kStartWatchdogMs;

    bool networkConnectStatus = false;
    bool moterConnectStatus = false;
    bool snMatchStatus = false;
    bool moterMoveStatus = false;
    bool moterMeasureStatus = false;
    bool recvMeasureResultStatus = false;
    bool calibrationStatus = false;
    bool currentCalibrationStatus = false;

    // What the pending start was for; the shared purpose stays 0 until the
    // run's profile is in, so it cannot tell a failed calibration start.
    int startedPurpose = MeasurePurpose::Measurement;
    // From the unit's acceptance of a start until a whole profile replaces
    // the shown one: what is shown is not this run's measurement.
    bool awaitingProfile = false;
};

#endif
