#include "KavrixPrepare.h"

#include "AlgoArray.h"
#include "EvalWorkspace.h"
#include "KavrixStages.h"
#include "UnitTexts.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

// Every curve buffer carries its own capacity in a header just before the
// heights, so the evaluation decides by what was really allocated and not by
// Capacity, which the caller may change between calls. Two doubles keep the
// heights as aligned as the allocator made the block.
constexpr int kHeaderDoubles = 2;

double *allocBuffer(int capacity)
{
    if (capacity <= 0 || capacity > INT_MAX - kHeaderDoubles) {
        return nullptr;
    }
    double *block = algoMallocDoubles(capacity + kHeaderDoubles);
    if (!block) {
        return nullptr;
    }
    // Curves that no stage writes (the extra curves) are handed to the
    // caller as they are; they must read as zeros, not as stale heap.
    std::fill(block, block + capacity + kHeaderDoubles, 0.0);
    block[0] = capacity;
    return block + kHeaderDoubles;
}

int bufferCapacity(const double *buffer)
{
    return buffer ? static_cast<int>(buffer[-kHeaderDoubles]) : 0;
}

// The header's second double of the raw heights holds the record's workspace,
// so the public record keeps its layout and the workspace goes with the
// buffers it serves.
static_assert(sizeof(EvalWorkspace *) <= sizeof(double), "a pointer fits a header double");

EvalWorkspace *workspaceOf(const double *buffer)
{
    EvalWorkspace *work = nullptr;
    if (buffer) {
        std::memcpy(&work, buffer - kHeaderDoubles + 1, sizeof work);
    }
    return work;
}

void setWorkspace(double *buffer, EvalWorkspace *work)
{
    std::memcpy(buffer - kHeaderDoubles + 1, &work, sizeof work);
}

void releaseBuffer(double *&buffer)
{
    if (buffer) {
        algoFree(buffer - kHeaderDoubles);
    }
    buffer = nullptr;
}

void releaseCurve(DataArray &curve)
{
    releaseBuffer(curve.Y);
    releaseBuffer(curve.X);
    curve.N = 0;
}

bool allocCurve(DataArray &curve, int capacity)
{
    curve.Y = allocBuffer(capacity);
    curve.X = allocBuffer(capacity);
    return curve.Y && curve.X;
}

DataArray ParaRecord::*const kAllCurves[] = {
    &ParaRecord::RawArray,    &ParaRecord::FormArray,      &ParaRecord::PArray,      &ParaRecord::RArray,
    &ParaRecord::WArray,      &ParaRecord::ExtraArray1,    &ParaRecord::ExtraArray2, &ParaRecord::SpectrumArray,
    &ParaRecord::AbbottArray, &ParaRecord::AmplitudeArray,
};

// The curves every evaluation writes, whatever the switches hold.
DataArray ParaRecord::*const kCoreCurves[] = {
    &ParaRecord::RawArray, &ParaRecord::FormArray,   &ParaRecord::PArray,         &ParaRecord::RArray,
    &ParaRecord::WArray,   &ParaRecord::AbbottArray, &ParaRecord::AmplitudeArray,
};

// Release goes by the pointers, not by the switches: buffers allocated under
// another Extended must not leak.
void releaseAll(ParaRecord *para)
{
    if (para->RawArray.Y) {
        delete workspaceOf(para->RawArray.Y);
        setWorkspace(para->RawArray.Y, nullptr);
    }
    for (DataArray ParaRecord::*curve : kAllCurves) {
        releaseCurve(para->*curve);
    }
}

bool allocateAll(ParaRecord *para)
{
    const int capacity = para->Capacity;
    bool ok = true;
    for (DataArray ParaRecord::*curve : {&ParaRecord::RawArray, &ParaRecord::FormArray, &ParaRecord::PArray,
                                         &ParaRecord::RArray, &ParaRecord::WArray}) {
        ok = allocCurve(para->*curve, capacity) && ok;
    }
    if (para->ExtraArrayOn == 1) {
        ok = allocCurve(para->ExtraArray1, capacity) && ok;
        ok = allocCurve(para->ExtraArray2, capacity) && ok;
    }
    if (para->SpectrumArrayOn == 1) {
        ok = allocCurve(para->SpectrumArray, capacity) && ok;
    }
    if (para->AbbottArrayOn == 1) {
        ok = allocCurve(para->AbbottArray, capacity) && ok;
    }
    if (para->AmplitudeArrayOn == 1) {
        ok = allocCurve(para->AmplitudeArray, capacity) && ok;
    }
    if (para->RawArray.Y) {
        auto *work = new (std::nothrow) EvalWorkspace(capacity);
        ok = work && work->valid() && ok;
        setWorkspace(para->RawArray.Y, work);
    }
    return ok;
}

void setSwitches(ParaRecord *para)
{
    const int ext = para->Extended;
    para->FormArrayOn = ext;
    para->PArrayOn = ext;
    para->RArrayOn = 1;
    para->WArrayOn = ext;
    para->ExtraArrayOn = ext;
    para->SpectrumArrayOn = ext;
    para->AbbottArrayOn = 1;
    para->AmplitudeArrayOn = 1;
    para->ROn = 1;
    para->WOn = ext;
    para->POn = ext;
    para->MrOn = 1;
    para->MotifOn = ext;
}

bool evaluating(const ParaRecord *para)
{
    return para->Mode != 0 && para->Mode != 1;
}

void setCount(DataArray &curve, bool fits, int wanted)
{
    curve.N = fits && algoCurveCapacity(&curve) >= wanted ? wanted : 0;
}

// Option 0 stands for the automatic choice, 1..last for themselves; any
// other option yields 0, which no stage knows.
int effectiveCode(int option, int automatic, int last)
{
    if (option == 0) {
        return automatic;
    }
    return option >= 1 && option <= last ? option : 0;
}

bool isFraction(double level)
{
    return level >= 0.0 && level < 1.0;
}

bool levelTablesValid(const EvalCond &cond)
{
    for (const double *table : {cond.RmrLevel, cond.Rmr2Level, cond.RdcLevel}) {
        if (!std::all_of(table, table + KAVRIX_LEVEL_COUNT, isFraction)) {
            return false;
        }
    }
    return true;
}

void writeDefaultLevels(EvalCond &cond)
{
    static const double kDefaultLevels[KAVRIX_LEVEL_COUNT] = {
        0.1, 0.15, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9,
    };
    for (double *table : {cond.RmrLevel, cond.Rmr2Level, cond.RdcLevel}) {
        std::copy(kDefaultLevels, kDefaultLevels + KAVRIX_LEVEL_COUNT, table);
    }
}

bool extParmValid(double parm)
{
    return parm == -1.0 || parm >= 0.0;
}

// The stages truncate the cut-offs to whole points and add twice each; this
// bound keeps that sum an int.
bool cutoffRepresentable(double points)
{
    return points >= 0.0 && points <= INT_MAX / 4;
}

// One pass that also catches heights whose sum overflows, which no stage
// could evaluate either.
bool heightsFinite(const DataArray &raw)
{
    double sum = 0.0;
    for (int i = 0; i < raw.N; ++i) {
        sum += raw.Y[i];
    }
    return std::isfinite(sum);
}

struct Family {
    int on;
    int first;
    int count;
};

void familiesOf(const ParaRecord *para, Family (&families)[5])
{
    families[0] = {para->ROn, KAVRIX_R_FIRST, KAVRIX_R_COUNT};
    families[1] = {para->WOn, KAVRIX_W_FIRST, KAVRIX_W_COUNT};
    families[2] = {para->POn, KAVRIX_P_FIRST, KAVRIX_P_COUNT};
    families[3] = {para->MrOn, KAVRIX_MR_FIRST, KAVRIX_MR_COUNT};
    families[4] = {para->MotifOn, KAVRIX_MOTIF_FIRST, KAVRIX_MOTIF_COUNT};
}

void resetEntry(ParmResult &result, int entry)
{
    result.Value1 = 0.0;
    result.Unit1 = algoMetricUnit(entry);
    std::snprintf(result.ValueUnit1, sizeof result.ValueUnit1, "%.0f %s", result.Value1, result.Unit1);
    result.Value2 = 0.0;
    result.Unit2 = algoInchUnit(result.Unit1);
    std::snprintf(result.ValueUnit2, sizeof result.ValueUnit2, "%.0f %s", result.Value2, result.Unit2);
}

} // namespace

EvalWorkspace *algoWorkspace(const ParaRecord *para)
{
    return workspaceOf(para->RawArray.Y);
}

int algoCurveCapacity(const DataArray *curve)
{
    return std::min(bufferCapacity(curve->Y), bufferCapacity(curve->X));
}

void algoPrepare(ParaRecord *para)
{
    para->Valid = 1;
    algoSetBuffers(para);
    algoSetCurveCounts(para);
    algoCheckCond(para);
    algoInitResults(para);
}

void algoSetBuffers(ParaRecord *para)
{
    const bool extendedValid = para->Extended == 0 || para->Extended == 1;
    if (extendedValid) {
        setSwitches(para);
    } else {
        para->Valid = 0;
    }
    // A release needs no switches, and refusing it would leak every buffer.
    if (para->Mode == 0) {
        releaseAll(para);
        para->Valid = 0;
        return;
    }
    if (!extendedValid) {
        return;
    }
    if (para->Mode == 1) {
        releaseAll(para);
        if (!allocateAll(para)) {
            releaseAll(para);
            para->Valid = 0;
        }
    } else {
        // A record allocated without extended evaluation has no spectrum and
        // no extra curves; their stages must not run into the missing buffers.
        if (algoCurveCapacity(&para->ExtraArray1) == 0 || algoCurveCapacity(&para->ExtraArray2) == 0) {
            para->ExtraArrayOn = 0;
        }
        if (algoCurveCapacity(&para->SpectrumArray) == 0) {
            para->SpectrumArrayOn = 0;
        }
    }
}

void algoSetCurveCounts(ParaRecord *para)
{
    if (!evaluating(para) || para->Valid != 1) {
        return;
    }
    int room = INT_MAX;
    for (DataArray ParaRecord::*curve : kCoreCurves) {
        room = std::min(room, algoCurveCapacity(&(para->*curve)));
    }
    const int n = para->RawArray.N;
    const bool fits = n >= kMinProfilePoints && n <= room;
    for (DataArray ParaRecord::*curve :
         {&ParaRecord::FormArray, &ParaRecord::PArray, &ParaRecord::RArray, &ParaRecord::WArray,
          &ParaRecord::ExtraArray1, &ParaRecord::ExtraArray2, &ParaRecord::AbbottArray, &ParaRecord::AmplitudeArray}) {
        setCount(para->*curve, fits, n);
    }
    setCount(para->SpectrumArray, fits, n / 2 + 1);
    para->Valid = fits ? 1 : 0;
}

void algoCheckCond(ParaRecord *para)
{
    if (!evaluating(para) || para->Valid != 1) {
        return;
    }
    EvalCond &cond = para->Cond;
    const auto reject = [para] {
        para->Valid = 0;
    };

    const bool lengthValid = std::isfinite(cond.EvalLength) && cond.EvalLength > 0.0;
    if (!lengthValid) {
        reject();
    }
    const bool heightsValid = heightsFinite(para->RawArray);
    if (!heightsValid) {
        reject();
    }

    cond.ShapeMode = effectiveCode(cond.ShapeOption, 1, 6);
    cond.FilterType = effectiveCode(cond.FilterOption, 4, 5);
    if (cond.ShapeMode == 0 || cond.FilterType == 0) {
        reject();
    }

    // The automatic choices work from the evaluation length and the heights,
    // and λs from λc; they do not run on values already rejected.
    static const double kLcMm[] = {0.025, 0.08, 0.25, 0.8, 2.5, 8.0};
    bool lcSet = true;
    if (cond.LcOption == 0 && lengthValid && heightsValid) {
        algoAutoLc(para);
    } else if (cond.LcOption >= 1 && cond.LcOption <= 6) {
        cond.Lc = kLcMm[cond.LcOption - 1];
    } else {
        cond.Lc = 0.0;
        lcSet = false;
        reject();
    }

    static const double kLsMm[] = {0.0, 0.0025, 0.008, 0.025};
    if (cond.LsOption == 0 && lengthValid && heightsValid && lcSet) {
        algoAutoLs(para);
    } else if (cond.LsOption >= 1 && cond.LsOption <= 4) {
        cond.Ls = kLsMm[cond.LsOption - 1];
    } else {
        cond.Ls = 0.0;
        reject();
    }

    if (para->Extended == 0) {
        writeDefaultLevels(cond);
    } else if (!levelTablesValid(cond)) {
        // The material-ratio stage indexes its curve by these fractions.
        reject();
    }

    if (!(std::isfinite(cond.ParmZMag) && cond.ParmZMag > 0.0)) {
        reject();
    }
    if (cond.Standard < 0 || cond.Standard >= KAVRIX_STANDARDS) {
        reject();
    }
    if (para->Extended == 1) {
        if (!extParmValid(cond.ExtParm1) || !extParmValid(cond.ExtParm2)) {
            reject();
        }
        if (cond.MrFactorSet != 0 && cond.MrFactorSet != 1) {
            reject();
        }
        if (cond.ShapeMode == 6 && (cond.ShapeParm < 5 || cond.ShapeParm > 20)) {
            reject();
        }
    }

    if (!lengthValid) {
        return;
    }
    const int n = para->RawArray.N;
    cond.Lc = n * cond.Lc / cond.EvalLength;
    cond.Ls = n * cond.Ls / cond.EvalLength;
    if (!cutoffRepresentable(cond.Lc) || !cutoffRepresentable(cond.Ls)) {
        reject();
        return;
    }
    // Gaussian and FFT output loses int(Ls) + int(Lc) points at each end.
    if (cond.FilterOption == 1 || cond.FilterOption == 2) {
        const double left = n - 2.0 * std::trunc(cond.Ls) - 2.0 * std::trunc(cond.Lc);
        if (left < kMinProfilePoints) {
            reject();
        }
    }
}

void algoInitResults(ParaRecord *para)
{
    if (para->Mode == 0) {
        return;
    }
    para->RCount = KAVRIX_R_COUNT;
    para->WCount = KAVRIX_W_COUNT;
    para->PCount = KAVRIX_P_COUNT;
    para->MrCount = KAVRIX_MR_COUNT;
    para->MotifCount = KAVRIX_MOTIF_COUNT;

    Family families[5];
    familiesOf(para, families);
    for (const Family &family : families) {
        if (family.on != 1) {
            continue;
        }
        for (int slot = 0; slot < family.count; ++slot) {
            const int entry = family.first + slot;
            resetEntry(para->Results[entry], entry);
        }
    }
}

bool algoResultsFinite(const ParaRecord *para)
{
    Family families[5];
    familiesOf(para, families);
    for (const Family &family : families) {
        for (int entry = family.first; family.on == 1 && entry < family.first + family.count; ++entry) {
            if (!std::isfinite(para->Results[entry].Value1)) {
                return false;
            }
        }
    }
    return true;
}

void algoRejectEvaluation(ParaRecord *para)
{
    algoSetCurveCounts(para);
    para->Valid = 0;
    algoInitResults(para);
}
