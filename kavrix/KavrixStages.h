// The stages that kavrix() runs after a successful preparation, in the order
// it calls them, and the automatic cut-off choices of the condition tests.
#ifndef KAVRIX_KAVRIXSTAGES_H
#define KAVRIX_KAVRIXSTAGES_H

#include "Kavrix.h"

void algoAutoLc(ParaRecord *para);
void algoAutoLs(ParaRecord *para);

class EvalWorkspace;

// The stages work in the record's workspace when given one, else in memory
// of their own.
void algoFilterProfile(ParaRecord *para, EvalWorkspace *work = nullptr);
void algoCalcParms(ParaRecord *para);
void algoFormatResults(ParaRecord *para);
// False when a curve holds a height that is not finite afterwards.
bool algoScaleCurves(ParaRecord *para);

#endif
