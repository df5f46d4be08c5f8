#include "KavrixStages.h"
void algoFilterProfile(ParaRecord *) {}
void algoScaleCurves(ParaRecord *) {}
