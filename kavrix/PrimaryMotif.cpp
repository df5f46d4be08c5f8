#include "AlgoArray.h"
#include "ParmCalculators.h"
#include "ProfileElements.h"
#include "ProfileStatistics.h"

#include <cmath>

// One motif: the two high points that bound it and its lowest point between.
struct MotifRecord {
    AlgoPoint Left;
    AlgoPoint Right;
    AlgoPoint Bottom;
    double Depth1;
    double Depth2;
    double Length;
};

struct MotifStatistics {
    double MeanLength;
    double MeanDepth;
    double MaxDepth;
    double DepthDeviation;
    double LengthDeviation;
};

enum { MinWavinessMotifs = 5 };

// The points lo..hi of the curve, both included.
static DataArray window(const DataArray *curve, int lo, int hi)
{
    return DataArray{hi - lo + 1, curve->Y + lo, nullptr};
}

static AlgoPoint highestBetween(const DataArray *curve, int lo, int hi)
{
    const DataArray w = window(curve, lo, hi);
    AlgoPoint p = algoArrayMax(&w);
    p.Index += lo;
    return p;
}

static AlgoPoint lowestBetween(const DataArray *curve, int lo, int hi)
{
    const DataArray w = window(curve, lo, hi);
    AlgoPoint p = algoArrayMin(&w);
    p.Index += lo;
    return p;
}

static void finishMotif(MotifRecord *m)
{
    m->Depth1 = m->Left.Value - m->Bottom.Value;
    m->Depth2 = m->Right.Value - m->Bottom.Value;
    m->Length = m->Right.Index - m->Left.Index + 1;
}

// Needs at least two motifs; every caller has five or more.
static MotifStatistics motifStatistics(const MotifRecord *motifs, int count)
{
    MotifStatistics st{};
    double sumLength = 0.0, sumDepth = 0.0;
    for (int k = 0; k < count; ++k) {
        const MotifRecord &m = motifs[k];
        sumLength += m.Length;
        sumDepth += m.Depth1 + m.Depth2;
        if (m.Depth1 > st.MaxDepth)
            st.MaxDepth = m.Depth1;
        if (m.Depth2 > st.MaxDepth)
            st.MaxDepth = m.Depth2;
    }
    st.MeanLength = sumLength / count;
    st.MeanDepth = sumDepth / (2.0 * count);

    double depthSq = 0.0, lengthSq = 0.0;
    for (int k = 0; k < count; ++k) {
        const MotifRecord &m = motifs[k];
        const double d1 = m.Depth1 - st.MeanDepth;
        const double d2 = m.Depth2 - st.MeanDepth;
        const double dl = m.Length - st.MeanLength;
        depthSq += d1 * d1 + d2 * d2;
        lengthSq += dl * dl;
    }
    st.DepthDeviation = std::sqrt(depthSq / (2.0 * count - 1.0));
    st.LengthDeviation = std::sqrt(lengthSq / (count - 1.0));
    return st;
}

static MotifRecord *allocMotifs(int count)
{
    return static_cast<MotifRecord *>(algoMalloc(sizeof(MotifRecord) * count));
}

// One roughness motif between each pair of neighbouring retained peaks.
static void roughnessMotifs(const DataArray *curve, const ProfileElements *e, double *slots)
{
    const int m = e->PeakCount - 1;
    MotifRecord *motifs = allocMotifs(m);
    for (int k = 0; k < m; ++k) {
        MotifRecord &motif = motifs[k];
        motif.Left = AlgoPoint{e->PeakPos[k], e->Peaks.Y[k]};
        motif.Right = AlgoPoint{e->PeakPos[k + 1], e->Peaks.Y[k + 1]};
        motif.Bottom = lowestBetween(curve, motif.Left.Index, motif.Right.Index);
        finishMotif(&motif);
    }
    const MotifStatistics st = motifStatistics(motifs, m);
    algoFree(motifs);

    slots[0] = e->ValleyCount;
    slots[1] = st.MeanLength;
    slots[2] = st.MeanDepth;
    slots[3] = st.MaxDepth;
    slots[4] = m;
    slots[5] = static_cast<double>(e->ValleyCount) / m;
    slots[6] = st.DepthDeviation;
    slots[7] = st.LengthDeviation;
}

// Waviness motifs rest on the upper envelope drawn by the retained peaks:
// each peak lower than both its neighbours is the bottom of one motif.
static bool isEnvelopeTrough(const double *h, int j)
{
    return h[j - 1] > h[j] && h[j + 1] > h[j];
}

static void wavinessMotifs(const DataArray *curve, const ProfileElements *e, double *slots)
{
    const double *h = e->Peaks.Y;
    int count = 0;
    for (int j = 1; j <= e->PeakCount - 2; ++j)
        if (isEnvelopeTrough(h, j))
            ++count;
    if (count < MinWavinessMotifs)
        return;

    MotifRecord *motifs = allocMotifs(count);
    int u = 0;
    for (int j = 1; j <= e->PeakCount - 2; ++j)
        if (isEnvelopeTrough(h, j))
            motifs[u++].Bottom = AlgoPoint{e->PeakPos[j], h[j]};

    // Neighbouring motifs share the highest point between their bottoms.
    motifs[0].Left = highestBetween(curve, 0, motifs[0].Bottom.Index);
    for (u = 1; u < count; ++u) {
        const AlgoPoint top = highestBetween(curve, motifs[u - 1].Bottom.Index, motifs[u].Bottom.Index);
        motifs[u - 1].Right = top;
        motifs[u].Left = top;
    }
    motifs[count - 1].Right = highestBetween(curve, motifs[count - 1].Bottom.Index, curve->N - 1);
    for (u = 0; u < count; ++u)
        finishMotif(&motifs[u]);
    const MotifStatistics st = motifStatistics(motifs, count);
    algoFree(motifs);

    slots[8] = st.MeanLength;
    slots[9] = st.MeanDepth;
    slots[10] = st.MaxDepth;
    slots[11] = algoArrayMax(&e->Peaks).Value - algoArrayMin(&e->Peaks).Value;
    slots[12] = count;
    slots[13] = st.DepthDeviation;
    slots[14] = st.LengthDeviation;
}

void algoCalcPrimaryMotif(ParaRecord *para)
{
    const DataArray *curve = &para->PArray;
    ProfileElements elements;
    const CurveQuantities q = algoCurveQuantities(para, curve, &elements);
    const ProfileStatistics &s = q.Stats;
    const ElementQuantities &e = q.Elements;

    double motif[KAVRIX_MOTIF_COUNT] = {};
    if (elements.PeakCount >= KAVRIX_MIN_ELEMENT_PEAKS) {
        roughnessMotifs(curve, &elements, motif);
        wavinessMotifs(curve, &elements, motif);
    }
    algoFreeProfileElements(&elements);

    algoWriteValues(para, KAVRIX_P_FIRST,
                    {s.MeanAbs, s.Rms, s.Skewness, s.Kurtosis, s.PeakHeight, s.ValleyDepth, e.Height, s.TotalHeight,
                     e.CrossingSpacing, s.MeanSlope, s.RmsSlope, e.TenPointHeight, e.PeakDensity, s.MeanWavelength,
                     s.RmsWavelength, s.LengthRatio});
    for (int slot = 0; slot < KAVRIX_MOTIF_COUNT; ++slot)
        para->Results[KAVRIX_MOTIF_FIRST + slot].Value1 = motif[slot];
}
