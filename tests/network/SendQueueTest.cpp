#include "MessageLog.h"
#include "RecordingTransport.h"

#include "NetworkModel.h"
#include "ProtocolFrame.h"
#include "ProtocolIds.h"

#include <QtTest>

#include <functional>

class SendQueueTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oneFramePerTickInCallOrder();
    void pacingTimerDrainsTheQueue();
    void everySenderBuildsItsCommand();
    void queueIsBounded();

private:
    NetworkModel *model = nullptr;
    RecordingTransport *transport = nullptr;
};

void SendQueueTest::init()
{
    model = new NetworkModel;
    transport = new RecordingTransport;
    model->init(transport);
}

void SendQueueTest::cleanup()
{
    delete model;
}

void SendQueueTest::oneFramePerTickInCallOrder()
{
    model->sendHeartBeat();
    model->sendMeasureSettings(2, 2, 3);
    model->sendGetOnePacket(258);
    QVERIFY(transport->written.isEmpty());

    for (int tick = 1; tick <= 4; ++tick) {
        model->onSendMessageTimerTimeout();
        QCOMPARE(transport->written.size(), qMin(tick, 3));
    }
    QCOMPARE(quint8(transport->written.at(0).at(10)), quint8(FunctionType::HeartBeat));
    QCOMPARE(transport->written.at(1).mid(34, 3), QByteArray::fromHex("020203"));
    QCOMPARE(transport->written.at(2).mid(34, 2), QByteArray::fromHex("0102"));
}

void SendQueueTest::pacingTimerDrainsTheQueue()
{
    model->sendHeartBeat();
    model->sendStopMeasurement();
    QTRY_COMPARE(transport->written.size(), 2);
    QCOMPARE(quint8(transport->written.at(1).at(10)), quint8(FunctionType::StopMeasurement));
}

void SendQueueTest::everySenderBuildsItsCommand()
{
    struct Command {
        std::function<void()> send;
        int functionType;
        int functionCode;
        int version;
        QByteArray arguments;
    };
    const QList<Command> commands = {
        {[this] {
             model->sendBroadcast();
         },
         255,
         1,
         0,
         {}},
        {[this] {
             model->sendHeartBeat();
         },
         1,
         1,
         0,
         {}},
        {[this] {
             model->sendMeasureSettings(1, 2, 3);
         },
         2, 0, 0, QByteArray::fromHex("010203")},
        {[this] {
             model->sendStartMeasurement();
         },
         3,
         1,
         0,
         {}},
        {[this] {
             model->sendGetOnePacket(7);
         },
         5, 1, 0, QByteArray::fromHex("0007")},
        {[this] {
             model->sendGetNeedlePosition();
         },
         6,
         1,
         0,
         {}},
        {[this] {
             model->sendStartCalibration(2);
         },
         11, 0, 0, QByteArray::fromHex("02")},
        {[this] {
             model->sendGetCalibrationStatus();
         },
         20,
         1,
         0,
         {}},
        {[this] {
             model->sendStopMeasurement();
         },
         22,
         1,
         0,
         {}},
        {[this] {
             model->sendConfirmNeedlePosition();
         },
         23,
         1,
         0,
         {}},
        {[this] {
             model->sendRequestNeedlePosition();
         },
         24,
         1,
         0,
         {}},
        {[this] {
             model->sendUpdateCalibrationFactor(1.0f);
         },
         25, 3, 0, QByteArray::fromHex("3F800000")},
        {[this] {
             model->sendGetCalibrationFactor();
         },
         25,
         1,
         0,
         {}},
        {[this] {
             model->sendGetExecutingMachineDataCount();
         },
         26,
         1,
         1,
         {}},
        {[this] {
             model->sendGetExecutingMachineData(1);
         },
         27, 1, 1, QByteArray::fromHex("0001")},
    };
    MessageLog messages;
    for (const Command &command : commands) {
        command.send();
        model->onSendMessageTimerTimeout();
        ProtocolFrame frame;
        QVERIFY(!transport->written.isEmpty());
        parseFrame(frame, transport->written.takeLast());
        QCOMPARE(int(frame.functionType), command.functionType);
        QCOMPARE(int(frame.functionCode), command.functionCode);
        QCOMPARE(int(frame.version), command.version);
        QCOMPARE(frame.payload, payloadPrefix() + command.arguments);
    }
    QCOMPARE(messages.lines(), QStringList{"发送校准系数获取"});
}

void SendQueueTest::queueIsBounded()
{
    for (int i = 0; i < NetworkModel::kMaxQueuedFrames + 10; ++i)
        model->sendHeartBeat();
    QCOMPARE(model->queuedFrameCount(), NetworkModel::kMaxQueuedFrames);
    model->onSendMessageTimerTimeout();
    model->sendStartMeasurement();
    QCOMPARE(model->queuedFrameCount(), NetworkModel::kMaxQueuedFrames);
}

QTEST_GUILESS_MAIN(SendQueueTest)
#include "SendQueueTest.moc"
