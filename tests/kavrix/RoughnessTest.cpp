#include "KavrixStages.h"
#include "ParmCalculators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A record whose roughness, waviness and primary curves are all `y`.
struct Record {
    std::vector<double> r, w, p;
    ParaRecord para{};

    explicit Record(const std::vector<double> &y, double evalLength = 4.0, double zMag = 1.0)
        : r(y)
        , w(y)
        , p(y)
    {
        const int n = static_cast<int>(y.size());
        para.RawArray.N = n;
        para.RArray = DataArray{n, r.data(), nullptr};
        para.WArray = DataArray{n, w.data(), nullptr};
        para.PArray = DataArray{n, p.data(), nullptr};
        para.Cond.EvalLength = evalLength;
        para.Cond.ParmZMag = zMag;
    }
    double rough(int slot) const { return para.Results[KAVRIX_R_FIRST + slot].Value1; }
    double wavy(int slot) const { return para.Results[KAVRIX_W_FIRST + slot].Value1; }
};

std::vector<double> sine(int n, double amplitude, double period)
{
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i)
        y[i] = amplitude * std::sin(2.0 * M_PI * (i + 0.1) / period);
    return y;
}

void expectWithin(double actual, double expected, double relative)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * relative);
}

TEST(Roughness, SineGivesItsAnalyticValues)
{
    const double a = 3.0;
    const int period = 50;
    Record rec(sine(20 * period, a, period));
    algoCalcRoughness(&rec.para);

    expectWithin(rec.rough(0), 2 * a / M_PI, 0.005);
    expectWithin(rec.rough(1), a / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(rec.rough(2), 0.0, 1e-9);
    expectWithin(rec.rough(3), 1.5, 1e-9);
    expectWithin(rec.rough(4), a, 0.005);
    expectWithin(rec.rough(5), a, 0.005);
    expectWithin(rec.rough(6), 2 * a, 0.005);
    EXPECT_EQ(rec.rough(8), rec.rough(6));
    expectWithin(rec.rough(7), 2 * a, 0.005);
    EXPECT_DOUBLE_EQ(rec.rough(9), period);
    EXPECT_DOUBLE_EQ(rec.rough(10), period);
    expectWithin(rec.rough(11), 4 * a / period, 0.005);
    expectWithin(rec.rough(12), 2 * M_PI * a / period / std::sqrt(2.0), 0.005);
    expectWithin(rec.rough(13), 2 * a, 0.005);
    expectWithin(rec.rough(14), 2 * a, 0.005);
    // 19 peaks: the first half-wave starts above zero and forms none.
    EXPECT_DOUBLE_EQ(rec.rough(15), 19 / 4.0 * 10.0);
    expectWithin(rec.rough(16), period, 0.005);
    expectWithin(rec.rough(17), period, 0.005);
}

TEST(Roughness, LengthRatioUsesTheTrueSlope)
{
    // 100 points over 4 mm at 100 μm per raw unit: a raw slope of 0.3 per point
    // is 0.75 μm per μm, and the profile is 1.25 times as long as it is wide.
    std::vector<double> line(100);
    for (int i = 0; i < 100; ++i)
        line[i] = 0.3 * i - 15.0;
    Record tilted(line, 4.0, 100.0);
    algoCalcRoughness(&tilted.para);
    EXPECT_NEAR(tilted.rough(18), 1.25, 1e-12);
    EXPECT_NEAR(tilted.rough(11), 0.3, 1e-12);
    EXPECT_NEAR(tilted.rough(12), 0.3, 1e-12);

    Record flat(std::vector<double>(100, 0.0), 4.0, 100.0);
    algoCalcRoughness(&flat.para);
    EXPECT_EQ(flat.rough(18), 1.0);
}

TEST(Roughness, LowPeaksDoNotCount)
{
    // Tall peaks every 8 points with a bump of 0.3 between them: the bump lies
    // under 10 % of Rz (20) and is neither a peak nor a crossing: the trough
    // around it is one valley 10 deep.
    std::vector<double> y;
    for (int k = 0; k < 10; ++k)
        y.insert(y.end(), {3, 10, 3, -4, -10, -4, 0.3, -4});
    Record rec(y, 8.0);
    algoCalcRoughness(&rec.para);
    EXPECT_EQ(rec.rough(6), 20.0);
    EXPECT_DOUBLE_EQ(rec.rough(7), 20.0);
    EXPECT_DOUBLE_EQ(rec.rough(15), 9 / 8.0 * 10.0);
    EXPECT_DOUBLE_EQ(rec.rough(10), 8.0);
    EXPECT_DOUBLE_EQ(rec.rough(9), 8.0);
}

TEST(Roughness, WavinessReportsItsSubsetOfTheRoughnessQuantities)
{
    Record rec(sine(1000, 2.0, 40));
    algoCalcRoughness(&rec.para);
    algoCalcWaviness(&rec.para);
    const int fromRoughness[KAVRIX_W_COUNT] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 15};
    for (int slot = 0; slot < KAVRIX_W_COUNT; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_NE(rec.wavy(slot), 0.0);
        EXPECT_EQ(rec.wavy(slot), rec.rough(fromRoughness[slot]));
    }
}

TEST(Roughness, DegenerateCurvesGiveFiniteValues)
{
    std::vector<double> zeroCrossings;
    for (int k = 0; k < 200; ++k)
        zeroCrossings.insert(zeroCrossings.end(), {1.0, -1.0, 0.0});
    const std::vector<std::vector<double>> curves = {
        {},
        {2.0},
        std::vector<double>(6, 0.0),
        sine(6, 1.0, 5),
        std::vector<double>(7, 0.0),
        std::vector<double>(50, 0.0),
        std::vector<double>(50, 3.0),
        zeroCrossings,
    };
    for (const std::vector<double> &y : curves) {
        SCOPED_TRACE(y.size());
        Record rec(y);
        algoCalcRoughness(&rec.para);
        algoCalcWaviness(&rec.para);
        algoCalcPrimaryMotif(&rec.para);
        for (const ParmResult &result : rec.para.Results)
            EXPECT_TRUE(std::isfinite(result.Value1));
    }

    for (int n : {0, 6, 7, 50}) {
        SCOPED_TRACE(n);
        Record flat(std::vector<double>(n, 0.0));
        algoCalcRoughness(&flat.para);
        for (int slot = 0; slot < 18; ++slot)
            EXPECT_EQ(flat.rough(slot), 0.0) << slot;
        // Without seven points there is no slope and so no profile length.
        EXPECT_EQ(flat.rough(18), n >= 7 ? 1.0 : 0.0);
    }
}

TEST(Parameters, DispatcherRunsTheSwitchedOnFamilies)
{
    struct Case {
        int rOn, wOn, pOn, motifOn;
    };
    for (const Case &c : {Case{1, 0, 0, 0}, Case{0, 1, 0, 0}, Case{0, 0, 1, 0}, Case{0, 0, 0, 1}, Case{1, 1, 1, 1}}) {
        SCOPED_TRACE(testing::Message() << c.rOn << c.wOn << c.pOn << c.motifOn);
        Record rec(sine(1000, 2.0, 40));
        for (ParmResult &result : rec.para.Results)
            result.Value1 = -7.0;
        rec.para.ROn = c.rOn;
        rec.para.WOn = c.wOn;
        rec.para.POn = c.pOn;
        rec.para.MotifOn = c.motifOn;
        algoCalcParms(&rec.para);

        const bool primary = c.pOn || c.motifOn;
        const struct {
            int first;
            bool written;
        } groups[] = {{KAVRIX_R_FIRST, c.rOn == 1},
                      {KAVRIX_W_FIRST, c.wOn == 1},
                      {KAVRIX_P_FIRST, primary},
                      {KAVRIX_MOTIF_FIRST, primary},
                      {KAVRIX_MR_FIRST, false}};
        for (const auto &g : groups)
            EXPECT_EQ(rec.para.Results[g.first].Value1 != -7.0, g.written) << g.first;
    }
}

} // namespace
