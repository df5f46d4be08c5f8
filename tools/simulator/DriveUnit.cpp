#include "DriveUnit.h"

#include "FaultyLine.h"
#include "FrameStream.h"
#include "ProfileGenerator.h"
#include "ProtocolCodec.h"
#include "ProtocolIds.h"

#include <QDebug>
#include <QTimer>

#include <cmath>

namespace {

constexpr int kMaxSamples = 21000;
constexpr double kSamplesPerMm = 1600.0;
constexpr int kLiveSamplesPerReport = 8;
constexpr quint16 kNeedleCentre = 32768;
constexpr quint8 kSpeedAfterCalibration = 5;
// Entering the needle voltage calibration is acknowledged but moves nothing.
constexpr quint8 kNeedleCalibrationMode = 2;

const double kSamplingLengthsMm[] = {0.25, 0.8, 2.5};

QByteArray encodeSample(double value, quint8 sampleType)
{
    switch (sampleType) {
    case 0:
        return QByteArray(1, char(qint64(value)));
    case 1:
        return toBigEndian16(quint16(qint64(value)));
    case 2:
        return toBigEndian32(quint32(qint64(value)));
    default:
        return toBigEndian32(qint32(qint64(value)));
    }
}

// Profile counts moved into the range the sample type can carry.
double toSampleRange(double counts, quint8 sampleType)
{
    switch (sampleType) {
    case 0:
        return qBound(-128.0, std::round(counts / 16), 127.0);
    case 1:
        return qBound(0.0, counts + 32768, 65535.0);
    case 2:
        return qMax(0.0, counts + 32768);
    default:
        return counts;
    }
}

// The header and tail byte patterns written as samples of the given type.
QVector<double> patternSamples(const QByteArray &pattern, quint8 sampleType)
{
    QVector<double> values;
    switch (sampleType) {
    case 0:
        for (char byte : pattern)
            values.append(qint8(byte));
        break;
    case 1:
        values = {double(fromBigEndianU16(pattern.left(2))), double(fromBigEndianU16(pattern.mid(2)))};
        break;
    case 2:
        values = {double(quint32(fromBigEndianI32(pattern)))};
        break;
    default:
        values = {double(fromBigEndianI32(pattern))};
    }
    return values;
}

DATA_SAVE storedRecord(int index)
{
    DATA_SAVE record{};
    record.reserved0 = quint8(index);
    record.calculateStandard = quint8(index % 4);
    record.samplingLength = quint8(index % 3);
    record.samplingNumber = quint8(1 + index % 5);
    record.measureRange = quint8(index % 4);
    record.filter = quint8((index + 2) % 4);
    for (int i = 0; i < 24; ++i)
        record.values[i] = float(0.1 * (index + 1) * (i + 1));
    record.wordValues[0] = quint16(100 + index);
    record.wordValues[1] = quint16(200 + index);
    return record;
}

QTimer *singleShotTimer(QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setSingleShot(true);
    return timer;
}

}

DriveUnit::DriveUnit(QObject *parent)
    : QObject(parent)
    , faultyLine(new FaultyLine(this))
    , startTimer(singleShotTimer(this))
    , liveTimer(new QTimer(this))
    , traverseTimer(singleShotTimer(this))
    , returnTimer(singleShotTimer(this))
    , calibrationTimer(singleShotTimer(this))
{
    for (int i = 0; i < 6; ++i)
        records.append(storedRecord(i));
    connect(faultyLine, &FaultyLine::bytesOut, this, &DriveUnit::bytesOut);
    connect(startTimer, &QTimer::timeout, this, &DriveUnit::startTraverse);
    connect(liveTimer, &QTimer::timeout, this, &DriveUnit::sendLiveSamples);
    connect(traverseTimer, &QTimer::timeout, this, &DriveUnit::finishTraverse);
    connect(returnTimer, &QTimer::timeout, this, [this] {
        report(FunctionType::EndOfReturn);
    });
    connect(calibrationTimer, &QTimer::timeout, this, [this] {
        calibrated = true;
        report(FunctionType::CalibrationSpeedComplete, QByteArray(1, char(kSpeedAfterCalibration)));
    });
}

void DriveUnit::receive(const QByteArray &bytes)
{
    receiveBuffer.append(bytes);
    const auto candidates = takeFrameCandidates(receiveBuffer);
    for (const QByteArray &candidate : candidates) {
        ProtocolFrame frame;
        parseFrame(frame, candidate);
        const bool addressed = (frame.companyCode == kCompanyCode && frame.productCode == kProductCode) ||
                               (frame.companyCode == kBroadcastCode && frame.productCode == kBroadcastCode);
        if (frame.version > 1 || !addressed || frame.status != zeroBytes(2) || frame.crc != crcBytes(frame.payload)) {
            qDebug() << "simulator: frame refused" << candidate.toHex(' ');
            continue;
        }
        handleFrame(frame);
    }
}

FaultyLine *DriveUnit::line() const
{
    return faultyLine;
}

void DriveUnit::setTiming(const Timing &newTiming)
{
    timing = newTiming;
}

void DriveUnit::setSerialNumber(const QString &serialNumber)
{
    serial = serialNumber;
}

void DriveUnit::setSampleType(quint8 sampleType)
{
    type = sampleType;
}

void DriveUnit::setPackageSize(quint16 size)
{
    packageSize = size;
}

void DriveUnit::setSampleCount(int count)
{
    fixedSampleCount = count;
}

void DriveUnit::setSpeedCalibrated(bool speedCalibrated)
{
    calibrated = speedCalibrated;
}

void DriveUnit::setDuplicatePackages(bool duplicate)
{
    duplicatePackages = duplicate;
}

void DriveUnit::setPatternsInProfile(bool patterns)
{
    patternsInProfile = patterns;
}

void DriveUnit::setIgnoreStart(bool ignore)
{
    ignoreStart = ignore;
}

void DriveUnit::setMotorSpeedError(bool error)
{
    motorSpeedError = error;
}

bool DriveUnit::speedCalibrated() const
{
    return calibrated;
}

float DriveUnit::calibrationFactor() const
{
    return factor;
}

QVector<quint8> DriveUnit::measureSettings() const
{
    return {measureRange, samplingLength, samplingNumber};
}

QVector<double> DriveUnit::profile() const
{
    return samples;
}

int DriveUnit::sampleCount() const
{
    if (fixedSampleCount > 0)
        return fixedSampleCount;
    const double lengthMm = kSamplingLengthsMm[qMin<int>(samplingLength, 2)] * (samplingNumber + 1);
    return qMin(kMaxSamples, int(std::lround(lengthMm * kSamplesPerMm)));
}

QList<DATA_SAVE> DriveUnit::storedRecords() const
{
    return records;
}

void DriveUnit::handleFrame(const ProtocolFrame &frame)
{
    const QByteArray &payload = frame.payload;
    auto argument = [&payload](int index) {
        return index < payload.size() ? quint8(payload.at(index)) : quint8(0);
    };
    switch (frame.functionType) {
    case FunctionType::Broadcast:
        reply(FunctionType::Broadcast);
        break;
    case FunctionType::HeartBeat: {
        QByteArray text = serial.toUtf8();
        text.append('\0');
        reply(FunctionType::HeartBeat, text);
        break;
    }
    case FunctionType::MeasureSettings:
        measureRange = argument(12);
        samplingLength = argument(13);
        samplingNumber = argument(14);
        reply(FunctionType::MeasureSettings);
        break;
    case FunctionType::StartMeasurement:
        if (ignoreStart || startTimer->isActive() || traverseTimer->isActive())
            break;
        reply(FunctionType::StartMeasurement, QByteArray(1, '\0'));
        startTimer->start(timing.startMs);
        break;
    case FunctionType::GetOnePacket:
        sendPackage(fromBigEndianU16(payload.mid(12, 2)));
        break;
    case FunctionType::NeedlePosition:
        reply(FunctionType::NeedlePosition, toBigEndian16(needlePosition()));
        break;
    case FunctionType::StartCalibration:
        reply(FunctionType::StartCalibration, QByteArray(1, char(argument(12))));
        if (argument(12) != kNeedleCalibrationMode)
            startSpeedCalibration();
        break;
    case FunctionType::CalibrationStatus:
        reply(FunctionType::CalibrationStatus, QByteArray(1, calibrated ? '\1' : '\0'));
        break;
    case FunctionType::StopMeasurement:
        reply(FunctionType::StopMeasurement);
        if (startTimer->isActive() || traverseTimer->isActive()) {
            startTimer->stop();
            traverseTimer->stop();
            liveTimer->stop();
            startReturn();
        }
        break;
    case FunctionType::ConfirmNeedlePosition:
        reply(FunctionType::ConfirmNeedlePosition, QByteArray(1, '\1'));
        break;
    case FunctionType::RequestNeedlePosition: {
        const quint16 position = needlePosition();
        reply(FunctionType::RequestNeedlePosition,
              toBigEndian32(float(position * 5.0 / 65535)) + toBigEndian16(position));
        break;
    }
    case FunctionType::CalibrationFactor:
        if (frame.functionCode == FunctionCode::Write && payload.size() >= 16) {
            factor = fromBigEndianFloat(payload.mid(12, 4));
            reply(FunctionType::CalibrationFactor);
        } else {
            reply(FunctionType::CalibrationFactor, toBigEndian32(factor));
        }
        break;
    case FunctionType::ExecutingMachineDataCount:
        reply(FunctionType::ExecutingMachineDataCount, toBigEndian16(quint16(records.size())));
        break;
    case FunctionType::ExecutingMachineData: {
        // The unit keeps no refusal for a number that names no record; the
        // host hears nothing.
        const int number = fromBigEndianU16(payload.mid(12, 2));
        if (number >= 1 && number <= records.size())
            reply(FunctionType::ExecutingMachineData, encodeDataSave(records.at(number - 1)));
        else
            qDebug() << "simulator: no stored record" << number;
        break;
    }
    default:
        qDebug() << "simulator: unknown command" << int(frame.functionCode) << int(frame.functionType);
    }
}

void DriveUnit::reply(quint8 functionType, const QByteArray &values)
{
    // The heartbeat reply carries the serial number from its first byte on.
    const QByteArray payload = functionType == FunctionType::HeartBeat ? values : payloadPrefix() + values;
    faultyLine->send(
        serializedFrame(makeFrame(0, FunctionCode::Reply, kCompanyCode, kProductCode, functionType, payload)));
}

void DriveUnit::report(quint8 functionType, const QByteArray &values)
{
    faultyLine->send(serializedFrame(
        makeFrame(0, FunctionCode::Report, kCompanyCode, kProductCode, functionType, payloadPrefix() + values)));
}

void DriveUnit::startTraverse()
{
    samples = generateProfile(sampleCount(), quint32(++traverseCount));
    for (double &value : samples)
        value = toSampleRange(value, type);
    if (patternsInProfile && samples.size() > 16) {
        const QVector<double> header = patternSamples(frameHeaderBytes(), type);
        const QVector<double> tail = patternSamples(frameTailBytes(), type);
        std::copy(header.begin(), header.end(), samples.begin() + 2);
        std::copy(tail.begin(), tail.end(), samples.begin() + 10);
    }
    liveIndex = 0;
    reply(FunctionType::StartMeasurement, QByteArray(1, '\1'));
    liveTimer->start(timing.liveIntervalMs);
    traverseTimer->start(motorSpeedError ? timing.traverseMs / 2 : timing.traverseMs);
}

void DriveUnit::sendLiveSamples()
{
    QByteArray values;
    for (int i = 0; i < kLiveSamplesPerReport && !samples.isEmpty(); ++i) {
        const double counts = samples.at(liveIndex % samples.size());
        values.append(toBigEndian16(quint16(qBound(0.0, counts + kNeedleCentre, 65535.0))));
        liveIndex += qMax(1, samples.size() / 400);
    }
    report(FunctionType::RealTimeData, values);
}

void DriveUnit::finishTraverse()
{
    if (motorSpeedError) {
        failTraverse();
        return;
    }
    liveTimer->stop();
    report(FunctionType::MeasurementCompleted,
           toBigEndian32(qint32(samples.size())) + QByteArray(1, char(type)) + toBigEndian16(packageSize));
    startReturn();
}

void DriveUnit::failTraverse()
{
    liveTimer->stop();
    report(FunctionType::MotorSpeedError);
}

void DriveUnit::startReturn()
{
    reply(FunctionType::StartMeasurement, QByteArray(1, '\2'));
    returnTimer->start(timing.returnMs);
}

void DriveUnit::sendPackage(quint16 number)
{
    const int first = int(number) * packageSize;
    if (first >= samples.size()) {
        qDebug() << "simulator: no package" << number;
        return;
    }
    QByteArray values;
    const int end = qMin(samples.size(), first + packageSize);
    for (int i = first; i < end; ++i)
        values.append(encodeSample(samples.at(i), type));
    values.append(encodeSample(number, type));
    reply(FunctionType::GetOnePacket, values);
    if (duplicatePackages)
        reply(FunctionType::GetOnePacket, values);
}

void DriveUnit::startSpeedCalibration()
{
    calibrated = false;
    calibrationTimer->start(timing.calibrationMs);
}

quint16 DriveUnit::needlePosition() const
{
    if (liveTimer->isActive() && !samples.isEmpty())
        return quint16(qBound(0.0, samples.at(liveIndex % samples.size()) + kNeedleCentre, 65535.0));
    return kNeedleCentre;
}
