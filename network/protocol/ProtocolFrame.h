#pragma once

#include <QByteArray>
#include <QtGlobal>

// One drive-unit frame as fields. Multi-byte fields stay in wire order.
struct ProtocolFrame {
    QByteArray header;
    quint8 version = 0;
    quint8 functionCode = 0;
    QByteArray reserved1;
    quint8 companyCode = 0;
    quint8 productCode = 0;
    quint8 functionType = 0;
    QByteArray reserved2;
    QByteArray status;
    QByteArray length;
    QByteArray payload;
    QByteArray crc;
    QByteArray tail;
};

// Header, fixed fields, length, CRC and tail around a payload: 28 bytes.
constexpr int kFrameOverhead = 28;
// The length field sits at bytes 20 and 21, so these many bytes tell the size.
constexpr int kFrameLengthEnd = 22;

QByteArray frameHeaderBytes();
QByteArray frameTailBytes();
QByteArray zeroBytes(int count);
QByteArray payloadPrefix();

void serializeFrame(const ProtocolFrame &frame, QByteArray &out);
// The caller hands at least kFrameOverhead bytes.
void parseFrame(ProtocolFrame &frame, const QByteArray &bytes);

// A frame with the fixed fields filled in, the length and the CRC computed
// over the given payload.
ProtocolFrame makeFrame(quint8 version, quint8 functionCode, quint8 companyCode, quint8 productCode,
                        quint8 functionType, const QByteArray &payload);
QByteArray serializedFrame(const ProtocolFrame &frame);
