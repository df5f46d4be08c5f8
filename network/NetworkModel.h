#pragma once

#include "DataSaveCodec.h"
#include "ProtocolFrame.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class NetworkInterface;
class QTimer;

// One link to a drive unit over one byte transport: builds and paces the
// commands, cuts the received bytes into frames and turns each frame into a
// signal.
class NetworkModel : public QObject
{
    Q_OBJECT

public:
    // Frames waiting longer than this many ticks of the pacing timer are not
    // worth sending; a port that cannot drain its queue drops new commands.
    static constexpr int kMaxQueuedFrames = 64;

    explicit NetworkModel(QObject *parent = nullptr);

    // Creates the serial transport. Called once, right after construction.
    void init();
    // Runs the link over another transport, which the model then owns.
    void init(NetworkInterface *transport);

    void openSerialPort(const QString &portName, int baudRate);
    bool isSerialPortAvailable() const;

    void sendBroadcast();
    void sendHeartBeat();
    void sendMeasureSettings(quint8 measureRange, quint8 samplingLength, quint8 samplingNumber);
    void sendStartMeasurement();
    void sendGetOnePacket(quint16 packageNumber);
    void sendGetNeedlePosition();
    void sendStartCalibration(quint8 mode);
    void sendGetCalibrationStatus();
    void sendStopMeasurement();
    void sendConfirmNeedlePosition();
    void sendRequestNeedlePosition();
    void sendUpdateCalibrationFactor(float factor);
    void sendGetCalibrationFactor();
    void sendGetExecutingMachineDataCount();
    void sendGetExecutingMachineData(quint16 index);

    void enqueueFrame(const ProtocolFrame &frame);
    int queuedFrameCount() const;

    void handleFrame(const ProtocolFrame &frame);

signals:
    void networkConnectStatusChanged(bool status);
    void broadcastRecved();
    void heartBeatRecved();
    void motorStatusUpdateRecved();
    void startMeasurementRecved(uchar value);
    void measurementCompletedRecved(quint32 totalNumber, uchar type, quint16 packageSize);
    void dataRecved(QList<double> dataList, int currentPackageNumber);
    void needlePositionRecved(quint16 value);
    void outOfMeasurementRangeRecved();
    void endOfReturnRecved();
    void realTimeDataRecved(QList<double> dataList);
    void startCalibrationRecved(uchar value);
    void calibrationSpeedCompleteRecved(uchar value);
    void calibrationStatusRecved(uchar value);
    void motorSpeedErrorRecved();
    void measurementStop();
    void confirmNeedlePosition(bool status);
    void responseNeedlePosition(float voltage, int position);
    void calibrationFactorUpdateComplete();
    void calibrationFactorUpdateResponse(float value);
    void executingMachineDataUpdata(int num);
    void serialNumberRecved(QString serialNumber);
    void getExecutingMachineData(DATA_SAVE record);

public slots:
    void onDataRecved(QByteArray data);
    void onSendMessageTimerTimeout();

private:
    void createObjects(NetworkInterface *transport);
    void connectSignals();
    void handleReply(const ProtocolFrame &frame);
    void handleReport(const ProtocolFrame &frame);
    void handleCalibrationFactor(const QByteArray &payload);
    void handleMeasurementCompleted(const QByteArray &payload);
    void handleProfilePackage(const QByteArray &payload);
    void handleRealTimeData(const QByteArray &payload);
    void handleCalibrationSpeedComplete(const QByteArray &payload);
    void logUnrecognised(const ProtocolFrame &frame);

    NetworkInterface *transport = nullptr;
    QByteArray receiveBuffer;
    quint8 sampleType = 0;
    QTimer *sendMessageTimer = nullptr;
    QList<QByteArray> sendQueue;
    bool portConnected = false;
};
