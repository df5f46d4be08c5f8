#pragma once

#include "DataSave.h"

#include <QByteArray>

constexpr int kDataSaveSize = int(sizeof(DATA_SAVE));

// The caller hands at least kDataSaveSize bytes in wire order.
DATA_SAVE decodeDataSave(const QByteArray &bytes);
QByteArray encodeDataSave(const DATA_SAVE &record);
