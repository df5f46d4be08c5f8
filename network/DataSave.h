#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QtGlobal>

// One measurement record kept in the instrument's memory, 108 bytes.
struct DATA_SAVE
{
    quint8 head0;
    quint8 calculateStandard;
    quint8 samplingLength;
    quint8 samplingNumber;
    quint8 measureRange;
    quint8 filter;
    quint8 head6;
    quint8 head7;
    float values[24];
    quint16 wordValues[2];
};
static_assert(sizeof(DATA_SAVE) == 108, "the record is 108 bytes on the wire");

Q_DECLARE_METATYPE(DATA_SAVE)

constexpr int kDataSaveSize = int(sizeof(DATA_SAVE));

// The caller hands at least kDataSaveSize bytes in wire order.
DATA_SAVE decodeDataSave(const QByteArray &bytes);
QByteArray encodeDataSave(const DATA_SAVE &record);
