#include "UnitLoopback.h"

#include "DriveUnit.h"

#include <QTimer>

UnitLoopback::UnitLoopback(DriveUnit *unit, QObject *parent)
    : NetworkInterface(parent)
    , unit(unit)
{
    connect(unit, &DriveUnit::bytesOut, this, &NetworkInterface::dataRecved, Qt::QueuedConnection);
}

void UnitLoopback::sendData(const QByteArray &data)
{
    QTimer::singleShot(0, unit, [target = unit, data] {
        target->receive(data);
    });
}

void UnitLoopback::connectNow()
{
    emit connectStatusChanged(true);
}
