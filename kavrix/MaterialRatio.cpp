#include "ParmCalculators.h"
void algoCalcMaterialRatio(ParaRecord *) {}
