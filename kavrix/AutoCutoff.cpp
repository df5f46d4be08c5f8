#include "KavrixStages.h"
void algoAutoLc(ParaRecord *para) { para->Valid = 0; }
void algoAutoLs(ParaRecord *para) { para->Valid = 0; }
extern "C" int kavrixGetLcOption(double) { return 1; }
