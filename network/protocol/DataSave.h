#pragma once

#include <QMetaType>
#include <QtGlobal>

// One measurement record as the instrument keeps it in its own memory and
// returns it on request. The layout is the wire layout, so the record can be
// copied byte for byte out of a reply; the multi-byte values arrive big-endian
// and are turned to host order by the link before the record is handed on.
struct DATA_SAVE {
    quint8 reserved0;
    quint8 calculateStandard; // index into GlobalData::instrumentStandardList
    quint8 samplingLength;    // index into GlobalData::instrumentSamplingLengthList
    quint8 samplingNumber;    // shown as the number itself
    quint8 measureRange;      // index into GlobalData::instrumentRangeList
    quint8 filter;            // index into GlobalData::instrumentFilterList
    quint8 reserved6[2];
    float values[24];      // value 0 is not shown; 1..23 are parameter rows 1..23
    quint16 wordValues[2]; // parameter rows 24 and 25
};

static_assert(sizeof(DATA_SAVE) == 108, "DATA_SAVE must match the instrument's 108-byte record");

Q_DECLARE_METATYPE(DATA_SAVE)
