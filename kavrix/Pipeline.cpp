#include "Pipeline.h"

#include "AlgoArray.h"
#include "AlgoFft.h"
#include "AlgoFilter.h"
#include "EvalWorkspace.h"
#include "KavrixStages.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

enum FilterKind { Gaussian = 1, Fft = 2, PcRc = 3, Dp = 4, TwoRc = 5 };

bool shortensCurves(const ParaRecord *para)
{
    return para->Cond.FilterType == Gaussian || para->Cond.FilterType == Fft;
}

// Moves heights down by shift points so that point 0 is the first point
// whose filter window lay wholly inside the profile.
void dropLeading(DataArray *curve, int shift, int length)
{
    for (int i = 0; i < length; ++i)
        curve->Y[i] = curve->Y[i + shift];
}

void fitAndRemove(ParaRecord *para, int first, int last)
{
    algoLsLine(&para->RawArray, first, last, &para->FormArray, 1);
}

void writeSegment(DataArray *out, int x1, double y1, int x2, double y2)
{
    const int lo = std::min(x1, x2);
    const int hi = std::max(x1, x2);
    if (lo == hi) {
        // Rounded knots of a short profile can meet; a zero-length segment is one point.
        out->Y[lo] = y1;
        return;
    }
    DataArray stretch{hi - lo + 1, out->Y + lo, nullptr};
    algoLineBetween(AlgoPoint{x1 - lo, y1}, AlgoPoint{x2 - lo, y2}, &stretch);
}

double bernstein(int degree, int k, double t)
{
    return algoFactorial(degree) / (algoFactorial(k) * algoFactorial(degree - k)) * std::pow(1.0 - t, degree - k) *
           std::pow(t, k);
}

// Exponent bits of a double, plus one: bit 11 is set only for an infinity or
// a NaN. Or-ed over a curve, it finds one in integer steps that the loops
// carry alongside their own work.
std::uint64_t nonFiniteBit(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return ((bits >> 52) & 0x7ff) + 1;
}

constexpr std::uint64_t kNonFinite = 0x800;

// Heights times factor; false when one of the results is not finite.
bool scaleHeights(DataArray *curve, double factor)
{
    std::uint64_t seen = 0;
    for (int i = 0; i < curve->N; ++i) {
        const double v = curve->Y[i] * factor;
        curve->Y[i] = v;
        seen |= nonFiniteBit(v);
    }
    return (seen & kNonFinite) == 0;
}

bool heightsFinite(const DataArray *curve)
{
    std::uint64_t seen = 0;
    for (int i = 0; i < curve->N; ++i)
        seen |= nonFiniteBit(curve->Y[i]);
    return (seen & kNonFinite) == 0;
}

void writePositions(DataArray *curve, int pointCount, double evalLength)
{
    const int n = curve->N;
    const double end = evalLength * (static_cast<double>(n) / pointCount);
    for (int i = 0; i < n; ++i)
        curve->X[i] = n > 1 ? i / (n - 1.0) * end : 0.0;
}

} // namespace

void algoSplineCurve(const DataArray *in, DataArray *out, int controlPoints, int flag)
{
    const int n = in->N;
    if (n < 2) {
        // Too short for a curve: the profile is its own reference.
        for (int i = 0; i < std::min(n, out->N); ++i)
            out->Y[i] = flag == 1 ? 0.0 : in->Y[i];
        return;
    }
    const int degree = std::max(controlPoints, 2) - 1;
    const int step = n / degree;

    std::vector<double> values(degree + 1);
    std::vector<double> positions(degree + 1);
    for (int k = 0; k < degree; ++k) {
        values[k] = in->Y[k * step];
        positions[k] = k * step + 2;
    }
    values[degree] = in->Y[n - 1];
    positions[0] = 1;
    positions[degree] = n;

    std::vector<double> params(degree + 1);
    DataArray paramCurve{degree + 1, params.data(), nullptr};
    algoLinspace(0.0, 1.0, &paramCurve);

    std::vector<double> knotY(degree + 1);
    std::vector<int> knotX(degree + 1);
    for (int j = 0; j <= degree; ++j) {
        double y = 0.0;
        for (int k = 0; k <= degree; ++k)
            y += bernstein(degree, k, params[j]) * values[k];
        double x = bernstein(degree, 0, params[j]) * positions[0];
        for (int k = 1; k <= degree; ++k)
            x = static_cast<int>(x + positions[k] * bernstein(degree, k, params[j]) + 0.5);
        knotY[j] = y;
        knotX[j] = std::clamp(static_cast<int>(x) - 1, 0, n - 1);
    }

    std::vector<double> curve(n);
    DataArray polyline{n, curve.data(), nullptr};
    for (int j = 0; j < degree; ++j)
        writeSegment(&polyline, knotX[j], knotY[j], knotX[j + 1], knotY[j + 1]);

    const int count = std::min(n, out->N);
    for (int i = 0; i < count; ++i)
        out->Y[i] = flag == 1 ? in->Y[i] - curve[i] : curve[i];
}

void algoRemoveShape(ParaRecord *para)
{
    const int n = para->RawArray.N;
    const int half = static_cast<int>(n * 0.5) - 1;
    switch (para->Cond.ShapeMode) {
    case 2:
        fitAndRemove(para, 0, half);
        break;
    case 3:
        fitAndRemove(para, half, n - 1);
        break;
    case 4:
        fitAndRemove(para, static_cast<int>(n * 0.25) - 1, static_cast<int>(n * 0.75) - 1);
        break;
    case 5:
        algoLineBetween(AlgoPoint{0, para->RawArray.Y[0]}, AlgoPoint{n - 1, para->RawArray.Y[n - 1]}, &para->FormArray);
        algoSubArray(&para->RawArray, &para->FormArray, &para->FormArray);
        break;
    case 6:
        algoSplineCurve(&para->RawArray, &para->FormArray, 10, 1);
        break;
    default:
        fitAndRemove(para, 0, n - 1);
        break;
    }
}

void algoFilterLs(ParaRecord *para, EvalWorkspace *work)
{
    DataArray *form = &para->FormArray;
    DataArray *primary = &para->PArray;
    const double cut = para->Cond.Ls;
    const int shift = algoWholePoints(cut);
    const int shortened = std::max(0, form->N - 2 * shift);
    primary->N = form->N;
    switch (para->Cond.FilterType) {
    case Gaussian:
        algoFilterGaussianUsing(form, primary, cut, 0, work);
        break;
    case Fft:
        algoFilterFFTUsing(form, primary, cut, 0, work);
        dropLeading(primary, shift, shortened);
        break;
    case PcRc:
        algoFilterPcRC(form, primary, cut, 1);
        break;
    case TwoRc:
        algoFilter2RC(form, primary, cut, 1);
        break;
    default:
        algoFilterDP(form, primary, cut, 0);
        break;
    }
    if (shortensCurves(para)) {
        primary->N = shortened;
        para->WArray.N = shortened;
    }
}

void algoFilterLc(ParaRecord *para, EvalWorkspace *work)
{
    DataArray *primary = &para->PArray;
    DataArray *waviness = &para->WArray;
    DataArray *roughness = &para->RArray;
    const double cut = para->Cond.Lc;
    const int shift = algoWholePoints(cut);
    const int shortened = std::max(0, primary->N - 2 * shift);
    waviness->N = primary->N;
    roughness->N = primary->N;
    switch (para->Cond.FilterType) {
    case Gaussian:
        algoFilterGaussianUsing(primary, waviness, cut, 0, work);
        break;
    case Fft:
        algoFilterFFTUsing(primary, waviness, cut, 0, work);
        dropLeading(waviness, shift, shortened);
        break;
    case PcRc:
        algoFilterPcRC(primary, roughness, cut, 0);
        break;
    case TwoRc:
        algoFilter2RC(primary, roughness, cut, 0);
        break;
    default:
        algoFilterDP(primary, waviness, cut, 0);
        break;
    }
    if (shortensCurves(para)) {
        dropLeading(primary, shift, shortened);
        primary->N = shortened;
        waviness->N = shortened;
        roughness->N = shortened;
    }
    // The RC filters give the roughness, the others the waviness; the other
    // curve is the rest of the primary profile.
    if (para->Cond.FilterType == PcRc || para->Cond.FilterType == TwoRc)
        algoSubArray(primary, roughness, waviness);
    else
        algoSubArray(primary, waviness, roughness);
}

void algoSpectrum(ParaRecord *para, EvalWorkspace *work)
{
    if (para->SpectrumArrayOn != 1)
        return;
    const DataArray *roughness = &para->RArray;
    DataArray *spectrum = &para->SpectrumArray;
    const int bins = roughness->N / 2 + 1;
    if (shortensCurves(para))
        spectrum->N = bins;
    const int n = roughness->N;
    if (work && work->valid() && n >= 1 && n <= work->capacity()) {
        double *heights = work->real(0);
        std::copy(roughness->Y, roughness->Y + n, heights);
        std::complex<double> *transform = work->bins(0);
        work->forward(heights, transform, n);
        for (int k = 0; k < bins; ++k)
            spectrum->Y[k] = std::abs(transform[k]);
        return;
    }
    std::vector<std::complex<double>> transform(bins);
    algoFftForward(roughness, transform.data());
    for (int k = 0; k < bins; ++k)
        spectrum->Y[k] = std::abs(transform[k]);
}

namespace {

// The roughness heights, highest first, into out; with the record's
// workspace the sort needs no memory of its own.
void sortRoughness(ParaRecord *para, DataArray *out, EvalWorkspace *work)
{
    const DataArray *roughness = &para->RArray;
    if (work && out->N <= work->capacity())
        algoRadixSort(roughness->Y, out->Y, out->N, AlgoSortDesc, work->keys(0), work->keys(1));
    else
        algoSortArray(roughness, out, AlgoSortDesc);
}

void abbottFromSorted(ParaRecord *para, const double *sorted)
{
    DataArray *abbott = &para->AbbottArray;
    const int n = abbott->N;
    if (n <= 0)
        return;
    const double lowest = sorted[n - 1];
    for (int i = 0; i < n; ++i)
        abbott->Y[i] = sorted[i] - lowest;
}

void amplitudePositions(ParaRecord *para)
{
    const DataArray *roughness = &para->RArray;
    DataArray *amplitude = &para->AmplitudeArray;
    const int n = amplitude->N;
    const int below =
        static_cast<int>(std::count_if(roughness->Y, roughness->Y + std::min(n, roughness->N), [](double y) {
            return y < 0.0;
        }));
    // The ramp peaks after as many points as there are negative heights,
    // whatever the order of the sorted heights it is paired with.
    DataArray rising{below, amplitude->X, nullptr};
    DataArray falling{n - below, amplitude->X + below, nullptr};
    algoLinspace(0.0, 100.0, &rising);
    algoLinspace(100.0, 0.0, &falling);
}

} // namespace

void algoAbbottCurve(ParaRecord *para, EvalWorkspace *work)
{
    if (para->AbbottArrayOn != 1)
        return;
    DataArray *abbott = &para->AbbottArray;
    if (shortensCurves(para))
        abbott->N = para->RArray.N;
    sortRoughness(para, abbott, work);
    abbottFromSorted(para, abbott->Y);
}

void algoAmplitudeCurve(ParaRecord *para, EvalWorkspace *work)
{
    if (para->AmplitudeArrayOn != 1)
        return;
    DataArray *amplitude = &para->AmplitudeArray;
    if (shortensCurves(para))
        amplitude->N = para->RArray.N;
    sortRoughness(para, amplitude, work);
    amplitudePositions(para);
}

void algoFilterProfile(ParaRecord *para, EvalWorkspace *work)
{
    algoRemoveShape(para);
    algoFilterLs(para, work);
    algoFilterLc(para, work);
    algoSpectrum(para, work);
    if (para->AbbottArrayOn == 1 && para->AmplitudeArrayOn == 1) {
        // Both curves are the same sorted heights: sort once.
        if (shortensCurves(para)) {
            para->AbbottArray.N = para->RArray.N;
            para->AmplitudeArray.N = para->RArray.N;
        }
        sortRoughness(para, &para->AmplitudeArray, work);
        abbottFromSorted(para, para->AmplitudeArray.Y);
        amplitudePositions(para);
    } else {
        algoAbbottCurve(para, work);
        algoAmplitudeCurve(para, work);
    }
}

bool algoScaleCurves(ParaRecord *para)
{
    const int pointCount = para->RawArray.N;
    const double length = para->Cond.EvalLength;
    const double zMag = para->Cond.ParmZMag;
    if (pointCount < 1)
        return true;

    DataArray *raw = &para->RawArray;
    const double mean = algoMean(raw);
    writePositions(raw, pointCount, length);
    std::uint64_t seen = 0;
    for (int i = 0; i < pointCount; ++i) {
        const double v = (raw->Y[i] - mean) * zMag;
        raw->Y[i] = v;
        seen |= nonFiniteBit(v);
    }
    bool finite = (seen & kNonFinite) == 0;

    for (DataArray *curve : {&para->FormArray, &para->PArray, &para->WArray, &para->RArray}) {
        writePositions(curve, pointCount, length);
        finite = scaleHeights(curve, zMag) && finite;
    }

    if (para->AbbottArrayOn == 1) {
        DataArray *abbott = &para->AbbottArray;
        const int n = abbott->N;
        const double top = n > 0 ? abbott->Y[0] : 0.0;
        for (int i = 0; i < n; ++i) {
            abbott->X[i] = i * 100.0 / n;
            // Equal heights have no range; the curve then lies flat at 0.
            abbott->Y[i] = top != 0.0 ? abbott->Y[i] * 100.0 / top : 0.0;
        }
        finite = heightsFinite(abbott) && finite;
    }
    if (para->AmplitudeArrayOn == 1)
        finite = scaleHeights(&para->AmplitudeArray, zMag) && finite;
    if (para->SpectrumArrayOn == 1)
        finite = heightsFinite(&para->SpectrumArray) && finite;
    return finite;
}
