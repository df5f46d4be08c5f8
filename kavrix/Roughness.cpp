#include "ParmCalculators.h"
void algoCalcRoughness(ParaRecord *) {}
void algoCalcWaviness(ParaRecord *) {}
