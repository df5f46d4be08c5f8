#include "NetworkModel.h"

#include "Codes.h"
#include "CommandFrames.h"
#include "FrameStream.h"
#include "PortList.h"
#include "ProtocolCodec.h"
#include "ProtocolIds.h"
#include "SerialPort.h"

#include <QDebug>
#include <QTimer>

#include <limits>

namespace {

constexpr int kSendIntervalMs = 100;

// Smallest payloads that hold every field a reply or report reads.
constexpr int kMeasurementCompletedMinSize = 19;
constexpr int kNeedlePositionMinSize = 14;
constexpr int kNeedleVoltageMinSize = 18;
constexpr int kRecordCountMinSize = 14;
constexpr int kRecordMinSize = kPayloadPrefixSize + kDataSaveSize;
constexpr int kFactorWrittenSize = 12;
constexpr int kFactorReadSize = 16;
constexpr float kFactorLimit = 10000.0f;

quint8 byteAt(const QByteArray &payload, int index)
{
    return index < payload.size() ? quint8(payload.at(index)) : 0;
}

// Bytes per sample of a profile package; 0 for a type the unit never sends.
int sampleWidth(quint8 sampleType)
{
    switch (sampleType) {
    case SampleType::Int8:
        return 1;
    case SampleType::Uint16:
        return 2;
    case SampleType::Uint32:
    case SampleType::Int32:
        return 4;
    default:
        return 0;
    }
}

double decodeSample(const QByteArray &bytes, quint8 sampleType)
{
    switch (sampleType) {
    case SampleType::Int8:
        return qint8(bytes.at(0));
    case SampleType::Uint16:
        return fromBigEndianU16(bytes);
    case SampleType::Uint32:
        return quint32(fromBigEndianI32(bytes));
    default:
        return fromBigEndianI32(bytes);
    }
}

bool longEnough(const QByteArray &payload, int minimum, const char *what)
{
    if (payload.size() >= minimum)
        return true;
    qDebug() << "payload too short for" << what << payload.size();
    return false;
}

}

NetworkModel::NetworkModel(QObject *parent)
    : QObject(parent)
{
}

void NetworkModel::init()
{
    init(new SerialPort);
}

void NetworkModel::init(NetworkInterface *transport)
{
    createObjects(transport);
    connectSignals();
}

void NetworkModel::createObjects(NetworkInterface *transportToOwn)
{
    transport = transportToOwn;
    transport->setParent(this);
    receiveBuffer.clear();
    sendMessageTimer = new QTimer(this);
    sendMessageTimer->setInterval(kSendIntervalMs);
    sendMessageTimer->start();
    sendQueue.clear();
}

void NetworkModel::connectSignals()
{
    connect(transport, &NetworkInterface::connectStatusChanged, this, [this](bool status) {
        portConnected = status;
        emit networkConnectStatusChanged(status);
    });
    connect(transport, &NetworkInterface::dataRecved, this, &NetworkModel::onDataRecved);
    connect(sendMessageTimer, &QTimer::timeout, this, &NetworkModel::onSendMessageTimerTimeout);
}

void NetworkModel::openSerialPort(const QString &portName, int baudRate)
{
    if (auto *serialPort = qobject_cast<SerialPort *>(transport))
        serialPort->open(portName, baudRate);
}

bool NetworkModel::isSerialPortAvailable() const
{
    const auto *serialPort = qobject_cast<const SerialPort *>(transport);
    return serialPort && portConnected && PortList::availablePortNames().contains(serialPort->portName());
}

void NetworkModel::sendBroadcast()
{
    enqueueFrame(buildBroadcastFrame());
}

void NetworkModel::sendHeartBeat()
{
    enqueueFrame(buildHeartBeatFrame());
}

void NetworkModel::sendMeasureSettings(quint8 measureRange, quint8 samplingLength, quint8 samplingNumber)
{
    enqueueFrame(buildMeasureSettingsFrame(measureRange, samplingLength, samplingNumber));
}

void NetworkModel::sendStartMeasurement()
{
    enqueueFrame(buildStartMeasurementFrame());
}

void NetworkModel::sendGetOnePacket(quint16 packageNumber)
{
    enqueueFrame(buildGetOnePacketFrame(packageNumber));
}

void NetworkModel::sendGetNeedlePosition()
{
    enqueueFrame(buildGetNeedlePositionFrame());
}

void NetworkModel::sendStartCalibration(quint8 mode)
{
    enqueueFrame(buildStartCalibrationFrame(mode));
}

void NetworkModel::sendGetCalibrationStatus()
{
    enqueueFrame(buildGetCalibrationStatusFrame());
}

void NetworkModel::sendStopMeasurement()
{
    enqueueFrame(buildStopMeasurementFrame());
}

void NetworkModel::sendConfirmNeedlePosition()
{
    enqueueFrame(buildConfirmNeedlePositionFrame());
}

void NetworkModel::sendRequestNeedlePosition()
{
    enqueueFrame(buildRequestNeedlePositionFrame());
}

void NetworkModel::sendUpdateCalibrationFactor(float factor)
{
    enqueueFrame(buildUpdateCalibrationFactorFrame(factor));
}

void NetworkModel::sendGetCalibrationFactor()
{
    qDebug() << "发送校准系数获取";
    enqueueFrame(buildGetCalibrationFactorFrame());
}

void NetworkModel::sendGetExecutingMachineDataCount()
{
    enqueueFrame(buildGetExecutingMachineDataCountFrame());
}

void NetworkModel::sendGetExecutingMachineData(quint16 index)
{
    enqueueFrame(buildGetExecutingMachineDataFrame(index));
}

void NetworkModel::enqueueFrame(const ProtocolFrame &frame)
{
    if (sendQueue.size() >= kMaxQueuedFrames) {
        qDebug() << "发送队列已满，丢弃指令：" << int(frame.functionType);
        return;
    }
    QByteArray bytes;
    serializeFrame(frame, bytes);
    sendQueue.append(bytes);
}

int NetworkModel::queuedFrameCount() const
{
    return sendQueue.size();
}

void NetworkModel::onSendMessageTimerTimeout()
{
    if (sendQueue.isEmpty())
        return;
    transport->sendData(sendQueue.takeFirst());
}

void NetworkModel::onDataRecved(QByteArray data)
{
    receiveBuffer.append(data);
    const auto frames = splitFrames(receiveBuffer);
    for (const ProtocolFrame &frame : frames)
        handleFrame(frame);
}

void NetworkModel::handleFrame(const ProtocolFrame &frame)
{
    if (frame.functionType == FunctionType::CalibrationSpeedComplete)
        handleCalibrationSpeedComplete(frame.payload);
    else if (frame.functionCode == FunctionCode::Reply)
        handleReply(frame);
    else if (frame.functionCode == FunctionCode::Report)
        handleReport(frame);
    else
        logUnrecognised(frame);
}

void NetworkModel::handleReply(const ProtocolFrame &frame)
{
    const QByteArray &payload = frame.payload;
    switch (frame.functionType) {
    case FunctionType::Broadcast:
        qDebug() << "收到：响应广播";
        emit broadcastRecved();
        break;
    case FunctionType::HeartBeat: {
        const int end = payload.indexOf('\0');
        emit heartBeatRecved();
        emit serialNumberRecved(QString::fromUtf8(payload.left(end < 0 ? payload.size() : end)));
        break;
    }
    case FunctionType::MeasureSettings:
        emit motorStatusUpdateRecved();
        break;
    case FunctionType::StartMeasurement: {
        const quint8 value = byteAt(payload, 12);
        qDebug() << "收到：响应开始测量";
        qDebug() << "value: " << int(value);
        emit startMeasurementRecved(value);
        break;
    }
    case FunctionType::GetOnePacket:
        qDebug() << "收到：数据传输";
        handleProfilePackage(payload);
        break;
    case FunctionType::NeedlePosition:
        if (longEnough(payload, kNeedlePositionMinSize, "needle position"))
            emit needlePositionRecved(fromBigEndianU16(payload.mid(12, 2)));
        break;
    case FunctionType::StartCalibration: {
        const quint8 value = byteAt(payload, 12);
        qDebug() << "收到：开始校准";
        qDebug() << "接收到的校准值: " << int(value);
        emit startCalibrationRecved(value);
        break;
    }
    case FunctionType::CalibrationStatus: {
        const quint8 value = byteAt(payload, 12);
        qDebug() << "收到：下位机校准状态 " << int(value);
        emit calibrationStatusRecved(value);
        break;
    }
    case FunctionType::StopMeasurement:
        qDebug() << "收到：已经停止测量，紧急返回";
        emit measurementStop();
        break;
    case FunctionType::ConfirmNeedlePosition:
        qDebug() << "收到：是否可选";
        emit confirmNeedlePosition(byteAt(payload, 12) != 0);
        break;
    case FunctionType::RequestNeedlePosition:
        qDebug() << "收到：响应当前电压值";
        if (longEnough(payload, kNeedleVoltageMinSize, "needle voltage"))
            emit responseNeedlePosition(fromBigEndianFloat(payload.mid(12, 4)), fromBigEndianU16(payload.mid(16, 2)));
        break;
    case FunctionType::CalibrationFactor:
        handleCalibrationFactor(payload);
        break;
    case FunctionType::ExecutingMachineDataCount:
        qDebug() << "获取下位机数据总数";
        qDebug() << payload.toHex(' ');
        if (longEnough(payload, kRecordCountMinSize, "record count"))
            emit executingMachineDataUpdata(fromBigEndianU16(payload));
        break;
    case FunctionType::ExecutingMachineData:
        qDebug() << "获取单包下位机数据";
        if (longEnough(payload, kRecordMinSize, "record"))
            emit getExecutingMachineData(decodeDataSave(payload.mid(kPayloadPrefixSize, kDataSaveSize)));
        break;
    default:
        logUnrecognised(frame);
    }
}

void NetworkModel::handleReport(const ProtocolFrame &frame)
{
    switch (frame.functionType) {
    case FunctionType::MeasurementCompleted:
        handleMeasurementCompleted(frame.payload);
        break;
    case FunctionType::OutOfMeasurementRange:
        qDebug() << "收到：当前数据超出测量范围";
        emit outOfMeasurementRangeRecved();
        break;
    case FunctionType::EndOfReturn:
        qDebug() << "收到：回程结束";
        emit endOfReturnRecved();
        break;
    case FunctionType::MeasureState:
        qDebug() << "收到：测量状态";
        break;
    case FunctionType::RealTimeData:
        handleRealTimeData(frame.payload);
        break;
    case FunctionType::MotorSpeedError:
        qDebug() << "收到：当前电机速度错误";
        emit motorSpeedErrorRecved();
        break;
    default:
        logUnrecognised(frame);
    }
}

void NetworkModel::handleCalibrationFactor(const QByteArray &payload)
{
    if (payload.size() == kFactorWrittenSize) {
        emit calibrationFactorUpdateComplete();
        qDebug() << "收到校准系数更新完成";
    } else if (payload.size() == kFactorReadSize) {
        const float factor = fromBigEndianFloat(payload.mid(12, 4));
        // The comparison is false for a NaN, which is therefore not passed on.
        if (factor >= -kFactorLimit && factor <= kFactorLimit)
            emit calibrationFactorUpdateResponse(factor);
        qDebug() << "收到的校准系数: " << factor;
    }
}

void NetworkModel::handleMeasurementCompleted(const QByteArray &payload)
{
    qDebug() << "收到：测量完成";
    if (!longEnough(payload, kMeasurementCompletedMinSize, "measurement completed"))
        return;
    const quint32 totalNumber = quint32(fromBigEndianI32(payload.mid(12, 4)));
    const quint8 type = byteAt(payload, 16);
    const quint16 packageSize = fromBigEndianU16(payload.mid(17, 2));
    // Without a known sample width the packages cannot be read, and without
    // a package size the profile cannot be counted in packages.
    if (sampleWidth(type) == 0 || packageSize == 0) {
        qDebug() << "测量完成报告无效："
                 << "type: " << int(type) << " packageSize:" << packageSize;
        return;
    }
    sampleType = type;
    qDebug() << "totalNumber: " << totalNumber << " type: " << int(type) << " packageSize:" << packageSize;
    emit measurementCompletedRecved(totalNumber, type, packageSize);
}

void NetworkModel::handleProfilePackage(const QByteArray &payload)
{
    const int width = sampleWidth(sampleType);
    QList<double> samples;
    for (int at = kPayloadPrefixSize; at + width <= payload.size(); at += width)
        samples.append(decodeSample(payload.mid(at, width), sampleType));
    if (samples.isEmpty())
        return;
    const double number = samples.takeLast();
    if (number < 0 || number > std::numeric_limits<int>::max()) {
        qDebug() << "包号超出范围：" << number;
        return;
    }
    emit dataRecved(samples, int(number));
}

void NetworkModel::handleRealTimeData(const QByteArray &payload)
{
    qDebug() << "收到：实时数据";
    qDebug() << "收到：实时数据" << payload.toHex(' ');
    QList<double> samples;
    for (int at = kPayloadPrefixSize; at + 2 <= payload.size(); at += 2)
        samples.append(fromBigEndianU16(payload.mid(at, 2)));
    emit realTimeDataRecved(samples);
    if (!samples.isEmpty())
        emit needlePositionRecved(quint16(samples.first()));
}

void NetworkModel::handleCalibrationSpeedComplete(const QByteArray &payload)
{
    const quint8 value = byteAt(payload, 12);
    qDebug() << "收到：校准速度 " << int(value) << " 完成";
    emit calibrationSpeedCompleteRecved(value);
}

void NetworkModel::logUnrecognised(const ProtocolFrame &frame)
{
    qDebug() << "收到：指令未识别";
    qDebug() << "功能码：" << int(frame.functionCode) << " 功能类型：" << int(frame.functionType);
}
