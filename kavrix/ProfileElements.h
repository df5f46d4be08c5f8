// Peaks, valleys and zero crossings of a curve, found with a height
// discrimination, and the quantities derived from them.
#ifndef KAVRIX_PROFILEELEMENTS_H
#define KAVRIX_PROFILEELEMENTS_H

#include "Kavrix.h"
#include "ProfileStatistics.h"

struct ProfileElements {
    int PeakCount;
    int ValleyCount;
    int DownCount;
    int UpCount;
    int *PeakPos;
    int *ValleyPos;
    int *DownPos; // last point above zero before the crossing
    int *UpPos;   // last point below zero before the crossing
    DataArray Peaks;
    DataArray Valleys;
};

// Element quantities are formed only from more than this many peaks.
enum { KAVRIX_MIN_ELEMENT_PEAKS = 6 };

struct ElementQuantities {
    double Height;
    double CrossingSpacing;
    double PeakSpacing;
    double PeakDensity;
    double TenPointHeight;
    double ThirdPointHeight;
};

// Zeroes the record and sizes its six arrays for the curve so that no count
// the finder reaches on that curve can exceed them.
void algoAllocProfileElements(const DataArray *curve, ProfileElements *elements);
void algoFreeProfileElements(ProfileElements *elements);

// Peaks lower than threshold and valleys shallower than it are no elements:
// they merge with their neighbours, whose crossings bound the merged element.
void algoFindProfileElements(const DataArray *curve, double threshold, ProfileElements *elements);

// All zero unless KAVRIX_MIN_ELEMENT_PEAKS peaks were retained; the ten-point
// and third-point heights also stay zero while too few valleys exist for them.
ElementQuantities algoElementQuantities(const ProfileElements *elements, double lengthMm);

struct CurveQuantities {
    ProfileStatistics Stats;
    ElementQuantities Elements;
};

// Statistics and element quantities of a curve, its elements found at 10 %
// of its total height. With `keep` the elements stay there for the caller to
// read and release; otherwise they are released here.
CurveQuantities algoCurveQuantities(const ParaRecord *para, const DataArray *curve, ProfileElements *keep);

#endif
