#pragma once

#include "ProtocolFrame.h"

// Builders of every command the host sends to the drive unit.

ProtocolFrame buildBroadcastFrame();
ProtocolFrame buildHeartBeatFrame();
ProtocolFrame buildMeasureSettingsFrame(quint8 measureRange, quint8 samplingLength, quint8 samplingNumber);
ProtocolFrame buildStartMeasurementFrame();
ProtocolFrame buildGetOnePacketFrame(quint16 packageNumber);
ProtocolFrame buildGetNeedlePositionFrame();
ProtocolFrame buildStartCalibrationFrame(quint8 mode);
ProtocolFrame buildGetCalibrationStatusFrame();
ProtocolFrame buildStopMeasurementFrame();
ProtocolFrame buildConfirmNeedlePositionFrame();
ProtocolFrame buildRequestNeedlePositionFrame();
ProtocolFrame buildUpdateCalibrationFactorFrame(float factor);
ProtocolFrame buildGetCalibrationFactorFrame();
ProtocolFrame buildGetExecutingMachineDataCountFrame();
ProtocolFrame buildGetExecutingMachineDataFrame(quint16 index);
