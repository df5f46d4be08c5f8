#pragma once

#include "NetworkInterface.h"

#include <QList>

// Keeps every array the link writes, so a test can read what left it.
class RecordingTransport : public NetworkInterface
{
    Q_OBJECT

public:
    using NetworkInterface::NetworkInterface;

    void sendData(const QByteArray &data) override { written.append(data); }

    QList<QByteArray> written;
};
