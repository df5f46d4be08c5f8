#ifndef MEASUREDATAFILE_H
#define MEASUREDATAFILE_H

#include "CalculateResult.h"
#include "MeasureDataFileInfo.h"

struct MeasureDataFile {
    MeasureDataFileInfo measureDataInfo;
    CalculateResult calcutateResult;
};

#endif
