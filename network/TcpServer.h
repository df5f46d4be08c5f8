#pragma once

#include "NetworkInterface.h"

#include <QPointer>

class QTcpServer;
class QTcpSocket;

// Serves one client at a time on a TCP port; a new client replaces the old.
class TcpServer : public NetworkInterface
{
    Q_OBJECT

public:
    explicit TcpServer(quint16 port, QObject *parent = nullptr);

    void sendData(const QByteArray &data) override;

private:
    void onNewConnection();

    QTcpServer *server;
    QPointer<QTcpSocket> socket;
    bool connected = false;
};
