// The parameter calculators that algoCalcParms dispatches to. Each leaves raw
// values (raw height units, lengths in points) in Value1 of its entries.
#ifndef KAVRIX_PARMCALCULATORS_H
#define KAVRIX_PARMCALCULATORS_H

#include "Kavrix.h"

void algoCalcRoughness(ParaRecord *para);
void algoCalcWaviness(ParaRecord *para);
void algoCalcMaterialRatio(ParaRecord *para);
void algoCalcPrimaryMotif(ParaRecord *para);

#endif
