#include "ParmCalculators.h"
#include "ProfileElements.h"
#include "ProfileStatistics.h"

// Statistics and element quantities of one curve, with the element threshold
// at 10 % of its total height.
struct CurveQuantities {
    ProfileStatistics Stats;
    ElementQuantities Elements;
};

static CurveQuantities curveQuantities(const ParaRecord *para, const DataArray *curve)
{
    CurveQuantities q;
    q.Stats = algoProfileStatistics(curve, algoSlopeFactor(para));
    ProfileElements elements;
    algoAllocProfileElements(curve, &elements);
    algoFindProfileElements(curve, 0.1 * q.Stats.TotalHeight, &elements);
    q.Elements = algoElementQuantities(&elements, algoCurveLengthMm(para, curve));
    algoFreeProfileElements(&elements);
    return q;
}

void algoCalcRoughness(ParaRecord *para)
{
    const CurveQuantities q = curveQuantities(para, &para->RArray);
    const ProfileStatistics &s = q.Stats;
    const ElementQuantities &e = q.Elements;
    const double values[KAVRIX_R_COUNT] = {
        s.MeanAbs,         s.Rms,          s.Skewness,       s.Kurtosis,
        s.PeakHeight,      s.ValleyDepth,  s.TotalHeight,    e.Height,
        s.TotalHeight,     e.CrossingSpacing, e.PeakSpacing, s.MeanSlope,
        s.RmsSlope,        e.TenPointHeight, e.ThirdPointHeight, e.PeakDensity,
        s.MeanWavelength,  s.RmsWavelength, s.LengthRatio,
    };
    for (int slot = 0; slot < KAVRIX_R_COUNT; ++slot)
        para->Results[KAVRIX_R_FIRST + slot].Value1 = values[slot];
}

void algoCalcWaviness(ParaRecord *para)
{
    const CurveQuantities q = curveQuantities(para, &para->WArray);
    const ProfileStatistics &s = q.Stats;
    const ElementQuantities &e = q.Elements;
    const double values[KAVRIX_W_COUNT] = {
        s.MeanAbs,     s.Rms,         s.Skewness,    s.Kurtosis,
        s.PeakHeight,  s.ValleyDepth, s.TotalHeight, e.Height,
        s.TotalHeight, e.CrossingSpacing, s.RmsSlope, e.PeakDensity,
    };
    for (int slot = 0; slot < KAVRIX_W_COUNT; ++slot)
        para->Results[KAVRIX_W_FIRST + slot].Value1 = values[slot];
}
