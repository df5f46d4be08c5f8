#pragma once

#include <QtGlobal>

// Function codes: the first key of a frame.
namespace FunctionCode {
enum : quint8 {
    Set = 0,    // host commands that set something on the unit
    Report = 0, // reports the unit sends on its own
    Query = 1,
    Reply = 2,
    Write = 3,
};
}

// Function types: the command number, the second key of a frame.
namespace FunctionType {
enum : quint8 {
    HeartBeat = 1,
    MeasureSettings = 2,
    StartMeasurement = 3,
    MeasurementCompleted = 4,
    GetOnePacket = 5,
    NeedlePosition = 6,
    OutOfMeasurementRange = 7,
    EndOfReturn = 8,
    MeasureState = 9,
    RealTimeData = 10,
    StartCalibration = 11,
    CalibrationSpeedComplete = 12,
    CalibrationStatus = 20,
    MotorSpeedError = 21,
    StopMeasurement = 22,
    ConfirmNeedlePosition = 23,
    RequestNeedlePosition = 24,
    CalibrationFactor = 25,
    ExecutingMachineDataCount = 26,
    ExecutingMachineData = 27,
    Broadcast = 255,
};
}

constexpr quint8 kCompanyCode = 1;
constexpr quint8 kProductCode = 4;
constexpr quint8 kBroadcastCode = 0xFF;
// Values of a payload start after the 12 prefix bytes.
constexpr int kPayloadPrefixSize = 12;
