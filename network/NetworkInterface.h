#pragma once

#include <QByteArray>
#include <QObject>

// A byte channel to the drive unit: hands every received chunk upward as it
// came and writes whole arrays handed down. It knows nothing of frames.
class NetworkInterface : public QObject
{
    Q_OBJECT

public:
    explicit NetworkInterface(QObject *parent = nullptr);

    virtual void sendData(const QByteArray &data) = 0;

signals:
    void dataRecved(QByteArray data);
    void connectStatusChanged(bool status);
};
