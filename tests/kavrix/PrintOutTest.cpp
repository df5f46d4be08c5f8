#include "Kavrix.h"
#include "ProfileText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char kOpening[] = "\n************************************************** "
                        "\xB4\xF2\xD3\xA1\xB4\xAB\xB3\xF6\xB2\xCE\xCA\xFD\xD6\xB5"
                        " **************************************************\n\n";
const char kClosing[] = "\n**************************************************  "
                        "**************************************************\n\n";

class PrintOutParmValueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kavrixGetParmInfo(info.get());
        para->RCount = KAVRIX_R_COUNT;
        para->WCount = KAVRIX_W_COUNT;
        para->PCount = KAVRIX_P_COUNT;
        para->MrCount = KAVRIX_MR_COUNT;
        para->MotifCount = KAVRIX_MOTIF_COUNT;
        // The first standard names roughness slot 0 "Ra75"; the print must not
        // follow it.
        para->Cond.Standard = 0;
        for (int entry = 0; entry < KAVRIX_RESULT_COUNT; ++entry) {
            ParmResult &result = para->Results[entry];
            result.Value1 = entry * 1.25;
            result.Value2 = -entry / 8.0;
            std::snprintf(result.ValueUnit1, sizeof result.ValueUnit1, "%d \xA6\xCCm", entry);
            std::snprintf(result.ValueUnit2, sizeof result.ValueUnit2, "%d \xA6\xCC\xA1\xE5", entry);
        }
    }

    std::string print()
    {
        testing::internal::CaptureStdout();
        algoPrintOutParmValue(para.get(), info.get());
        return testing::internal::GetCapturedStdout();
    }

    // The lines of one group in the reference layout, named by the last
    // standard of the table.
    std::string referenceLines(int group, int first, int count) const
    {
        std::string lines;
        for (int slot = 0; slot < count; ++slot) {
            const ParmResult &result = para->Results[first + slot];
            char line[256];
            std::snprintf(line, sizeof line, "%-3d%7s = %-15f - %-15s - %-15f - %-20s\n", slot,
                          info->AllParmName[group][KAVRIX_STANDARDS - 1][slot], result.Value1, result.ValueUnit1,
                          result.Value2, result.ValueUnit2);
            lines += line;
        }
        return lines;
    }

    std::unique_ptr<ParaRecord> para = std::make_unique<ParaRecord>();
    std::unique_ptr<Info> info = std::make_unique<Info>();
};

TEST_F(PrintOutParmValueTest, BasicEvaluationPrintsRoughnessAndMaterialRatio)
{
    para->Extended = 0;
    const std::string expected = kOpening + referenceLines(0, KAVRIX_R_FIRST, KAVRIX_R_COUNT) + "\n" +
                                 referenceLines(3, KAVRIX_MR_FIRST, KAVRIX_MR_COUNT) + "\n";
    const std::string printed = print();
    EXPECT_EQ(printed, expected);

    const std::string slotOne = "\n1       Rq = 1.250000        - 1 \xA6\xCCm           - "
                                "-0.125000       - 1 \xA6\xCC\xA1\xE5              \n";
    EXPECT_NE(printed.find(slotOne), std::string::npos);
    EXPECT_NE(printed.find("\n19 Rmr(10) = "), std::string::npos);
}

TEST_F(PrintOutParmValueTest, ExtendedEvaluationPrintsEveryGroupAndClosingBanner)
{
    para->Extended = 1;
    para->Results[KAVRIX_MOTIF_FIRST + 14].Value1 = 1e300;
    const std::string expected =
        kOpening + referenceLines(0, KAVRIX_R_FIRST, KAVRIX_R_COUNT) + "\n" +
        referenceLines(3, KAVRIX_MR_FIRST, KAVRIX_MR_COUNT) + "\n" + referenceLines(1, KAVRIX_W_FIRST, KAVRIX_W_COUNT) +
        "\n" + referenceLines(2, KAVRIX_P_FIRST, KAVRIX_P_COUNT) + "\n" + referenceLines(4, KAVRIX_MOTIF_FIRST, 14);
    const std::string printed = print();
    ASSERT_EQ(printed.substr(0, expected.size()), expected);
    const std::string lastLine = printed.substr(expected.size());
    // The last standard leaves motif slot 14 unnamed.
    EXPECT_EQ(lastLine.rfind("14         = 1000000000000000052504760255204420248704468581108", 0), 0u);
    EXPECT_EQ(lastLine.substr(lastLine.size() - std::string(kClosing).size()), kClosing);
}

TEST_F(PrintOutParmValueTest, CountsBeyondTheGroupStopAtItsLastSlot)
{
    para->Extended = 0;
    para->RCount = 1000;
    para->MrCount = -3;
    const std::string expected = kOpening + referenceLines(0, KAVRIX_R_FIRST, KAVRIX_R_COUNT) + "\n" + "\n";
    EXPECT_EQ(print(), expected);
}

struct ArrayCase {
    const char *name;
    std::vector<double> heights;
    int mode;
    std::string expected;
};

void PrintTo(const ArrayCase &c, std::ostream *os)
{
    *os << c.name;
}

class PrintOutArrayTest : public ::testing::TestWithParam<ArrayCase>
{};

TEST_P(PrintOutArrayTest, PrintsTheHeights)
{
    std::vector<double> heights = GetParam().heights;
    DataArray curve{static_cast<int>(heights.size()), heights.empty() ? nullptr : heights.data(), nullptr};
    testing::internal::CaptureStdout();
    algoPrintOutArray(&curve, GetParam().mode);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), GetParam().expected);
}

std::string fixedText(double value)
{
    char text[400];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PrintOutArrayTest,
    ::testing::Values(ArrayCase{"OneLine", {1, 2.5, -3}, 0, "1.000000,2.500000,-3.000000\n"},
                      ArrayCase{"NumberedLines", {1, 2.5, -3}, 1, "1\t1.000000\n2\t2.500000\n3\t-3.000000\n\n"},
                      ArrayCase{"EmptyOneLine", {}, 0, "\n"}, ArrayCase{"EmptyNumberedLines", {}, 1, "\n"},
                      ArrayCase{"OtherMode", {1, 2}, 2, ""},
                      ArrayCase{
                          "HugeValues", {1e300, -1.7e308}, 0, fixedText(1e300) + "," + fixedText(-1.7e308) + "\n"}),
    [](const ::testing::TestParamInfo<ArrayCase> &info) {
        return info.param.name;
    });

} // namespace
