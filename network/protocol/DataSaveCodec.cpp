#include "DataSaveCodec.h"

#include "ProtocolCodec.h"

#include <cstring>

namespace {

constexpr int kValuesOffset = 8;
constexpr int kWordValuesOffset = 104;

}

DATA_SAVE decodeDataSave(const QByteArray &bytes)
{
    DATA_SAVE record;
    std::memcpy(&record, bytes.constData(), kValuesOffset);
    for (int i = 0; i < 24; ++i)
        record.values[i] = fromBigEndianFloat(bytes.mid(kValuesOffset + 4 * i, 4));
    for (int i = 0; i < 2; ++i)
        record.wordValues[i] = fromBigEndianU16(bytes.mid(kWordValuesOffset + 2 * i, 2));
    return record;
}

QByteArray encodeDataSave(const DATA_SAVE &record)
{
    QByteArray bytes(reinterpret_cast<const char *>(&record), kValuesOffset);
    for (float value : record.values)
        bytes.append(toBigEndian32(value));
    for (quint16 value : record.wordValues)
        bytes.append(toBigEndian16(value));
    return bytes;
}
