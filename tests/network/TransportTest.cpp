#include "NetworkModel.h"
#include "PortList.h"
#include "PseudoTerminal.h"
#include "SerialPort.h"
#include "TcpServer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kBaudRate = 921600;

QByteArray joined(const QSignalSpy &spy)
{
    QByteArray bytes;
    for (const QList<QVariant> &arguments : spy)
        bytes.append(arguments.at(0).toByteArray());
    return bytes;
}

quint16 freeTcpPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

}

class TransportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void serialPortCarriesBytesBothWays();
    void serialPortWritesNothingUnlessConnected();
    void serialPortErrorClosesThePortOnce();
    void linkIsAvailableOnlyWhileItsPortIsUpAndListed();
    void newestTcpClientIsServed();

private:
    QTemporaryDir announceFolder;
};

void TransportTest::initTestCase()
{
    QVERIFY(announceFolder.isValid());
    PortList::setAnnounceFolder(announceFolder.path());
}

void TransportTest::serialPortCarriesBytesBothWays()
{
    PseudoTerminal terminal;
    QVERIFY(terminal.open());
    SerialPort port;
    QSignalSpy status(&port, &NetworkInterface::connectStatusChanged);
    QSignalSpy received(&port, &NetworkInterface::dataRecved);
    QSignalSpy atUnit(&terminal, &PseudoTerminal::bytesReceived);

    port.open(terminal.slavePath(), kBaudRate);
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), true);

    QByteArray toUnit;
    for (int i = 0; i < 3000; ++i)
        toUnit.append(char(i * 7));
    port.sendData(toUnit);
    QTRY_COMPARE(joined(atUnit), toUnit);

    const QByteArray toHost = QByteArray::fromHex("FEE1900D000D0A0D0A1103130000FF");
    terminal.write(toHost);
    QTRY_COMPARE(joined(received), toHost);

    // Opening again closes first and reports the new result.
    port.open(terminal.slavePath(), kBaudRate);
    QCOMPARE(status.size(), 2);
    QCOMPARE(status.at(1).at(0).toBool(), true);
}

void TransportTest::serialPortWritesNothingUnlessConnected()
{
    PseudoTerminal terminal;
    QVERIFY(terminal.open());
    SerialPort port;
    QSignalSpy status(&port, &NetworkInterface::connectStatusChanged);
    QSignalSpy atUnit(&terminal, &PseudoTerminal::bytesReceived);

    port.sendData("before open");
    port.open(announceFolder.filePath("no-such-port"), kBaudRate);
    QCOMPARE(status.last().at(0).toBool(), false);
    port.sendData("after a failed open");

    port.open(terminal.slavePath(), kBaudRate);
    port.setConnectStatus(false);
    port.sendData("after the status went down");
    port.setConnectStatus(true);
    port.sendData("up");
    QTRY_COMPARE(joined(atUnit), QByteArray("up"));
}

void TransportTest::serialPortErrorClosesThePortOnce()
{
    auto *terminal = new PseudoTerminal;
    QVERIFY(terminal->open());
    SerialPort port;
    port.open(terminal->slavePath(), kBaudRate);
    QSignalSpy status(&port, &NetworkInterface::connectStatusChanged);

    delete terminal;
    QTRY_COMPARE(status.size(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), false);
    // A closed port reports nothing more, where an open failing one would
    // report again at every event.
    QTest::qWait(300);
    QCOMPARE(status.size(), 1);
}

void TransportTest::linkIsAvailableOnlyWhileItsPortIsUpAndListed()
{
    auto *terminal = new PseudoTerminal;
    QVERIFY(terminal->open());
    QVERIFY(terminal->announce(announceFolder.path(), "unit-a"));
    QVERIFY(PortList::availablePortNames().contains(terminal->announcedPath()));

    NetworkModel model;
    model.init();
    QSignalSpy status(&model, &NetworkModel::networkConnectStatusChanged);
    QVERIFY(!model.isSerialPortAvailable());
    model.openSerialPort(terminal->announcedPath(), kBaudRate);
    QCOMPARE(status.size(), 1);
    QVERIFY(model.isSerialPortAvailable());

    const QString link = terminal->announcedPath();
    delete terminal;
    QVERIFY(!PortList::availablePortNames().contains(link));
    QVERIFY(!model.isSerialPortAvailable());
}

void TransportTest::newestTcpClientIsServed()
{
    const quint16 portNumber = freeTcpPort();
    TcpServer server(portNumber);
    QSignalSpy status(&server, &NetworkInterface::connectStatusChanged);
    QSignalSpy received(&server, &NetworkInterface::dataRecved);

    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, portNumber);
    QTRY_COMPARE(status.size(), 1);
    QTcpSocket second;
    second.connectToHost(QHostAddress::LocalHost, portNumber);
    QTRY_COMPARE(status.size(), 2);
    QTRY_COMPARE(first.state(), QAbstractSocket::UnconnectedState);

    server.sendData("to the newest");
    QTRY_COMPARE(second.bytesAvailable(), qint64(13));
    second.write("hello");
    QTRY_COMPARE(joined(received), QByteArray("hello"));

    second.disconnectFromHost();
    QTRY_COMPARE(status.size(), 3);
    QCOMPARE(status.at(2).at(0).toBool(), false);
    server.sendData("nobody");
}

QTEST_GUILESS_MAIN(TransportTest)
#include "TransportTest.moc"
