#include "Kavrix.h"

#include "KavrixPrepare.h"
#include "KavrixStages.h"

void kavrix(ParaRecord *para)
{
    if (!para) {
        return;
    }
    para->Valid = 1;
    algoPrepare(para);
    if (para->Mode == 0 || para->Mode == 1 || para->Valid == 0) {
        return;
    }
    algoFilterProfile(para);
    algoCalcParms(para);
    algoFormatResults(para);
    algoScaleCurves(para);
}
