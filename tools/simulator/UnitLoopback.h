#pragma once

#include "NetworkInterface.h"

class DriveUnit;

// A transport that reaches a drive unit in the same process, without a
// terminal in between. Bytes travel through the event loop in both
// directions, as they would over a port.
class UnitLoopback : public NetworkInterface
{
    Q_OBJECT

public:
    explicit UnitLoopback(DriveUnit *unit, QObject *parent = nullptr);

    void sendData(const QByteArray &data) override;
    // Reports the channel as up, as a port does when its open succeeds.
    void connectNow();

private:
    DriveUnit *unit;
};
