#pragma once

#include <QByteArray>
#include <QtGlobal>

// CRC and big-endian value codecs of the drive-unit protocol. Every
// multi-byte number on the link is sent most significant byte first.

quint16 crc16Modbus(const uchar *data, int count);
quint16 crcOfBytes(const uchar *data, int count);
QByteArray crcBytes(const QByteArray &bytes);

QByteArray toBigEndian16(quint16 value);
QByteArray toBigEndian32(quint32 value);
QByteArray toBigEndian32(qint32 value);
QByteArray toBigEndian32(float value);

// A decoder given more bytes than its width reads the last ones, which is
// how the record count is taken from the end of its payload. Given fewer it
// reads 0: a short field never reads memory it does not own.
quint8 fromBigEndianU8(const QByteArray &bytes);
quint16 fromBigEndianU16(const QByteArray &bytes);
qint32 fromBigEndianI32(const QByteArray &bytes);
float fromBigEndianFloat(const QByteArray &bytes);

void reverseBytes(QByteArray &bytes);
