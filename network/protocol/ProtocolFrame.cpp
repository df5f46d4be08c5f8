#include "ProtocolFrame.h"

#include "ProtocolCodec.h"

QByteArray frameHeaderBytes()
{
    return QByteArray::fromHex("FEE1900D");
}

QByteArray frameTailBytes()
{
    return QByteArray::fromHex("0D90E1FE");
}

QByteArray zeroBytes(int count)
{
    return QByteArray(count, '\0');
}

QByteArray payloadPrefix()
{
    return QByteArray::fromHex("0102030405060708090A0B0C");
}

void serializeFrame(const ProtocolFrame &frame, QByteArray &out)
{
    out.clear();
    out.append(frame.header);
    out.append(char(frame.version));
    out.append(char(frame.functionCode));
    out.append(frame.reserved1);
    out.append(char(frame.companyCode));
    out.append(char(frame.productCode));
    out.append(char(frame.functionType));
    out.append(frame.reserved2);
    out.append(frame.status);
    out.append(frame.length);
    out.append(frame.payload);
    out.append(frame.crc);
    out.append(frame.tail);
}

void parseFrame(ProtocolFrame &frame, const QByteArray &bytes)
{
    const int size = bytes.size();
    frame.header = bytes.mid(0, 4);
    frame.version = quint8(bytes.at(4));
    frame.functionCode = quint8(bytes.at(5));
    frame.reserved1 = bytes.mid(6, 2);
    frame.companyCode = quint8(bytes.at(8));
    frame.productCode = quint8(bytes.at(9));
    frame.functionType = quint8(bytes.at(10));
    frame.reserved2 = bytes.mid(11, 7);
    frame.status = bytes.mid(18, 2);
    frame.length = bytes.mid(20, 2);
    frame.payload = bytes.mid(22, size - kFrameOverhead);
    frame.crc = bytes.mid(size - 6, 2);
    frame.tail = bytes.right(4);
}

ProtocolFrame makeFrame(quint8 version, quint8 functionCode, quint8 companyCode, quint8 productCode,
                        quint8 functionType, const QByteArray &payload)
{
    ProtocolFrame frame;
    frame.header = frameHeaderBytes();
    frame.version = version;
    frame.functionCode = functionCode;
    frame.reserved1 = zeroBytes(2);
    frame.companyCode = companyCode;
    frame.productCode = productCode;
    frame.functionType = functionType;
    frame.reserved2 = zeroBytes(7);
    frame.status = zeroBytes(2);
    frame.payload = payload;
    frame.length = toBigEndian16(quint16(payload.size()));
    frame.crc = crcBytes(payload);
    frame.tail = frameTailBytes();
    return frame;
}

QByteArray serializedFrame(const ProtocolFrame &frame)
{
    QByteArray bytes;
    serializeFrame(frame, bytes);
    return bytes;
}
