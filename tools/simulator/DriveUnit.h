#pragma once

#include "DataSaveCodec.h"
#include "ProtocolFrame.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

class FaultyLine;
class QTimer;

// The instrument's drive unit as the host sees it over the line: it answers
// the host's commands, runs a traverse with its progress replies and live
// samples, hands out the measured profile in packages and keeps its
// calibration factor and stored records.
class DriveUnit : public QObject
{
    Q_OBJECT

public:
    struct Timing {
        int startMs = 300;
        int traverseMs = 3000;
        int liveIntervalMs = 50;
        int returnMs = 2000;
        int calibrationMs = 1500;
    };

    explicit DriveUnit(QObject *parent = nullptr);

    // Bytes from the host, in chunks as they arrive.
    void receive(const QByteArray &bytes);

    FaultyLine *line() const;
    void setTiming(const Timing &timing);
    void setSerialNumber(const QString &serialNumber);
    void setSampleType(quint8 sampleType);
    void setPackageSize(quint16 packageSize);
    // A fixed sample count; 0 takes it from the sampling length and number.
    void setSampleCount(int count);
    void setSpeedCalibrated(bool calibrated);
    void setDuplicatePackages(bool duplicate);
    // Puts the header and tail patterns among the samples of the first package.
    void setPatternsInProfile(bool patterns);
    // A unit that takes no notice of the start command.
    void setIgnoreStart(bool ignore);
    // Halfway through the traverse the unit reports a motor speed error and
    // stops where it is: no completion report, no return.
    void setMotorSpeedError(bool error);

    bool speedCalibrated() const;
    float calibrationFactor() const;
    QVector<quint8> measureSettings() const;
    // The samples of the last traverse, as the host decodes them.
    QVector<double> profile() const;
    int sampleCount() const;
    // The records the unit keeps, numbered from 1 on the line: record n is
    // element n - 1.
    QList<DATA_SAVE> storedRecords() const;

signals:
    void bytesOut(QByteArray bytes);

private:
    void handleFrame(const ProtocolFrame &frame);
    void reply(quint8 functionType, const QByteArray &values = {});
    void report(quint8 functionType, const QByteArray &values = {});
    void startTraverse();
    void sendLiveSamples();
    void finishTraverse();
    void failTraverse();
    void startReturn();
    void sendPackage(quint16 number);
    void startSpeedCalibration();
    quint16 needlePosition() const;

    FaultyLine *faultyLine;
    QTimer *startTimer;
    QTimer *liveTimer;
    QTimer *traverseTimer;
    QTimer *returnTimer;
    QTimer *calibrationTimer;
    Timing timing;
    QByteArray receiveBuffer;
    QString serial = QStringLiteral("SIM0001");
    quint8 type = 3;
    quint16 packageSize = 1000;
    int fixedSampleCount = 0;
    bool calibrated = true;
    bool duplicatePackages = false;
    bool patternsInProfile = false;
    bool ignoreStart = false;
    bool motorSpeedError = false;
    float factor = 0.0254189f;
    quint8 measureRange = 1;
    quint8 samplingLength = 1;
    quint8 samplingNumber = 4;
    QVector<double> samples;
    int liveIndex = 0;
    int traverseCount = 0;
    QList<DATA_SAVE> records;
};
