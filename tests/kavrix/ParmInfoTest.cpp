#include "Kavrix.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

enum Group { Roughness, Waviness, Primary, MaterialRatio, Motif };
enum Standard { Jis82, Jis87, Jis94, Jis01, Jis13, Iso84, Iso97, Din90, Asme95, Gb14 };

class ParmInfoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Garbage in every entry shows that the null entries are written too.
        std::memset(&info, 0x5A, sizeof info);
        kavrixGetParmInfo(&info);
    }

    std::string symbol(int group, int standard, int slot) const
    {
        const char *text = info.AllParmName[group][standard][slot];
        return text ? text : "<null>";
    }

    Info info;
};

TEST_F(ParmInfoTest, SymbolsAreTheGbkTextsOfEachStandard)
{
    struct Case {
        int group, standard, slot;
        const char *expected;
    };
    const Case cases[] = {
        {Roughness, Jis82, 0, "Ra75"},
        {Roughness, Jis87, 0, "Ra75"},
        {Roughness, Jis94, 0, "Ra"},
        {Roughness, Gb14, 0, "Ra"},
        {Roughness, Jis87, 7, "Rmax"},
        {Roughness, Jis94, 6, "Ry"},
        {Roughness, Iso84, 6, "Ry"},
        {Roughness, Asme95, 4, "Rpm"},
        {Roughness, Jis94, 13, "Rz"},
        {Roughness, Jis01, 13, "Rz94"},
        {Roughness, Din90, 13, "Rz.I"},
        {Roughness, Gb14, 13, ""},
        {Roughness, Gb14, 9, "Rsm"},
        {Roughness, Iso97, 9, "RSm"},
        {Roughness, Jis94, 11,
         "R\xA6\xA4"
         "a"},
        {Roughness, Gb14, 12, "R\xA6\xA4q"},
        {Roughness, Jis13, 16,
         "R\xA6\xCB"
         "a"},
        {Roughness, Asme95, 17, "R\xA6\xCBq"},
        {Waviness, Jis82, 1, "WCC-q"},
        {Waviness, Gb14, 9, "Wsm"},
        {Waviness, Jis01, 10, "W\xA6\xA4q"},
        {Primary, Jis82, 9,
         "\xA6\xA4"
         "a"},
        {Primary, Jis87, 13,
         "\xA6\xCB"
         "a"},
        {Primary, Gb14, 8, "Psm"},
        {Primary, Asme95, 20, "AREA"},
        {MaterialRatio, Jis82, 0, ""},
        {MaterialRatio, Jis94, 8, "A2"},
        {MaterialRatio, Jis82, 9, "Rmr(0)"},
        {MaterialRatio, Gb14, 19, "Rmr(10)"},
        {MaterialRatio, Jis13, 20, "Rmr2(0)"},
        {MaterialRatio, Jis87, 39, "Rdc(9)"},
        {Motif, Asme95, 0, ""},
        {Motif, Asme95, 18, "Mr1e"},
        {Motif, Iso84, 21, "K"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(symbol(c.group, c.standard, c.slot), c.expected)
            << "group " << c.group << ", standard " << c.standard << ", slot " << c.slot;
    }
}

TEST_F(ParmInfoTest, RoughnessSymbolsNamedPerStandard)
{
    const int named[KAVRIX_STANDARDS] = {8, 9, 19, 18, 13, 19, 18, 19, 19, 11};
    for (int standard = 0; standard < KAVRIX_STANDARDS; ++standard) {
        int count = 0;
        for (int slot = 0; slot < KAVRIX_R_COUNT; ++slot) {
            count += symbol(Roughness, standard, slot).empty() ? 0 : 1;
        }
        EXPECT_EQ(count, named[standard]) << "standard " << standard;
    }
    for (int slot : {0, 1, 4, 5, 8, 10, 14, 15}) {
        EXPECT_FALSE(symbol(Roughness, Jis82, slot).empty()) << "slot " << slot;
    }
}

TEST_F(ParmInfoTest, NamedRowsHoldTextsAndLaterRowsAreNull)
{
    const int namedRows[KAVRIX_GROUPS] = {19, 12, 21, 40, 22};
    const int describedRows[KAVRIX_GROUPS] = {19, 12, 21, 9, 22};
    for (int group = 0; group < KAVRIX_GROUPS; ++group) {
        for (int standard = 0; standard < KAVRIX_STANDARDS; ++standard) {
            for (int slot = 0; slot < KAVRIX_NAME_SLOTS; ++slot) {
                const bool named = info.AllParmName[group][standard][slot] != nullptr;
                EXPECT_EQ(named, slot < namedRows[group])
                    << "group " << group << ", standard " << standard << ", slot " << slot;
            }
        }
        for (int slot = 0; slot < KAVRIX_MEAN_SLOTS; ++slot) {
            const bool described = slot < describedRows[group];
            EXPECT_EQ(info.AllParmMeanCN[group][slot] != nullptr, described) << "group " << group << ", slot " << slot;
            EXPECT_EQ(info.AllParmMeanEN[group][slot] != nullptr, described) << "group " << group << ", slot " << slot;
            if (described) {
                EXPECT_GT(std::strlen(info.AllParmMeanCN[group][slot]), 0u);
                EXPECT_GT(std::strlen(info.AllParmMeanEN[group][slot]), 0u);
            }
        }
    }
}

TEST_F(ParmInfoTest, DescriptionsAreGbkChineseAndEnglish)
{
    EXPECT_STREQ(info.AllParmMeanCN[Roughness][0],
                 "\xC6\xC0\xB6\xA8\xC2\xD6\xC0\xAA\xB5\xC4\xCB\xE3\xCA\xF5\xC6\xBD\xBE\xF9\xC6\xAB"
                 "\xB2\xEE");
    EXPECT_STREQ(info.AllParmMeanCN[Motif][3],
                 "\xC2\xD6\xC0\xAA\xCE\xA2\xB9\xDB\xB2\xBB\xC6\xBD\xB6\xC8\xB5\xC4\xD7\xEE\xB4\xF3"
                 "\xC9\xEE\xB6\xC8");
    EXPECT_STREQ(info.AllParmMeanCN[MaterialRatio][3], "\xD6\xA7\xB3\xD0\xC2\xCA"
                                                       "1");
    EXPECT_STREQ(info.AllParmMeanEN[Roughness][0], "arithmetical mean deviation of the assessed profile");
    EXPECT_STREQ(info.AllParmMeanEN[Primary][20], "area of height of step");
    EXPECT_STREQ(info.AllParmMeanEN[Motif][14], "standard deviation of length of waviness motifs");
}

} // namespace
