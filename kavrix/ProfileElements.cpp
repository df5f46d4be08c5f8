#include "ProfileElements.h"

#include "AlgoArray.h"
#include "ProfileStatistics.h"

#include <algorithm>
#include <vector>

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

namespace {

// A retained crossing and, when it closed one, the element it closed: a
// downward crossing closes a peak, an upward one a valley.
struct RetainedCrossing {
    int Pos;
    bool Down;
    bool ClosesElement;
    int ExtremePos;
};

bool beyond(double candidate, double extreme, bool peak)
{
    return peak ? candidate > extreme : candidate < extreme;
}

} // namespace

// A half-wave that fails the discrimination is no element of its own: it
// belongs to the half-waves on either side, so both crossings that bound it
// go, and the element before it stays open and takes in the one after it.
// One sine-like element with a shallow dip below zero inside its peak then
// stays one element.
void algoFindProfileElements(const DataArray *curve, double threshold, ProfileElements *elements)
{
    ProfileElements &e = *elements;
    e.PeakCount = e.ValleyCount = e.DownCount = e.UpCount = 0;
    const double *y = curve->Y;
    std::vector<RetainedCrossing> kept;
    int downs = 0;
    int ups = 0;
    int c = 0;
    // The extreme of an element reopened by a merge, which the next scan
    // continues from.
    int carried = -1;
    for (int i = 0; i + 1 < curve->N; ++i) {
        bool down;
        if (y[i] > 0 && y[i + 1] < 0)
            down = true;
        else if (y[i] < 0 && y[i + 1] > 0)
            down = false;
        else
            continue;

        const bool closes = down ? ups > 0 : downs > 0;
        int pos = carried >= 0 ? carried : c;
        if (closes) {
            // The half-wave runs from the last point on the other side up to
            // and including i, the last point on its own side.
            for (int j = c; j <= i; ++j)
                if (beyond(y[j], y[pos], down))
                    pos = j;
        }
        const bool fails = closes && (down ? y[pos] < threshold : y[pos] > -threshold);
        if (!fails) {
            kept.push_back(RetainedCrossing{i, down, closes, pos});
            ++(down ? downs : ups);
        } else if (kept.back().Down != down) {
            const RetainedCrossing opening = kept.back();
            kept.pop_back();
            --(opening.Down ? downs : ups);
            if (opening.ClosesElement) {
                c = i;
                carried = opening.ExtremePos;
                continue;
            }
        }
        c = i;
        carried = -1;
    }

    for (const RetainedCrossing &k : kept) {
        if (k.Down) {
            e.DownPos[e.DownCount++] = k.Pos;
            if (k.ClosesElement) {
                e.PeakPos[e.PeakCount] = k.ExtremePos;
                e.Peaks.Y[e.PeakCount++] = y[k.ExtremePos];
            }
        } else {
            e.UpPos[e.UpCount++] = k.Pos;
            if (k.ClosesElement) {
                e.ValleyPos[e.ValleyCount] = k.ExtremePos;
                e.Valleys.Y[e.ValleyCount++] = y[k.ExtremePos];
            }
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
    q.CrossingSpacing = algoSafeRatio(e->DownPos[e->DownCount - 1] - e->DownPos[0], e->DownCount - 1);
    q.PeakSpacing = algoSafeRatio(e->PeakPos[e->PeakCount - 1] - e->PeakPos[0], e->PeakCount - 1);
    q.PeakDensity = algoSafeRatio(e->PeakCount, lengthMm) * 10.0;
    setExtremeHeights(e, &q);
    return q;
}

CurveQuantities algoCurveQuantities(const ParaRecord *para, const DataArray *curve, ProfileElements *keep)
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
