#include "Pipeline.h"
#include "EvaluationRecord.h"
#include "KavrixStages.h"
#include "SyntheticProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Curves over test-owned buffers, for running one stage on chosen heights.
struct StageRecord {
    explicit StageRecord(int n, int filterType = DpFilter)
        : y(10, std::vector<double>(n, 0.0))
        , x(10, std::vector<double>(n, 0.0))
    {
        DataArray *curves[] = {&para.RawArray,    &para.FormArray,     &para.PArray,      &para.RArray,
                               &para.WArray,      &para.ExtraArray1,   &para.ExtraArray2, &para.SpectrumArray,
                               &para.AbbottArray, &para.AmplitudeArray};
        for (int i = 0; i < 10; ++i)
            *curves[i] = DataArray{n, y[i].data(), x[i].data()};
        para.Cond.FilterType = filterType;
        para.SpectrumArrayOn = 1;
        para.AbbottArrayOn = 1;
        para.AmplitudeArrayOn = 1;
    }
    std::vector<std::vector<double>> y;
    std::vector<std::vector<double>> x;
    ParaRecord para{};
};

// Roughness of 25 points, waviness of 1000 points, on a tilt with noise.
std::vector<double> referenceProfile(int n = 2000)
{
    return syntheticProfile(n, {{1000.0, 4.0}, {25.0, 1.0}}, 0.003, 0.02);
}

} // namespace

TEST(Pipeline, CurveLengthsPerFilter)
{
    const struct {
        int Filter;
        int Shortened;
        int Spectrum;
    } cases[] = {
        {GaussianFilter, 1198, 600}, {FftFilter, 1198, 600},    {PcFilter, 2000, 1001},
        {DpFilter, 2000, 1001},      {TwoRcFilter, 2000, 1001},
    };
    for (const auto &c : cases) {
        Evaluation e(1);
        e.run(referenceProfile(), 4.0, c.Filter);
        ASSERT_EQ(e->Valid, 1);
        EXPECT_DOUBLE_EQ(e->Cond.Ls, 1.25);
        EXPECT_DOUBLE_EQ(e->Cond.Lc, 400.0);
        EXPECT_EQ(e->RawArray.N, 2000);
        EXPECT_EQ(e->FormArray.N, 2000);
        for (const DataArray *curve : {&e->PArray, &e->WArray, &e->RArray, &e->AbbottArray, &e->AmplitudeArray})
            EXPECT_EQ(curve->N, c.Shortened) << "filter " << c.Filter;
        EXPECT_EQ(e->SpectrumArray.N, c.Spectrum) << "filter " << c.Filter;
        EXPECT_EQ(e->ExtraArray1.N, 2000);
        for (const DataArray *curve : e.plottedCurves()) {
            EXPECT_TRUE(allFinite(curve->Y, curve->N)) << "filter " << c.Filter;
            EXPECT_TRUE(allFinite(curve->X, curve->N)) << "filter " << c.Filter;
        }
        EXPECT_TRUE(allFinite(e->SpectrumArray.Y, e->SpectrumArray.N));
        for (int i = 0; i < e->RArray.N; ++i)
            ASSERT_NEAR(e->RArray.Y[i], e->PArray.Y[i] - e->WArray.Y[i], 1e-9) << "filter " << c.Filter;
    }
}

TEST(Pipeline, EveryFilterSeparatesRoughnessFromWaviness)
{
    // Point 0 of a shortened curve belongs to input point int(Ls) + int(Lc).
    // The RC pairs fall off gently: a third of the long wave stays.
    const struct {
        int Filter;
        int Offset;
        double LongWaveLeft;
    } cases[] = {{GaussianFilter, 401, 0.3},
                 {FftFilter, 401, 0.3},
                 {PcFilter, 0, 0.7},
                 {DpFilter, 0, 0.3},
                 {TwoRcFilter, 0, 0.7}};
    for (const auto &c : cases) {
        Evaluation e(0);
        e.run(referenceProfile(), 4.0, c.Filter, 2, 4, 1, 0.5);
        const SineFit roughness = fitSine(e->RArray.Y, e->RArray.N, 25.0, c.Offset);
        EXPECT_NEAR(roughness.InPhase, 0.5, 0.03) << "filter " << c.Filter;
        const SineFit longWave = fitSine(e->RArray.Y, e->RArray.N, 1000.0, c.Offset);
        EXPECT_LT(longWave.amplitude(), c.LongWaveLeft) << "filter " << c.Filter;
    }
}

TEST(Pipeline, WithoutLsThePrimaryProfileIsTheFormRemovedOne)
{
    for (int filter : {GaussianFilter, FftFilter, PcFilter, DpFilter, TwoRcFilter}) {
        Evaluation e(1);
        e.run(referenceProfile(), 4.0, filter, 1);
        ASSERT_EQ(e->Valid, 1);
        EXPECT_EQ(e->Cond.Ls, 0.0);
        const int shift = filter == GaussianFilter || filter == FftFilter ? 400 : 0;
        EXPECT_EQ(e->PArray.N, 2000 - 2 * shift);
        for (int i = 0; i < e->PArray.N; ++i)
            ASSERT_DOUBLE_EQ(e->PArray.Y[i], e->FormArray.Y[i + shift]) << "filter " << filter << " at " << i;
    }
}

TEST(FormRemoval, LineModesFitTheirIndexRange)
{
    // Outside its range the profile leaves the line, so only the range fits.
    const struct {
        int Mode;
        int First;
        int Last;
    } cases[] = {{1, 0, 2000}, {2, 0, 999}, {3, 999, 2000}, {4, 499, 1499}};
    for (const auto &c : cases) {
        StageRecord r(2001);
        for (int i = 0; i < 2001; ++i)
            r.y[0][i] = 5.0 - 0.02 * i + (i < c.First || i > c.Last ? 30.0 : 0.0);
        r.para.Cond.ShapeMode = c.Mode;
        algoRemoveShape(&r.para);
        for (int i = 0; i < 2001; ++i) {
            const double expected = i < c.First || i > c.Last ? 30.0 : 0.0;
            ASSERT_NEAR(r.y[1][i], expected, 1e-8) << "mode " << c.Mode << " at " << i;
        }
    }
}

TEST(FormRemoval, EndPointLineLeavesZerosOnASlope)
{
    StageRecord r(500);
    for (int i = 0; i < 500; ++i)
        r.y[0][i] = -3.0 + 0.75 * i;
    r.para.Cond.ShapeMode = 5;
    algoRemoveShape(&r.para);
    for (int i = 0; i < 500; ++i)
        ASSERT_NEAR(r.y[1][i], 0.0, 1e-9) << i;
}

TEST(FormRemoval, SplineTakesItsControlValuesAndCoversEveryIndex)
{
    // Ones at the control indexes only: the Bezier curve of equal control
    // values is flat, so any other index taken, or any index left unwritten
    // (or a division by a zero-length segment), shows.
    const struct {
        int N;
        std::vector<int> Controls;
    } cases[] = {
        {100, {0, 11, 22, 33, 44, 55, 66, 77, 88, 99}},
        {20, {0, 2, 4, 6, 8, 10, 12, 14, 16, 19}},
        {23, {0, 2, 4, 6, 8, 10, 12, 14, 16, 22}},
        {26, {0, 2, 4, 6, 8, 10, 12, 14, 16, 25}},
    };
    for (const auto &c : cases) {
        for (double elsewhere : {0.0, 7.0}) {
            std::vector<double> in(c.N, elsewhere);
            for (int k : c.Controls)
                in[k] = 1.0;
            std::vector<double> out(c.N, -5.0);
            DataArray inCurve = curveOf(in);
            DataArray outCurve = curveOf(out);
            algoSplineCurve(&inCurve, &outCurve, 10, 0);
            for (int i = 0; i < c.N; ++i)
                ASSERT_NEAR(out[i], 1.0, 1e-12) << c.N << " points, index " << i;
            algoSplineCurve(&inCurve, &outCurve, 10, 1);
            for (int i = 0; i < c.N; ++i)
                ASSERT_NEAR(out[i], in[i] - 1.0, 1e-12) << c.N << " points, index " << i;
        }
    }
}

TEST(Curves, AbbottRunsFromTopToBottom)
{
    Evaluation e(0);
    e.run(referenceProfile(), 4.0, GaussianFilter);
    const DataArray &abbott = e->AbbottArray;
    const int n = abbott.N;
    ASSERT_EQ(n, 1198);
    EXPECT_DOUBLE_EQ(abbott.Y[0], 100.0);
    EXPECT_DOUBLE_EQ(abbott.Y[n - 1], 0.0);
    EXPECT_TRUE(std::is_sorted(abbott.Y, abbott.Y + n, std::greater<double>()));
    EXPECT_DOUBLE_EQ(abbott.X[0], 0.0);
    EXPECT_DOUBLE_EQ(abbott.X[n - 1], 100.0 * (n - 1) / n);
}

TEST(Curves, FlatProfileGivesFlatFiniteCurves)
{
    for (int filter : {GaussianFilter, DpFilter, PcFilter}) {
        Evaluation e(1);
        e.run(std::vector<double>(2000, 12.0), 4.0, filter);
        ASSERT_EQ(e->Valid, 1);
        for (const DataArray *curve : e.plottedCurves()) {
            ASSERT_TRUE(allFinite(curve->Y, curve->N)) << "filter " << filter;
            ASSERT_TRUE(allFinite(curve->X, curve->N)) << "filter " << filter;
        }
        for (int i = 0; i < e->AbbottArray.N; ++i)
            ASSERT_NEAR(e->AbbottArray.Y[i], 0.0, 1e-9) << "filter " << filter;
    }
}

TEST(Curves, AmplitudeRampPeaksAtTheCountOfNegativeHeights)
{
    const struct {
        int N;
        int Negative;
    } cases[] = {{1200, 500}, {40, 1}, {40, 39}, {40, 0}, {40, 40}};
    for (const auto &c : cases) {
        StageRecord r(c.N, GaussianFilter);
        for (int i = 0; i < c.N; ++i)
            r.y[3][i] = (i * 7) % c.N < c.Negative ? -1.0 - i * 0.001 : 1.0 + i * 0.002;
        algoAmplitudeCurve(&r.para);
        const double *ramp = r.x[9].data();
        ASSERT_TRUE(allFinite(ramp, c.N));
        EXPECT_TRUE(std::is_sorted(r.y[9].begin(), r.y[9].end(), std::greater<double>()));
        if (c.Negative > 1) {
            EXPECT_DOUBLE_EQ(ramp[c.Negative - 1], 100.0);
            EXPECT_DOUBLE_EQ(ramp[c.Negative / 2], 100.0 * (c.Negative / 2) / (c.Negative - 1));
        }
        if (c.Negative < c.N) {
            EXPECT_DOUBLE_EQ(ramp[c.Negative], 100.0) << c.Negative;
            EXPECT_DOUBLE_EQ(ramp[c.N - 1], c.N - c.Negative == 1 ? 100.0 : 0.0) << c.Negative;
        }
        EXPECT_DOUBLE_EQ(ramp[0], c.Negative == 0 ? 100.0 : 0.0);
    }
}

TEST(Curves, SpectrumShowsTheRoughnessWave)
{
    StageRecord r(1000, GaussianFilter);
    r.para.RArray.N = 900;
    for (int i = 0; i < 900; ++i)
        r.y[3][i] = 2.0 * std::cos(2.0 * M_PI * 30.0 * i / 900.0);
    algoSpectrum(&r.para);
    EXPECT_EQ(r.para.SpectrumArray.N, 451);
    for (int k = 0; k < 451; ++k)
        ASSERT_NEAR(r.y[7][k], k == 30 ? 900.0 : 0.0, 1e-8) << k;
}

TEST(Curves, ScaledToMillimetresAndMicrometres)
{
    const double length = 0.7;
    const double zMag = 0.04;
    const std::vector<double> profile = referenceProfile();
    double mean = 0.0;
    for (double y : profile)
        mean += y / 2000.0;
    for (int filter : {GaussianFilter, DpFilter}) {
        Evaluation e(0);
        e.run(profile, length, filter, 1, 2, 1, zMag);
        ASSERT_EQ(e->Valid, 1);
        const DataArray &raw = e->RawArray;
        EXPECT_EQ(raw.X[0], 0.0);
        EXPECT_EQ(raw.X[1999], length);
        for (int i = 0; i < 2000; i += 111)
            ASSERT_NEAR(raw.Y[i], (profile[i] - mean) * zMag, 1e-12) << i;
        for (const DataArray *curve : {&e->FormArray, &e->PArray, &e->WArray, &e->RArray}) {
            const int n = curve->N;
            EXPECT_EQ(curve->X[0], 0.0);
            EXPECT_NEAR(curve->X[n - 1], n * length / 2000.0, 1e-15);
            EXPECT_NEAR(curve->X[1] - curve->X[0], length / 2000.0 * n / (n - 1), 1e-15);
        }
        // Heights of the form-removed profile in micrometres: the raw profile
        // less its line, times the magnification.
        const SineFit form = fitSine(e->FormArray.Y, 2000, 25.0);
        EXPECT_NEAR(form.InPhase, zMag, 0.002);
        const std::vector<double> sorted(e->AmplitudeArray.Y, e->AmplitudeArray.Y + e->AmplitudeArray.N);
        EXPECT_NEAR(sorted.front(), *std::max_element(e->RArray.Y, e->RArray.Y + e->RArray.N), 1e-12);
    }
}

TEST(Pipeline, AutomaticCutoffsAndFilter)
{
    // The program's defaults: automatic form, filter and cut-offs. A 15 um
    // wave of Ra 0.63 um over 8 mm takes lambda-c 0.8 mm and lambda-s 2.5 um.
    Evaluation e(0);
    e.run(syntheticProfile(8000, {{15.0, 1.0}}, 0.004), 8.0, 0, 0, 0, 0);
    ASSERT_EQ(e->Valid, 1);
    EXPECT_EQ(e->Cond.FilterType, DpFilter);
    EXPECT_DOUBLE_EQ(e->Cond.Lc, 800.0);
    EXPECT_DOUBLE_EQ(e->Cond.Ls, 2.5);
    EXPECT_EQ(e->RArray.N, 8000);
}

TEST(Pipeline, ShortestAndLongestProfilesWithEveryFilterAndForm)
{
    // 20 points over 0.1 mm: lambda-c 0.025 mm is 5 points, too long for the
    // shortening filters, which run over 1 mm; 21000 points over 8 mm: 2100.
    const struct {
        int N;
        double Length;
        int LcOption;
        int FirstFilter;
    } sizes[] = {{20, 0.1, 1, 3}, {20, 1.0, 1, 1}, {21000, 8.0, 4, 1}};
    for (const auto &s : sizes) {
        const std::vector<double> profile = syntheticProfile(s.N, {{s.N / 7.0, 1.0}, {s.N / 2.0, 3.0}}, 0.01, 0.1);
        for (int filter = s.FirstFilter; filter <= 5; ++filter) {
            for (int shape = 1; shape <= 6; ++shape) {
                Evaluation e(1, s.N);
                e.run(profile, s.Length, filter, 2, s.LcOption, shape);
                ASSERT_EQ(e->Valid, 1) << s.N << " filter " << filter << " shape " << shape;
                for (const DataArray *curve : e.plottedCurves()) {
                    ASSERT_TRUE(allFinite(curve->Y, curve->N)) << s.N << " filter " << filter << " shape " << shape;
                    ASSERT_TRUE(allFinite(curve->X, curve->N)) << s.N << " filter " << filter << " shape " << shape;
                }
                ASSERT_TRUE(allFinite(e->SpectrumArray.Y, e->SpectrumArray.N));
            }
        }
    }
}
