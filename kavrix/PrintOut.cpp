#include "Kavrix.h"
#include "ProfileText.h"

#include <algorithm>
#include <cstdio>

namespace {

// The print always names the slots by the last standard of the table,
// whichever standard the evaluation used.
constexpr int kPrintStandard = KAVRIX_STANDARDS - 1;

// "打印传出参数值" (print the returned parameter values) in GBK.
constexpr char kOpeningBanner[] = "\n************************************************** "
                                  "\xB4\xF2\xD3\xA1\xB4\xAB\xB3\xF6\xB2\xCE\xCA\xFD\xD6\xB5"
                                  " **************************************************\n\n";
constexpr char kClosingBanner[] = "\n**************************************************  "
                                  "**************************************************\n\n";

struct GroupLayout {
    int group;
    int first;
    int size;
};

constexpr GroupLayout kRoughness{0, KAVRIX_R_FIRST, KAVRIX_R_COUNT};
constexpr GroupLayout kWaviness{1, KAVRIX_W_FIRST, KAVRIX_W_COUNT};
constexpr GroupLayout kPrimary{2, KAVRIX_P_FIRST, KAVRIX_P_COUNT};
constexpr GroupLayout kMaterialRatio{3, KAVRIX_MR_FIRST, KAVRIX_MR_COUNT};
constexpr GroupLayout kMotif{4, KAVRIX_MOTIF_FIRST, KAVRIX_MOTIF_COUNT};

// A count from the record never reaches into the next group's entries. The
// values go through algoFixedText, padded like a "%-15f" field, so that the
// print reads the same under every process locale.
void printGroup(const ParaRecord &para, const Info &info, const GroupLayout &layout, int count)
{
    const int lines = std::clamp(count, 0, layout.size);
    for (int slot = 0; slot < lines; ++slot) {
        const ParmResult &result = para.Results[layout.first + slot];
        const char *symbol = info.AllParmName[layout.group][kPrintStandard][slot];
        std::printf("%-3d%7s = %-15s - %-15.23s - %-15s - %-20.23s\n", slot, symbol ? symbol : "",
                    algoFixedText(result.Value1).Text, result.ValueUnit1, algoFixedText(result.Value2).Text,
                    result.ValueUnit2);
    }
}

} // namespace

extern "C" void algoPrintOutParmValue(ParaRecord *para, Info *info)
{
    if (!para || !info) {
        return;
    }
    std::fputs(kOpeningBanner, stdout);
    printGroup(*para, *info, kRoughness, para->RCount);
    std::fputs("\n", stdout);
    printGroup(*para, *info, kMaterialRatio, para->MrCount);
    std::fputs("\n", stdout);
    if (para->Extended != 1) {
        return;
    }
    printGroup(*para, *info, kWaviness, para->WCount);
    std::fputs("\n", stdout);
    printGroup(*para, *info, kPrimary, para->PCount);
    std::fputs("\n", stdout);
    printGroup(*para, *info, kMotif, para->MotifCount);
    std::fputs(kClosingBanner, stdout);
}

void algoPrintOutArray(const DataArray *curve, int mode)
{
    if (!curve || (mode != 0 && mode != 1)) {
        return;
    }
    const int count = curve->Y ? curve->N : 0;
    for (int i = 0; i < count; ++i) {
        const NumberText number = algoFixedText(curve->Y[i]);
        if (mode == 0) {
            std::printf(i + 1 < count ? "%s," : "%s", number.Text);
        } else {
            std::printf("%d\t%s\n", i + 1, number.Text);
        }
    }
    std::fputs("\n", stdout);
}
