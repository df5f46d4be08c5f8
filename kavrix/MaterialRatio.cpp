#include "ParmCalculators.h"

#include "AlgoArray.h"

#include <cmath>
#include <cstdlib>

namespace {

enum MrSlot {
    SlotRk = 0,
    SlotRpk = 1,
    SlotRvk = 2,
    SlotMr1 = 3,
    SlotMr2 = 4,
    SlotV0 = 5,
    SlotK = 6,
    SlotA1 = 7,
    SlotA2 = 8,
    SlotRmr = 9,
    SlotRmr2 = 20,
    SlotRdc = 30,
    RmrSlots = 11,
    DiffSlots = 10
};

// Partial sums over a stretch of the curve without copying it.
double sumOf(const double *y, int first, int count)
{
    const DataArray view = {count, const_cast<double *>(y + first), nullptr};
    return algoSum(&view);
}

// First index whose height lies strictly below the level, or -1.
int firstBelow(const double *y, int n, double level)
{
    for (int i = 0; i < n; ++i) {
        if (y[i] < level)
            return i;
    }
    return -1;
}

// Caller-supplied ratio tables may hold anything; a ratio outside the curve
// reads its nearest end rather than memory past it.
int indexAtRatio(int n, double ratio)
{
    const double position = n * ratio;
    if (!(position >= 0.0))
        return 0;
    if (position >= n - 1)
        return n - 1;
    return static_cast<int>(position);
}

void calcCore(const double *y, int n, double *out)
{
    // The core line is the flattest secant over 40 % of the curve; a curve
    // this short has no such window.
    const int w = 2 * n / 5;
    if (w < 1)
        return;

    int start = 0;
    double drop = y[0] - y[w - 1];
    for (int s = 1; s <= n - w; ++s) {
        const double d = y[s] - y[s + w - 1];
        if (d < drop) {
            drop = d;
            start = s;
        }
    }
    const int end = start + w - 1;
    const double fall = drop / w;
    const double top = y[start] + start * fall;
    const double bottom = y[end] - (n - end) * fall;
    const double rk = top - bottom;

    int i1 = firstBelow(y, n, top);
    if (i1 < 0)
        i1 = 0;
    int i2 = 0;
    for (int j = n - 1; j >= 0; --j) {
        if (y[j] > bottom) {
            i2 = j;
            break;
        }
    }

    // With no point above the core line the peak zone is empty, not 0/0.
    const double a1 = sumOf(y, 0, i1) - i1 * y[i1];
    const double rpk = i1 > 0 ? 2.0 * a1 / i1 : 0.0;
    const double a2 = (n - i2) * y[i2] - sumOf(y, i2, n - i2);
    const double rvk = 2.0 * a2 / (n - i2);

    out[SlotRk] = rk;
    out[SlotRpk] = rpk;
    out[SlotRvk] = rvk;
    out[SlotMr1] = 100.0 * i1 / n;
    out[SlotMr2] = 100.0 * i2 / n;
    out[SlotV0] = (n - i2) * rvk / (2.0 * n);
    out[SlotK] = rk != 0.0 ? rvk / rk : 0.0;
    out[SlotA1] = a1;
    out[SlotA2] = a2;
}

void calcRatios(const double *y, int n, const EvalCond &cond, double *out)
{
    const double range = y[0] - y[n - 1];

    for (int j = 0; j < RmrSlots; ++j) {
        const int i = firstBelow(y, n, cond.RmrLevel[j] * range);
        if (i >= 0)
            out[SlotRmr + j] = 100.0 * i / n;
    }

    int reference = firstBelow(y, n, cond.RmrLevel[0] * range);
    if (reference < 0)
        reference = 0;
    for (int j = 0; j < DiffSlots; ++j) {
        const int i = firstBelow(y, n, cond.Rmr2Level[j + 1] * range);
        if (i >= 0)
            out[SlotRmr2 + j] = std::abs(i - reference) * 100.0 / n;
    }

    // A flat curve has no height range to relate the differences to.
    if (y[0] == 0.0)
        return;
    const double h0 = y[indexAtRatio(n, cond.RdcLevel[0])];
    for (int j = 0; j < DiffSlots; ++j) {
        const double h = y[indexAtRatio(n, cond.RdcLevel[j + 1])];
        out[SlotRdc + j] = std::abs(h - h0) / y[0] * 100.0;
    }
}

} // namespace

void algoCalcMaterialRatio(ParaRecord *para)
{
    double values[KAVRIX_MR_COUNT] = {};
    const DataArray &curve = para->AbbottArray;
    if (curve.N > 0 && curve.Y) {
        calcCore(curve.Y, curve.N, values);
        calcRatios(curve.Y, curve.N, para->Cond, values);
    }
    for (int s = 0; s < KAVRIX_MR_COUNT; ++s)
        para->Results[KAVRIX_MR_FIRST + s].Value1 = values[s];
}
