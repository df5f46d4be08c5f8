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
    algoFilterProfile(para, algoWorkspace(para));
    algoCalcParms(para);
    // Finite heights can still overflow on the way (their squares, a fitted
    // line, the height magnification); such an evaluation is refused like any
    // other rejected input rather than shown as zeros.
    if (!algoResultsFinite(para)) {
        algoRejectEvaluation(para);
        return;
    }
    algoFormatResults(para);
    if (!algoScaleCurves(para)) {
        algoRejectEvaluation(para);
    }
}
