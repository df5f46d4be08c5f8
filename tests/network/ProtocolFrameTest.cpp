#include "HexBytes.h"

#include "CommandFrames.h"
#include "ProtocolCodec.h"
#include "ProtocolFrame.h"

#include <QtTest>

class ProtocolFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void crcOfPayloads_data();
    void crcOfPayloads();
    void commandFramesMatchTheWire_data();
    void commandFramesMatchTheWire();
    void parsingAndSerialisingGiveTheSameBytes();
    void decoders_data();
    void decoders();
    void encoders();
};

void ProtocolFrameTest::crcOfPayloads_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("crc");
    QTest::newRow("empty payload") << QByteArray() << hex("00 00");
    QTest::newRow("bare prefix") << payloadPrefix() << hex("54 32");
    QTest::newRow("settings 2 2 3") << payloadPrefix() + hex("02 02 03") << hex("AE 7F");
    QTest::newRow("package 0") << payloadPrefix() + hex("00 00") << hex("9F 14");
    QTest::newRow("factor 1.0") << payloadPrefix() + hex("3F 80 00 00") << hex("94 42");
    QTest::newRow("record 1") << payloadPrefix() + hex("00 01") << hex("5F D5");
    // The standard check value of CRC-16/MODBUS, sent high byte first.
    QTest::newRow("check value") << QByteArray("123456789") << hex("4B 37");
}

void ProtocolFrameTest::crcOfPayloads()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, crc);
    QCOMPARE(crcBytes(payload), crc);
}

void ProtocolFrameTest::commandFramesMatchTheWire_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("wire");
    const char *prefix = "01 02 03 04 05 06 07 08 09 0A 0B 0C";
    auto wire = [prefix](const char *head, const char *rest) {
        return hex(head) + hex(prefix) + hex(rest);
    };
    QTest::newRow("heartbeat") << serializedFrame(buildHeartBeatFrame())
                               << wire("FE E1 90 0D 00 01 00 00 01 04 01 00 00 00 00 00 00 00 00 00 00 0C",
                                       "54 32 0D 90 E1 FE");
    QTest::newRow("settings") << serializedFrame(buildMeasureSettingsFrame(2, 2, 3))
                              << wire("FE E1 90 0D 00 00 00 00 01 04 02 00 00 00 00 00 00 00 00 00 00 0F",
                                      "02 02 03 AE 7F 0D 90 E1 FE");
    QTest::newRow("package 0") << serializedFrame(buildGetOnePacketFrame(0))
                               << wire("FE E1 90 0D 00 01 00 00 01 04 05 00 00 00 00 00 00 00 00 00 00 0E",
                                       "00 00 9F 14 0D 90 E1 FE");
    QTest::newRow("factor 1.0") << serializedFrame(buildUpdateCalibrationFactorFrame(1.0f))
                                << wire("FE E1 90 0D 00 03 00 00 01 04 19 00 00 00 00 00 00 00 00 00 00 10",
                                        "3F 80 00 00 94 42 0D 90 E1 FE");
    QTest::newRow("record 1") << serializedFrame(buildGetExecutingMachineDataFrame(1))
                              << wire("FE E1 90 0D 01 01 00 00 01 04 1B 00 00 00 00 00 00 00 00 00 00 0E",
                                      "00 01 5F D5 0D 90 E1 FE");
    QTest::newRow("broadcast") << serializedFrame(buildBroadcastFrame())
                               << wire("FE E1 90 0D 00 01 00 00 FF FF FF 00 00 00 00 00 00 00 00 00 00 0C",
                                       "54 32 0D 90 E1 FE");
}

void ProtocolFrameTest::commandFramesMatchTheWire()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, wire);
    QCOMPARE(frame.toHex(' '), wire.toHex(' '));
}

void ProtocolFrameTest::parsingAndSerialisingGiveTheSameBytes()
{
    const QByteArray wire = serializedFrame(buildMeasureSettingsFrame(2, 2, 3));
    ProtocolFrame frame;
    parseFrame(frame, wire);
    QCOMPARE(frame.functionType, quint8(2));
    QCOMPARE(frame.payload, payloadPrefix() + hex("02 02 03"));
    QCOMPARE(frame.crc, hex("AE 7F"));
    QCOMPARE(serializedFrame(frame), wire);
}

void ProtocolFrameTest::decoders_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("u8");
    QTest::addColumn<qint64>("u16");
    QTest::addColumn<qint64>("i32");
    QTest::newRow("01 02") << hex("01 02") << qint64(2) << qint64(258) << qint64(0);
    QTest::newRow("FF FF FF FE") << hex("FF FF FF FE") << qint64(254) << qint64(65534) << qint64(-2);
    // Longer arrays are read from their end, as the record count needs.
    QTest::newRow("count at the end") << hex("01 02 03 04 05 06 00 07") << qint64(7) << qint64(7) << qint64(0x05060007);
    QTest::newRow("too short") << hex("07") << qint64(7) << qint64(0) << qint64(0);
    QTest::newRow("empty") << QByteArray() << qint64(0) << qint64(0) << qint64(0);
}

void ProtocolFrameTest::decoders()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, u8);
    QFETCH(qint64, u16);
    QFETCH(qint64, i32);
    QCOMPARE(qint64(fromBigEndianU8(bytes)), u8);
    QCOMPARE(qint64(fromBigEndianU16(bytes)), u16);
    QCOMPARE(qint64(fromBigEndianI32(bytes)), i32);
}

void ProtocolFrameTest::encoders()
{
    QCOMPARE(fromBigEndianFloat(hex("3F 80 00 00")), 1.0f);
    QCOMPARE(toBigEndian32(1.0f), hex("3F 80 00 00"));
    QCOMPARE(toBigEndian32(qint32(-2)), hex("FF FF FF FE"));
    QCOMPARE(toBigEndian16(258), hex("01 02"));
    QByteArray bytes = hex("01 02 03");
    reverseBytes(bytes);
    QCOMPARE(bytes, hex("03 02 01"));
}

QTEST_GUILESS_MAIN(ProtocolFrameTest)
#include "ProtocolFrameTest.moc"
