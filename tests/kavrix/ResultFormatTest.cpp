#include "KavrixStages.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

// The library's unit texts are GBK bytes.
const char Um[] = "\xA6\xCC"
                  "m";
const char UInch[] = "\xA6\xCC\xA1\xE5";
const char Mm[] = "mm";
const char Inch[] = "\xA1\xE5";
const char Percent[] = "%";
const char None[] = "";

const double Nan = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

struct Case {
    const char *what;
    int entry;
    double raw;
    const char *unit1;
    const char *unit2;
    const char *text1;
    const char *text2;
    double value1;
};

// Height factor 0.001 μm per raw unit; 2000 points over 4 mm give 0.002 mm
// per point, a slope factor of 0.0005 and an area factor of 2e-9.
const Case Cases[] = {
    {"Rq", 1, 9999, Um, UInch,
     "9.999 \xA6\xCC"
     "m",
     "393.661 \xA6\xCC\xA1\xE5", 9.999},
    {"large Rt", 8, 150000, Um, UInch,
     "150.000 \xA6\xCC"
     "m",
     "5905.512 \xA6\xCC\xA1\xE5", 150.0},
    {"zero Rz", 6, 0, Um, UInch,
     "0 \xA6\xCC"
     "m",
     "0 \xA6\xCC\xA1\xE5", 0.0},
    {"negative zero Rp", 4, -0.0, Um, UInch,
     "0 \xA6\xCC"
     "m",
     "0 \xA6\xCC\xA1\xE5", 0.0},
    {"NaN Rsk", 2, Nan, None, None, "0 ", "0 ", 0.0},
    {"infinite Ra", 0, Inf, Um, UInch,
     "0 \xA6\xCC"
     "m",
     "0 \xA6\xCC\xA1\xE5", 0.0},
    {"RSm", 9, 50, Mm, Inch, "0.100 mm", "0.00394 \xA1\xE5", 0.1},
    {"short wavelength", 16, 5, Mm, Inch, "0.010 mm", "0.00039 \xA1\xE5", 0.01},
    {"mean slope", 11, 200, None, None, "0.100 ", "0.100 ", 0.1},
    {"length ratio", 18, 1.0, None, None, "1.000 ", "1.000 ", 1.0},
    {"peak count", 15, 12.5, None, None, "12.500 ", "12.500 ", 12.5},
    {"metric fits, inch does not", 8, 1e16, Um, UInch,
     "0 \xA6\xCC"
     "m",
     "0 \xA6\xCC\xA1\xE5", 0.0},
    {"WSm", 28, 50, Mm, Inch, "0.100 mm", "0.00394 \xA1\xE5", 0.1},
    {"waviness slope", 29, 200, None, None, "0.100 ", "0.100 ", 0.1},
    {"Rz.J", 42, 2000, Um, UInch,
     "2.000 \xA6\xCC"
     "m",
     "78.740 \xA6\xCC\xA1\xE5", 2.0},
    {"primary length ratio", 46, 1.25, None, None, "1.250 ", "1.250 ", 1.25},
    {"zero Rk", 47, 0, Um, UInch,
     "0.000 \xA6\xCC"
     "m",
     "0.000 \xA6\xCC\xA1\xE5", 0.0},
    {"NaN K", 53, Nan, None, None, "0.000 ", "0.000 ", 0.0},
    {"A1", 54, 2e6, None, None, "0.004 ", "0.004 ", 0.004},
    {"Rmr", 56, 90, Percent, Percent, "90.000 %", "90.000 %", 90.0},
    {"largest fitting ratio", 50, 1e17, None, None, "100000000000000000.000 ", "100000000000000000.000 ", 1e17},
    {"ratio too long", 50, 1e18, None, None, "0.000 ", "0.000 ", 0.0},
    {"NCRX", 87, 7, None, None, "7 ", "7 ", 7.0},
    {"CPM", 92, 2.4, None, None, "2 ", "2 ", 2.4},
    {"AR", 88, 50, Mm, Inch, "0.100 mm", "0.00394 \xA1\xE5", 0.1},
    {"SR", 93, 1000, None, None, "1.000 ", "39.370 ", 1.0},
};

class ResultFormatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        para.Cond.ParmZMag = 0.001;
        para.Cond.EvalLength = 4.0;
        para.RawArray.N = 2000;
        para.RCount = KAVRIX_R_COUNT;
        para.WCount = KAVRIX_W_COUNT;
        para.PCount = KAVRIX_P_COUNT;
        para.MrCount = KAVRIX_MR_COUNT;
        para.MotifCount = KAVRIX_MOTIF_COUNT;
        para.ROn = para.WOn = para.POn = para.MrOn = para.MotifOn = 1;
        for (ParmResult &r : para.Results)
            r.Unit1 = r.Unit2 = None;
    }

    void setRaw(const Case &c)
    {
        ParmResult &r = para.Results[c.entry];
        r.Value1 = c.raw;
        r.Unit1 = c.unit1;
        r.Unit2 = c.unit2;
    }

    void expectCase(const Case &c)
    {
        const ParmResult &r = para.Results[c.entry];
        EXPECT_EQ(std::string(r.ValueUnit1), c.text1);
        EXPECT_EQ(std::string(r.ValueUnit2), c.text2);
        EXPECT_NEAR(r.Value1, c.value1, 1e-9 * std::abs(c.value1));
        EXPECT_EQ(r.Unit1, c.unit1);
        EXPECT_EQ(r.Unit2, c.unit2);
    }

    ParaRecord para = {};
};

TEST_F(ResultFormatTest, ValueTextsPerSlotKind)
{
    for (const Case &c : Cases) {
        SCOPED_TRACE(c.what);
        setRaw(c);
        algoFormatResults(&para);
        expectCase(c);
    }
}

TEST_F(ResultFormatTest, InchValuesFollowTheirUnit)
{
    const int rq = 1, rsm = 9, slope = 11;
    para.Results[rq].Value1 = 1000;
    para.Results[rsm].Value1 = 127;
    para.Results[slope].Value1 = 200;
    algoFormatResults(&para);

    EXPECT_NEAR(para.Results[rq].Value2, 39.3700787402, 1e-9); // μ″
    EXPECT_NEAR(para.Results[rsm].Value2, 0.01, 1e-12);        // 0.254 mm in ″
    EXPECT_DOUBLE_EQ(para.Results[slope].Value2, para.Results[slope].Value1);
}

TEST_F(ResultFormatTest, SwitchedOffGroupsAndSlotsPastTheCountAreKept)
{
    para.WOn = para.POn = para.MotifOn = 0;
    para.MrCount = 9;
    const int kept[] = {KAVRIX_W_FIRST, KAVRIX_P_FIRST, KAVRIX_MOTIF_FIRST, KAVRIX_MR_FIRST + 9};
    for (int entry : kept) {
        para.Results[entry].Value1 = 5.0;
        std::strcpy(para.Results[entry].ValueUnit1, "old");
    }
    para.Results[KAVRIX_R_FIRST].Value1 = 5000;
    algoFormatResults(&para);

    for (int entry : kept) {
        EXPECT_EQ(para.Results[entry].Value1, 5.0) << entry;
        EXPECT_STREQ(para.Results[entry].ValueUnit1, "old") << entry;
    }
    EXPECT_STREQ(para.Results[KAVRIX_R_FIRST].ValueUnit1, "5.000 ");
}

// The host program switches the process to the operator's locale; the texts
// must keep their decimal point all the same.
TEST_F(ResultFormatTest, TextsIgnoreProcessLocale)
{
    const char *commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
    const char *chosen = nullptr;
    for (const char *name : commaLocales) {
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    }
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma installed";

    setRaw(Cases[0]);
    algoFormatResults(&para);
    std::setlocale(LC_ALL, "C");
    expectCase(Cases[0]);
}

} // namespace
