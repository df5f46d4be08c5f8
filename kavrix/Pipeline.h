// The stages of algoFilterProfile, in the order it runs them; each works on
// the record's curves in place. Heights stay in the caller's raw units until
// algoScaleCurves.
#ifndef KAVRIX_PIPELINE_H
#define KAVRIX_PIPELINE_H

#include "Kavrix.h"

class EvalWorkspace;

void algoRemoveShape(ParaRecord *para);
// These stages, and the two curve stages below, work in the record's
// workspace when given one.
void algoFilterLs(ParaRecord *para, EvalWorkspace *work = nullptr);
void algoFilterLc(ParaRecord *para, EvalWorkspace *work = nullptr);
void algoSpectrum(ParaRecord *para, EvalWorkspace *work = nullptr);
void algoAbbottCurve(ParaRecord *para, EvalWorkspace *work = nullptr);
void algoAmplitudeCurve(ParaRecord *para, EvalWorkspace *work = nullptr);

// Polyline through the points of a Bezier curve whose control points are
// taken evenly from the input; flag 1 writes input minus the polyline.
void algoSplineCurve(const DataArray *in, DataArray *out, int controlPoints, int flag);

#endif
