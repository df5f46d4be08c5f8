// Whole evaluations through the public entry, the way the program calls it:
// one allocation, then evaluations of caller-written heights, read back as
// finished values in micrometres and millimetres.
#include "EvaluationRecord.h"
#include "SyntheticProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

enum { LsNone = 1, Ls2_5um = 2 };
enum { Lc0_25 = 3, Lc0_8 = 4, Lc8 = 6 };

enum RoughnessSlot { Ra, Rq, Rsk, Rku, Rp, Rv, Rz, Rc, Rt, RSm, RS, RDa, RDq, Rz94, R3z, Pc, RLa, RLq, Lr };
enum MotifSlot { Ncrx = 0, Ar = 1, Nr = 4, Cpm = 5, Aw = 8, Nw = 12, Saw = 14 };
enum MaterialRatioSlot { Rk = 0, Rpk = 1, Rvk = 2, Mr1 = 3, Mr2 = 4, Rmr0 = 9, Rmr10 = 19 };

const std::string kMicrometre = "\xA6\xCC"
                                "m";

struct Options {
    int Shape = 1;
    int Filter = DpFilter;
    int Ls = LsNone;
    int Lc = Lc8;
    double EvalLength = 2.0;
    double ZMag = 0.001;
};

// The program's level set, which an extended evaluation takes from the caller.
void evaluate(Evaluation &e, const std::vector<double> &heights, const Options &o)
{
    const double levels[KAVRIX_LEVEL_COUNT] = {0.1, 0.15, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
    for (double *table : {e->Cond.RmrLevel, e->Cond.Rmr2Level, e->Cond.RdcLevel})
        std::copy(levels, levels + KAVRIX_LEVEL_COUNT, table);
    e.run(heights, o.EvalLength, o.Filter, o.Ls, o.Lc, o.Shape, o.ZMag);
}

const ParmResult &roughness(Evaluation &e, int slot)
{
    return e->Results[KAVRIX_R_FIRST + slot];
}
const ParmResult &motif(Evaluation &e, int slot)
{
    return e->Results[KAVRIX_MOTIF_FIRST + slot];
}
const ParmResult &materialRatio(Evaluation &e, int slot)
{
    return e->Results[KAVRIX_MR_FIRST + slot];
}

// Every value of the switched-on families finite, every text terminated
// inside its field and a number.
void expectCleanResults(Evaluation &e, const std::string &where)
{
    const ParaRecord &p = *e.operator->();
    const struct {
        int On, First, Count;
    } families[] = {{p.ROn, KAVRIX_R_FIRST, p.RCount},
                    {p.WOn, KAVRIX_W_FIRST, p.WCount},
                    {p.POn, KAVRIX_P_FIRST, p.PCount},
                    {p.MrOn, KAVRIX_MR_FIRST, p.MrCount},
                    {p.MotifOn, KAVRIX_MOTIF_FIRST, p.MotifCount}};
    for (const auto &family : families) {
        for (int entry = family.First; family.On == 1 && entry < family.First + family.Count; ++entry) {
            const ParmResult &res = p.Results[entry];
            EXPECT_TRUE(std::isfinite(res.Value1) && std::isfinite(res.Value2)) << where << " entry " << entry;
            for (const char *text : {res.ValueUnit1, res.ValueUnit2}) {
                ASSERT_NE(std::memchr(text, '\0', KAVRIX_TEXT_SIZE), nullptr) << where << " entry " << entry;
                EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-')
                    << where << " entry " << entry << ": " << text;
            }
        }
    }
}

// Every curve that holds points finite; positions where the stages write them.
void expectCleanCurves(Evaluation &e, const std::string &where)
{
    for (const DataArray *curve : {&e->ExtraArray1, &e->ExtraArray2, &e->SpectrumArray}) {
        if (curve->Y != nullptr) {
            EXPECT_TRUE(allFinite(curve->Y, curve->N)) << where;
        }
    }
    for (const DataArray *curve : e.plottedCurves()) {
        EXPECT_TRUE(allFinite(curve->Y, curve->N)) << where;
        EXPECT_TRUE(allFinite(curve->X, curve->N)) << where;
    }
}

std::vector<double> periodic(int n, double period, double amplitude, const std::function<double(double)> &shape)
{
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i)
        y[i] = amplitude * shape(std::fmod(i / period, 1.0));
    return y;
}

double cosine(double phase)
{
    return std::cos(2.0 * M_PI * phase);
}
double triangle(double phase)
{
    return 4.0 * std::fabs(phase - 0.5) - 1.0;
}

// The mean of sqrt(1 + slope^2) over one period of a cosine of amplitude a
// (μm) and period p (μm): the true length ratio of that profile.
double cosineLengthRatio(double a, double p)
{
    const int steps = 100000;
    const double k = 2.0 * M_PI / p;
    double sum = 0.0;
    for (int i = 0; i < steps; ++i) {
        const double slope = a * k * std::sin(2.0 * M_PI * (i + 0.5) / steps);
        sum += std::sqrt(1.0 + slope * slope);
    }
    return sum / steps;
}

void expectWithin(double actual, double expected, double relative, const std::string &what)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * relative) << what;
}

// 10000 points over 2 mm, a period of 100 points (0.02 mm) and 5000 raw
// units of amplitude at 0.001 μm each: A = 5 μm, steep enough (slope up to
// 1.57) that the length ratio is far from 1.
constexpr int kPoints = 10000;
constexpr double kPeriodPoints = 100.0;
constexpr double kPeriodMm = 0.02;
constexpr double kAmplitude = 5.0;

} // namespace

TEST(Evaluation, AnalyticProfilesGiveTheirRoughness)
{
    // The DP filter with lambda-c beyond the profile takes out only the
    // least-squares line, so the roughness profile is the wave itself; the
    // Gaussian filter passes a 0.02 mm wave whole at 0.25 mm but shortens the
    // curves by 1250 points at each end.
    const double a = kAmplitude;
    const struct {
        const char *Name;
        double (*Shape)(double);
        int Filter;
        int Lc;
        double Ra, Rq, Rku;
    } cases[] = {
        {"cosine DP", cosine, DpFilter, Lc8, 2.0 * a / M_PI, a / std::sqrt(2.0), 1.5},
        {"cosine Gaussian", cosine, GaussianFilter, Lc0_25, 2.0 * a / M_PI, a / std::sqrt(2.0), 1.5},
        {"triangle DP", triangle, DpFilter, Lc8, a / 2.0, a / std::sqrt(3.0), 1.8},
    };
    for (const auto &c : cases) {
        Evaluation e(0);
        Options o;
        o.Filter = c.Filter;
        o.Lc = c.Lc;
        evaluate(e, periodic(kPoints, kPeriodPoints, kAmplitude / o.ZMag, c.Shape), o);
        ASSERT_EQ(e->Valid, 1) << c.Name;
        EXPECT_EQ(e->RArray.N, c.Filter == GaussianFilter ? kPoints - 2500 : kPoints) << c.Name;

        expectWithin(roughness(e, Ra).Value1, c.Ra, 0.005, std::string(c.Name) + " Ra");
        expectWithin(roughness(e, Rq).Value1, c.Rq, 0.005, std::string(c.Name) + " Rq");
        expectWithin(roughness(e, Rku).Value1, c.Rku, 0.005, std::string(c.Name) + " Rku");
        EXPECT_NEAR(roughness(e, Rsk).Value1, 0.0, 0.005) << c.Name;
        expectWithin(roughness(e, Rp).Value1, a, 0.005, std::string(c.Name) + " Rp");
        expectWithin(roughness(e, Rv).Value1, a, 0.005, std::string(c.Name) + " Rv");
        EXPECT_EQ(roughness(e, Rz).Value1, roughness(e, Rt).Value1) << c.Name;
        expectWithin(roughness(e, RSm).Value1, kPeriodMm, 0.005, std::string(c.Name) + " RSm");
        expectWithin(roughness(e, RS).Value1, kPeriodMm, 0.005, std::string(c.Name) + " RS");
        expectWithin(roughness(e, RSm).Value2, kPeriodMm / 25.4, 0.005, std::string(c.Name) + " RSm inch");
        // Peaks per 10 mm of the curve as it came out of the filter: a
        // length taken from the unshortened profile would read 25 % low.
        expectWithin(roughness(e, Pc).Value1, 10.0 / kPeriodMm, 0.015, std::string(c.Name) + " Pc");
        expectWithin(roughness(e, Ra).Value2, roughness(e, Ra).Value1 * 39.3700787402, 1e-9,
                     std::string(c.Name) + " Ra inch");
        char text[KAVRIX_TEXT_SIZE];
        std::snprintf(text, sizeof text, "%.3f %s", roughness(e, Ra).Value1, kMicrometre.c_str());
        EXPECT_STREQ(roughness(e, Ra).ValueUnit1, text) << c.Name;
    }
}

TEST(Evaluation, SlopesAndLengthRatioAreTrueRatiosOfMicrometres)
{
    const double periodUm = kPeriodMm * 1000.0;
    const double peakSlope = kAmplitude * 2.0 * M_PI / periodUm;
    Evaluation e(1);
    Options o;
    evaluate(e, periodic(kPoints, kPeriodPoints, kAmplitude / o.ZMag, cosine), o);
    ASSERT_EQ(e->Valid, 1);
    expectWithin(roughness(e, RDa).Value1, 2.0 * peakSlope / M_PI, 0.005, "mean slope");
    expectWithin(roughness(e, RDq).Value1, peakSlope / std::sqrt(2.0), 0.005, "rms slope");
    EXPECT_EQ(roughness(e, RDq).Value2, roughness(e, RDq).Value1);
    expectWithin(roughness(e, RLa).Value1, kPeriodMm, 0.005, "mean wavelength");
    expectWithin(roughness(e, RLq).Value1, kPeriodMm, 0.005, "rms wavelength");
    const double lr = cosineLengthRatio(kAmplitude, periodUm);
    expectWithin(roughness(e, Lr).Value1, lr, 0.002, "roughness lr");
    expectWithin(e->Results[KAVRIX_P_FIRST + 15].Value1, lr, 0.002, "primary lr");
}

TEST(Evaluation, RmsSlopeOfASineBehindTheGaussianFilter)
{
    // λs 0.0025 mm falls on 5.9 points; a sine of 24 points keeps
    // 0.5^((5.9 / 24)^2) of its amplitude behind the λs mean line and passes
    // λc 0.25 mm whole, so Rdq = 2 pi A T / (L sqrt 2).
    const int n = 21000;
    const double lsPoints = 5.9;
    const double wavelength = 24.0;
    Evaluation e(0);
    Options o;
    o.Filter = GaussianFilter;
    o.Ls = Ls2_5um;
    o.Lc = Lc0_25;
    o.EvalLength = n * 0.0025 / lsPoints;
    o.ZMag = 0.001;
    const double amplitudeUm = 2.0;
    evaluate(e, syntheticProfile(n, {{wavelength, amplitudeUm / o.ZMag}}), o);
    ASSERT_EQ(e->Valid, 1);
    const double wavelengthUm = wavelength * o.EvalLength / n * 1000.0;
    const double kept = std::pow(0.5, std::pow(lsPoints / wavelength, 2.0));
    const double rdq = 2.0 * M_PI * amplitudeUm * kept / (wavelengthUm * std::sqrt(2.0));
    expectWithin(roughness(e, RDq).Value1, rdq, 0.002, "Rdq");
    expectWithin(roughness(e, Rq).Value1, amplitudeUm * kept / std::sqrt(2.0), 0.002, "Rq");
}

TEST(Evaluation, ShallowDipsStayInsideTheirElement)
{
    // sin t + 1.05 sin 3t with a period of 0.2 mm dips just below the mean
    // line inside each crest and rises just above it inside each trough: one
    // element per period all the same. 9.5 periods, sampled half a point off
    // the crossings, are even about their middle, so the least-squares line
    // is flat; it lies a little above the axis, which closes all ten crests.
    const int n = 9500;
    const double period = 1000.0;
    Evaluation e(0);
    Options o;
    o.EvalLength = n * 0.2 / period;
    std::vector<double> y(n);
    for (int i = 0; i < n; ++i) {
        const double t = 2.0 * M_PI * (i + 0.5) / period;
        y[i] = (std::sin(t) + 1.05 * std::sin(3.0 * t)) / o.ZMag;
    }
    evaluate(e, y, o);
    ASSERT_EQ(e->Valid, 1);
    expectWithin(roughness(e, RSm).Value1, 0.2, 1e-9, "RSm");
    expectWithin(roughness(e, RS).Value1, 0.2, 0.005, "RS");
    expectWithin(roughness(e, Pc).Value1, 10 / o.EvalLength * 10.0, 1e-9, "Pc");
    const double rt = roughness(e, Rt).Value1;
    for (int slot : {Rc, Rz94, R3z})
        expectWithin(roughness(e, slot).Value1, rt, 1e-6, "slot " + std::to_string(slot));
}

TEST(Evaluation, NonFiniteHeightsAndOverflowAreRejected)
{
    // 2000 points over 4 mm, Gaussian filter, lambda-s 0.0025 mm, lambda-c 0.8 mm.
    const int n = 2000;
    const std::vector<double> good = syntheticProfile(n, {{40.0, 500.0}, {700.0, 900.0}}, 0.3, 20.0);
    Options o;
    o.Filter = GaussianFilter;
    o.Ls = Ls2_5um;
    o.Lc = Lc0_8;
    o.EvalLength = 4.0;
    o.ZMag = 0.01;

    struct Case {
        std::string Name;
        std::vector<double> Heights;
    };
    std::vector<Case> cases;
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        for (int at : {0, n / 2, n - 1}) {
            std::vector<double> y = good;
            y[at] = bad;
            cases.push_back({std::to_string(bad) + " at " + std::to_string(at), y});
        }
    }
    // The first overflows the sum of the heights, the second only what is
    // formed from them.
    cases.push_back({"all 1e308", std::vector<double>(n, 1e308)});
    std::vector<double> alternating(n);
    for (int i = 0; i < n; ++i)
        alternating[i] = i % 2 == 0 ? 1e308 : -1e308;
    cases.push_back({"alternating 1e308", alternating});

    for (int extended : {0, 1}) {
        Evaluation fresh(extended);
        evaluate(fresh, good, o);
        ASSERT_EQ(fresh->Valid, 1);

        Evaluation e(extended);
        for (const Case &c : cases) {
            const std::string where = c.Name + ", extended " + std::to_string(extended);
            evaluate(e, c.Heights, o);
            EXPECT_EQ(e->Valid, 0) << where;
            for (const DataArray *curve : {&e->FormArray, &e->PArray, &e->RArray, &e->AbbottArray})
                EXPECT_EQ(curve->N, n) << where;
            for (int entry = 0; entry < KAVRIX_RESULT_COUNT; ++entry) {
                const ParmResult &res = e->Results[entry];
                const bool familyOn =
                    entry < KAVRIX_W_FIRST || (entry >= KAVRIX_MR_FIRST && entry < KAVRIX_MOTIF_FIRST) || extended == 1;
                if (!familyOn)
                    continue;
                EXPECT_EQ(res.Value1, 0.0) << where << " entry " << entry;
                EXPECT_EQ(res.Value2, 0.0) << where << " entry " << entry;
                EXPECT_EQ(std::string(res.ValueUnit1), std::string("0 ") + res.Unit1) << where << " entry " << entry;
                EXPECT_EQ(std::string(res.ValueUnit2), std::string("0 ") + res.Unit2) << where << " entry " << entry;
            }
        }

        // Nothing of the refused evaluations stays behind in the record.
        evaluate(e, good, o);
        ASSERT_EQ(e->Valid, 1) << "extended " << extended;
        for (int entry = 0; entry < KAVRIX_RESULT_COUNT; ++entry) {
            const ParmResult &a = e->Results[entry];
            const ParmResult &b = fresh->Results[entry];
            EXPECT_EQ(a.Value1, b.Value1) << entry;
            EXPECT_EQ(a.Value2, b.Value2) << entry;
            EXPECT_STREQ(a.ValueUnit1, b.ValueUnit1) << entry;
            EXPECT_STREQ(a.ValueUnit2, b.ValueUnit2) << entry;
        }
        const DataArray ParaRecord::*curves[] = {
            &ParaRecord::RawArray,    &ParaRecord::FormArray,     &ParaRecord::PArray,      &ParaRecord::RArray,
            &ParaRecord::WArray,      &ParaRecord::ExtraArray1,   &ParaRecord::ExtraArray2, &ParaRecord::SpectrumArray,
            &ParaRecord::AbbottArray, &ParaRecord::AmplitudeArray};
        for (const DataArray ParaRecord::*member : curves) {
            const DataArray &a = e.operator->()->*member;
            const DataArray &b = fresh.operator->()->*member;
            ASSERT_EQ(a.N, b.N) << "extended " << extended << " curve " << (&member - curves);
            if (b.Y == nullptr)
                continue;
            for (int i = 0; i < b.N; ++i) {
                ASSERT_EQ(a.Y[i], b.Y[i]) << "curve " << (&member - curves) << " point " << i;
                ASSERT_EQ(a.X[i], b.X[i]) << "curve " << (&member - curves) << " point " << i;
            }
        }
    }
}

TEST(Evaluation, FlatProfileHasLengthRatioOneAndNoNaN)
{
    for (int extended : {0, 1}) {
        for (double level : {0.0, 123.0}) {
            const std::string where = "extended " + std::to_string(extended) + " level " + std::to_string(level);
            Evaluation e(extended);
            Options o;
            o.Filter = GaussianFilter;
            o.Lc = Lc0_8;
            o.Ls = Ls2_5um;
            evaluate(e, std::vector<double>(4000, level), o);
            ASSERT_EQ(e->Valid, 1) << where;
            EXPECT_EQ(roughness(e, Lr).Value1, 1.0) << where;
            EXPECT_STREQ(roughness(e, Lr).ValueUnit1, "1.000 ") << where;
            if (level == 0.0) {
                EXPECT_STREQ(roughness(e, Ra).ValueUnit1, ("0 " + kMicrometre).c_str()) << where;
            }
            if (extended == 1) {
                EXPECT_EQ(e->Results[KAVRIX_P_FIRST + 15].Value1, 1.0) << where;
            }
            expectCleanResults(e, where);
            expectCleanCurves(e, where);
        }
    }
}

TEST(Evaluation, ExtendedEvaluationFillsEveryGroupAndCurve)
{
    // 8000 points over 4 mm: a 50 μm roughness wave with noise on a lower
    // 2 mm waviness and a tilt, Gaussian filter at 0.25 mm (500 points), which
    // keeps the two waves apart.
    const int n = 8000;
    Evaluation e(1);
    Options o;
    o.Filter = GaussianFilter;
    o.Lc = Lc0_25;
    o.Ls = Ls2_5um;
    o.EvalLength = 4.0;
    o.ZMag = 0.01;
    evaluate(e, syntheticProfile(n, {{100.0, 80.0}, {4000.0, 30.0}}, 0.05, 10.0), o);
    ASSERT_EQ(e->Valid, 1);
    const int shortened = n - 2 * 5 - 2 * 500;
    EXPECT_EQ(e->RArray.N, shortened);
    EXPECT_EQ(e->WArray.N, shortened);
    EXPECT_EQ(e->SpectrumArray.N, shortened / 2 + 1);
    EXPECT_EQ(e->ExtraArray1.N, n);
    EXPECT_EQ(e->ExtraArray2.N, n);

    // The spectrum peaks at the roughness wave's bin.
    const double *spectrum = e->SpectrumArray.Y;
    const int peak = static_cast<int>(std::max_element(spectrum + 1, spectrum + e->SpectrumArray.N) - spectrum);
    EXPECT_NEAR(peak, shortened / 100.0, 1.0);

    EXPECT_GT(e->Results[KAVRIX_W_FIRST].Value1, 0.0);
    EXPECT_GT(e->Results[KAVRIX_W_FIRST + 8].Value1, 0.0);
    EXPECT_GT(e->Results[KAVRIX_P_FIRST].Value1, 0.0);
    // The primary profile holds both waves, the roughness only the short one.
    EXPECT_GT(e->Results[KAVRIX_P_FIRST + 7].Value1, roughness(e, Rt).Value1);
    expectWithin(roughness(e, Ra).Value1, 0.8 * 2.0 / M_PI, 0.05, "Ra");

    EXPECT_GT(motif(e, Nr).Value1, 5.0);
    EXPECT_DOUBLE_EQ(motif(e, Cpm).Value1, motif(e, Ncrx).Value1 / motif(e, Nr).Value1);
    expectWithin(motif(e, Ar).Value1, 0.05, 0.1, "AR");

    EXPECT_GT(materialRatio(e, Rk).Value1, 0.0);
    EXPECT_GT(materialRatio(e, Rpk).Value1, 0.0);
    EXPECT_GT(materialRatio(e, Rvk).Value1, 0.0);
    EXPECT_LT(materialRatio(e, Mr1).Value1, materialRatio(e, Mr2).Value1);
    for (int slot = Rmr0 + 1; slot <= Rmr10; ++slot)
        EXPECT_LE(materialRatio(e, slot).Value1, materialRatio(e, slot - 1).Value1) << slot;
    EXPECT_GT(materialRatio(e, Rmr0).Value1, materialRatio(e, Rmr10).Value1);

    expectCleanResults(e, "extended");
    expectCleanCurves(e, "extended");
}

TEST(Evaluation, SixRetainedPeaksMakeFiveRoughnessMotifs)
{
    // 6.5 periods of a cosine, which starts on a crest: the profile's first
    // crossing is downward, so the first crest forms no peak, and the last
    // trough is never closed. That leaves six peaks and six valleys.
    const int period = 202;
    const int points = 13 * period / 2 + 1;
    Evaluation e(1);
    Options o;
    o.Ls = LsNone;
    evaluate(e, periodic(points, period, 1000.0, cosine), o);
    ASSERT_EQ(e->Valid, 1);
    EXPECT_EQ(motif(e, Nr).Value1, 5.0);
    EXPECT_EQ(motif(e, Ncrx).Value1, 6.0);
    EXPECT_DOUBLE_EQ(motif(e, Cpm).Value1, 6.0 / 5.0);
    EXPECT_STREQ(motif(e, Cpm).ValueUnit1, "1 ");
    expectWithin(motif(e, Ar).Value1, (period + 1) * o.EvalLength / points, 1e-9, "AR");
    for (int slot = Aw; slot <= Saw; ++slot)
        EXPECT_EQ(motif(e, slot).Value1, 0.0) << slot;
}

TEST(Evaluation, ShortestAndLongestProfilesRunCleanWithEveryFilterAndForm)
{
    // 20 points over 1 mm keep lambda-c 0.025 mm below one point, so the
    // shortening filters leave every point; 21000 points over 8 mm.
    const struct {
        int N;
        double Length;
        int Lc;
    } sizes[] = {{20, 1.0, 1}, {21000, 8.0, Lc0_8}};
    for (const auto &s : sizes) {
        const std::vector<double> profile = syntheticProfile(s.N, {{s.N / 7.0, 100.0}, {s.N / 2.0, 300.0}}, 1.0, 10.0);
        for (int extended : {0, 1}) {
            Evaluation e(extended);
            for (int filter = GaussianFilter; filter <= TwoRcFilter; ++filter) {
                for (int shape = 1; shape <= 6; ++shape) {
                    const std::string where = std::to_string(s.N) + " points, extended " + std::to_string(extended) +
                                              ", filter " + std::to_string(filter) + ", shape " + std::to_string(shape);
                    Options o;
                    o.Shape = shape;
                    o.Filter = filter;
                    o.Ls = Ls2_5um;
                    o.Lc = s.Lc;
                    o.EvalLength = s.Length;
                    evaluate(e, profile, o);
                    ASSERT_EQ(e->Valid, 1) << where;
                    expectCleanResults(e, where);
                    expectCleanCurves(e, where);
                }
            }
        }
    }
}

TEST(Evaluation, DefaultProgramSettingsGiveSaneRoughness)
{
    // Automatic form removal, filter and cut-offs on 16000 points over 4 mm:
    // a 50 μm wave of Ra 0.5 μm with a little noise on a 4 mm waviness and a
    // tilt falls in the 0.8 mm class.
    const double amplitude = 0.5 * M_PI / 2.0;
    Evaluation e(0);
    Options o;
    o.Shape = 0;
    o.Filter = 0;
    o.Ls = 0;
    o.Lc = 0;
    o.EvalLength = 4.0;
    o.ZMag = 0.01;
    evaluate(e, syntheticProfile(16000, {{200.0, amplitude / o.ZMag}, {16000.0, 50.0}}, 0.02, 3.0), o);
    ASSERT_EQ(e->Valid, 1);
    EXPECT_EQ(e->Cond.FilterType, DpFilter);
    EXPECT_EQ(e->Cond.ShapeMode, 1);
    EXPECT_DOUBLE_EQ(e->Cond.Lc, 16000 * 0.8 / 4.0);
    EXPECT_DOUBLE_EQ(e->Cond.Ls, 16000 * 0.0025 / 4.0);

    expectWithin(roughness(e, Ra).Value1, 0.5, 0.05, "Ra");
    expectWithin(roughness(e, Rq).Value1, amplitude / std::sqrt(2.0), 0.05, "Rq");
    EXPECT_NEAR(roughness(e, Rsk).Value1, 0.0, 0.2);
    expectWithin(roughness(e, Rku).Value1, 1.5, 0.1, "Rku");
    EXPECT_GT(roughness(e, Rz).Value1, 2.0 * amplitude * 0.95);
    EXPECT_LT(roughness(e, Rz).Value1, 2.0 * amplitude * 1.3);
    expectWithin(roughness(e, RSm).Value1, 0.05, 0.02, "RSm");
    EXPECT_GT(roughness(e, Lr).Value1, 1.0);
    EXPECT_LT(roughness(e, Lr).Value1, 1.01);
    EXPECT_GT(materialRatio(e, Rk).Value1, 0.0);
    EXPECT_LT(materialRatio(e, Rk).Value1, roughness(e, Rz).Value1);
    const std::string raText = roughness(e, Ra).ValueUnit1;
    EXPECT_EQ(raText.substr(raText.size() - kMicrometre.size()), kMicrometre);
    expectCleanResults(e, "defaults");
    expectCleanCurves(e, "defaults");
}
