#include "Kavrix.h"
#include "KavrixPrepare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace {

const std::string kZeroMicrometre = "0 \xA6\xCC"
                                    "m";
const std::string kZeroMicroinch = "0 \xA6\xCC\xA1\xE5";

// A caller-owned record as the program keeps it: zeroed storage, allocated
// once, then evaluated with a ramp profile. Released again on destruction.
class Record
{
public:
    Record()
        : m_para(new ParaRecord())
    {
    }
    ~Record()
    {
        m_para->Mode = 0;
        kavrix(m_para.get());
    }

    ParaRecord *operator->() { return m_para.get(); }
    ParaRecord *get() { return m_para.get(); }

    void allocate(int capacity, int extended)
    {
        m_para->Extended = extended;
        m_para->Capacity = capacity;
        m_para->Mode = 1;
        kavrix(m_para.get());
    }

    // Valid conditions: Gaussian filter, λc 0.8 mm, λs 0.0025 mm.
    void setProfile(int points, double evalLength)
    {
        m_para->RawArray.N = points;
        for (int i = 0; i < points; ++i) {
            m_para->RawArray.Y[i] = i % 7;
        }
        EvalCond &cond = m_para->Cond;
        cond.ShapeOption = 1;
        cond.FilterOption = 1;
        cond.LsOption = 2;
        cond.LcOption = 4;
        cond.EvalLength = evalLength;
        cond.ParmZMag = 1.0;
        cond.Standard = 0;
        cond.ExtParm1 = -1;
        cond.ExtParm2 = 0;
        cond.MrFactorSet = 0;
        cond.ShapeParm = 10;
    }

    void evaluate()
    {
        m_para->Mode = 2;
        kavrix(m_para.get());
    }

private:
    std::unique_ptr<ParaRecord> m_para;
};

void expectDerivedCounts(ParaRecord *para, int n, int spectrum)
{
    for (const DataArray *curve :
         {&para->FormArray, &para->PArray, &para->RArray, &para->WArray, &para->AbbottArray, &para->AmplitudeArray}) {
        EXPECT_EQ(curve->N, n);
    }
    EXPECT_EQ(para->SpectrumArray.N, spectrum);
}

void expectRoughnessReset(ParaRecord *para)
{
    EXPECT_EQ(para->Results[KAVRIX_R_FIRST].Value1, 0);
    EXPECT_EQ(para->Results[KAVRIX_R_FIRST].ValueUnit1, kZeroMicrometre);
    EXPECT_EQ(para->Results[KAVRIX_R_FIRST].ValueUnit2, kZeroMicroinch);
}

} // namespace

TEST(KavrixEntry, ProfileOfNineteenPointsIsRejectedAndTwentyAccepted)
{
    for (int points : {19, 20}) {
        Record rec;
        rec.allocate(100, 1);
        rec.setProfile(points, 4.0);
        rec->Cond.FilterOption = 4;
        rec->Results[KAVRIX_R_FIRST].Value1 = 3.5;
        rec.evaluate();

        const bool accepted = points == 20;
        EXPECT_EQ(rec->Valid, accepted ? 1 : 0) << points;
        expectDerivedCounts(rec.get(), accepted ? 20 : 0, accepted ? 11 : 0);
        EXPECT_EQ(rec->ExtraArray1.N, accepted ? 20 : 0);
        if (!accepted) {
            expectRoughnessReset(rec.get());
        }
    }
}

TEST(KavrixEntry, CutoffsInPointsForTheReferenceProfile)
{
    Record rec;
    rec.allocate(21000, 0);
    rec.setProfile(2000, 4.0);
    rec.evaluate();

    EXPECT_EQ(rec->Valid, 1);
    EXPECT_DOUBLE_EQ(rec->Cond.Lc, 400.0);
    EXPECT_DOUBLE_EQ(rec->Cond.Ls, 1.25);
    // The Gaussian stages trim int(Ls) and int(Lc) points at each end.
    EXPECT_EQ(rec->FormArray.N, 2000);
    for (const DataArray *curve : {&rec->PArray, &rec->RArray, &rec->WArray, &rec->AbbottArray, &rec->AmplitudeArray}) {
        EXPECT_EQ(curve->N, 1198);
    }
}

// Gaussian and FFT output must keep at least 20 points; the other filters keep
// the whole profile and accept a λc longer than it.
TEST(KavrixEntry, FilterLengthTest)
{
    struct Case {
        int points;
        double evalLength;
        int lcOption;
        int filterOption;
        int valid;
    };
    const Case cases[] = {
        {99, 19.6, 6, 1, 0},                                              // 99 − 2·40 = 19 left
        {100, 19.6, 6, 1, 1},                                             // 100 − 2·40 = 20 left
        {100, 19.6, 6, 2, 1}, {99, 19.6, 6, 2, 0},  {1000, 4.0, 6, 1, 0}, // λc 2000 points
        {1000, 4.0, 6, 4, 1}, {1000, 4.0, 6, 3, 1},
    };
    for (const Case &c : cases) {
        Record rec;
        rec.allocate(1000, 0);
        rec.setProfile(c.points, c.evalLength);
        rec->Cond.LsOption = 1;
        rec->Cond.LcOption = c.lcOption;
        rec->Cond.FilterOption = c.filterOption;
        rec.evaluate();
        EXPECT_EQ(rec->Valid, c.valid) << c.points << " points, filter " << c.filterOption;
    }
}

TEST(KavrixEntry, OptionsMapToEffectiveValues)
{
    const int shapeModes[] = {1, 1, 2, 3, 4, 5, 6};
    const int filterTypes[] = {4, 1, 2, 3, 4, 5};
    const double lsMm[] = {0, 0.0025, 0.008, 0.025};
    const double lcMm[] = {0.025, 0.08, 0.25, 0.8, 2.5, 8};

    Record rec;
    rec.allocate(100, 0);
    // 100 points over 100 mm: a cut-off in points equals its length in mm.
    rec.setProfile(100, 100.0);
    rec->Cond.FilterOption = 4;
    for (int option = 0; option <= 6; ++option) {
        rec->Cond.ShapeOption = option;
        rec.evaluate();
        EXPECT_EQ(rec->Cond.ShapeMode, shapeModes[option]) << option;
    }
    for (int option = 0; option <= 5; ++option) {
        rec->Cond.FilterOption = option;
        rec.evaluate();
        EXPECT_EQ(rec->Cond.FilterType, filterTypes[option]) << option;
    }
    rec->Cond.FilterOption = 4;
    for (int option = 1; option <= 4; ++option) {
        rec->Cond.LsOption = option;
        rec.evaluate();
        EXPECT_DOUBLE_EQ(rec->Cond.Ls, lsMm[option - 1]) << option;
    }
    for (int option = 1; option <= 6; ++option) {
        rec->Cond.LcOption = option;
        rec.evaluate();
        EXPECT_DOUBLE_EQ(rec->Cond.Lc, lcMm[option - 1]) << option;
        EXPECT_EQ(rec->Valid, 1);
    }
}

TEST(KavrixEntry, LevelTablesAreDefaultsUnlessExtended)
{
    Record rec;
    rec.allocate(100, 0);
    rec.setProfile(50, 4.0);
    rec->Cond.RmrLevel[0] = 0.55;
    rec.evaluate();
    const double defaults[] = {0.1, 0.15, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
    for (int i = 0; i < KAVRIX_LEVEL_COUNT; ++i) {
        EXPECT_EQ(rec->Cond.RmrLevel[i], defaults[i]);
        EXPECT_EQ(rec->Cond.Rmr2Level[i], defaults[i]);
        EXPECT_EQ(rec->Cond.RdcLevel[i], defaults[i]);
    }

    rec->Extended = 1;
    rec->Cond.RdcLevel[0] = 0.55;
    rec.evaluate();
    EXPECT_EQ(rec->Valid, 1);
    EXPECT_EQ(rec->Cond.RdcLevel[0], 0.55);
}

TEST(KavrixEntry, EachInvalidConditionRejects)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char *what;
        std::function<void(ParaRecord *)> spoil;
    };
    const Case cases[] = {
        {"Extended 2",
         [](ParaRecord *p) {
             p->Extended = 2;
         }},
        {"EvalLength 0",
         [](ParaRecord *p) {
             p->Cond.EvalLength = 0;
         }},
        {"EvalLength negative",
         [](ParaRecord *p) {
             p->Cond.EvalLength = -4;
         }},
        {"EvalLength infinite",
         [inf](ParaRecord *p) {
             p->Cond.EvalLength = inf;
         }},
        {"EvalLength NaN",
         [nan](ParaRecord *p) {
             p->Cond.EvalLength = nan;
         }},
        {"EvalLength tiny",
         [](ParaRecord *p) {
             p->Cond.EvalLength = 1e-300;
             p->Cond.FilterOption = 4;
         }},
        {"ShapeOption -1",
         [](ParaRecord *p) {
             p->Cond.ShapeOption = -1;
         }},
        {"ShapeOption 7",
         [](ParaRecord *p) {
             p->Cond.ShapeOption = 7;
         }},
        {"FilterOption 6",
         [](ParaRecord *p) {
             p->Cond.FilterOption = 6;
         }},
        {"LcOption 7",
         [](ParaRecord *p) {
             p->Cond.LcOption = 7;
         }},
        {"LsOption 5",
         [](ParaRecord *p) {
             p->Cond.LsOption = 5;
         }},
        {"ParmZMag 0",
         [](ParaRecord *p) {
             p->Cond.ParmZMag = 0;
         }},
        {"ParmZMag infinite",
         [inf](ParaRecord *p) {
             p->Cond.ParmZMag = inf;
         }},
        {"ParmZMag NaN",
         [nan](ParaRecord *p) {
             p->Cond.ParmZMag = nan;
         }},
        {"Standard -1",
         [](ParaRecord *p) {
             p->Cond.Standard = -1;
         }},
        {"Standard 10",
         [](ParaRecord *p) {
             p->Cond.Standard = 10;
         }},
        {"ExtParm1 -0.5",
         [](ParaRecord *p) {
             p->Cond.ExtParm1 = -0.5;
         }},
        {"ExtParm2 NaN",
         [nan](ParaRecord *p) {
             p->Cond.ExtParm2 = nan;
         }},
        {"MrFactorSet 2",
         [](ParaRecord *p) {
             p->Cond.MrFactorSet = 2;
         }},
        {"ShapeParm 4 with spline",
         [](ParaRecord *p) {
             p->Cond.ShapeOption = 6;
             p->Cond.ShapeParm = 4;
         }},
        {"ShapeParm 21 with spline",
         [](ParaRecord *p) {
             p->Cond.ShapeOption = 6;
             p->Cond.ShapeParm = 21;
         }},
        {"RmrLevel 1",
         [](ParaRecord *p) {
             p->Cond.RmrLevel[10] = 1.0;
         }},
        {"Rmr2Level NaN",
         [nan](ParaRecord *p) {
             p->Cond.Rmr2Level[3] = nan;
         }},
        {"RdcLevel negative",
         [](ParaRecord *p) {
             p->Cond.RdcLevel[0] = -0.1;
         }},
    };

    Record reference;
    reference.allocate(2000, 1);
    reference.setProfile(2000, 4.0);
    reference.evaluate();
    ASSERT_EQ(reference->Valid, 1) << "the unspoilt conditions must pass";

    for (const Case &c : cases) {
        Record rec;
        rec.allocate(2000, 1);
        rec.setProfile(2000, 4.0);
        c.spoil(rec.get());
        rec->Results[KAVRIX_R_FIRST].Value1 = 1.5;
        rec.evaluate();
        EXPECT_EQ(rec->Valid, 0) << c.what;
        expectRoughnessReset(rec.get());
    }
}

TEST(KavrixEntry, ResetWritesZeroTextsWithGbkUnits)
{
    struct Case {
        int entry;
        std::string valueUnit1;
        std::string valueUnit2;
    };
    const Case cases[] = {
        {KAVRIX_R_FIRST + 0, kZeroMicrometre, kZeroMicroinch},
        {KAVRIX_R_FIRST + 2, "0 ", "0 "},
        {KAVRIX_R_FIRST + 9, "0 mm", "0 \xA1\xE5"},
        {KAVRIX_R_FIRST + 18, "0 ", "0 "},
        {KAVRIX_W_FIRST + 9, "0 mm", "0 \xA1\xE5"},
        {KAVRIX_P_FIRST + 11, kZeroMicrometre, kZeroMicroinch},
        {KAVRIX_MR_FIRST + 5, kZeroMicrometre, kZeroMicroinch},
        {KAVRIX_MR_FIRST + 8, "0 ", "0 "},
        {KAVRIX_MR_FIRST + 39, "0 %", "0 %"},
        {KAVRIX_MOTIF_FIRST + 0, "0 ", "0 "},
        {KAVRIX_MOTIF_FIRST + 1, "0 mm", "0 \xA1\xE5"},
        {KAVRIX_MOTIF_FIRST + 11, kZeroMicrometre, kZeroMicroinch},
    };

    Record rec;
    for (ParmResult &result : rec->Results) {
        result.Value1 = 7;
        result.Value2 = 7;
    }
    rec.allocate(100, 1);
    EXPECT_EQ(rec->RCount, 19);
    EXPECT_EQ(rec->WCount, 12);
    EXPECT_EQ(rec->PCount, 16);
    EXPECT_EQ(rec->MrCount, 40);
    EXPECT_EQ(rec->MotifCount, 15);
    for (const Case &c : cases) {
        const ParmResult &result = rec->Results[c.entry];
        EXPECT_EQ(result.Value1, 0) << c.entry;
        EXPECT_EQ(result.Value2, 0) << c.entry;
        EXPECT_EQ(result.ValueUnit1, c.valueUnit1) << c.entry;
        EXPECT_EQ(result.ValueUnit2, c.valueUnit2) << c.entry;
        EXPECT_EQ(std::string("0 ") + result.Unit1, c.valueUnit1) << c.entry;
        EXPECT_EQ(std::string("0 ") + result.Unit2, c.valueUnit2) << c.entry;
    }
}

TEST(KavrixEntry, ResetLeavesFamiliesThatAreOff)
{
    Record rec;
    for (ParmResult &result : rec->Results) {
        result.Value1 = 7;
    }
    rec.allocate(100, 0);
    for (int entry = 0; entry < KAVRIX_RESULT_COUNT; ++entry) {
        const bool on = entry < KAVRIX_W_FIRST || (entry >= KAVRIX_MR_FIRST && entry < KAVRIX_MOTIF_FIRST);
        EXPECT_EQ(rec->Results[entry].Value1, on ? 0 : 7) << entry;
    }
}

TEST(KavrixEntry, SwitchesFollowExtended)
{
    Record rec;
    rec.allocate(100, 0);
    const ParaRecord &p = *rec.get();
    EXPECT_EQ(p.RArrayOn + p.AbbottArrayOn + p.AmplitudeArrayOn + p.ROn + p.MrOn, 5);
    EXPECT_EQ(p.FormArrayOn + p.PArrayOn + p.WArrayOn + p.ExtraArrayOn + p.SpectrumArrayOn + p.WOn + p.POn + p.MotifOn,
              0);

    rec.allocate(100, 1);
    EXPECT_EQ(p.FormArrayOn + p.PArrayOn + p.WArrayOn + p.ExtraArrayOn + p.SpectrumArrayOn + p.WOn + p.POn + p.MotifOn,
              8);
    EXPECT_NE(p.SpectrumArray.Y, nullptr);
    EXPECT_NE(p.ExtraArray2.X, nullptr);
}

// The switches follow Extended at every call, but only buffers that exist may
// be written: a record allocated without extended evaluation has no spectrum.
TEST(KavrixEntry, ExtendedEvaluationOfABasicAllocationSkipsMissingCurves)
{
    Record rec;
    rec.allocate(100, 0);
    EXPECT_EQ(rec->SpectrumArray.Y, nullptr);
    EXPECT_EQ(rec->ExtraArray1.Y, nullptr);

    rec.setProfile(60, 4.0);
    rec->Cond.FilterOption = 4;
    rec->Extended = 1;
    rec.evaluate();
    EXPECT_EQ(rec->Valid, 1);
    EXPECT_EQ(rec->SpectrumArrayOn, 0);
    EXPECT_EQ(rec->ExtraArrayOn, 0);
    EXPECT_EQ(rec->WOn, 1);
    expectDerivedCounts(rec.get(), 60, 0);
    EXPECT_EQ(rec->ExtraArray1.N, 0);
}

TEST(KavrixEntry, ProfileBeyondTheAllocatedBuffersIsRejected)
{
    Record rec;
    rec.allocate(50, 0);
    rec.setProfile(50, 4.0);
    rec->Cond.FilterOption = 4;
    rec.evaluate();
    ASSERT_EQ(rec->Valid, 1);

    // The caller raising Capacity afterwards does not enlarge the buffers.
    rec->Capacity = 1000;
    rec->RawArray.N = 51;
    rec.evaluate();
    EXPECT_EQ(rec->Valid, 0);
    expectDerivedCounts(rec.get(), 0, 0);
    expectRoughnessReset(rec.get());
}

TEST(KavrixEntry, RecordWithoutBuffersIsRejected)
{
    struct Case {
        const char *what;
        int capacity;
        bool allocate;
    };
    const Case cases[] = {
        {"never allocated", 100, false},
        {"capacity 0", 0, true},
        {"capacity negative", -5, true},
    };
    for (const Case &c : cases) {
        Record rec;
        if (c.allocate) {
            rec.allocate(c.capacity, 0);
            EXPECT_EQ(rec->RawArray.Y, nullptr) << c.what;
        }
        rec->RawArray.N = 40;
        rec->Cond.EvalLength = 4.0;
        rec->Cond.LcOption = 4;
        rec->Cond.LsOption = 1;
        rec->Cond.ParmZMag = 1.0;
        rec.evaluate();
        EXPECT_EQ(rec->Valid, 0) << c.what;
        expectDerivedCounts(rec.get(), 0, 0);
    }
}

TEST(KavrixEntry, ReleaseAndReallocation)
{
    Record rec;
    rec.allocate(100, 1);
    rec.allocate(200, 1);
    rec.allocate(300, 0);
    rec.setProfile(300, 4.0);
    rec.evaluate();
    EXPECT_EQ(rec->Valid, 1);

    // Released under another Extended than allocated, even an invalid one:
    // every buffer goes, and a second release is harmless.
    for (int extended : {0, 2}) {
        rec.allocate(100, 1);
        rec->Extended = extended;
        rec->Mode = 0;
        kavrix(rec.get());
        rec->Mode = 0;
        kavrix(rec.get());
        EXPECT_EQ(rec->Valid, 0);
        EXPECT_EQ(rec->RawArray.Y, nullptr);
        EXPECT_EQ(rec->SpectrumArray.X, nullptr);
        EXPECT_EQ(rec->AmplitudeArray.Y, nullptr);
    }

    rec->Extended = 0;
    rec->RawArray.N = 40;
    rec.evaluate();
    EXPECT_EQ(rec->Valid, 0);
}

TEST(KavrixEntry, AnyModeAboveOneEvaluates)
{
    Record rec;
    rec.allocate(100, 0);
    rec.setProfile(40, 4.0);
    rec->Cond.FilterOption = 4;
    rec->Mode = 3;
    kavrix(rec.get());
    EXPECT_EQ(rec->Valid, 1);
    expectDerivedCounts(rec.get(), 40, 0);
}
