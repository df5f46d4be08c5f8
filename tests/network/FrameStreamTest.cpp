#include "HexBytes.h"
#include "MessageLog.h"

#include "FrameStream.h"
#include "ProtocolCodec.h"
#include "ProtocolFrame.h"
#include "ProtocolIds.h"

#include <QtTest>

namespace {

QByteArray replyBytes(quint8 functionType, const QByteArray &values)
{
    return serializedFrame(
        makeFrame(0, FunctionCode::Reply, kCompanyCode, kProductCode, functionType, payloadPrefix() + values));
}

// Three frames as the unit sends them; the package holds the header and the
// tail patterns among its samples.
QList<QByteArray> sampleFrames()
{
    return {replyBytes(FunctionType::HeartBeat, "SIM0001"),
            replyBytes(FunctionType::GetOnePacket, hex("00 01 FE E1 90 0D 00 00 00 02 0D 90 E1 FE 00 00 00 00")),
            replyBytes(FunctionType::NeedlePosition, hex("80 00"))};
}

QList<QByteArray> payloads(const QList<ProtocolFrame> &frames)
{
    QList<QByteArray> result;
    for (const ProtocolFrame &frame : frames)
        result.append(frame.payload);
    return result;
}

QList<QByteArray> payloads(const QList<QByteArray> &wires)
{
    QList<QByteArray> result;
    for (const QByteArray &wire : wires)
        result.append(wire.mid(kFrameLengthEnd, wire.size() - kFrameOverhead));
    return result;
}

}

class FrameStreamTest : public QObject
{
    Q_OBJECT

private slots:
    void validation_data();
    void validation();
    void everyCutOfTheStreamYieldsEveryFrameOnce();
    void glitchesCostOnlyTheBrokenFrame_data();
    void glitchesCostOnlyTheBrokenFrame();
    void aChunkEndingWithATailLeavesNothing();
    void wrongLengthDoesNotHoldBackLaterFrames();
    void bufferStaysBounded();
};

void FrameStreamTest::validation_data()
{
    QTest::addColumn<QByteArray>("candidate");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("log");

    const QByteArray heartbeat = replyBytes(FunctionType::HeartBeat, {});
    auto changed = [&heartbeat](int at, const char *bytes) {
        QByteArray copy = heartbeat;
        const QByteArray replacement = hex(bytes);
        copy.replace(at, replacement.size(), replacement);
        return copy;
    };
    QTest::newRow("27 bytes") << heartbeat.left(27) << false << QStringList{"数据包长度不足： 27"};
    QTest::newRow("empty payload")
        << hex("FE E1 90 0D 00 02 00 00 01 04 01 00 00 00 00 00 00 00 00 00 00 00 00 00 0D 90 E1 FE") << true
        << QStringList{};
    QTest::newRow("header") << changed(3, "0C") << false << QStringList{"包头出错： \"fe e1 90 0c\""};
    // The version is the first failure of this frame, so its line is the only one.
    QTest::newRow("version, tail too") << changed(4, "01").left(39) + hex("00") << false << QStringList{"版本错误： 1"};
    QTest::newRow("company") << changed(8, "02") << false << QStringList{"公司错误： 2"};
    QTest::newRow("product") << changed(9, "05") << false << QStringList{"产品错误： 5"};
    QTest::newRow("status") << changed(18, "00 01") << false << QStringList{"状态位出错： \"00 01\""};
    QTest::newRow("length one too small") << changed(20, "00 0B") << false << QStringList{"数据长度出错"};
    QTest::newRow("crc") << changed(34, "54 33") << false << QStringList{"CRC出错：接收  \"54 33\"  计算  \"54 32\""};
    QTest::newRow("crc low byte first") << changed(34, "32 54") << false
                                        << QStringList{"CRC出错：接收  \"32 54\"  计算  \"54 32\""};
    QTest::newRow("tail") << changed(39, "FF") << false << QStringList{"包尾出错： \"0d 90 e1 ff\""};
}

void FrameStreamTest::validation()
{
    QFETCH(QByteArray, candidate);
    QFETCH(bool, accepted);
    QFETCH(QStringList, log);
    MessageLog messages;
    ProtocolFrame frame;
    QCOMPARE(checkFrame(frame, candidate), accepted);
    QCOMPARE(messages.lines(), log);
}

void FrameStreamTest::everyCutOfTheStreamYieldsEveryFrameOnce()
{
    const QList<QByteArray> frames = sampleFrames();
    const QByteArray stream = frames.join();
    for (int cut = 0; cut <= stream.size(); ++cut) {
        QByteArray buffer = stream.left(cut);
        QList<ProtocolFrame> received = splitFrames(buffer);
        buffer.append(stream.mid(cut));
        received += splitFrames(buffer);
        QCOMPARE(payloads(received), payloads(frames));
        QVERIFY(buffer.isEmpty());
    }

    QByteArray buffer;
    QList<ProtocolFrame> received;
    for (char byte : stream) {
        buffer.append(byte);
        received += splitFrames(buffer);
    }
    QCOMPARE(payloads(received), payloads(frames));
}

void FrameStreamTest::glitchesCostOnlyTheBrokenFrame_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<QByteArray>>("expected");

    const QList<QByteArray> frames = sampleFrames();
    QByteArray badCrc = frames.at(1);
    badCrc[badCrc.size() - 5] = char(badCrc.at(badCrc.size() - 5) ^ 1);

    QTest::newRow("glued") << frames.join() << frames;
    QTest::newRow("garbage before and between")
        << hex("00 FF FE E1 90") + frames.at(0) + hex("12 0D 90 E1 FE") + frames.at(2)
        << QList<QByteArray>{frames.at(0), frames.at(2)};
    QTest::newRow("bad crc in the middle")
        << frames.at(0) + badCrc + frames.at(2) << QList<QByteArray>{frames.at(0), frames.at(2)};
    QTest::newRow("frame cut short") << frames.at(0) + frames.at(1).left(30) + frames.at(2)
                                     << QList<QByteArray>{frames.at(0), frames.at(2)};
}

void FrameStreamTest::glitchesCostOnlyTheBrokenFrame()
{
    QFETCH(QByteArray, stream);
    QFETCH(QList<QByteArray>, expected);
    QByteArray buffer = stream;
    QCOMPARE(payloads(splitFrames(buffer)), payloads(expected));
    QVERIFY(buffer.isEmpty());
}

void FrameStreamTest::aChunkEndingWithATailLeavesNothing()
{
    const QList<QByteArray> frames = sampleFrames();
    QByteArray buffer = frames.at(0) + frames.at(2).left(10);
    QCOMPARE(splitFrames(buffer).size(), 1);
    QCOMPARE(buffer, frames.at(2).left(10));
    buffer.append(frames.at(2).mid(10));
    QCOMPARE(splitFrames(buffer).size(), 1);
    QVERIFY(buffer.isEmpty());
}

void FrameStreamTest::wrongLengthDoesNotHoldBackLaterFrames()
{
    // A header whose length field was hit claims far more bytes than follow.
    QByteArray broken = sampleFrames().at(2);
    broken.replace(20, 2, hex("FF F0"));
    const QByteArray good = sampleFrames().at(0);
    QByteArray buffer = broken + good;
    QCOMPARE(payloads(splitFrames(buffer)), payloads({good}));
    QVERIFY(buffer.isEmpty());
}

void FrameStreamTest::bufferStaysBounded()
{
    QByteArray buffer(1 << 20, char(0x5A));
    buffer.append(hex("FE E1"));
    QVERIFY(splitFrames(buffer).isEmpty());
    QCOMPARE(buffer, hex("FE E1"));

    // The largest frame a length field can announce is all that is kept.
    buffer = hex("FE E1 90 0D 00 02 00 00 01 04 05 00 00 00 00 00 00 00 00 00 FF FF");
    buffer.append(QByteArray(200000, char(0x11)));
    QVERIFY(splitFrames(buffer).isEmpty());
    QVERIFY(buffer.size() < kFrameOverhead + 0xFFFF);
}

QTEST_GUILESS_MAIN(FrameStreamTest)
#include "FrameStreamTest.moc"
