#include "AlgoArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// A curve over a vector the test owns; X stays unused by these routines.
struct Curve {
    explicit Curve(std::vector<double> heights)
        : y(std::move(heights))
    {
        array.N = static_cast<int>(y.size());
        array.Y = y.data();
        array.X = nullptr;
    }
    std::vector<double> y;
    DataArray array{};
};

DataArray *curve(Curve &c)
{
    return &c.array;
}

} // namespace

TEST(ArrayRoutines, ExtremesReportTheFirstIndexOnTies)
{
    Curve maxCase({3, 7, 7, 1});
    const AlgoPoint max = algoArrayMax(curve(maxCase));
    EXPECT_EQ(max.Index, 1);
    EXPECT_EQ(max.Value, 7);

    Curve minCase({2, 0, 5, 0});
    const AlgoPoint min = algoArrayMin(curve(minCase));
    EXPECT_EQ(min.Index, 1);
    EXPECT_EQ(min.Value, 0);

    Curve empty({});
    EXPECT_EQ(algoArrayMax(curve(empty)).Index, 0);
    EXPECT_EQ(algoArrayMin(curve(empty)).Value, 0);
}

TEST(ArrayRoutines, SortOrdersAndAliasing)
{
    struct Case {
        int order;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {AlgoSortDesc, {3, 2, 2, 1, -4}},
        {AlgoSortAsc, {-4, 1, 2, 2, 3}},
    };
    for (const Case &c : cases) {
        Curve in({1, 2, 3, -4, 2});
        Curve out(std::vector<double>(5, 99));
        algoSortArray(curve(in), curve(out), c.order);
        EXPECT_EQ(out.y, c.expected) << "order " << c.order;
        EXPECT_EQ(in.y, (std::vector<double>{1, 2, 3, -4, 2})) << "input kept";

        Curve inPlace({1, 2, 3, -4, 2});
        algoSortArray(curve(inPlace), curve(inPlace), c.order);
        EXPECT_EQ(inPlace.y, c.expected) << "in place, order " << c.order;

        Curve viaQsort({1, 2, 3, -4, 2});
        algoQsortArray(curve(viaQsort), curve(viaQsort), c.order);
        EXPECT_EQ(viaQsort.y, c.expected) << "qsort, order " << c.order;
    }
}

TEST(ArrayRoutines, LongCurvesWithRepeatedHeightsSortFully)
{
    // Long enough for every run length the sort treats differently.
    std::vector<double> heights(1001);
    for (std::size_t i = 0; i < heights.size(); ++i)
        heights[i] = static_cast<double>((i * 7919) % 97) - 48.0;
    for (int order : {AlgoSortDesc, AlgoSortAsc}) {
        Curve in(heights);
        algoSortArray(curve(in), curve(in), order);
        std::vector<double> expected = heights;
        if (order == AlgoSortDesc)
            std::sort(expected.begin(), expected.end(), std::greater<double>());
        else
            std::sort(expected.begin(), expected.end());
        EXPECT_EQ(in.y, expected) << "order " << order;
    }
}

TEST(ArrayRoutines, SortIsTheMergeSortBitForBit)
{
    // Random heights with repeats, both zeros, extremes and subnormals: the
    // sorted curve holds the same bits in the same places as the merge sort
    // leaves them, zeros of either sign included.
    std::vector<double> heights(3001);
    std::uint64_t state = 12345;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const int pick = static_cast<int>(state >> 60);
        const double value = static_cast<double>(static_cast<std::int64_t>(state >> 20) % 2001 - 1000) / 7.0;
        const double specials[] = {0.0, -0.0, 1e300, -1e300, 4.9e-324, -4.9e-324};
        heights[i] = pick < 6 ? specials[pick] : value;
    }
    for (int order : {AlgoSortDesc, AlgoSortAsc}) {
        std::vector<double> expected = heights;
        std::vector<double> work(heights.size());
        algoMergeSort(expected.data(), 0, static_cast<int>(expected.size()) - 1, work.data(), order);
        Curve in(heights);
        Curve out(std::vector<double>(heights.size(), 0.0));
        algoSortArray(curve(in), curve(out), order);
        for (std::size_t i = 0; i < heights.size(); ++i) {
            ASSERT_EQ(std::signbit(out.y[i]), std::signbit(expected[i])) << "order " << order << " at " << i;
            ASSERT_EQ(out.y[i], expected[i]) << "order " << order << " at " << i;
        }
    }
}

TEST(ArrayRoutines, UnknownSortOrderCopiesWithoutSorting)
{
    for (int order : {-1, 2, 7}) {
        Curve in({1, 3, 2});
        Curve out(std::vector<double>(3, 0));
        algoSortArray(curve(in), curve(out), order);
        EXPECT_EQ(out.y, in.y);

        Curve viaQsort(std::vector<double>(3, 0));
        algoQsortArray(curve(in), curve(viaQsort), order);
        EXPECT_EQ(viaQsort.y, in.y);
    }
}

TEST(ArrayRoutines, MergeSortSortsOnlyTheGivenRange)
{
    std::vector<double> values{9, 5, 1, 4, 0};
    std::vector<double> work(values.size());
    algoMergeSort(values.data(), 1, 3, work.data(), AlgoSortAsc);
    EXPECT_EQ(values, (std::vector<double>{9, 1, 4, 5, 0}));

    algoMergeSort(values.data(), 2, 2, work.data(), AlgoSortDesc);
    EXPECT_EQ(values, (std::vector<double>{9, 1, 4, 5, 0}));
}

TEST(ArrayRoutines, ComparatorsAreConsistent)
{
    const double one = 1, two = 2, alsoTwo = 2;
    EXPECT_LT(algoCompareAsc(&one, &two), 0);
    EXPECT_GT(algoCompareAsc(&two, &one), 0);
    EXPECT_EQ(algoCompareAsc(&two, &alsoTwo), 0);
    EXPECT_GT(algoCompareDesc(&one, &two), 0);
    EXPECT_LT(algoCompareDesc(&two, &one), 0);
    EXPECT_EQ(algoCompareDesc(&two, &alsoTwo), 0);
}

TEST(ArrayRoutines, SumsMeansAndDeviation)
{
    Curve c({1, -2, 3, 6});
    EXPECT_DOUBLE_EQ(algoSum(curve(c)), 8);
    EXPECT_DOUBLE_EQ(algoMean(curve(c)), 2);
    EXPECT_DOUBLE_EQ(algoSumAbs(curve(c)), 12);
    EXPECT_DOUBLE_EQ(algoMeanAbs(curve(c)), 3);

    Curve three({1, 2, 3});
    EXPECT_DOUBLE_EQ(algoDeviation(curve(three), 0), 1);
    EXPECT_DOUBLE_EQ(algoDeviation(curve(three), 1), std::sqrt(2.0 / 3.0));
    EXPECT_EQ(algoDeviation(curve(three), 2), 0);

    // Too few points for the divisor give 0, never a NaN.
    Curve single({5});
    EXPECT_EQ(algoDeviation(curve(single), 0), 0);
    Curve empty({});
    EXPECT_EQ(algoMean(curve(empty)), 0);
    EXPECT_EQ(algoMeanAbs(curve(empty)), 0);
    EXPECT_EQ(algoDeviation(curve(empty), 1), 0);
}

TEST(ArrayRoutines, ElementWiseRoutinesRunOverTheOutputCount)
{
    Curve a({6, 8, 10, 12});
    Curve b({3, 2, 5, 4});
    // The output is shorter than the inputs: its last element must stay.
    Curve out({0, 0, 0, -1});
    out.array.N = 3;

    algoSubArray(curve(a), curve(b), curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{3, 6, 5, -1}));
    algoAddArray(curve(a), curve(b), curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{9, 10, 15, -1}));
    algoMulArray(curve(a), curve(b), curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{18, 16, 50, -1}));
    algoDivArray(curve(a), curve(b), curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{2, 4, 2, -1}));
    algoSubValue(curve(a), 1, curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{5, 7, 9, -1}));
    algoAddValue(curve(a), 1, curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{7, 9, 11, -1}));
    algoMulValue(curve(a), 0.5, curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{3, 4, 5, -1}));
    algoDivValue(curve(a), 2, curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{3, 4, 5, -1}));
    algoPowArray(curve(b), 2, curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{9, 4, 25, -1}));
    algoCopyArray(curve(b), curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{3, 2, 5, -1}));
    algoFillArray(7, curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{7, 7, 7, -1}));

    algoSubArray(curve(a), curve(b), curve(a));
    EXPECT_EQ(a.y, (std::vector<double>{3, 6, 5, 8})) << "output aliasing an input";
}

TEST(ArrayRoutines, ComplexProductMayOverwriteItsInputs)
{
    // (1 + 2i)(3 + 4i) = -5 + 10i; (0 + 1i)(0 + 1i) = -1.
    Curve re({1, 0});
    Curve im({2, 1});
    Curve bRe({3, 0});
    Curve bIm({4, 1});
    algoComplexMul(curve(re), curve(im), curve(bRe), curve(bIm), curve(re), curve(im));
    EXPECT_EQ(re.y, (std::vector<double>{-5, -1}));
    EXPECT_EQ(im.y, (std::vector<double>{10, 0}));
}

TEST(ArrayRoutines, Factorial)
{
    EXPECT_EQ(algoFactorial(-3), 1);
    EXPECT_EQ(algoFactorial(0), 1);
    EXPECT_EQ(algoFactorial(1), 1);
    EXPECT_EQ(algoFactorial(5), 120);
}

TEST(ArrayRoutines, LinesThroughTwoPoints)
{
    Curve out(std::vector<double>(4, 0));
    algoLineBetween({1, 3.0}, {3, 7.0}, curve(out));
    EXPECT_EQ(out.y, (std::vector<double>{1, 3, 5, 7}));

    const AlgoLine same = algoLineFromPoints({2, 4.5}, {2, 9.0});
    EXPECT_EQ(same.Slope, 0);
    EXPECT_EQ(same.Intercept, 4.5);
}

TEST(ArrayRoutines, AllocationRefusesEmptyAndUnrepresentableSizes)
{
    EXPECT_EQ(algoMalloc(0), nullptr);
    EXPECT_EQ(algoMalloc(static_cast<std::size_t>(-8)), nullptr);
    EXPECT_EQ(algoMalloc(SIZE_MAX), nullptr);
    EXPECT_EQ(algoMallocDoubles(0), nullptr);
    EXPECT_EQ(algoMallocDoubles(-1), nullptr);
    algoFree(nullptr);

    double *block = algoMallocDoubles(16);
    ASSERT_NE(block, nullptr);
    block[15] = 1.0;
    algoFree(block);
}
