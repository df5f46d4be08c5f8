// The preparation that every kavrix() call runs before any stage: buffers and
// switches, curve counts, condition tests with their effective values, and the
// reset of the results. Each step leaves Valid 0 on a rejected input.
#ifndef KAVRIX_KAVRIXPREPARE_H
#define KAVRIX_KAVRIXPREPARE_H

#include "Kavrix.h"

// Fewest points a profile, and a Gaussian or FFT filter's output, may have.
constexpr int kMinProfilePoints = 20;

void algoPrepare(ParaRecord *para);
void algoSetBuffers(ParaRecord *para);
void algoSetCurveCounts(ParaRecord *para);
void algoCheckCond(ParaRecord *para);
void algoInitResults(ParaRecord *para);

// Points the curve's buffers really hold: 0 unless both are allocated.
int algoCurveCapacity(const DataArray *curve);

class EvalWorkspace;
// The scratch space allocated with the record's buffers, or null.
EvalWorkspace *algoWorkspace(const ParaRecord *para);

// Whether every parameter value of the switched-on families is a finite number.
bool algoResultsFinite(const ParaRecord *para);

// Refuses an evaluation that has already run: Valid 0, the curve counts and
// the results as the preparation leaves them for any rejected input.
void algoRejectEvaluation(ParaRecord *para);

#endif
