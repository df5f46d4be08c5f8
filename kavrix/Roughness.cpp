#include "ParmCalculators.h"
#include "ProfileElements.h"
#include "ProfileStatistics.h"

void algoCalcRoughness(ParaRecord *para)
{
    const CurveQuantities q = algoCurveQuantities(para, &para->RArray, nullptr);
    const ProfileStatistics &s = q.Stats;
    const ElementQuantities &e = q.Elements;
    algoWriteValues(para, KAVRIX_R_FIRST,
                    {s.MeanAbs, s.Rms, s.Skewness, s.Kurtosis, s.PeakHeight, s.ValleyDepth, s.TotalHeight, e.Height,
                     s.TotalHeight, e.CrossingSpacing, e.PeakSpacing, s.MeanSlope, s.RmsSlope, e.TenPointHeight,
                     e.ThirdPointHeight, e.PeakDensity, s.MeanWavelength, s.RmsWavelength, s.LengthRatio});
}

void algoCalcWaviness(ParaRecord *para)
{
    const CurveQuantities q = algoCurveQuantities(para, &para->WArray, nullptr);
    algoWriteValues(para, KAVRIX_W_FIRST,
                    {q.Stats.MeanAbs, q.Stats.Rms, q.Stats.Skewness, q.Stats.Kurtosis, q.Stats.PeakHeight,
                     q.Stats.ValleyDepth, q.Stats.TotalHeight, q.Elements.Height, q.Stats.TotalHeight,
                     q.Elements.CrossingSpacing, q.Stats.RmsSlope, q.Elements.PeakDensity});
}
