#include "ParmCalculators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const double DefaultLevels[KAVRIX_LEVEL_COUNT] = {0.1, 0.15, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};

class MaterialRatioTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < KAVRIX_LEVEL_COUNT; ++i) {
            para.Cond.RmrLevel[i] = DefaultLevels[i];
            para.Cond.Rmr2Level[i] = DefaultLevels[i];
            para.Cond.RdcLevel[i] = DefaultLevels[i];
        }
        // Stale values from an earlier evaluation must not survive.
        for (int s = 0; s < KAVRIX_MR_COUNT; ++s)
            para.Results[KAVRIX_MR_FIRST + s].Value1 = std::numeric_limits<double>::quiet_NaN();
    }

    void run(std::vector<double> heights)
    {
        curve = std::move(heights);
        para.AbbottArray.N = static_cast<int>(curve.size());
        para.AbbottArray.Y = curve.empty() ? nullptr : curve.data();
        algoCalcMaterialRatio(&para);
    }

    double value(int slot) const { return para.Results[KAVRIX_MR_FIRST + slot].Value1; }

    void expectAllZero() const
    {
        for (int s = 0; s < KAVRIX_MR_COUNT; ++s)
            EXPECT_EQ(value(s), 0.0) << "slot " << s;
    }

    ParaRecord para = {};
    std::vector<double> curve;
};

std::vector<double> linearCurve(int n)
{
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i)
        y[i] = n - 1 - i;
    return y;
}

TEST_F(MaterialRatioTest, LinearCurveGivesKnownValues)
{
    run(linearCurve(100));

    EXPECT_NEAR(value(0), 98.475, 1e-9); // Rk
    EXPECT_NEAR(value(1), 2.0, 1e-9);    // Rpk
    EXPECT_NEAR(value(2), 1.0, 1e-9);    // Rvk
    EXPECT_NEAR(value(3), 1.0, 1e-9);    // Mr1
    EXPECT_NEAR(value(4), 98.0, 1e-9);   // Mr2
    EXPECT_NEAR(value(5), 0.01, 1e-12);  // V0 = A2 / n
    EXPECT_NEAR(value(6), 1.0 / 98.475, 1e-12);
    EXPECT_NEAR(value(7), 1.0, 1e-9); // A1
    EXPECT_NEAR(value(8), 1.0, 1e-9); // A2

    const double rmr[11] = {90, 85, 80, 75, 70, 60, 50, 40, 30, 20, 10};
    const double diff[10] = {5, 10, 15, 20, 30, 40, 50, 60, 70, 80};
    for (int j = 0; j < 11; ++j)
        EXPECT_NEAR(value(9 + j), rmr[j], 1e-9) << "Rmr(" << j << ")";
    for (int j = 0; j < 10; ++j) {
        EXPECT_NEAR(value(20 + j), diff[j], 1e-9) << "Rmr2(" << j << ")";
        EXPECT_NEAR(value(30 + j), diff[j] * 100.0 / 99.0, 1e-9) << "Rdc(" << j << ")";
    }
}

// A steep top, a flat core and a steep bottom; two windows share the
// smallest drop and the first of them sets the core line.
TEST_F(MaterialRatioTest, CoreLineIsFlattestWindow)
{
    run({100, 60, 50, 49, 48, 47, 46, 20, 5, 0});

    // Window of 4 from index 2 falls by 3: top 51.5, bottom 43.25.
    EXPECT_NEAR(value(0), 8.25, 1e-12);
    EXPECT_NEAR(value(7), 60.0, 1e-12);  // A1 over points 0 and 1
    EXPECT_NEAR(value(1), 60.0, 1e-12);  // Rpk = 2 A1 / 2
    EXPECT_NEAR(value(8), 113.0, 1e-12); // A2 over points 6 to 9
    EXPECT_NEAR(value(2), 56.5, 1e-12);  // Rvk = 2 A2 / 4
    EXPECT_NEAR(value(3), 20.0, 1e-12);
    EXPECT_NEAR(value(4), 60.0, 1e-12);
    EXPECT_NEAR(value(5), 11.3, 1e-12);
    EXPECT_NEAR(value(6), 56.5 / 8.25, 1e-12);
}

TEST_F(MaterialRatioTest, DegenerateCurvesGiveZeros)
{
    run(std::vector<double>(50, 0.0));
    expectAllZero();
    run({});
    expectAllZero();
}

TEST_F(MaterialRatioTest, ShortCurvesStayFinite)
{
    for (int n = 1; n <= 4; ++n) {
        run(linearCurve(n));
        for (int s = 0; s < KAVRIX_MR_COUNT; ++s)
            EXPECT_TRUE(std::isfinite(value(s))) << "n " << n << " slot " << s;
    }
    run(linearCurve(2));
    EXPECT_EQ(value(0), 0.0); // too short for a core window
}

// Half the curve lies on its lowest level: the core line has no fall and
// runs along the bottom, so no point lies below it.
TEST_F(MaterialRatioTest, FlatCoreOnTheFloorGivesDefinedValues)
{
    run({6, 4, 2, 1, 0, 0, 0, 0});
    EXPECT_EQ(value(0), 0.0); // Rk
    EXPECT_EQ(value(1), 0.0); // Rpk, with an empty peak zone
    EXPECT_EQ(value(3), 0.0); // Mr1
    EXPECT_NEAR(value(2), 1.6, 1e-12);
    EXPECT_NEAR(value(4), 37.5, 1e-12);
    EXPECT_EQ(value(6), 0.0); // K, with Rk 0
}

TEST_F(MaterialRatioTest, RatioLevelsOutsideCurveReadItsEnds)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double levels[KAVRIX_LEVEL_COUNT] = {1.5, -0.5, nan, 1.0, 0.999, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
    for (int i = 0; i < KAVRIX_LEVEL_COUNT; ++i)
        para.Cond.RdcLevel[i] = levels[i];
    run(linearCurve(100));

    // The reference reads the last point (0); the others the first, the
    // first, the last, the last and the middle.
    EXPECT_NEAR(value(30), 100.0, 1e-9);
    EXPECT_NEAR(value(31), 100.0, 1e-9);
    EXPECT_NEAR(value(32), 0.0, 1e-9);
    EXPECT_NEAR(value(33), 0.0, 1e-9);
    EXPECT_NEAR(value(34), 49.0 * 100.0 / 99.0, 1e-9);
}

} // namespace
