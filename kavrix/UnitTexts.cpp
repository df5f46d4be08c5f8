#include "UnitTexts.h"

#include "Kavrix.h"

// GBK: A6 CC is the micro sign, so micrometres are three bytes.
const char kUnitMicrometre[] = "\xA6\xCC"
                               "m";
const char kUnitMillimetre[] = "mm";
const char kUnitMicroinch[] = "\xA6\xCC\xA1\xE5";
const char kUnitInch[] = "\xA1\xE5";
const char kUnitPercent[] = "%";
const char kUnitNone[] = "";

namespace {

// One letter per slot of each group: u micrometre, m millimetre, % percent,
// - no unit.
const char *const kGroupUnits[KAVRIX_GROUPS] = {
    "uu--uuuuumm--uu-mm-", "uu--uuuuum--", "uu--uuuum--u-mm-", "uuu--u---%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%",
    "-muu----muuu---",
};

const int kGroupFirst[KAVRIX_GROUPS] = {
    KAVRIX_R_FIRST, KAVRIX_W_FIRST, KAVRIX_P_FIRST, KAVRIX_MR_FIRST, KAVRIX_MOTIF_FIRST,
};

} // namespace

const char *algoMetricUnit(int entry)
{
    if (entry < 0 || entry >= KAVRIX_RESULT_COUNT) {
        return kUnitNone;
    }
    int group = KAVRIX_GROUPS - 1;
    while (entry < kGroupFirst[group]) {
        --group;
    }
    switch (kGroupUnits[group][entry - kGroupFirst[group]]) {
    case 'u':
        return kUnitMicrometre;
    case 'm':
        return kUnitMillimetre;
    case '%':
        return kUnitPercent;
    default:
        return kUnitNone;
    }
}

const char *algoInchUnit(const char *metricUnit)
{
    if (metricUnit == kUnitMicrometre) {
        return kUnitMicroinch;
    }
    if (metricUnit == kUnitMillimetre) {
        return kUnitInch;
    }
    if (metricUnit == kUnitPercent) {
        return kUnitPercent;
    }
    return kUnitNone;
}
