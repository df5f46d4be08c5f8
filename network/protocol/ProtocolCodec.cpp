#include "ProtocolCodec.h"

#include <algorithm>
#include <cstring>

namespace {

quint32 readBigEndian(const QByteArray &bytes, int width)
{
    if (bytes.size() < width)
        return 0;
    const auto *last = reinterpret_cast<const uchar *>(bytes.constData()) + bytes.size() - width;
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | last[i];
    return value;
}

}

quint16 crc16Modbus(const uchar *data, int count)
{
    quint16 crc = 0xFFFF;
    for (int i = 0; i < count; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            const bool carry = crc & 1;
            crc >>= 1;
            if (carry)
                crc ^= 0xA001;
        }
    }
    return crc;
}

quint16 crcOfBytes(const uchar *data, int count)
{
    return count > 0 ? crc16Modbus(data, count) : 0;
}

QByteArray crcBytes(const QByteArray &bytes)
{
    return toBigEndian16(crcOfBytes(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size()));
}

QByteArray toBigEndian16(quint16 value)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(value >> 8);
    bytes[1] = char(value & 0xFF);
    return bytes;
}

QByteArray toBigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (24 - 8 * i)) & 0xFF);
    return bytes;
}

QByteArray toBigEndian32(qint32 value)
{
    return toBigEndian32(quint32(value));
}

QByteArray toBigEndian32(float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return toBigEndian32(bits);
}

quint8 fromBigEndianU8(const QByteArray &bytes)
{
    return quint8(readBigEndian(bytes, 1));
}

quint16 fromBigEndianU16(const QByteArray &bytes)
{
    return quint16(readBigEndian(bytes, 2));
}

qint32 fromBigEndianI32(const QByteArray &bytes)
{
    return qint32(readBigEndian(bytes, 4));
}

float fromBigEndianFloat(const QByteArray &bytes)
{
    const quint32 bits = readBigEndian(bytes, 4);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void reverseBytes(QByteArray &bytes)
{
    std::reverse(bytes.begin(), bytes.end());
}
