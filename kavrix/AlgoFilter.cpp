#include "AlgoFilter.h"

#include "AlgoArray.h"
#include "EvalWorkspace.h"
#include "HalfTurns.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>
#include <new>
#include <vector>

namespace {

DataArray view(std::vector<double> &heights)
{
    return DataArray{static_cast<int>(heights.size()), heights.data(), nullptr};
}

double outputValue(double input, double line, int flag)
{
    return flag == 1 ? input - line : line;
}

// Each filter reads input point i no later than it writes output point i, so
// an output that is also the input stays correct.
void writeOutput(const DataArray *in, const std::vector<double> &line, int flag, DataArray *out)
{
    const int n = std::min(out->N, in->N);
    for (int i = 0; i < n; ++i)
        out->Y[i] = outputValue(in->Y[i], line[i], flag);
}

void copyInput(const DataArray *in, DataArray *out)
{
    if (out->Y == in->Y)
        return;
    std::copy(in->Y, in->Y + std::min(out->N, in->N), out->Y);
}

struct LsFit {
    double Slope;
    double Intercept;
};

// Sums about the centre of the range keep the fit exact in double over the
// longest profiles, where raw index sums lose the slope to cancellation.
LsFit fitLine(const double *y, int a, int b)
{
    const int m = b - a + 1;
    if (m < 1)
        return LsFit{0.0, 0.0};
    const double xMean = (static_cast<double>(a) + b) / 2.0;
    const double sxx = static_cast<double>(m) * (static_cast<double>(m) * m - 1.0) / 12.0;
    double sy = 0.0;
    double sxy = 0.0;
    for (int i = a; i <= b; ++i) {
        sy += y[i];
        sxy += (i - xMean) * y[i];
    }
    const double slope = sxx > 0.0 ? sxy / sxx : 0.0;
    return LsFit{slope, sy / m - slope * xMean};
}

double meanOf(const double *y, int n)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += y[i];
    return n > 0 ? sum / n : 0.0;
}

// Least-squares lines of the successive windows of w points, in the window's
// own coordinates t = 0 to w - 1, from sums that slide one point at a time.
class SlidingLine
{
public:
    SlidingLine(const double *y, int w)
        : m_y(y)
        , m_w(w)
        , m_tMean((w - 1) / 2.0)
        , m_stt(static_cast<double>(w) * (static_cast<double>(w) * w - 1.0) / 12.0)
    {
    }

    LsFit next()
    {
        const int c = m_w - 1;
        if (m_first < 0) {
            for (int t = 0; t < m_w; ++t) {
                m_sy += m_y[t];
                m_sty += t * m_y[t];
            }
            m_first = 0;
        } else {
            ++m_first;
            m_sty = m_sty - m_sy + m_y[m_first - 1] + c * m_y[m_first + c];
            m_sy = m_sy - m_y[m_first - 1] + m_y[m_first + c];
        }
        const double slope = (m_sty - m_tMean * m_sy) / m_stt;
        return LsFit{slope, m_sy / m_w - slope * m_tMean};
    }

    int first() const { return m_first; }

private:
    const double *m_y;
    int m_w;
    double m_tMean;
    double m_stt;
    int m_first = -1;
    double m_sy = 0.0;
    double m_sty = 0.0;
};

void rcCoefficients(double cut, double &a, double &b)
{
    const double scaled = 43.0 * cut;
    a = scaled / (scaled + 78.0);
    b = (scaled - 78.0) / (scaled + 78.0);
}

void filterRc(const DataArray *in, DataArray *out, double cut, int flag, bool backward)
{
    const int n = in->N;
    if (!(cut > 0.0) || n < 1) {
        copyInput(in, out);
        return;
    }
    double a = 0.0;
    double b = 0.0;
    rcCoefficients(cut, a, b);
    const double *p = in->Y;
    // The first section runs forward from the profile's mean.
    std::vector<double> t(n);
    t[0] = meanOf(p, n);
    for (int i = 1; i < n; ++i)
        t[i] = a * (p[i] - p[i - 1]) + b * t[i - 1];

    const int count = std::min(out->N, n);
    double high = meanOf(t.data(), n);
    if (backward) {
        for (int i = n - 1; i >= 0; --i) {
            if (i < n - 1)
                high = a * (t[i] - t[i + 1]) + b * high;
            if (i < count)
                out->Y[i] = outputValue(p[i], high, flag);
        }
    } else {
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                high = a * (t[i] - t[i - 1]) + b * high;
            out->Y[i] = outputValue(p[i], high, flag);
        }
    }
}

// The caller's workspace when it has room, else one made for this call
// (kept in own); null when no memory can be had.
EvalWorkspace *scratchFor(EvalWorkspace *work, int n, std::unique_ptr<EvalWorkspace> &own)
{
    if (work && work->valid() && work->capacity() >= n)
        return work;
    own.reset(new (std::nothrow) EvalWorkspace(n));
    return own && own->valid() ? own.get() : nullptr;
}

// Zeroes every transform bin of the n heights above the given number of
// wavelengths.
void lowPassBins(EvalWorkspace *ws, double *line, int n, double wavelengths)
{
    const int bins = n / 2 + 1;
    std::complex<double> *spectrum = ws->bins(0);
    ws->forward(line, spectrum, n);
    // Compared in double: a tiny cut-off gives more wavelengths than an int holds.
    for (int j = 0; j < bins; ++j) {
        if (j > wavelengths)
            spectrum[j] = 0.0;
    }
    ws->inverse(spectrum, line, n);
}

// The same low-pass as lowPassBins without a transform of n points: keeping
// bins -K to K is the circular convolution with the Dirichlet kernel
// sin(pi j (2K + 1) / n) / (n sin(pi j / n)), run here at the smooth length m
// (at least 2n) over the heights repeated twice.
void lowPassConvolution(EvalWorkspace *ws, double *line, int n, int m, double wavelengths)
{
    const int kept = wavelengths >= n / 2 ? n / 2 : static_cast<int>(wavelengths);
    if (2 * kept + 1 >= n)
        return; // every bin stays
    const long long width = 2LL * kept + 1;
    const HalfTurns turns(n);
    double *kernel = ws->real(2);
    kernel[0] = static_cast<double>(width) / n;
    for (int j = 1; j < n; ++j)
        kernel[j] = turns(j * width).imag() / (n * turns(j).imag());
    std::fill(kernel + n, kernel + m, 0.0);
    for (int q = n; q < 2 * n; ++q)
        line[q] = line[q - n];
    std::fill(line + 2 * n, line + m, 0.0);

    std::complex<double> *lineBins = ws->bins(0);
    std::complex<double> *kernelBins = ws->bins(1);
    ws->forward(line, lineBins, m);
    ws->forward(kernel, kernelBins, m);
    for (int j = 0; j < m / 2 + 1; ++j)
        kernelBins[j] *= lineBins[j];
    ws->inverse(kernelBins, kernel, m);
    // Point n + i sums kernel point j times height i - j for every j, the
    // heights taken round the circle.
    std::copy(kernel + n, kernel + 2 * n, line);
}

} // namespace

int algoWholePoints(double cut)
{
    const double largest = 1e9;
    if (!(cut > 0.0))
        return 0;
    return cut >= largest ? static_cast<int>(largest) : static_cast<int>(cut);
}

void algoGaussWeight(DataArray *curve, int n, double cut)
{
    const int count = std::min(std::max(n, 0), curve->N);
    std::fill(curve->Y, curve->Y + curve->N, 0.0);
    const int k = (n - 1) / 2;
    if (k < 1 || !(cut > 0.0)) {
        if (count > 0)
            curve->Y[0] = 1.0;
        return;
    }
    const double b = 1.0 / (0.4697 * cut);
    for (int i = 0; i < count; ++i) {
        const double d = i - k;
        curve->Y[i] = b * std::pow(2.718281828459, -3.141592653589 * b * b * d * d);
    }
}

void algoHammingWindow(DataArray *curve)
{
    const int n = curve->N;
    if (n == 1) {
        curve->Y[0] = 1.0;
        return;
    }
    for (int i = 0; i < n; ++i)
        curve->Y[i] = 0.54 - 0.46 * std::cos(i * 6.283185307178 / (n - 1));
}

void algoLinspace(double a, double b, DataArray *curve)
{
    const int n = curve->N;
    if (n == 1) {
        curve->Y[0] = a;
        return;
    }
    for (int i = 0; i < n; ++i)
        curve->Y[i] = a + i * (b - a) / (n - 1);
}

void algoLsLine(const DataArray *in, int a, int b, DataArray *out, int flag)
{
    const LsFit fit = fitLine(in->Y, a, b);
    for (int j = 0; j < out->N; ++j)
        out->Y[j] = outputValue(in->Y[j], fit.Slope * j + fit.Intercept, flag);
}

void algoFilterGaussian(const DataArray *in, DataArray *out, double cut, int flag)
{
    algoFilterGaussianUsing(in, out, cut, flag, nullptr);
}

void algoFilterGaussianUsing(const DataArray *in, DataArray *out, double cut, int flag, EvalWorkspace *work)
{
    const int n = in->N;
    const int k = algoWholePoints(cut);
    if (k == 0 || n < 1) {
        copyInput(in, out);
        return;
    }
    const int count = std::min(out->N, n);
    if (2 * k + 1 > n) {
        // No point has a full window; a flat line keeps the result finite.
        const double mean = meanOf(in->Y, n);
        for (int i = 0; i < count; ++i)
            out->Y[i] = outputValue(in->Y[i], mean, flag);
        return;
    }
    std::unique_ptr<EvalWorkspace> own;
    EvalWorkspace *ws = scratchFor(work, n, own);
    if (!ws) {
        copyInput(in, out);
        return;
    }
    // Away from a smooth n the convolution runs at a longer smooth length m,
    // over the profile continued periodically by the 2k points a window
    // reaches past its end: point i + 2k then sums the same products as the
    // circular convolution of n points, ends included.
    const int span = 2 * k;
    const int m = ws->convolutionLength(n, span);
    double *weights = ws->real(0);
    DataArray weightCurve{m, weights, nullptr};
    algoGaussWeight(&weightCurve, 2 * k + 1, cut);
    const double weightSum = algoSum(&weightCurve);

    // The transforms run on the workspace's aligned buffers only.
    double *profile = ws->real(1);
    std::copy(in->Y, in->Y + n, profile);
    if (m > n) {
        for (int q = n; q < n + span; ++q)
            profile[q] = in->Y[q - n];
        std::fill(profile + n + span, profile + m, 0.0);
    }
    const int bins = m / 2 + 1;
    std::complex<double> *profileBins = ws->bins(0);
    std::complex<double> *weightBins = ws->bins(1);
    ws->forward(profile, profileBins, m);
    ws->forward(weights, weightBins, m);
    for (int j = 0; j < bins; ++j)
        weightBins[j] *= profileBins[j];
    ws->inverse(weightBins, weights, m);

    // Point i + 2k of the circular convolution is the window centred on
    // input point i + k; at m = n the last 2k points wrap around and are not
    // used.
    for (int i = 0; i < count; ++i)
        out->Y[i] = outputValue(in->Y[i], weights[(i + span) % m] / weightSum, flag);
}

void algoFilterFFT(const DataArray *in, DataArray *out, double cut, int flag)
{
    algoFilterFFTUsing(in, out, cut, flag, nullptr);
}

void algoFilterFFTUsing(const DataArray *in, DataArray *out, double cut, int flag, EvalWorkspace *work)
{
    const int n = in->N;
    if (!(cut > 0.0) || n < 1) {
        copyInput(in, out);
        return;
    }
    std::unique_ptr<EvalWorkspace> own;
    EvalWorkspace *ws = scratchFor(work, n, own);
    if (!ws) {
        copyInput(in, out);
        return;
    }
    const double wavelengths = n / cut;
    double *window = ws->real(0);
    DataArray windowCurve{n, window, nullptr};
    algoHammingWindow(&windowCurve);
    double *line = ws->real(1);
    for (int i = 0; i < n; ++i)
        line[i] = in->Y[i] * window[i];

    const int m = ws->convolutionLength(n, n);
    if (m == n)
        lowPassBins(ws, line, n, wavelengths);
    else
        lowPassConvolution(ws, line, n, m, wavelengths);
    const int count = std::min(out->N, n);
    for (int i = 0; i < count; ++i)
        out->Y[i] = outputValue(in->Y[i], line[i] / window[i], flag);
}

void algoFilterDP(const DataArray *in, DataArray *out, double cut, int flag)
{
    const int n = in->N;
    if (n < 1)
        return;
    if (cut >= n) {
        std::vector<double> line(n);
        DataArray lineCurve = view(line);
        algoLsLine(in, 0, n - 1, &lineCurve, 0);
        writeOutput(in, line, flag, out);
        return;
    }
    const int w = algoWholePoints(cut);
    if (w <= 1) {
        copyInput(in, out);
        return;
    }
    // The windows behind the current point read input the output has passed.
    std::vector<double> kept(out->Y == in->Y ? n : 0);
    std::copy(in->Y, in->Y + kept.size(), kept.data());
    const double *p = kept.empty() ? in->Y : kept.data();

    // Point i is the mean over the windows j = i - w + 1 to i that exist of
    // slope_j * (i - j) + intercept_j: running totals of the slopes, of the
    // slopes times j and of the intercepts take in the window starting at i
    // and give back, recomputed by a second sliding sum, the one that no
    // longer reaches i.
    const int windows = n - w + 1;
    SlidingLine entering(p, w);
    SlidingLine leaving(p, w);
    double slopes = 0.0;
    double offsets = 0.0;
    double intercepts = 0.0;
    const int count = std::min(out->N, n);
    for (int i = 0; i < count; ++i) {
        if (i < windows) {
            const LsFit fit = entering.next();
            slopes += fit.Slope;
            offsets += fit.Slope * i;
            intercepts += fit.Intercept;
        }
        if (i >= w) {
            const LsFit fit = leaving.next();
            slopes -= fit.Slope;
            offsets -= fit.Slope * leaving.first();
            intercepts -= fit.Intercept;
        }
        const int first = std::max(0, i - w + 1);
        const int last = std::min(i, windows - 1);
        out->Y[i] = outputValue(p[i], (i * slopes - offsets + intercepts) / (last - first + 1), flag);
    }
}

void algoFilterPcRC(const DataArray *in, DataArray *out, double cut, int flag)
{
    filterRc(in, out, cut, flag, true);
}

void algoFilter2RC(const DataArray *in, DataArray *out, double cut, int flag)
{
    filterRc(in, out, cut, flag, false);
}

void algoFilterEnvelope(const DataArray *in, DataArray *out, double cut, int flag)
{
    const int n = in->N;
    std::vector<double> upper(n);
    DataArray upperCurve = view(upper);
    algoFilterGaussian(in, &upperCurve, cut, 0);
    for (int i = 0; i < n; ++i)
        upper[i] = std::max(upper[i], in->Y[i]);
    std::vector<double> line(n);
    DataArray lineCurve = view(line);
    algoFilterGaussian(&upperCurve, &lineCurve, cut, 0);
    writeOutput(in, line, flag, out);
}
