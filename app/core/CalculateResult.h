#ifndef CALCULATERESULT_H
#define CALCULATERESULT_H

#include "ParameterEntry.h"

#include <QList>

struct CalculateResult {
    // The two ends of the calculate range, sample indexes in either order.
    int left = 0;
    int right = 0;
    QList<ParameterEntry> parameters;
    QList<ParameterEntry> abbottParameters;
    // Raw instrument counts in sampling order.
    QList<double> measureDataList;
    QList<double> shapeRemovalDataList_y;
    QList<double> wavinessDataList_y;
    QList<double> roughnessDataList_y;
    QList<double> abbottFirestoneDataList_y;
    QList<double> amplitudeCurveDataList_y;
    QList<double> shapeRemovalDataList_x;
    QList<double> wavinessDataList_x;
    QList<double> roughnessDataList_x;
    QList<double> abbottFirestoneDataList_x;
    QList<double> amplitudeCurveDataList_x;
};

#endif
