#include "ProfileElements.h"

#include "AlgoArray.h"
#include "ProfileStatistics.h"

#include <algorithm>

void algoAllocProfileElements(const DataArray *curve, ProfileElements *elements)
{
    *elements = ProfileElements{};

    // A sign change through an exact zero counts for neither direction, so
    // one direction can outnumber the other: size for the larger one.
    int up = 0, down = 0;
    const double *y = curve->Y;
    for (int i = 1; i < curve->N; ++i) {
        if (y[i] > 0 && y[i - 1] < 0)
            ++up;
        else if (y[i] < 0 && y[i - 1] > 0)
            ++down;
    }
    const int size = std::max(up, down) + 5;
    const std::size_t intBytes = sizeof(int) * size;
    elements->PeakPos = static_cast<int *>(algoMalloc(intBytes));
    elements->ValleyPos = static_cast<int *>(algoMalloc(intBytes));
    elements->DownPos = static_cast<int *>(algoMalloc(intBytes));
    elements->UpPos = static_cast<int *>(algoMalloc(intBytes));
    elements->Peaks.Y = algoMallocDoubles(size);
    elements->Valleys.Y = algoMallocDoubles(size);
}

void algoFreeProfileElements(ProfileElements *elements)
{
    algoFree(elements->PeakPos);
    algoFree(elements->ValleyPos);
    algoFree(elements->DownPos);
    algoFree(elements->UpPos);
    algoFree(elements->Peaks.Y);
    algoFree(elements->Valleys.Y);
    *elements = ProfileElements{};
}

void algoFindProfileElements(const DataArray *curve, double threshold,
                             ProfileElements *elements)
{
    ProfileElements &e = *elements;
    e.PeakCount = e.ValleyCount = e.DownCount = e.UpCount = 0;
    const double *y = curve->Y;
    int c = 0;
    for (int i = 0; i + 1 < curve->N; ++i) {
        if (y[i] > 0 && y[i + 1] < 0) {
            e.DownPos[e.DownCount++] = i;
            if (e.UpCount > 0) {
                // The half-wave runs from the last point below zero up to
                // and including i, the last point above it.
                int pos = c;
                for (int j = c; j <= i; ++j)
                    if (y[j] > y[pos])
                        pos = j;
                if (y[pos] < threshold) {
                    --e.DownCount;
                } else {
                    e.PeakPos[e.PeakCount] = pos;
                    e.Peaks.Y[e.PeakCount++] = y[pos];
                }
            }
            c = i;
        } else if (y[i] < 0 && y[i + 1] > 0) {
            e.UpPos[e.UpCount++] = i;
            if (e.DownCount > 0) {
                int pos = c;
                for (int j = c; j <= i; ++j)
                    if (y[j] < y[pos])
                        pos = j;
                if (y[pos] > -threshold) {
                    --e.UpCount;
                } else {
                    e.ValleyPos[e.ValleyCount] = pos;
                    e.Valleys.Y[e.ValleyCount++] = y[pos];
                }
            }
            c = i;
        }
    }
    e.Peaks.N = e.PeakCount;
    e.Valleys.N = e.ValleyCount;
}

static double meanAbsOf(const DataArray *a)
{
    return a->N > 0 ? algoMeanAbs(a) : 0.0;
}

static DataArray sortedCopy(const DataArray *in, int order)
{
    DataArray out{in->N, algoMallocDoubles(in->N), nullptr};
    algoSortArray(in, &out, order);
    return out;
}

// The ten-point and third-point heights pair the k-th highest peak with the
// k-th lowest valley; a pair that does not exist leaves its height at zero.
static void setExtremeHeights(const ProfileElements *e, ElementQuantities *q)
{
    const int pairs = std::min(e->PeakCount, e->ValleyCount);
    if (pairs < 3)
        return;
    DataArray peaks = sortedCopy(&e->Peaks, AlgoSortDesc);
    DataArray valleys = sortedCopy(&e->Valleys, AlgoSortAsc);
    q->ThirdPointHeight = peaks.Y[2] - valleys.Y[2];
    if (pairs >= 5) {
        double sum = 0.0;
        for (int k = 0; k < 5; ++k)
            sum += peaks.Y[k] - valleys.Y[k];
        q->TenPointHeight = sum / 5.0;
    }
    algoFree(peaks.Y);
    algoFree(valleys.Y);
}

ElementQuantities algoElementQuantities(const ProfileElements *e, double lengthMm)
{
    ElementQuantities q{};
    if (e->PeakCount < KAVRIX_MIN_ELEMENT_PEAKS)
        return q;

    q.Height = meanAbsOf(&e->Peaks) + meanAbsOf(&e->Valleys);
    q.CrossingSpacing = algoSafeRatio(e->DownPos[e->DownCount - 1] - e->DownPos[0],
                                      e->DownCount - 1);
    q.PeakSpacing = algoSafeRatio(e->PeakPos[e->PeakCount - 1] - e->PeakPos[0],
                                  e->PeakCount - 1);
    q.PeakDensity = algoSafeRatio(e->PeakCount, lengthMm) * 10.0;
    setExtremeHeights(e, &q);
    return q;
}

CurveQuantities algoCurveQuantities(const ParaRecord *para, const DataArray *curve,
                                    ProfileElements *keep)
{
    CurveQuantities q;
    q.Stats = algoProfileStatistics(curve, algoSlopeFactor(para));
    ProfileElements own;
    ProfileElements *elements = keep ? keep : &own;
    algoAllocProfileElements(curve, elements);
    algoFindProfileElements(curve, 0.1 * q.Stats.TotalHeight, elements);
    q.Elements = algoElementQuantities(elements, algoCurveLengthMm(para, curve));
    if (!keep)
        algoFreeProfileElements(elements);
    return q;
}
