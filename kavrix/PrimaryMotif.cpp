#include "ParmCalculators.h"
void algoCalcPrimaryMotif(ParaRecord *) {}
