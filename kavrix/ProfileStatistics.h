// Height and slope statistics that the roughness, waviness and primary-profile
// calculators share. Heights stay in raw units and lengths in points; only the
// length ratio is finished here, because it cannot be rescaled afterwards.
#ifndef KAVRIX_PROFILESTATISTICS_H
#define KAVRIX_PROFILESTATISTICS_H

#include "Kavrix.h"

#include <initializer_list>

struct ProfileStatistics {
    double MeanAbs;
    double Rms;
    double Skewness;
    double Kurtosis;
    double PeakHeight;
    double ValleyDepth;
    double TotalHeight;
    double MeanSlope;
    double RmsSlope;
    double MeanWavelength;
    double RmsWavelength;
    double LengthRatio;
};

// Every quantity that cannot be formed (an empty or flat curve, fewer than
// seven points for the slope) is 0, never NaN or infinite; heights whose
// sums overflow leave non-finite values. slopeFactor turns a raw slope
// (height units per point) into a true one (μm per μm).
ProfileStatistics algoProfileStatistics(const DataArray *curve, double slopeFactor);

double algoSlopeFactor(const ParaRecord *para);
double algoCurveLengthMm(const ParaRecord *para, const DataArray *curve);

// Value1 of the entries from `first` on, one per value, in slot order.
void algoWriteValues(ParaRecord *para, int first, std::initializer_list<double> values);

// num / den, or 0 where the quotient is not a finite number.
double algoSafeRatio(double num, double den);

#endif
