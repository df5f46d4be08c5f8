#include "CommandFrames.h"

#include "ProtocolCodec.h"
#include "ProtocolIds.h"

namespace {

ProtocolFrame command(quint8 functionCode, quint8 functionType, const QByteArray &arguments = {}, quint8 version = 0)
{
    return makeFrame(version, functionCode, kCompanyCode, kProductCode, functionType, payloadPrefix() + arguments);
}

QByteArray oneByte(quint8 value)
{
    return QByteArray(1, char(value));
}

}

ProtocolFrame buildBroadcastFrame()
{
    return makeFrame(0, FunctionCode::Query, kBroadcastCode, kBroadcastCode, FunctionType::Broadcast, payloadPrefix());
}

ProtocolFrame buildHeartBeatFrame()
{
    return command(FunctionCode::Query, FunctionType::HeartBeat);
}

ProtocolFrame buildMeasureSettingsFrame(quint8 measureRange, quint8 samplingLength, quint8 samplingNumber)
{
    return command(FunctionCode::Set, FunctionType::MeasureSettings,
                   oneByte(measureRange) + oneByte(samplingLength) + oneByte(samplingNumber));
}

ProtocolFrame buildStartMeasurementFrame()
{
    return command(FunctionCode::Query, FunctionType::StartMeasurement);
}

ProtocolFrame buildGetOnePacketFrame(quint16 packageNumber)
{
    return command(FunctionCode::Query, FunctionType::GetOnePacket, toBigEndian16(packageNumber));
}

ProtocolFrame buildGetNeedlePositionFrame()
{
    return command(FunctionCode::Query, FunctionType::NeedlePosition);
}

ProtocolFrame buildStartCalibrationFrame(quint8 mode)
{
    return command(FunctionCode::Set, FunctionType::StartCalibration, oneByte(mode));
}

ProtocolFrame buildGetCalibrationStatusFrame()
{
    return command(FunctionCode::Query, FunctionType::CalibrationStatus);
}

ProtocolFrame buildStopMeasurementFrame()
{
    return command(FunctionCode::Query, FunctionType::StopMeasurement);
}

ProtocolFrame buildConfirmNeedlePositionFrame()
{
    return command(FunctionCode::Query, FunctionType::ConfirmNeedlePosition);
}

ProtocolFrame buildRequestNeedlePositionFrame()
{
    return command(FunctionCode::Query, FunctionType::RequestNeedlePosition);
}

ProtocolFrame buildUpdateCalibrationFactorFrame(float factor)
{
    return command(FunctionCode::Write, FunctionType::CalibrationFactor, toBigEndian32(factor));
}

ProtocolFrame buildGetCalibrationFactorFrame()
{
    return command(FunctionCode::Query, FunctionType::CalibrationFactor);
}

ProtocolFrame buildGetExecutingMachineDataCountFrame()
{
    return command(FunctionCode::Query, FunctionType::ExecutingMachineDataCount, {}, 1);
}

ProtocolFrame buildGetExecutingMachineDataFrame(quint16 index)
{
    return command(FunctionCode::Query, FunctionType::ExecutingMachineData, toBigEndian16(index), 1);
}
