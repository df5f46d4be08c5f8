#include "KavrixStages.h"
#include "SyntheticProfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// The raw heights and the roughness buffer that the choice uses as scratch.
struct AutoRecord {
    AutoRecord(std::vector<double> heights, double evalLength, double zMag)
        : raw(std::move(heights))
        , scratch(raw.size())
    {
        para.RawArray = curveOf(raw);
        para.RArray = curveOf(scratch);
        para.Cond.EvalLength = evalLength;
        para.Cond.ParmZMag = zMag;
    }
    double chooseLc()
    {
        algoAutoLc(&para);
        return para.Cond.Lc;
    }
    std::vector<double> raw;
    std::vector<double> scratch;
    ParaRecord para{};
};

} // namespace

TEST(AutoCutoff, LcOptionAtEveryClassBoundary)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double Ra;
        int Option;
    } cases[] = {
        {1e-9, 1}, {0.006, 1}, {0.0061, 2}, {0.007, 2}, {0.02, 2}, {0.0201, 3}, {0.1, 3},  {0.1001, 4}, {2.0, 4},
        {2.01, 5}, {10.0, 5},  {10.01, 6},  {80.0, 6},  {80.1, 4}, {0.0, 4},    {-1.0, 4}, {nan, 4},
    };
    for (const auto &c : cases)
        EXPECT_EQ(kavrixGetLcOption(c.Ra), c.Option) << c.Ra;
}

TEST(AutoCutoff, LsFollowsLc)
{
    const struct {
        double Lc;
        double Ls;
    } cases[] = {
        {0.025, 0.0025},  {0.08, 0.0025}, {0.25, 0.0025}, {0.8, 0.0025},
        {0.8009, 0.0025}, {2.5, 0.008},   {8.0, 0.025},   {1.0, 0.5},
    };
    for (const auto &c : cases) {
        ParaRecord para{};
        para.Cond.Lc = c.Lc;
        para.Cond.Ls = 0.5;
        algoAutoLs(&para);
        EXPECT_EQ(para.Cond.Ls, c.Ls) << c.Lc;
    }
}

TEST(AutoCutoff, LcFromTheRoughnessOfTiltedSineProfiles)
{
    // 8000 points over 8 mm (1 um a point): a sine on a tilt, its Ra about
    // 2 / pi of its amplitude once the cut-off holds a few of its waves.
    const struct {
        double Wavelength;
        double Amplitude;
        double Lc;
    } cases[] = {
        {15.0, 0.005, 0.025},
        {15.0, 0.02, 0.08},
        {15.0, 0.1, 0.25},
        {15.0, 1.0, 0.8},
        {15.0, 5.0, 2.5},
        {15.0, 30.0, 8.0},
        {15.0, 200.0, 0.8},
        // Ra at 0.025 mm (0.065) lies in the 0.25 mm class, but at 0.25 mm (0.63) it has left it.
        {50.0, 1.0, 0.8},
    };
    for (const auto &c : cases) {
        AutoRecord record(syntheticProfile(8000, {{c.Wavelength, c.Amplitude}}, 0.004), 8.0, 1.0);
        EXPECT_EQ(record.chooseLc(), c.Lc) << c.Wavelength << " " << c.Amplitude;
    }
}

TEST(AutoCutoff, LcFallsBackWithoutRoughness)
{
    const struct {
        std::vector<double> Heights;
        double EvalLength;
        double ZMag;
    } cases[] = {
        {std::vector<double>(400, 3.0), 0.4, 1.0},        {std::vector<double>(400, 0.0), 0.4, 1.0},
        {syntheticProfile(400, {{20.0, 1.0}}), 0.4, 0.0}, {syntheticProfile(400, {{20.0, 1.0}}), 0.4, -2.0},
        {syntheticProfile(400, {{20.0, 1.0}}), 0.0, 1.0},
    };
    for (const auto &c : cases) {
        AutoRecord record(c.Heights, c.EvalLength, c.ZMag);
        EXPECT_EQ(record.chooseLc(), 0.8);
    }
}

TEST(AutoCutoff, DegenerateCandidatesUseRawOrLineResidual)
{
    // Every candidate below one point: the raw heights themselves are measured.
    AutoRecord copied(syntheticProfile(20, {{4.0, 5.0}}, 0.0), 1000.0, 1.0);
    EXPECT_EQ(copied.chooseLc(), 2.5);

    // Every candidate beyond the profile: the residual of one line, so a
    // steep line with no roughness leaves nothing to measure.
    AutoRecord line(syntheticProfile(20, {}, 50.0), 0.001, 1.0);
    EXPECT_EQ(line.chooseLc(), 0.8);
    AutoRecord rough(syntheticProfile(20, {{4.0, 0.01}}, 50.0), 0.001, 1.0);
    EXPECT_EQ(rough.chooseLc(), 0.025);
}
