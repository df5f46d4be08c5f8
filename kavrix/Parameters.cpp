#include "KavrixStages.h"
void algoCalcParms(ParaRecord *) {}
