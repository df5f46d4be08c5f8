#include "ParmCalculators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Record {
    std::vector<double> p, r;
    ParaRecord para{};

    explicit Record(const std::vector<double> &y)
        : p(y)
        , r(y)
    {
        const int n = static_cast<int>(y.size());
        para.RawArray.N = n;
        para.PArray = DataArray{n, p.data(), nullptr};
        para.RArray = DataArray{n, r.data(), nullptr};
        para.Cond.EvalLength = 4.0;
        para.Cond.ParmZMag = 1.0;
        algoCalcPrimaryMotif(&para);
    }
    double primary(int slot) const { return para.Results[KAVRIX_P_FIRST + slot].Value1; }
    double motif(int slot) const { return para.Results[KAVRIX_MOTIF_FIRST + slot].Value1; }
};

enum { NCRX, AR, R, Rx, NR, CPM, SR, SAR, AW, W, Wx, Wte, NW, SW, SAW };

std::vector<double> sine(int n, double period)
{
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i)
        y[i] = std::sin(2.0 * M_PI * (i + 0.1) / period);
    return y;
}

TEST(PrimaryMotif, PrimaryGroupHoldsTheSharedQuantitiesOfThePrimaryProfile)
{
    Record rec(sine(1000, 40));
    algoCalcRoughness(&rec.para);
    const int fromRoughness[KAVRIX_P_COUNT] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 11, 12, 13, 15, 16, 17, 18};
    for (int slot = 0; slot < KAVRIX_P_COUNT; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_NE(rec.primary(slot), 0.0);
        EXPECT_EQ(rec.primary(slot), rec.para.Results[fromRoughness[slot]].Value1);
    }
}

TEST(PrimaryMotif, SixPeaksMakeFiveRoughnessMotifsAndNoWavinessMotifs)
{
    const int period = 40;
    // Seven periods starting above zero: six peaks and six valleys are kept.
    Record rec(sine(7 * period, period));
    const double depth = std::sin(2.0 * M_PI * 10.1 / period) * 2.0;

    EXPECT_EQ(rec.motif(NR), 5.0);
    EXPECT_EQ(rec.motif(NCRX), 6.0);
    EXPECT_DOUBLE_EQ(rec.motif(CPM), 6.0 / 5.0);
    EXPECT_DOUBLE_EQ(rec.motif(AR), period + 1);
    EXPECT_NEAR(rec.motif(R), depth, 1e-12);
    EXPECT_NEAR(rec.motif(Rx), depth, 1e-12);
    EXPECT_NEAR(rec.motif(SR), 0.0, 1e-12);
    EXPECT_EQ(rec.motif(SAR), 0.0);
    for (int slot = AW; slot <= SAW; ++slot)
        EXPECT_EQ(rec.motif(slot), 0.0) << slot;

    Record five(sine(6 * period, period));
    for (int slot = 0; slot < KAVRIX_MOTIF_COUNT; ++slot)
        EXPECT_EQ(five.motif(slot), 0.0) << slot;
    EXPECT_EQ(five.primary(6), 0.0);
    EXPECT_NE(five.primary(0), 0.0);
}

TEST(PrimaryMotif, LongWaveUnderARippleFormsWavinessMotifs)
{
    // Ripple peaks fall on every 20th point; their heights 1 + 0.5 cos(2πk/10)
    // dip every 200 points, which makes seven waviness motifs.
    const int n = 1390;
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i)
        y[i] = std::cos(2.0 * M_PI * i / 20) + 0.5 * std::cos(2.0 * M_PI * i / 200);
    Record rec(y);

    // Peaks at 20, 40, ..., 1380; valleys at 10, 30, ..., 1370. The curve ends
    // below zero, so no point after the last peak rises above it.
    EXPECT_EQ(rec.motif(NR), 68.0);
    EXPECT_EQ(rec.motif(NCRX), 69.0);
    EXPECT_EQ(rec.motif(AR), 21.0);

    // Motif bottoms at 100, 300, ..., 1300; shared tops at 0, 200, ..., 1200,
    // and the last top at the last peak, 1380.
    const double lastTop = y[1380];
    EXPECT_EQ(rec.motif(NW), 7.0);
    EXPECT_NEAR(rec.motif(AW), (6 * 201 + 181) / 7.0, 1e-12);
    EXPECT_NEAR(rec.motif(W), (13 * 1.0 + (lastTop - 0.5)) / 14.0, 1e-12);
    EXPECT_NEAR(rec.motif(Wx), 1.0, 1e-12);
    EXPECT_NEAR(rec.motif(Wte), 1.0, 1e-12);
    const double meanLength = (6 * 201 + 181) / 7.0;
    const double sawExpected = std::sqrt((6 * std::pow(201 - meanLength, 2) + std::pow(181 - meanLength, 2)) / 6.0);
    EXPECT_NEAR(rec.motif(SAW), sawExpected, 1e-9);
    EXPECT_GT(rec.motif(SW), 0.0);
}

} // namespace
