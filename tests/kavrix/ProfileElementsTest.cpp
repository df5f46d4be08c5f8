#include "ProfileElements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Finds the elements of `y` and keeps them until the end of the test.
struct Elements {
    std::vector<double> y;
    DataArray curve{};
    ProfileElements e{};

    Elements(std::vector<double> values, double threshold)
        : y(std::move(values))
    {
        curve.N = static_cast<int>(y.size());
        curve.Y = y.data();
        algoAllocProfileElements(&curve, &e);
        algoFindProfileElements(&curve, threshold, &e);
    }
    ~Elements() { algoFreeProfileElements(&e); }
};

std::vector<double> sine(int n, double period, double phase)
{
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i)
        y[i] = std::sin(2.0 * M_PI * (i + phase) / period);
    return y;
}

TEST(ProfileElements, SineStartingAboveZeroKeepsOnePeakPerFullHalfWave)
{
    const int period = 40;
    Elements el(sine(10 * period, period, 0.1), 0.1);
    const ProfileElements &e = el.e;

    // The first half-wave starts above zero and has no upward crossing before it.
    ASSERT_EQ(e.PeakCount, 9);
    EXPECT_EQ(e.ValleyCount, 9);
    EXPECT_EQ(e.DownCount, 10);
    EXPECT_EQ(e.UpCount, 9);
    for (int k = 0; k < e.PeakCount; ++k) {
        EXPECT_EQ(e.PeakPos[k], 50 + period * k);
        EXPECT_EQ(e.Peaks.Y[k], el.y[e.PeakPos[k]]);
        EXPECT_EQ(e.ValleyPos[k], 30 + period * k);
    }
    EXPECT_EQ(e.DownPos[0], 19);
    EXPECT_EQ(e.UpPos[0], 39);

    const ElementQuantities q = algoElementQuantities(&e, 4.0);
    EXPECT_DOUBLE_EQ(q.CrossingSpacing, period);
    EXPECT_DOUBLE_EQ(q.PeakSpacing, period);
    EXPECT_DOUBLE_EQ(q.PeakDensity, 9 / 4.0 * 10.0);
}

TEST(ProfileElements, ExtremeAtTheLastPointOfAHalfWaveIsFound)
{
    Elements el({-1, 1, 2, 5, -1, -2, -6, 1, 3, -1}, 0.0);
    const ProfileElements &e = el.e;
    ASSERT_EQ(e.PeakCount, 2);
    EXPECT_EQ(e.PeakPos[0], 3);
    EXPECT_EQ(e.Peaks.Y[0], 5);
    ASSERT_EQ(e.ValleyCount, 1);
    EXPECT_EQ(e.ValleyPos[0], 6);
    EXPECT_EQ(e.Valleys.Y[0], -6);
}

TEST(ProfileElements, LowElementsMergeWithTheirNeighbours)
{
    const std::vector<double> y = {-5, 10, -5, 0.5, -5, 10, -5, 1};
    struct Case {
        double threshold;
        int peaks, valleys, downs, ups;
    };
    // A low bump joins the valleys beside it into one; with no valley deep
    // enough the peaks never close, and with nothing high enough only the
    // last crossing, which opens the unfinished end, remains.
    for (const Case &c :
         {Case{1.0, 2, 2, 2, 3}, Case{0.5, 3, 3, 3, 4}, Case{6.0, 0, 0, 0, 1}, Case{11.0, 0, 0, 0, 1}}) {
        SCOPED_TRACE(c.threshold);
        Elements el(y, c.threshold);
        EXPECT_EQ(el.e.PeakCount, c.peaks);
        EXPECT_EQ(el.e.ValleyCount, c.valleys);
        EXPECT_EQ(el.e.DownCount, c.downs);
        EXPECT_EQ(el.e.UpCount, c.ups);
    }
    Elements el(y, 1.0);
    EXPECT_EQ(el.e.ValleyPos[0], 2);
    EXPECT_EQ(el.e.UpPos[1], 4);
    EXPECT_EQ(el.e.PeakPos[1], 5);
}

TEST(ProfileElements, ShallowDipInsideAPeakKeepsOneElementPerPeriod)
{
    // sin t + 1.05 sin 3t dips to -0.05 in the middle of its crest and rises
    // to +0.05 in the middle of its trough; both lie under 10 % of its height.
    const int period = 400;
    std::vector<double> y(10 * period);
    for (std::size_t i = 0; i < y.size(); ++i) {
        const double t = 2.0 * M_PI * (i + 0.37) / period;
        y[i] = std::sin(t) + 1.05 * std::sin(3.0 * t);
    }
    double highest = 0.0;
    for (double v : y)
        highest = std::max(highest, v);
    Elements el(y, 0.1 * 2.0 * highest);
    const ProfileElements &e = el.e;
    // As with a plain sine, the crest the curve starts in forms no peak.
    ASSERT_EQ(e.PeakCount, 9);
    EXPECT_EQ(e.ValleyCount, 9);
    EXPECT_EQ(e.DownCount, 10);
    for (int k = 1; k < e.DownCount; ++k)
        EXPECT_EQ(e.DownPos[k] - e.DownPos[k - 1], period) << k;
    for (int k = 0; k < e.PeakCount; ++k)
        EXPECT_NEAR(e.Peaks.Y[k], highest, 1e-9) << k;
}

TEST(ProfileElements, CrossingsThroughExactZeroStayWithinTheArrays)
{
    // Every fall is a downward crossing, every rise passes through 0 and is none.
    std::vector<double> y;
    for (int k = 0; k < 200; ++k)
        y.insert(y.end(), {1.0, -1.0, 0.0});
    Elements falls(y, 0.0);
    EXPECT_EQ(falls.e.DownCount, 200);
    EXPECT_EQ(falls.e.UpCount, 0);
    EXPECT_EQ(falls.e.PeakCount, 0);

    for (double &v : y)
        v = -v;
    Elements rises(y, 0.0);
    EXPECT_EQ(rises.e.UpCount, 200);
    EXPECT_EQ(rises.e.ValleyCount, 0);
}

struct HandElements {
    std::vector<int> peakPos, downPos, valleyPos;
    std::vector<double> peaks, valleys;
    ProfileElements e{};

    HandElements(std::vector<double> p, std::vector<double> v)
        : peaks(std::move(p))
        , valleys(std::move(v))
    {
        for (std::size_t k = 0; k < peaks.size(); ++k) {
            peakPos.push_back(10 * static_cast<int>(k) + 10);
            downPos.push_back(10 * static_cast<int>(k) + 15);
        }
        valleyPos.assign(valleys.size(), 0);
        e.PeakCount = e.DownCount = static_cast<int>(peaks.size());
        e.ValleyCount = e.UpCount = static_cast<int>(valleys.size());
        e.PeakPos = peakPos.data();
        e.DownPos = downPos.data();
        e.ValleyPos = valleyPos.data();
        e.UpPos = valleyPos.data();
        e.Peaks = DataArray{e.PeakCount, peaks.data(), nullptr};
        e.Valleys = DataArray{e.ValleyCount, valleys.data(), nullptr};
    }
};

TEST(ProfileElements, QuantitiesUseOnlyTheElementsThatExist)
{
    struct Case {
        std::vector<double> peaks, valleys;
        double height, tenPoint, thirdPoint;
    };
    const std::vector<double> six = {3, 1, 6, 2, 5, 4};
    const Case cases[] = {
        {six, {-1, -5, -2, -4, -3}, 3.5 + 3.0, (20.0 + 15.0) / 5.0, 4.0 + 3.0},
        {six, {-1, -3, -2}, 3.5 + 2.0, 0.0, 4.0 + 1.0},
        {six, {-2, -1}, 3.5 + 1.5, 0.0, 0.0},
        {six, {}, 3.5, 0.0, 0.0},
        {{3, 1, 6, 2, 5}, {-1, -5, -2, -4, -3}, 0.0, 0.0, 0.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(&c - cases);
        HandElements h(c.peaks, c.valleys);
        const ElementQuantities q = algoElementQuantities(&h.e, 2.0);
        EXPECT_DOUBLE_EQ(q.Height, c.height);
        EXPECT_DOUBLE_EQ(q.TenPointHeight, c.tenPoint);
        EXPECT_DOUBLE_EQ(q.ThirdPointHeight, c.thirdPoint);
        const bool formed = c.peaks.size() >= 6;
        EXPECT_DOUBLE_EQ(q.PeakSpacing, formed ? 10.0 : 0.0);
        EXPECT_DOUBLE_EQ(q.CrossingSpacing, formed ? 10.0 : 0.0);
        EXPECT_DOUBLE_EQ(q.PeakDensity, formed ? 30.0 : 0.0);
        // Sorting works on copies: the motifs read the heights in profile order.
        EXPECT_EQ(h.peaks, c.peaks);
        EXPECT_EQ(h.valleys, c.valleys);
    }
}

} // namespace
