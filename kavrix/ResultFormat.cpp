#include "KavrixStages.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace {

// How a slot's raw value converts. Count slots are plain numbers that are
// always shown whole; Ratio slots carry no unit factor but keep decimals.
enum class Scale { Ratio, Count, Height, Length, Slope, LengthRatio, Area };

constexpr Scale R = Scale::Ratio;
constexpr Scale C = Scale::Count;
constexpr Scale H = Scale::Height;
constexpr Scale L = Scale::Length;
constexpr Scale S = Scale::Slope;
constexpr Scale LR = Scale::LengthRatio;
constexpr Scale A = Scale::Area;

constexpr Scale RoughnessScales[KAVRIX_R_COUNT] = {H, H, R, R, H, H, H, H, H, L, L, S, S, H, H, R, L, L, LR};
constexpr Scale WavinessScales[KAVRIX_W_COUNT] = {H, H, R, R, H, H, H, H, H, L, S, R};
constexpr Scale PrimaryScales[KAVRIX_P_COUNT] = {H, H, R, R, H, H, H, H, L, S, S, H, R, L, L, LR};
constexpr Scale MaterialRatioScales[KAVRIX_MR_COUNT] = {H, H, H, R, R, H, R, A, A, R, R, R, R, R, R, R, R, R, R, R,
                                                        R, R, R, R, R, R, R, R, R, R, R, R, R, R, R, R, R, R, R, R};
constexpr Scale MotifScales[KAVRIX_MOTIF_COUNT] = {C, L, H, H, C, C, H, L, L, H, H, H, C, H, L};

constexpr double MicroInchPerMicrometre = 0.393700787402 * 100.0;
constexpr double MillimetresPerInch = 25.4;

constexpr int Decimals = 3;
// Lengths are given in whole inches, where a typical spacing of 0.01 mm
// still needs two significant digits.
constexpr int InchLengthDecimals = 5;

struct Conversion {
    double metric;
    double inch;
    int inchDecimals;
};

struct BaseFactors {
    double height;
    double length;
    double inchHeight;
    double inchLength;
};

BaseFactors baseFactors(const ParaRecord &para)
{
    BaseFactors f;
    f.height = para.Cond.ParmZMag;
    f.length = para.Cond.EvalLength / para.RawArray.N;
    f.inchHeight = para.Cond.ParmZMag * MicroInchPerMicrometre;
    f.inchLength = f.length / MillimetresPerInch;
    return f;
}

Conversion conversion(Scale scale, const BaseFactors &f)
{
    switch (scale) {
    case Scale::Height:
        return {f.height, f.inchHeight, Decimals};
    case Scale::Length:
        return {f.length, f.inchLength, InchLengthDecimals};
    case Scale::Slope: {
        const double slope = f.height / (f.length * 1000.0);
        return {slope, slope, Decimals};
    }
    case Scale::Area: {
        const double area = f.height * f.length / 1000.0;
        return {area, area, Decimals};
    }
    case Scale::LengthRatio:
        // The calculators already form the ratio from slopes in μm per μm.
    case Scale::Ratio:
    case Scale::Count:
        break;
    }
    return {1.0, 1.0, Decimals};
}

// Writes "<value> <unit>" into the field only when all of it fits; the
// number never depends on the process locale.
bool writeValueText(char (&field)[KAVRIX_TEXT_SIZE], double value, int decimals, const char *unit)
{
    char number[KAVRIX_TEXT_SIZE];
    const std::to_chars_result r =
        std::to_chars(number, number + sizeof number - 1, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return false;
    *r.ptr = '\0';

    char text[KAVRIX_TEXT_SIZE];
    const int length = std::snprintf(text, sizeof text, "%s %s", number, unit ? unit : "");
    if (length < 0 || length >= KAVRIX_TEXT_SIZE)
        return false;
    std::memcpy(field, text, static_cast<std::size_t>(length) + 1);
    return true;
}

bool writeTexts(ParmResult &result, Scale scale, int inchDecimals, bool wholeZero)
{
    const bool whole = scale == Scale::Count || (wholeZero && result.Value1 == 0.0);
    return writeValueText(result.ValueUnit1, result.Value1, whole ? 0 : Decimals, result.Unit1) &&
           writeValueText(result.ValueUnit2, result.Value2, whole ? 0 : inchDecimals, result.Unit2);
}

// A value that is not finite, or too large to show in its field in either
// unit system, reads 0 in both: the slot then never shows a cut number.
void formatSlot(ParmResult &result, Scale scale, const BaseFactors &base, bool wholeZero)
{
    const Conversion c = conversion(scale, base);
    const double raw = result.Value1;
    result.Value1 = raw * c.metric;
    result.Value2 = raw * c.inch;
    if (result.Value1 == 0.0 || !std::isfinite(result.Value1) || !std::isfinite(result.Value2)) {
        result.Value1 = 0.0;
        result.Value2 = 0.0;
    }
    if (!writeTexts(result, scale, c.inchDecimals, wholeZero)) {
        result.Value1 = 0.0;
        result.Value2 = 0.0;
        writeTexts(result, scale, c.inchDecimals, wholeZero);
    }
}

template <int Size>
void formatGroup(ParaRecord *para, int first, int count, const Scale (&scales)[Size], bool wholeZero)
{
    const BaseFactors base = baseFactors(*para);
    const int slots = count < Size ? count : Size;
    for (int s = 0; s < slots; ++s)
        formatSlot(para->Results[first + s], scales[s], base, wholeZero);
}

void algoFormatRoughness(ParaRecord *para)
{
    formatGroup(para, KAVRIX_R_FIRST, para->RCount, RoughnessScales, true);
}

void algoFormatWaviness(ParaRecord *para)
{
    formatGroup(para, KAVRIX_W_FIRST, para->WCount, WavinessScales, true);
}

void algoFormatPrimary(ParaRecord *para)
{
    formatGroup(para, KAVRIX_P_FIRST, para->PCount, PrimaryScales, true);
}

// Unlike the other groups, a material-ratio zero keeps its decimals.
void algoFormatMaterialRatio(ParaRecord *para)
{
    formatGroup(para, KAVRIX_MR_FIRST, para->MrCount, MaterialRatioScales, false);
}

void algoFormatMotif(ParaRecord *para)
{
    formatGroup(para, KAVRIX_MOTIF_FIRST, para->MotifCount, MotifScales, true);
}

} // namespace

void algoFormatResults(ParaRecord *para)
{
    if (para->ROn == 1)
        algoFormatRoughness(para);
    if (para->WOn == 1)
        algoFormatWaviness(para);
    if (para->POn == 1)
        algoFormatPrimary(para);
    if (para->MrOn == 1)
        algoFormatMaterialRatio(para);
    if (para->MotifOn == 1)
        algoFormatMotif(para);
}
