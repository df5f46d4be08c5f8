#include "KavrixStages.h"
void algoFormatResults(ParaRecord *) {}
