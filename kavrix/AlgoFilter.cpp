#include "AlgoFilter.h"

#include "AlgoArray.h"
#include "AlgoFft.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace {

DataArray view(std::vector<double> &heights)
{
    return DataArray{static_cast<int>(heights.size()), heights.data(), nullptr};
}

// Every filter builds its line in a buffer of its own and writes the output
// only here, element by element, so an output that is also the input is read
// at each point before it is overwritten.
void writeOutput(const DataArray *in, const std::vector<double> &line, int flag, DataArray *out)
{
    const int n = std::min(out->N, in->N);
    for (int i = 0; i < n; ++i)
        out->Y[i] = flag == 1 ? in->Y[i] - line[i] : line[i];
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

void rcCoefficients(double cut, double &a, double &b)
{
    const double scaled = 43.0 * cut;
    a = scaled / (scaled + 78.0);
    b = (scaled - 78.0) / (scaled + 78.0);
}

// First RC section, always forward; it starts from the profile's mean.
std::vector<double> rcForward(const double *y, int n, double a, double b)
{
    std::vector<double> t(n);
    t[0] = meanOf(y, n);
    for (int i = 1; i < n; ++i)
        t[i] = a * (y[i] - y[i - 1]) + b * t[i - 1];
    return t;
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
    const std::vector<double> t = rcForward(in->Y, n, a, b);
    std::vector<double> high(n);
    if (backward) {
        high[n - 1] = meanOf(t.data(), n);
        for (int i = n - 2; i >= 0; --i)
            high[i] = a * (t[i] - t[i + 1]) + b * high[i + 1];
    } else {
        high[0] = meanOf(t.data(), n);
        for (int i = 1; i < n; ++i)
            high[i] = a * (t[i] - t[i - 1]) + b * high[i - 1];
    }
    writeOutput(in, high, flag, out);
}

} // namespace

int algoWholePoints(double cut)
{
    const double largest = 1e9;
    if (!(cut > 0.0))
        return 0;
    return cut >= largest ? static_cast<int>(largest) : static_cast<int>(cut);
}

void algoGaussWeight(DataArray *curve, int n)
{
    const int count = std::min(std::max(n, 0), curve->N);
    std::fill(curve->Y, curve->Y + curve->N, 0.0);
    const int k = (n - 1) / 2;
    if (k < 1) {
        if (count > 0)
            curve->Y[0] = 1.0;
        return;
    }
    const double b = 1.0 / (0.4697 * k);
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
    for (int j = 0; j < out->N; ++j) {
        const double line = fit.Slope * j + fit.Intercept;
        out->Y[j] = flag == 1 ? in->Y[j] - line : line;
    }
}

void algoFilterGaussian(const DataArray *in, DataArray *out, double cut, int flag)
{
    const int n = in->N;
    const int k = algoWholePoints(cut);
    if (k == 0 || n < 1) {
        copyInput(in, out);
        return;
    }
    std::vector<double> line(n);
    if (2 * k + 1 > n) {
        // No point has a full window; the line is flat so the result stays finite.
        std::fill(line.begin(), line.end(), meanOf(in->Y, n));
        writeOutput(in, line, flag, out);
        return;
    }
    std::vector<double> weights(n);
    DataArray weightCurve = view(weights);
    algoGaussWeight(&weightCurve, 2 * k + 1);
    const double weightSum = algoSum(&weightCurve);

    const int bins = n / 2 + 1;
    std::vector<std::complex<double>> profileBins(bins);
    std::vector<std::complex<double>> weightBins(bins);
    algoFftForward(in, profileBins.data());
    algoFftForward(&weightCurve, weightBins.data());
    for (int j = 0; j < bins; ++j)
        weightBins[j] *= profileBins[j];
    std::vector<double> convolved(n);
    DataArray convolvedCurve = view(convolved);
    algoFftInverse(weightBins.data(), &convolvedCurve);

    // Point i + 2k of the circular convolution is the window centred on
    // input point i + k; the last 2k points wrap around and are not used.
    for (int i = 0; i < n; ++i)
        line[i] = convolved[(i + 2 * k) % n] / weightSum;
    writeOutput(in, line, flag, out);
}

void algoFilterFFT(const DataArray *in, DataArray *out, double cut, int flag)
{
    const int n = in->N;
    if (!(cut > 0.0) || n < 1) {
        copyInput(in, out);
        return;
    }
    const double wavelengths = n / cut;
    std::vector<double> window(n);
    DataArray windowCurve = view(window);
    algoHammingWindow(&windowCurve);
    std::vector<double> line(in->Y, in->Y + n);
    for (int i = 0; i < n; ++i)
        line[i] *= window[i];

    DataArray lineCurve = view(line);
    const int bins = n / 2 + 1;
    std::vector<std::complex<double>> spectrum(bins);
    algoFftForward(&lineCurve, spectrum.data());
    // Compared in double: a tiny cut-off gives more wavelengths than an int holds.
    for (int j = 0; j < bins; ++j) {
        if (j > wavelengths)
            spectrum[j] = 0.0;
    }
    algoFftInverse(spectrum.data(), &lineCurve);
    for (int i = 0; i < n; ++i)
        line[i] /= window[i];
    writeOutput(in, line, flag, out);
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
    const double *p = in->Y;
    const int c = w - 1;
    const int windows = n - w + 1;
    const double tMean = c / 2.0;
    const double stt = static_cast<double>(w) * (static_cast<double>(w) * w - 1.0) / 12.0;

    // Running totals over the window lines: slopes, slopes times the window's
    // first index, and intercepts, so a point's mean over its windows costs O(1).
    std::vector<double> slopeTotal(windows + 1, 0.0);
    std::vector<double> offsetTotal(windows + 1, 0.0);
    std::vector<double> interceptTotal(windows + 1, 0.0);
    double sy = 0.0;
    double sty = 0.0;
    for (int t = 0; t < w; ++t) {
        sy += p[t];
        sty += t * p[t];
    }
    for (int j = 0; j < windows; ++j) {
        if (j > 0) {
            sty = sty - sy + p[j - 1] + c * p[j + c];
            sy = sy - p[j - 1] + p[j + c];
        }
        const double slope = (sty - tMean * sy) / stt;
        const double intercept = sy / w - slope * tMean;
        slopeTotal[j + 1] = slopeTotal[j] + slope;
        offsetTotal[j + 1] = offsetTotal[j] + slope * j;
        interceptTotal[j + 1] = interceptTotal[j] + intercept;
    }

    std::vector<double> line(n);
    for (int i = 0; i < n; ++i) {
        const int first = std::max(0, i - c);
        const int last = std::min(i, windows - 1);
        const double slopes = slopeTotal[last + 1] - slopeTotal[first];
        const double offsets = offsetTotal[last + 1] - offsetTotal[first];
        const double intercepts = interceptTotal[last + 1] - interceptTotal[first];
        line[i] = (i * slopes - offsets + intercepts) / (last - first + 1);
    }
    writeOutput(in, line, flag, out);
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
