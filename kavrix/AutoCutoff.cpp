#include "AlgoArray.h"
#include "AlgoFilter.h"
#include "KavrixStages.h"

#include <cmath>

namespace {

const int ClassCount = 6;
// Upper bound (included) of each Ra class in micrometres; the lower bound,
// excluded, is the class before's upper bound, 0 for the first.
const double RaUpper[ClassCount] = {0.006, 0.02, 0.1, 2.0, 10.0, 80.0};
const double LcChoices[ClassCount] = {0.025, 0.08, 0.25, 0.8, 2.5, 8.0};
const int FallbackClass = 4;

// 1 to 6, or 0 when no class holds the value (a NaN included).
int raClass(double ra)
{
    double lower = 0.0;
    for (int c = 0; c < ClassCount; ++c) {
        if (ra > lower && ra <= RaUpper[c])
            return c + 1;
        lower = RaUpper[c];
    }
    return 0;
}

bool near(double value, double target)
{
    return std::fabs(value - target) < 0.001;
}

} // namespace

extern "C" KAVRIX_API int kavrixGetLcOption(double ra)
{
    const int c = raClass(ra);
    return c != 0 ? c : FallbackClass;
}

void algoAutoLc(ParaRecord *para)
{
    const int n = para->RawArray.N;
    const double length = para->Cond.EvalLength;
    para->Cond.Lc = LcChoices[FallbackClass - 1];
    if (n < 1 || !(length > 0.0) || para->RArray.Y == nullptr)
        return;
    DataArray residual{n, para->RArray.Y, para->RArray.X};
    for (int c = 0; c < ClassCount; ++c) {
        algoFilterDP(&para->RawArray, &residual, n * LcChoices[c] / length, 1);
        const double ra = algoMeanAbs(&residual) * para->Cond.ParmZMag;
        if (raClass(ra) == c + 1) {
            para->Cond.Lc = LcChoices[c];
            return;
        }
    }
}

void algoAutoLs(ParaRecord *para)
{
    const double lc = para->Cond.Lc;
    if (near(lc, 0.025) || near(lc, 0.08) || near(lc, 0.25) || near(lc, 0.8))
        para->Cond.Ls = 0.0025;
    else if (near(lc, 2.5))
        para->Cond.Ls = 0.008;
    else if (near(lc, 8.0))
        para->Cond.Ls = 0.025;
}
