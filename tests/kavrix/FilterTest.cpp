#include "AlgoFft.h"
#include "AlgoFilter.h"
#include "SyntheticProfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <string>
#include <vector>

namespace {

using Filter = std::function<void(const DataArray *, DataArray *, double, int)>;

struct NamedFilter {
    const char *Name;
    Filter Run;
};

const NamedFilter AllFilters[] = {
    {"Gaussian", algoFilterGaussian}, {"FFT", algoFilterFFT}, {"DP", algoFilterDP},
    {"PC", algoFilterPcRC},           {"2RC", algoFilter2RC}, {"envelope", algoFilterEnvelope},
};

std::vector<double> filtered(const Filter &filter, std::vector<double> in, double cut, int flag)
{
    std::vector<double> out(in.size(), 0.0);
    DataArray inCurve = curveOf(in);
    DataArray outCurve = curveOf(out);
    filter(&inCurve, &outCurve, cut, flag);
    return out;
}

// Transmission of the Gaussian mean line for a sine of the given wavelength,
// from the weighting function's definition.
double gaussianTransmission(double cut, double wavelength)
{
    const double ratio = 0.4697 * cut / wavelength;
    return std::exp(-M_PI * ratio * ratio);
}

} // namespace

TEST(ProfileFilters, GaussianMeanLineTransmitsByItsWeightingFunction)
{
    const int n = 6000;
    const int cut = 200;
    const int defined = n - 2 * cut;
    // At the cut-off the mean line keeps half the amplitude; long waves pass,
    // short ones vanish.
    for (double wavelength : {40.0, 100.0, 200.0, 400.0, 2000.0}) {
        const std::vector<double> mean = filtered(algoFilterGaussian, syntheticProfile(n, {{wavelength, 1.0}}), cut, 0);
        const SineFit fit = fitSine(mean.data(), defined, wavelength, cut);
        EXPECT_NEAR(fit.InPhase, gaussianTransmission(cut, wavelength), 0.005) << "wavelength " << wavelength;
        EXPECT_NEAR(fit.Quadrature, 0.0, 0.005) << "aligned, wavelength " << wavelength;
    }
    EXPECT_NEAR(gaussianTransmission(cut, cut), 0.5, 0.001);
}

TEST(ProfileFilters, GaussianPassesHalfAtAFractionalCutoff)
{
    // λs spans a few points, so a cut-off rounded to whole points would move
    // the 50 % point by up to a sixth; a λc size sits beside them.
    const int n = 6000;
    for (double cut : {4.3, 5.9, 6.4, 9.9, 400.7}) {
        const int k = static_cast<int>(cut);
        const std::vector<double> mean = filtered(algoFilterGaussian, syntheticProfile(n, {{cut, 1.0}}), cut, 0);
        const SineFit fit = fitSine(mean.data(), n - 2 * k, cut, k);
        EXPECT_NEAR(fit.amplitude(), 0.5, 0.0025) << "cut " << cut;
    }
}

TEST(ProfileFilters, GaussianOfConstantIsThatConstantAndFlagOneIsTheResidual)
{
    std::vector<double> flat(300, 4.25);
    const std::vector<double> mean = filtered(algoFilterGaussian, flat, 40.7, 0);
    for (int i = 0; i < 300 - 80; ++i)
        ASSERT_NEAR(mean[i], 4.25, 1e-9) << i;

    const std::vector<double> profile = syntheticProfile(1000, {{300.0, 2.0}, {20.0, 0.5}}, 0.01, 0.05);
    const std::vector<double> line = filtered(algoFilterGaussian, profile, 60, 0);
    const std::vector<double> residual = filtered(algoFilterGaussian, profile, 60, 1);
    for (int i = 0; i < 1000; ++i)
        ASSERT_NEAR(residual[i], profile[i] - line[i], 1e-12) << i;
}

TEST(ProfileFilters, FftMeanLineKeepsLongAndDropsShortWaves)
{
    const int n = 4000;
    const Sine waviness{1000.0, 3.0};
    const Sine roughness{40.0, 0.5};
    const std::vector<double> mean =
        filtered(algoFilterFFT, syntheticProfile(n, {waviness, roughness}, 0.0, 0.0), 200.0, 0);
    // The window is divided out again; away from its low ends the line is the long wave.
    for (int i = n / 4; i < 3 * n / 4; ++i)
        ASSERT_NEAR(mean[i], sineAt(waviness, i), 0.05) << i;
    const SineFit rest = fitSine(mean.data() + n / 4, n / 2, roughness.Wavelength, n / 4);
    EXPECT_LT(rest.amplitude(), 0.02);
}

TEST(ProfileFilters, FftWithTinyCutoffReturnsTheInput)
{
    const std::vector<double> profile = syntheticProfile(500, {{50.0, 1.0}}, 0.02, 0.1);
    // 500 / 1e-12 wavelengths overflow an int; no bin may be zeroed.
    for (double cut : {0.9, 1e-12}) {
        const std::vector<double> mean = filtered(algoFilterFFT, profile, cut, 0);
        for (int i = 0; i < 500; ++i)
            ASSERT_NEAR(mean[i], profile[i], 1e-9) << "cut " << cut << " point " << i;
    }
}

TEST(ProfileFilters, DpMatchesBruteForceWindowMeans)
{
    const std::vector<double> p = {0.3, -1.2, 2.5, 0.7, 3.1, -0.4, 1.9, 2.2, -2.8, 0.6};
    const int n = 10;
    const int w = 6;
    const int windows = n - w + 1;
    std::vector<double> sum(n, 0.0);
    std::vector<int> count(n, 0);
    for (int j = 0; j < windows; ++j) {
        double st = 0, sy = 0, stt = 0, sty = 0;
        for (int t = 0; t < w; ++t) {
            st += t;
            sy += p[j + t];
            stt += t * t;
            sty += t * p[j + t];
        }
        const double slope = (w * sty - st * sy) / (w * stt - st * st);
        const double intercept = (sy - slope * st) / w;
        for (int t = 0; t < w; ++t) {
            sum[j + t] += slope * t + intercept;
            ++count[j + t];
        }
    }
    EXPECT_EQ(count[0], 1);
    EXPECT_EQ(count[4], 5);
    EXPECT_EQ(count[5], 5);
    EXPECT_EQ(count[9], 1);

    const std::vector<double> mean = filtered(algoFilterDP, p, 6.7, 0);
    const std::vector<double> residual = filtered(algoFilterDP, p, 6.7, 1);
    for (int i = 0; i < n; ++i) {
        EXPECT_NEAR(mean[i], sum[i] / count[i], 1e-12) << i;
        EXPECT_NEAR(residual[i], p[i] - sum[i] / count[i], 1e-12) << i;
    }
}

TEST(ProfileFilters, DpKeepsLinesAndFitsOneLineBeyondTheProfile)
{
    std::vector<double> line(21000);
    for (int i = 0; i < 21000; ++i)
        line[i] = 250.0 - 0.013 * i;
    for (double cut : {2.0, 37.5, 8000.0, 21000.0, 1e12}) {
        const std::vector<double> mean = filtered(algoFilterDP, line, cut, 0);
        for (int i = 0; i < 21000; i += 7)
            ASSERT_NEAR(mean[i], line[i], 1e-7) << "cut " << cut << " point " << i;
    }

    std::vector<double> wavy = syntheticProfile(300, {{90.0, 1.0}}, 0.05, 0.1);
    std::vector<double> fitted(300);
    DataArray wavyCurve = curveOf(wavy);
    DataArray fittedCurve = curveOf(fitted);
    algoLsLine(&wavyCurve, 0, 299, &fittedCurve, 1);
    EXPECT_EQ(filtered(algoFilterDP, wavy, 300, 1), fitted);
}

TEST(ProfileFilters, RcPairsPassThreeQuartersAtTheCutoff)
{
    const int n = 20000;
    const double cut = 250.0;
    const std::vector<double> profile = syntheticProfile(n, {{cut, 1.0}});
    // Skip the start-up of the recursions at both ends.
    const int from = 5000;
    const int length = 10000;
    for (const NamedFilter &f : {AllFilters[3], AllFilters[4]}) {
        const std::vector<double> high = filtered(f.Run, profile, cut, 0);
        const SineFit fit = fitSine(high.data() + from, length, cut, from);
        EXPECT_NEAR(fit.amplitude(), 0.75, 0.0075) << f.Name;
    }
}

TEST(ProfileFilters, PcHasZeroPhaseWhere2RcShifts)
{
    const int n = 20000;
    const double cut = 250.0;
    const int from = 5000;
    const int length = 10000;
    for (double wavelength : {100.0, 250.0, 800.0}) {
        const std::vector<double> profile = syntheticProfile(n, {{wavelength, 1.0}});
        const std::vector<double> pc = filtered(algoFilterPcRC, profile, cut, 0);
        const std::vector<double> rc2 = filtered(algoFilter2RC, profile, cut, 0);
        const SineFit pcFit = fitSine(pc.data() + from, length, wavelength, from);
        const SineFit rcFit = fitSine(rc2.data() + from, length, wavelength, from);
        EXPECT_NEAR(pcFit.Quadrature, 0.0, 1e-3) << wavelength;
        EXPECT_NEAR(pcFit.amplitude(), rcFit.amplitude(), 1e-3) << wavelength;
        EXPECT_GT(std::fabs(rcFit.Quadrature), 0.05) << wavelength;
    }
}

TEST(ProfileFilters, RcForwardSectionStartsFromTheMean)
{
    // A cut-off of 78/43 points gives A = 1/2 and B = 0, so each output point
    // shows the forward section directly: T = (mean 3, 0.5, 2).
    const std::vector<double> p = {1.0, 2.0, 6.0};
    const double cut = 78.0 / 43.0;
    const std::vector<double> pc = filtered(algoFilterPcRC, p, cut, 0);
    const std::vector<double> rc2 = filtered(algoFilter2RC, p, cut, 0);
    const double meanT = 5.5 / 3.0;
    const std::vector<double> pcExpected = {1.25, -0.75, meanT};
    const std::vector<double> rc2Expected = {meanT, -1.25, 0.75};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(pc[i], pcExpected[i], 1e-12) << i;
        EXPECT_NEAR(rc2[i], rc2Expected[i], 1e-12) << i;
    }
}

TEST(ProfileFilters, DegenerateCutoffsCopyWhateverTheFlag)
{
    const struct {
        const NamedFilter &Filter;
        double Cut;
    } cases[] = {
        {AllFilters[0], 0.99}, {AllFilters[1], 0.0}, {AllFilters[2], 1.99}, {AllFilters[3], 0.0}, {AllFilters[4], 0.0},
    };
    const std::vector<double> profile = syntheticProfile(64, {{16.0, 1.0}}, 0.1, 0.2);
    for (const auto &c : cases) {
        for (int flag : {0, 1})
            EXPECT_EQ(filtered(c.Filter.Run, profile, c.Cut, flag), profile) << c.Filter.Name << " flag " << flag;
    }
}

TEST(ProfileFilters, InPlaceGivesTheSameAsSeparateBuffers)
{
    const std::vector<double> profile = syntheticProfile(2000, {{400.0, 2.0}, {30.0, 0.3}}, 0.002, 0.05);
    for (const NamedFilter &f : AllFilters) {
        for (int flag : {0, 1}) {
            const std::vector<double> expected = filtered(f.Run, profile, 120.0, flag);
            std::vector<double> shared = profile;
            DataArray curve = curveOf(shared);
            f.Run(&curve, &curve, 120.0, flag);
            for (int i = 0; i < 2000; ++i)
                ASSERT_NEAR(shared[i], expected[i], 1e-12) << f.Name << " flag " << flag << " point " << i;
        }
    }
}

TEST(ProfileFilters, ShortAndLongProfilesStayFinite)
{
    for (int n : {20, 21000}) {
        const std::vector<double> profile = syntheticProfile(n, {{n / 3.0, 1.0}}, 0.01, 0.1);
        for (const NamedFilter &f : AllFilters) {
            for (double cut : {1.25, n / 4.0, n / 2.0, static_cast<double>(n)}) {
                const std::vector<double> out = filtered(f.Run, profile, cut, 1);
                EXPECT_TRUE(allFinite(out.data(), n)) << f.Name << " n " << n << " cut " << cut;
            }
        }
    }
}

TEST(LeastSquaresLine, RecoversLinesOverAnyRange)
{
    // The longest profiles overflow 32-bit index sums, and odd ranges have a
    // centre between two indexes.
    const struct {
        int N, A, B;
    } cases[] = {{10, 0, 9},        {10, 3, 4},        {2001, 999, 2000},
                 {2001, 499, 1499}, {21000, 0, 20999}, {21000, 10499, 20999}};
    for (const auto &c : cases) {
        std::vector<double> line(c.N);
        for (int i = 0; i < c.N; ++i)
            line[i] = 12.5 + 0.37 * i;
        std::vector<double> out(c.N);
        DataArray in = curveOf(line);
        DataArray outCurve = curveOf(out);
        algoLsLine(&in, c.A, c.B, &outCurve, 0);
        for (int i = 0; i < c.N; ++i)
            ASSERT_NEAR(out[i], line[i], 1e-8 * std::fabs(line[i])) << c.N << " " << c.A << "-" << c.B << " at " << i;
        algoLsLine(&in, c.A, c.B, &outCurve, 1);
        for (int i = 0; i < c.N; ++i)
            ASSERT_NEAR(out[i], 0.0, 1e-8) << c.N << " " << c.A << "-" << c.B << " at " << i;
    }
}

TEST(FilterHelpers, GaussWeightsAreANormalisedSymmetricBell)
{
    std::vector<double> weights(500, 7.0);
    DataArray curve = curveOf(weights);
    algoGaussWeight(&curve, 2 * 100 + 1, 100.0);
    double sum = 0.0;
    for (int i = 0; i <= 200; ++i) {
        sum += weights[i];
        EXPECT_DOUBLE_EQ(weights[i], weights[200 - i]);
    }
    EXPECT_NEAR(sum, 1.0, 1e-3);
    EXPECT_GT(weights[100], weights[99]);
    for (int i = 201; i < 500; ++i)
        ASSERT_EQ(weights[i], 0.0) << i;

    // The height of the bell is 1 / (alpha cut-off) of the cut-off as given.
    algoGaussWeight(&curve, 2 * 100 + 1, 100.9);
    EXPECT_DOUBLE_EQ(weights[100], 1.0 / (0.4697 * 100.9));
}

TEST(FilterHelpers, HammingWindowAndLinspace)
{
    std::vector<double> window(101);
    DataArray windowCurve = curveOf(window);
    algoHammingWindow(&windowCurve);
    EXPECT_NEAR(window[0], 0.08, 1e-12);
    EXPECT_NEAR(window[50], 1.0, 1e-12);
    EXPECT_NEAR(window[100], 0.08, 1e-12);

    std::vector<double> ramp(5);
    DataArray rampCurve = curveOf(ramp);
    algoLinspace(100.0, 0.0, &rampCurve);
    EXPECT_EQ(ramp, (std::vector<double>{100, 75, 50, 25, 0}));
    std::vector<double> single(1);
    DataArray singleCurve = curveOf(single);
    algoLinspace(0.0, 100.0, &singleCurve);
    EXPECT_EQ(single[0], 0.0);
}

TEST(FilterHelpers, TransformsRoundTrip)
{
    for (int n : {20, 21, 1000}) {
        std::vector<double> profile = syntheticProfile(n, {{7.0, 1.0}}, 0.3, 0.2);
        std::vector<std::complex<double>> bins(n / 2 + 1);
        DataArray in = curveOf(profile);
        algoFftForward(&in, bins.data());
        double sum = 0.0;
        for (double y : profile)
            sum += y;
        EXPECT_NEAR(bins[0].real(), sum, 1e-9);
        std::vector<double> back(n);
        DataArray out = curveOf(back);
        algoFftInverse(bins.data(), &out);
        for (int i = 0; i < n; ++i)
            ASSERT_NEAR(back[i], profile[i], 1e-9) << n << " " << i;
    }
}
