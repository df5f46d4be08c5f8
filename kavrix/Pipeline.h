// The stages of algoFilterProfile, in the order it runs them; each works on
// the record's curves in place. Heights stay in the caller's raw units until
// algoScaleCurves.
#ifndef KAVRIX_PIPELINE_H
#define KAVRIX_PIPELINE_H

#include "Kavrix.h"

class EvalWorkspace;

void algoRemoveShape(ParaRecord *para);
void algoFilterLs(ParaRecord *para);
void algoFilterLc(ParaRecord *para);
void algoSpectrum(ParaRecord *para);
// Both sort in the record's workspace when given one.
void algoAbbottCurve(ParaRecord *para, EvalWorkspace *work = nullptr);
void algoAmplitudeCurve(ParaRecord *para, EvalWorkspace *work = nullptr);

// Polyline through the points of a Bezier curve whose control points are
// taken evenly from the input; flag 1 writes input minus the polyline.
void algoSplineCurve(const DataArray *in, DataArray *out, int controlPoints, int flag);

#endif
