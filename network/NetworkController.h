#pragma once

#include "DataSave.h"
#include "ProfileAssembler.h"

#include <QList>
#include <QObject>
#include <QString>

class NetworkModel;
class QTimer;

// The one object through which the program talks to the drive unit: finds the
// unit among the ports, keeps the link alive, follows its state flags, runs
// the measurement and calibration exchanges and fetches the measured profile
// into GlobalData. Every command does nothing while no unit has answered.
class NetworkController : public QObject
{
    Q_OBJECT

public:
    // The periods the product runs with; tests shorten them before init().
    struct Intervals {
        int probeMs = 2000;
        int heartBeatMs = 5000;
        int packageTimeoutMs = 4000;
        int needlePollMs = 200;
        int factorAcknowledgeMs = 4000;
        // The longest a traverse may pass without a word from the unit. No
        // heartbeat is asked for meanwhile, and a unit need not send live
        // samples, so this has to outlast the longest traverse at the
        // slowest speed.
        int traverseSilenceMs = 60000;
        // The longest the drive may move without measuring before the end of
        // its return is taken as lost: a return at the slowest speed is no
        // longer than the traverse.
        int returnWaitMs = 60000;
    };

    // A unit that lets this many heartbeats, or package requests, in a row go
    // unanswered is gone, even though its port still looks healthy.
    static constexpr int kMaxUnansweredRequests = 3;
    // Package time-outs in a row after which a fetch gives up.
    static constexpr int kMaxPackageTimeouts = 60;
    static constexpr int kBaudRate = 921600;

    explicit NetworkController(QObject *parent = nullptr);
    ~NetworkController() override;

    void setIntervals(const Intervals &intervals);
    void init();
    NetworkModel *activeModel() const;

    void sendBroadcast();
    void sendHeartBeat();
    void sendMeasureSettings();
    void startMeasurement();
    void sendStopMeasurement();
    void requestCurrentPackage();
    void startCalibration(quint8 mode);
    void requestCalibrationStatus();
    void startCalibrationMeasurement(double referenceRa);
    void updateCalibrationFactor();
    void requestCalibrationFactor();
    void getNeedlePosition();
    void setNeedlePositionTimerActive(bool active);
    void requestConfirmNeedlePosition();
    void requestNeedlePosition();
    void requestExecutingMachineDataCount();
    // Records are numbered from 1; refuses a number that names none or does
    // not fit the 16 bits of the request.
    bool requestExecutingMachineData(int index);

    void setNetworkConnectStatus(bool status);
    void setMoterConnectStatus(bool status);
    void setSnMatchStatus(bool status);
    void setMoterMoveStatus(bool status);
    void setMoterMeasureStatus(bool status);
    void setRecvMeasureResultStatus(bool status);
    void setCalibrationStatus(bool status);
    void printStatus() const;

    bool networkConnectStatus = false;
    bool moterConnectStatus = false;
    bool snMatchStatus = false;
    bool moterMoveStatus = false;
    bool moterMeasureStatus = false;
    bool recvMeasureResultStatus = false;
    bool calibrationStatus = false;
    bool currentCalibrationStatus = false;

signals:
    void networkConnectStatusChanged(bool status);
    void moterConnectStatusChanged(bool status);
    void snMatchStatusChanged(bool status);
    void moterMoveStatusChanged(bool status);
    void moterMeasureStatusChanged(bool status);
    void recvMeasureResultStatusChanged(bool status);
    void calibrationStatusChanged(bool status);
    void motorSpeedError();
    void stopMeasurement();
    void needlePosition(int value);
    void realTimeDataRecved(QList<double> dataList);
    void calibrationSpeedCompleteRecved();
    void serialNumberRecved(QString serialNumber);
    void calibrationAccomplish();
    void currentCalibrationStatusChanged(bool status);
    void dataReceiveCompleted();
    void confirmNeedlePosition(bool status);
    void responseNeedlePosition(float voltage, int position);
    void calibrationFactorUpdateComplete();
    void calibrationFactorUpdateResponse(float value);
    void speedIsCalibrationStatusRecved(bool status);
    void executingMachineDataUpdata(int num);
    void getExecutingMachineData_open(DATA_SAVE record);
    void getExecutingMachineData_print(DATA_SAVE record);
    void getExecutingMachineData_export(DATA_SAVE record);

public slots:
    void onNetworkConnectStatusChanged(bool status);
    void onBroadcastRecved();
    void onHeartBeatRecved();
    void onMotorStatusUpdateRecved();
    void onStartMeasurementRecved(uchar value);
    void onMeasurementCompletedRecved(quint32 totalNumber, uchar type, quint16 packageSize);
    void onDataRecved(QList<double> dataList, int currentPackageNumber);
    void onNeedlePositionRecved(quint16 value);
    void onOutOfMeasurementRangeRecved();
    void onEndOfReturnRecved();
    void onRealTimeDataRecved(QList<double> dataList);
    void onStartCalibrationRecved(uchar value);
    void onCalibrationSpeedCompleteRecved(uchar measureSpeed);
    void oncalibrationStatusRecved(uchar calibrationStatus);
    void onMotorSpeedErrorRecved();
    void onMeasurementStop();
    void onConfirmNeedlePosition(bool status);
    void onResponseNeedlePosition(float voltage, int position);
    void onCalibrationFactorUpdateComplete();
    void onCalibrationFactorUpdateResponse(float value);
    void onExecutingMachineDataUpdata(int num);
    void onGetExecutingMachineData(DATA_SAVE record);
    void onHeartBeatTimerTimeout();
    void onGetOnePacketTimerTimeout();
    void onAutoConnectPortTimerTimeout();
    void onGetNeedlePositionTimerTimeout();

private:
    void createTimers();
    void openCandidate(const QString &portName, int baudRate);
    void connectCandidate(NetworkModel *model);
    template <typename Signal, typename Slot> void relayFromLink(NetworkModel *model, Signal signal, Slot slot);
    void onCandidateHeartBeat(NetworkModel *model);
    void deleteCandidates(const NetworkModel *keep);
    void dropActiveModel();
    void noteUnitHeard();
    void declareUnitSilent();
    void startRun(int purpose);
    void restartPackageTimer();
    void stopFetch();
    void completeFetch();
    void failFetch();
    // A run that ends before its profile is in: nothing of it may be taken
    // for a calibration later.
    void endRunWithoutProfile();
    // A traverse that ended without its completion report has no profile
    // to fetch; its run is over once the unit is seen returning home.
    void endRunIfReportLost();
    // The drive moving without measuring is a return, whose end is waited
    // for no longer than a return may take.
    void followReturn();
    void setCurrentCalibrationStatus(bool status);
    // These flags announce every assignment, changed or not.
    void assignFlag(bool &flag, bool status, void (NetworkController::*changed)(bool));

    ProfileAssembler profile;
    int heartBeatTimeoutTimes = 0;
    QTimer *heartBeatTimer = nullptr;
    int getOnePacketTimeoutTimes = 0;
    QTimer *getOnePacketTimer = nullptr;
    QTimer *getNeedlePositionTimer = nullptr;
    QTimer *autoConnectPortTimer = nullptr;
    QTimer *factorAcknowledgeTimer = nullptr;
    QTimer *traverseWatchdogTimer = nullptr;
    QTimer *returnWatchdogTimer = nullptr;
    // Package time-outs in a row without any frame from the unit. Unlike
    // getOnePacketTimeoutTimes, a package with the wrong number, or an empty
    // one, still proves the unit alive.
    int unansweredPackageRequests = 0;
    NetworkModel *activeNetworkModel = nullptr;
    QList<int> baudRateList;
    QList<NetworkModel *> candidateNetworkModels;
    int baudRateIndex = 0;
    Intervals intervals;
    // What the run in progress is for (0 measurement, 1 Ra calibration). The
    // shared purpose stays 0 until this run's profile is in, so no other
    // evaluation meanwhile is taken for the calibration.
    int runPurpose = 0;
    // The unit has reported a traverse started and not yet its completion.
    bool awaitingCompletionReport = false;
};
