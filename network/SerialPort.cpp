#include "SerialPort.h"

SerialPort::SerialPort(QObject *parent)
    : NetworkInterface(parent)
    , port(new QSerialPort(this))
{
    connect(port, &QSerialPort::readyRead, this, [this] {
        emit dataRecved(port->readAll());
    });
    connect(port, &QSerialPort::errorOccurred, this, &SerialPort::onErrorOccurred);
}

void SerialPort::open(const QString &portName, int baudRate)
{
    // Closing a port that is not open raises an error report of its own.
    if (port->isOpen())
        port->close();
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    port->setParity(QSerialPort::NoParity);
    port->setPortName(portName);
    port->setBaudRate(baudRate, QSerialPort::AllDirections);
    connected = port->open(QIODevice::ReadWrite);
    emit connectStatusChanged(connected);
}

void SerialPort::sendData(const QByteArray &data)
{
    if (port->isOpen() && connected)
        port->write(data);
}

QString SerialPort::portName() const
{
    return port->portName();
}

void SerialPort::setConnectStatus(bool status)
{
    connected = status;
    emit connectStatusChanged(status);
}

void SerialPort::onErrorOccurred(QSerialPort::SerialPortError error)
{
    // The port clears its error with a NoError report, which is no failure.
    if (error == QSerialPort::NoError)
        return;
    connected = false;
    emit connectStatusChanged(false);
    // A failing device keeps reporting until it is closed; closing a port
    // that is not open would itself report NotOpenError and come back here.
    if (error != QSerialPort::NotOpenError && port->isOpen())
        port->close();
}
