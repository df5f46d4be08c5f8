#pragma once

#include "NetworkInterface.h"

#include <QSerialPort>

class SerialPort : public NetworkInterface
{
    Q_OBJECT

public:
    explicit SerialPort(QObject *parent = nullptr);

    void open(const QString &portName, int baudRate);
    void sendData(const QByteArray &data) override;
    QString portName() const;
    void setConnectStatus(bool status);

private:
    void onErrorOccurred(QSerialPort::SerialPortError error);

    QSerialPort *port;
    bool connected = false;
};
