#include "CalculateModel.h"

#include "Codes.h"
#include "GbkText.h"
#include "GlobalData.h"
#include "KeyedNotice.h"
#include "SettingsModel.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kRangeFactors[] = {1.0, 0.49517895, 0.25028911};
constexpr int kRoughnessGroup = 0;
constexpr int kMaterialRatioGroup = 3;
// The material-ratio symbols always come from the JIS-94 row.
constexpr int kMaterialRatioRow = 2;
// Unit texts and symbols are short constants of the library; this only
// bounds the read.
constexpr int kLibraryTextLimit = 64;

void copyCurve(const DataArray &curve, int capacity, QList<double> &ys, QList<double> &xs)
{
    if (!curve.X || !curve.Y)
        return;
    const int n = std::clamp(curve.N, 0, capacity);
    ys.reserve(n);
    xs.reserve(n);
    for (int i = 0; i < n; ++i) {
        ys.append(curve.Y[i]);
        xs.append(curve.X[i]);
    }
}

void mergeGroup(const ParmResult *results, int count, QList<ParameterEntry> &entries)
{
    int cursor = 0;
    for (int slot = 0; slot < count && cursor < entries.size(); ++slot) {
        ParameterEntry &entry = entries[cursor];
        if (entry.id != slot)
            continue;
        const ParmResult &result = results[slot];
        entry.value1 = result.Value1;
        entry.value2 = result.Value2;
        entry.unit1 = gbkText(result.Unit1, kLibraryTextLimit);
        entry.unit2 = gbkText(result.Unit2, kLibraryTextLimit);
        entry.valueAndUnit1 = gbkText(result.ValueUnit1, KAVRIX_TEXT_SIZE);
        entry.valueAndUnit2 = gbkText(result.ValueUnit2, KAVRIX_TEXT_SIZE);
        ++cursor;
    }
}

void markUnmeasured(QList<ParameterEntry> &entries)
{
    for (ParameterEntry &entry : entries) {
        ParameterEntry blank;
        blank.id = entry.id;
        blank.paraName = entry.paraName;
        entry = blank;
    }
}

void clearCurves(CalculateResult &result)
{
    for (QList<double> *list : {&result.shapeRemovalDataList_y, &result.wavinessDataList_y, &result.roughnessDataList_y,
                                &result.abbottFirestoneDataList_y, &result.amplitudeCurveDataList_y,
                                &result.shapeRemovalDataList_x, &result.wavinessDataList_x, &result.roughnessDataList_x,
                                &result.abbottFirestoneDataList_x, &result.amplitudeCurveDataList_x})
        list->clear();
}

}

CalculateModel::CalculateModel(QObject *parent)
    : QObject(parent)
{
}

double CalculateModel::rangeFactor(int measureRange)
{
    if (measureRange < 0 || measureRange >= static_cast<int>(std::size(kRangeFactors)))
        return 0.0;
    return kRangeFactors[measureRange];
}

QList<ParameterEntry> CalculateModel::parameterEntries(const Info &info, int group, int row, int slotCount)
{
    QList<ParameterEntry> entries;
    if (group < 0 || group >= KAVRIX_GROUPS || row < 0 || row >= KAVRIX_STANDARDS)
        return entries;
    const int count = std::clamp(slotCount, 0, static_cast<int>(KAVRIX_NAME_SLOTS));
    for (int slot = 0; slot < count; ++slot) {
        const QString symbol = gbkText(info.AllParmName[group][row][slot], kLibraryTextLimit);
        if (symbol.isEmpty())
            continue;
        ParameterEntry entry;
        entry.id = slot;
        entry.paraName = symbol;
        entries.append(entry);
    }
    return entries;
}

void CalculateModel::loadSamples(ParaRecord &record, const QList<double> &samples, int left, int right,
                                 double fullLength)
{
    const int count = samples.size();
    const int first = std::max(std::min(left, right), 0);
    const int high = std::max(left, right);
    int last = high < count ? high : count - 1;
    // A longer range would run past the record's buffers: the evaluation
    // covers its first Capacity samples.
    if (last - first + 1 > record.Capacity)
        last = first + record.Capacity - 1;
    int n = last - first + 1;
    if (!record.RawArray.Y)
        n = 0;

    record.RawArray.N = std::max(n, 0);
    record.Cond.EvalLength = count > 0 ? static_cast<double>(n) / count * fullLength : 0.0;
    for (int i = 0; i < n; ++i)
        record.RawArray.Y[i] = samples.at(first + i);
}

void CalculateModel::readResults(const ParaRecord &record, CalculateResult &result)
{
    clearCurves(result);
    // Every value shown comes from this evaluation: a row it does not fill,
    // for one read from a file with damaged ids, shows no stored value.
    markUnmeasured(result.parameters);
    markUnmeasured(result.abbottParameters);
    if (!record.Valid)
        return;
    const int capacity = record.Capacity;
    copyCurve(record.FormArray, capacity, result.shapeRemovalDataList_y, result.shapeRemovalDataList_x);
    copyCurve(record.WArray, capacity, result.wavinessDataList_y, result.wavinessDataList_x);
    copyCurve(record.RArray, capacity, result.roughnessDataList_y, result.roughnessDataList_x);
    copyCurve(record.AbbottArray, capacity, result.abbottFirestoneDataList_y, result.abbottFirestoneDataList_x);
    copyCurve(record.AmplitudeArray, capacity, result.amplitudeCurveDataList_y, result.amplitudeCurveDataList_x);
    mergeGroup(record.Results + KAVRIX_R_FIRST, std::min<int>(record.RCount, KAVRIX_R_COUNT), result.parameters);
    mergeGroup(record.Results + KAVRIX_MR_FIRST, std::min<int>(record.MrCount, KAVRIX_MR_COUNT),
               result.abbottParameters);
}

std::optional<double> CalculateModel::calibratedFactor(double referenceRa, double ra, double rangeFactor)
{
    if (!std::isfinite(ra) || ra <= 0.0 || !(rangeFactor > 0.0))
        return std::nullopt;
    const double factor = referenceRa / ra / rangeFactor;
    if (!std::isfinite(factor) || factor <= 0.0)
        return std::nullopt;
    return factor;
}

void CalculateModel::calculate()
{
    GlobalData *data = GlobalData::instance();
    const SettingsData &settings = data->settingsData;
    CalculateResult &result = data->calcutateResult;
    ParaRecord &record = data->stPara;
    const double factor = rangeFactor(settings.measureRange);
    const double length = SettingsModel::samplingLengthValue(settings.samplingLength);
    const int number = SettingsModel::samplingNumberValue(settings.samplingNumber);

    record.Mode = 2;
    loadSamples(record, result.measureDataList, result.left, result.right, number * length);

    if (data->measurePurpose == MeasurePurpose::Measurement) {
        record.Cond.ShapeOption = settings.shapeRemoval;
        record.Cond.FilterOption = settings.waveFilter;
        record.Cond.LsOption = settings.cutoffWavelengthS;
        record.Cond.LcOption = settings.cutoffWavelengthC;
        record.Cond.ParmZMag = data->calibrationFactor * factor;
    } else {
        // Calibration evaluates raw counts with the library's own choices and
        // the cut-off that suits the reference specimen.
        record.Cond.ShapeOption = 0;
        record.Cond.FilterOption = 0;
        record.Cond.LsOption = 0;
        record.Cond.LcOption = referenceLcOption();
        record.Cond.ParmZMag = 1.0;
    }
    qDebug() << "stPara.Cond.ParmZMag:  " << record.Cond.ParmZMag << " measurePurpos: " << data->measurePurpose;
    qDebug() << "settingsData.measureLength: " << length << number;
    qDebug() << "measurePurpose " << data->measurePurpose;
    qDebug() << "calibrationFactor: " << record.Cond.ParmZMag;

    kavrix(&record);
    readResults(record, result);

    if (data->measurePurpose == MeasurePurpose::Measurement)
        emit parameterCalculated();
    else
        calibrate();
}

void CalculateModel::calibrate()
{
    GlobalData *data = GlobalData::instance();
    const QList<ParameterEntry> &parameters = data->calcutateResult.parameters;
    std::optional<double> factor;
    if (data->stPara.Valid && !parameters.isEmpty() && parameters.first().id == 0)
        factor = calibratedFactor(data->referenceRa, parameters.first().value1,
                                  rangeFactor(data->settingsData.measureRange));

    data->measurePurpose = MeasurePurpose::Measurement;
    if (factor) {
        data->calibrationFactor = *factor;
        // Success is told once the instrument has acknowledged the new factor.
        emit calibrationFactorUpdated();
    } else {
        qDebug() << "Ra calibration gave no usable factor, kept" << data->calibrationFactor;
        showKeyedNotice("calibrateFail", NoticeCode::Error);
    }
    calculate();
}

void CalculateModel::updateParameterNameList()
{
    GlobalData *data = GlobalData::instance();
    Info info{};
    kavrixGetParmInfo(&info);
    data->calcutateResult.parameters =
        parameterEntries(info, kRoughnessGroup, data->settingsData.calculateStandard, KAVRIX_MEAN_SLOTS);
    data->calcutateResult.abbottParameters =
        parameterEntries(info, kMaterialRatioGroup, kMaterialRatioRow, KAVRIX_MR_COUNT);
    emit parameterNameListChanged();
}

const CalculateResult &CalculateModel::calculateResult() const
{
    return GlobalData::instance()->calcutateResult;
}

NameValuePairs CalculateModel::parameterNameValuePairs() const
{
    return nameValuePairs(GlobalData::instance()->calcutateResult.parameters);
}

NameValuePairs CalculateModel::abbottNameValuePairs() const
{
    return nameValuePairs(GlobalData::instance()->calcutateResult.abbottParameters);
}

NameValuePairs CalculateModel::nameValuePairs(const QList<ParameterEntry> &list) const
{
    const int unit = GlobalData::instance()->unit;
    NameValuePairs pairs;
    if (unit != UnitCode::Metric && unit != UnitCode::Imperial)
        return pairs;
    for (const ParameterEntry &entry : list)
        pairs.append({entry.paraName, unit == UnitCode::Metric ? entry.valueAndUnit1 : entry.valueAndUnit2});
    return pairs;
}

int CalculateModel::referenceLcOption() const
{
    return kavrixGetLcOption(GlobalData::instance()->referenceRa);
}
