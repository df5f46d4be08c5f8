#include "KavrixStages.h"
#include "ParmCalculators.h"
#include "ProfileStatistics.h"

#include <cmath>

void algoCalcParms(ParaRecord *para)
{
    if (para->ROn == 1)
        algoCalcRoughness(para);
    if (para->WOn == 1)
        algoCalcWaviness(para);
    if (para->POn == 1 || para->MotifOn == 1)
        algoCalcPrimaryMotif(para);
    if (para->MrOn == 1)
        algoCalcMaterialRatio(para);
}

void algoWriteValues(ParaRecord *para, int first, std::initializer_list<double> values)
{
    ParmResult *entry = para->Results + first;
    for (double v : values)
        (entry++)->Value1 = v;
}

double algoSafeRatio(double num, double den)
{
    if (den == 0.0)
        return 0.0;
    const double q = num / den;
    return std::isfinite(q) ? q : 0.0;
}

double algoSlopeFactor(const ParaRecord *para)
{
    return algoSafeRatio(para->Cond.ParmZMag * para->RawArray.N, para->Cond.EvalLength * 1000.0);
}

double algoCurveLengthMm(const ParaRecord *para, const DataArray *curve)
{
    return algoSafeRatio(curve->N * para->Cond.EvalLength, para->RawArray.N);
}

// The seven-point first derivative, in height units per point.
static double localSlope(const double *z, int i)
{
    return std::fabs(z[i + 3] - 9.0 * z[i + 2] + 45.0 * z[i + 1] - 45.0 * z[i - 1] + 9.0 * z[i - 2] - z[i - 3]) *
           0.016666666666666666;
}

ProfileStatistics algoProfileStatistics(const DataArray *curve, double slopeFactor)
{
    ProfileStatistics st{};
    const int n = curve->N;
    if (n <= 0)
        return st;

    const double *z = curve->Y;
    double sumAbs = 0.0, sum2 = 0.0, sum3 = 0.0, sum4 = 0.0;
    double highest = z[0], lowest = z[0];
    double sumSlope = 0.0, sumSlope2 = 0.0, sumLength = 0.0;
    for (int i = 0; i < n; ++i) {
        const double v = z[i];
        const double v2 = v * v;
        sumAbs += std::fabs(v);
        sum2 += v2;
        sum3 += v2 * v;
        sum4 += v2 * v2;
        if (v > highest)
            highest = v;
        if (v < lowest)
            lowest = v;
        if (i >= 3 && i <= n - 4) {
            const double s = localSlope(z, i);
            const double scaled = s * slopeFactor;
            sumSlope += s;
            sumSlope2 += s * s;
            sumLength += std::sqrt(1.0 + scaled * scaled);
        }
    }

    const double twoPi = 6.283185307178;
    st.MeanAbs = sumAbs / n;
    st.Rms = std::sqrt(sum2 / n);
    st.Skewness = algoSafeRatio(sum3 / n, st.Rms * st.Rms * st.Rms);
    // A flat curve has no kurtosis, but a fourth-power sum that overflowed
    // is no kurtosis of 0 either: it stays non-finite, and the evaluation is
    // refused.
    st.Kurtosis = std::isfinite(sum4) ? algoSafeRatio(sum4 / n, st.Rms * st.Rms * st.Rms * st.Rms) : sum4;
    st.PeakHeight = std::fabs(highest);
    st.ValleyDepth = std::fabs(lowest);
    st.TotalHeight = st.PeakHeight + st.ValleyDepth;

    const int slopePoints = n - 6;
    if (slopePoints > 0) {
        st.MeanSlope = sumSlope / slopePoints;
        st.RmsSlope = std::sqrt(sumSlope2 / slopePoints);
        st.MeanWavelength = algoSafeRatio(twoPi * st.MeanAbs, st.MeanSlope);
        st.RmsWavelength = algoSafeRatio(twoPi * st.Rms, st.RmsSlope);
        st.LengthRatio = sumLength / slopePoints;
    }
    return st;
}
