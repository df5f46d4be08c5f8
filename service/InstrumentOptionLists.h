#pragma once

#include <QStringList>

// The texts of the option codes an instrument record carries, in code order.
struct InstrumentOptionLists {
    QStringList ranges;
    QStringList standards;
    QStringList filters;
    QStringList samplingLengths;
};
