#include "SettingsData.h"

#include <QDebug>

namespace {
int inRange(int index, int count, const char *name)
{
    if (index >= 0 && index < count)
        return index;
    qDebug() << "setting out of range:" << name << index;
    return 0;
}
}

SettingsData SettingsData::withinRange() const
{
    SettingsData checked;
    checked.calculateStandard = inRange(calculateStandard, calculateStandardCount, "calculateStandard");
    checked.shapeRemoval = inRange(shapeRemoval, shapeRemovalCount, "shapeRemoval");
    checked.waveFilter = inRange(waveFilter, waveFilterCount, "waveFilter");
    checked.cutoffWavelengthS = inRange(cutoffWavelengthS, cutoffWavelengthSCount, "cutoffWavelengthS");
    checked.cutoffWavelengthC = inRange(cutoffWavelengthC, cutoffWavelengthCCount, "cutoffWavelengthC");
    checked.samplingLength = inRange(samplingLength, samplingLengthCount, "samplingLength");
    checked.samplingNumber = inRange(samplingNumber, samplingNumberCount, "samplingNumber");
    checked.measureRange = inRange(measureRange, measureRangeCount, "measureRange");
    return checked;
}
