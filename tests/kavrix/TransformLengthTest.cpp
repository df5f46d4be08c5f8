#include "AlgoFilter.h"
#include "EvalWorkspace.h"
#include "EvaluationRecord.h"
#include "KavrixPrepare.h"
#include "KavrixStages.h"
#include "SyntheticProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using TransformFilter = void (*)(const DataArray *, DataArray *, double, int, EvalWorkspace *);

const int Capacity = 21000;

bool isSmooth(int n)
{
    for (int p : {2, 3, 5, 7}) {
        while (n % p == 0)
            n /= p;
    }
    return n == 1;
}

double largestMagnitude(const std::vector<double> &y)
{
    double largest = 0.0;
    for (double v : y)
        largest = std::max(largest, std::abs(v));
    return largest;
}

// Every point within 1e-9 of the largest height of the curve filtered: the
// results may differ by rounding only, and a residual of a filter that keeps
// everything is rounding alone.
void expectSameCurve(const std::vector<double> &actual, const std::vector<double> &reference, double scale,
                     const char *what)
{
    const double tolerance = 1e-9 * scale;
    ASSERT_EQ(actual.size(), reference.size());
    for (std::size_t i = 0; i < reference.size(); ++i)
        ASSERT_NEAR(actual[i], reference[i], tolerance) << what << ", point " << i << " of " << reference.size();
}

std::vector<double> filteredIn(TransformFilter filter, const std::vector<double> &in, double cut, int flag,
                               EvalWorkspace *work)
{
    std::vector<double> source = in;
    std::vector<double> out(in.size(), 0.0);
    DataArray inCurve = curveOf(source);
    DataArray outCurve = curveOf(out);
    filter(&inCurve, &outCurve, cut, flag, work);
    return out;
}

} // namespace

TEST(TransformLengths, SmoothLengthIsTheNextWithOnlyFactorsUpToSeven)
{
    int expected = 1;
    for (int n = 1; n <= 5000; ++n) {
        while (!isSmooth(expected) || expected < n)
            ++expected;
        ASSERT_EQ(EvalWorkspace::smoothLength(n), expected) << n;
    }
    EXPECT_EQ(EvalWorkspace::smoothLength(20011), 20160);
    EXPECT_EQ(EvalWorkspace::smoothLength(42000), 42000);
    EXPECT_EQ(EvalWorkspace::smoothLength(1000003), 1000188);
}

// The forward transform, which the spectrum takes at the roughness's own
// length, against FFTW's plan of that length, bin by bin; a shared workspace
// moving between lengths must not keep the factors of the last one.
TEST(TransformLengths, ForwardTransformOfAnyLengthMatchesTheExactPlan)
{
    EvalWorkspace smooth(Capacity);
    EvalWorkspace exact(Capacity, EvalWorkspace::Lengths::ExactLengths);
    for (int n : {1, 2, 3, 7, 11, 13, 97, 4099, 4096, 20011, 20998, 20011, 21000, Capacity - 1}) {
        std::vector<double> heights = syntheticProfile(n, {{n / 4.0, 2.0}, {5.3, 0.2}}, 0.0, 0.1, n);
        std::copy(heights.begin(), heights.end(), smooth.real(0));
        std::copy(heights.begin(), heights.end(), exact.real(0));
        smooth.forward(smooth.real(0), smooth.bins(0), n);
        exact.forward(exact.real(0), exact.bins(0), n);
        double largest = 0.0;
        for (int k = 0; k <= n / 2; ++k)
            largest = std::max(largest, std::abs(exact.bins(0)[k]));
        for (int k = 0; k <= n / 2; ++k)
            ASSERT_LE(std::abs(smooth.bins(0)[k] - exact.bins(0)[k]), 1e-9 * largest) << "n " << n << " bin " << k;
    }
}

// Both transform filters at lengths with a large prime factor and at smooth
// ones against the same filter transforming at the curve's own length, over
// every point: the wrapped end of the Gaussian line included, which the
// envelope filter reads.
TEST(TransformLengths, FiltersKeepTheirResultsAtEveryLength)
{
    EvalWorkspace smooth(Capacity);
    EvalWorkspace exact(Capacity, EvalWorkspace::Lengths::ExactLengths);
    ASSERT_TRUE(smooth.valid());
    ASSERT_TRUE(exact.valid());
    const struct {
        const char *Name;
        TransformFilter Filter;
    } filters[] = {{"Gaussian", algoFilterGaussianUsing}, {"FFT", algoFilterFFTUsing}};
    const int lengths[] = {2, 3, 7, 11, 26, 97, 4096, 4099, 20000, 20011, 20014, 20998, 21000};
    for (const auto &filter : filters) {
        for (int n : lengths) {
            const std::vector<double> profile = syntheticProfile(n, {{n / 3.0, 3.0}, {17.0, 0.4}}, 0.001, 0.05, n);
            // A window of a few points, one of a fifth of the profile and
            // one of nearly all of it; the FFT filter keeps many bins, five
            // and two.
            for (double cut : {2.6, n / 5.0, (n - 1) / 2.0}) {
                for (int flag : {0, 1}) {
                    const std::vector<double> reference = filteredIn(filter.Filter, profile, cut, flag, &exact);
                    const std::string what = std::string(filter.Name) + " n " + std::to_string(n) + " cut " +
                                             std::to_string(cut) + " flag " + std::to_string(flag);
                    const double scale = largestMagnitude(profile);
                    expectSameCurve(filteredIn(filter.Filter, profile, cut, flag, &smooth), reference, scale,
                                    what.c_str());
                    // Without a workspace the filter makes one just as large as the profile.
                    expectSameCurve(filteredIn(filter.Filter, profile, cut, flag, nullptr), reference, scale,
                                    (what + " own workspace").c_str());
                }
            }
        }
    }
}

// A whole evaluation through kavrix against the same stages run with a
// workspace that transforms every curve at its own length.
TEST(TransformLengths, EvaluationKeepsItsParametersAndCurvesAtEveryLength)
{
    EvalWorkspace exact(Capacity, EvalWorkspace::Lengths::ExactLengths);
    for (int filter : {GaussianFilter, FftFilter}) {
        for (int n : {4099, 20000, 20011}) {
            Evaluation eval(1, Capacity);
            const std::vector<double> profile = syntheticProfile(n, {{1900.0, 4.0}, {63.0, 1.0}}, 0.002, 0.03, n);
            eval.run(profile, 4.0, filter);
            ASSERT_EQ(eval->Valid, 1) << n;
            const std::vector<double> roughness(eval->RArray.Y, eval->RArray.Y + eval->RArray.N);
            const std::vector<double> spectrum(eval->SpectrumArray.Y, eval->SpectrumArray.Y + eval->SpectrumArray.N);
            std::vector<double> values;
            for (const ParmResult &result : eval->Results)
                values.push_back(result.Value1);

            eval->RawArray.N = n;
            std::copy(profile.begin(), profile.end(), eval->RawArray.Y);
            algoPrepare(eval.operator->());
            ASSERT_EQ(eval->Valid, 1);
            algoFilterProfile(eval.operator->(), &exact);
            algoCalcParms(eval.operator->());
            algoFormatResults(eval.operator->());

            const std::string what = "filter " + std::to_string(filter) + " n " + std::to_string(n);
            const std::vector<double> reference(eval->RArray.Y, eval->RArray.Y + eval->RArray.N);
            expectSameCurve(roughness, reference, largestMagnitude(reference), (what + " roughness").c_str());
            const std::vector<double> referenceSpectrum(eval->SpectrumArray.Y,
                                                        eval->SpectrumArray.Y + eval->SpectrumArray.N);
            expectSameCurve(spectrum, referenceSpectrum, largestMagnitude(referenceSpectrum),
                            (what + " spectrum").c_str());
            for (int i = 0; i < KAVRIX_RESULT_COUNT; ++i) {
                const double reference = eval->Results[i].Value1;
                EXPECT_NEAR(values[i], reference, 1e-9 * std::abs(reference)) << what << ", result " << i;
            }
        }
    }
}
