#include "TcpServer.h"

#include <QDebug>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

TcpServer::TcpServer(quint16 port, QObject *parent)
    : NetworkInterface(parent)
    , server(new QTcpServer(this))
{
    server->listen(QHostAddress::Any, port);
    connect(server, &QTcpServer::newConnection, this, &TcpServer::onNewConnection);
}

void TcpServer::sendData(const QByteArray &data)
{
    if (socket && connected)
        socket->write(data);
}

void TcpServer::onNewConnection()
{
    QTcpSocket *client = server->nextPendingConnection();
    if (!client)
        return;
    qDebug() << "收到新的连接";
    // Only the newest client is served; the one it replaces is let go, so
    // its later signals cannot touch the new client.
    if (socket) {
        QTcpSocket *previous = socket;
        socket = nullptr;
        previous->disconnect(this);
        previous->abort();
        previous->deleteLater();
    }
    socket = client;
    connected = true;
    emit connectStatusChanged(true);

    connect(client, &QTcpSocket::readyRead, this, [this, client] {
        emit dataRecved(client->readAll());
    });
    connect(client, &QTcpSocket::disconnected, this, [this, client] {
        qDebug() << "断开连接";
        client->close();
        client->deleteLater();
        connected = false;
        emit connectStatusChanged(false);
    });
    connect(client, &QTcpSocket::destroyed, this, [] {
        qDebug() << "tcpSocket已被销毁";
    });
}
