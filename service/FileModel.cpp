#include "FileModel.h"

#include "Codes.h"
#include "GbkText.h"
#include "VariantLists.h"
#include "WholeFile.h"

#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace {

const QString measureDataInfoKey = QStringLiteral("measureDataInfo");
const QString calcutateResultKey = QStringLiteral("calcutateResult");
const QString systemConfigKey = QStringLiteral("SystemConfig");

int jsonInt(const QJsonValue &value)
{
    // QVariant rounds a double to the nearest integer and reads numeric texts.
    return value.toVariant().toInt();
}

double jsonDouble(const QJsonValue &value)
{
    return value.toVariant().toDouble();
}

// Cut toward zero; a number beyond int's range names no option either and
// would make the cast undefined.
int jsonTruncatedInt(const QJsonValue &value)
{
    const double number = jsonDouble(value);
    if (!(std::fabs(number) < 2147483648.0))
        return 0;
    return static_cast<int>(number);
}

// The eight settings of a record, each an index into its option list.
struct SettingField {
    const char *key;
    int SettingsData::*member;
    int count;
};

const SettingField settingFields[] = {
    {"calculateStandard", &SettingsData::calculateStandard, SettingsData::calculateStandardCount},
    {"shapeRemoval", &SettingsData::shapeRemoval, SettingsData::shapeRemovalCount},
    {"waveFilter", &SettingsData::waveFilter, SettingsData::waveFilterCount},
    {"cutoffWavelengthS", &SettingsData::cutoffWavelengthS, SettingsData::cutoffWavelengthSCount},
    {"cutoffWavelengthC", &SettingsData::cutoffWavelengthC, SettingsData::cutoffWavelengthCCount},
    {"samplingLength", &SettingsData::samplingLength, SettingsData::samplingLengthCount},
    {"samplingNumber", &SettingsData::samplingNumber, SettingsData::samplingNumberCount},
    {"measureRange", &SettingsData::measureRange, SettingsData::measureRangeCount},
};

// A whole number, as a JSON number or a plain decimal text, that names one of
// count options.
std::optional<int> optionIndex(const QJsonValue &value, int count)
{
    const std::optional<double> number = finiteNumber(value.toVariant());
    if (!number || *number != std::floor(*number) || *number < 0 || *number >= count)
        return std::nullopt;
    return static_cast<int>(*number);
}

QString jsonText(const QJsonValue &value)
{
    return value.toVariant().toString();
}

bool jsonBool(const QJsonValue &value)
{
    return value.toVariant().toBool();
}

std::optional<QJsonObject> parseObject(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

// Empty for a file that is missing, unreadable or not a JSON object.
std::optional<QJsonObject> readObject(const QString &path)
{
    const std::optional<QByteArray> bytes = WholeFile::read(path);
    return bytes ? parseObject(*bytes) : std::nullopt;
}

bool writeObject(const QJsonObject &root, const QString &path)
{
    return WholeFile::write(path, QJsonDocument(root).toJson(QJsonDocument::Indented));
}

// The exports are read by spreadsheet programs on the instrument's PC, which
// expect the Chinese code page there.
bool writeGbk(const QString &text, const QString &path)
{
    const QByteArray bytes = gbkBytes(text);
    return (text.isEmpty() || !bytes.isEmpty()) && WholeFile::write(path, bytes);
}

QString csvNumber(double value)
{
    return QString::number(value, 'g', 6);
}

struct ParameterLists {
    QList<int> ids;
    QList<QString> names;
    QList<double> values1;
    QList<double> values2;
    QList<QString> units1;
    QList<QString> units2;
    QList<QString> valueAndUnits1;
    QList<QString> valueAndUnits2;
};

ParameterLists splitParameters(const QList<ParameterEntry> &entries)
{
    ParameterLists lists;
    for (const ParameterEntry &entry : entries) {
        lists.ids << entry.id;
        lists.names << entry.paraName;
        lists.values1 << entry.value1;
        lists.values2 << entry.value2;
        lists.units1 << entry.unit1;
        lists.units2 << entry.unit2;
        lists.valueAndUnits1 << entry.valueAndUnit1;
        lists.valueAndUnits2 << entry.valueAndUnit2;
    }
    return lists;
}

// Entries are counted by the name array; a shorter companion array gives
// empty values rather than reading past its end.
QList<ParameterEntry> joinParameters(const QVariantHash &hash, const QString &prefix, bool *ok)
{
    auto key = [&prefix](const char *name) {
        QString k = prefix + QLatin1String(name);
        if (prefix.isEmpty())
            k[0] = k[0].toLower();
        return k;
    };
    const QList<int> ids = variantToList<int>(hash.value(key("IdList")), ok);
    const QList<QString> names = variantToList<QString>(hash.value(key("ParaNameList")), ok);
    const QList<double> values1 = variantToList<double>(hash.value(key("Value1List")), ok);
    const QList<double> values2 = variantToList<double>(hash.value(key("Value2List")), ok);
    const QList<QString> units1 = variantToList<QString>(hash.value(key("Unit1List")), ok);
    const QList<QString> units2 = variantToList<QString>(hash.value(key("Unit2List")), ok);
    const QList<QString> valueAndUnits1 = variantToList<QString>(hash.value(key("ValueAndUnit1List")), ok);
    const QList<QString> valueAndUnits2 = variantToList<QString>(hash.value(key("ValueAndUnit2List")), ok);

    QList<ParameterEntry> entries;
    for (int i = 0; i < names.size(); ++i) {
        ParameterEntry entry;
        entry.id = ids.value(i);
        entry.paraName = names.at(i);
        entry.value1 = values1.value(i);
        entry.value2 = values2.value(i);
        entry.unit1 = units1.value(i);
        entry.unit2 = units2.value(i);
        entry.valueAndUnit1 = valueAndUnits1.value(i);
        entry.valueAndUnit2 = valueAndUnits2.value(i);
        entries << entry;
    }
    return entries;
}

} // namespace

FileModel::FileModel(QObject *parent)
    : QObject(parent)
    , samplingLengthNumbers{"0.25", "0.8", "2.5"}
    , samplingNumberTexts{"1", "2", "3", "4", "5"}
    , calculateStandardTexts{"JIS-82", "JIS-87", "JIS-94", "JIS-01",  "JIS-13",
                             "ISO-84", "ISO-97", "DIN-90", "ASME-95", "GB-14"}
    , shapeRemovalTexts{"自动", "全域", "前半", "后半", "中心", "两点", "花键曲线"}
    , waveFilterTexts{"自动", "Gaussian", "FFT", "PC", "DP", "2RC"}
    , cutoffWavelengthSTexts{"自动", "0 μm", "2.5 μm", "8.0 μm", "25 μm"}
    , cutoffWavelengthCTexts{"自动", "0.025 mm", "0.08 mm", "0.25 mm", "0.8 mm", "2.5 mm", "8 mm"}
    , samplingLengthTexts{"0.25 mm", "0.8 mm", "2.5 mm"}
    , measureRangeTexts{"40 μm", "80 μm", "160 μm"}
{
}

QHash<QString, QVariant> FileModel::listsToVariantHash(const QStringList &keys, const QList<QVariant> &values)
{
    QHash<QString, QVariant> hash;
    for (int i = 0; i < keys.size(); ++i)
        hash.insert(keys.at(i), values.value(i));
    return hash;
}

QJsonObject FileModel::measureDataFileInfoToJson(const MeasureDataFileInfo &info) const
{
    const SettingsData &s = info.settingsData;
    const QStringList keys{"fileName",       "measureTime",       "calculateStandard", "shapeRemoval",
                           "waveFilter",     "cutoffWavelengthS", "cutoffWavelengthC", "samplingLength",
                           "samplingNumber", "measureRange"};
    const QList<QVariant> values{info.fileName,    info.measureTime,    s.calculateStandard, s.shapeRemoval,
                                 s.waveFilter,     s.cutoffWavelengthS, s.cutoffWavelengthC, s.samplingLength,
                                 s.samplingNumber, s.measureRange};
    return QJsonObject::fromVariantHash(listsToVariantHash(keys, values));
}

SettingsData FileModel::jsonToSettingsData(const QJsonObject &object, bool *ok) const
{
    SettingsData s;
    for (const SettingField &field : settingFields) {
        const QJsonValue value = object.value(QLatin1String(field.key));
        if (const std::optional<int> index = optionIndex(value, field.count)) {
            s.*field.member = *index;
            continue;
        }
        s.*field.member = field.member == &SettingsData::measureRange ? jsonTruncatedInt(value) : jsonInt(value);
        if (ok && !value.isUndefined())
            *ok = false;
    }

    // A pair that gives no evaluation length falls back to 2.5 mm five times.
    const double length = samplingLengthNumbers.value(s.samplingLength).toDouble();
    const int count = samplingNumberTexts.value(s.samplingNumber).toInt();
    if (length * count == 0) {
        s.samplingLength = 2;
        s.samplingNumber = 4;
    }
    return s;
}

MeasureDataFileInfo FileModel::jsonToMeasureDataFileInfo(const QJsonObject &object, bool *ok) const
{
    MeasureDataFileInfo info;
    info.fileName = jsonText(object.value("fileName"));
    info.measureTime = jsonText(object.value("measureTime"));
    info.settingsData = jsonToSettingsData(object, ok);
    return info;
}

QJsonObject FileModel::calculateResultToJson(const CalculateResult &result) const
{
    const ParameterLists p = splitParameters(result.parameters);
    const ParameterLists a = splitParameters(result.abbottParameters);
    const QStringList keys{"idList",
                           "paraNameList",
                           "value1List",
                           "value2List",
                           "unit1List",
                           "unit2List",
                           "valueAndUnit1List",
                           "valueAndUnit2List",
                           "abbottIdList",
                           "abbottParaNameList",
                           "abbottValue1List",
                           "abbottValue2List",
                           "abbottUnit1List",
                           "abbottUnit2List",
                           "abbottValueAndUnit1List",
                           "abbottValueAndUnit2List",
                           "measureDataList",
                           "shapeRemovalDataList_y",
                           "wavinessDataList_y",
                           "roughnessDataList_y",
                           "abbottFirestoneDataList_y",
                           "amplitudeCurveDataList_y",
                           "shapeRemovalDataList_x",
                           "wavinessDataList_x",
                           "roughnessDataList_x",
                           "abbottFirestoneDataList_x",
                           "amplitudeCurveDataList_x"};
    const QList<QVariant> values{listToVariant(p.ids),
                                 listToVariant(p.names),
                                 listToVariant(p.values1),
                                 listToVariant(p.values2),
                                 listToVariant(p.units1),
                                 listToVariant(p.units2),
                                 listToVariant(p.valueAndUnits1),
                                 listToVariant(p.valueAndUnits2),
                                 listToVariant(a.ids),
                                 listToVariant(a.names),
                                 listToVariant(a.values1),
                                 listToVariant(a.values2),
                                 listToVariant(a.units1),
                                 listToVariant(a.units2),
                                 listToVariant(a.valueAndUnits1),
                                 listToVariant(a.valueAndUnits2),
                                 listToVariant(result.measureDataList),
                                 listToVariant(result.shapeRemovalDataList_y),
                                 listToVariant(result.wavinessDataList_y),
                                 listToVariant(result.roughnessDataList_y),
                                 listToVariant(result.abbottFirestoneDataList_y),
                                 listToVariant(result.amplitudeCurveDataList_y),
                                 listToVariant(result.shapeRemovalDataList_x),
                                 listToVariant(result.wavinessDataList_x),
                                 listToVariant(result.roughnessDataList_x),
                                 listToVariant(result.abbottFirestoneDataList_x),
                                 listToVariant(result.amplitudeCurveDataList_x)};
    return QJsonObject::fromVariantHash(listsToVariantHash(keys, values));
}

CalculateResult FileModel::jsonToCalculateResult(const QJsonObject &object, bool *ok) const
{
    const QVariantHash hash = object.toVariantHash();
    bool read = true;
    CalculateResult result;
    result.parameters = joinParameters(hash, QString(), &read);
    result.abbottParameters = joinParameters(hash, QStringLiteral("abbott"), &read);
    const QList<QPair<const char *, QList<double> *>> curves{
        {"measureDataList", &result.measureDataList},
        {"shapeRemovalDataList_y", &result.shapeRemovalDataList_y},
        {"wavinessDataList_y", &result.wavinessDataList_y},
        {"roughnessDataList_y", &result.roughnessDataList_y},
        {"abbottFirestoneDataList_y", &result.abbottFirestoneDataList_y},
        {"amplitudeCurveDataList_y", &result.amplitudeCurveDataList_y},
        {"shapeRemovalDataList_x", &result.shapeRemovalDataList_x},
        {"wavinessDataList_x", &result.wavinessDataList_x},
        {"roughnessDataList_x", &result.roughnessDataList_x},
        {"abbottFirestoneDataList_x", &result.abbottFirestoneDataList_x},
        {"amplitudeCurveDataList_x", &result.amplitudeCurveDataList_x}};
    for (const auto &curve : curves)
        *curve.second = variantToList<double>(hash.value(curve.first), &read);
    if (ok)
        *ok = read;
    // The file holds no range; until a view picks one, the whole profile is evaluated.
    result.left = 0;
    result.right = std::max(0, result.measureDataList.size() - 1);
    return result;
}

bool FileModel::saveMeasurementFile(const MeasureDataFile &file, const QString &path) const
{
    QJsonObject root;
    root.insert(measureDataInfoKey, measureDataFileInfoToJson(file.measureDataInfo));
    root.insert(calcutateResultKey, calculateResultToJson(file.calcutateResult));
    return writeObject(root, path);
}

bool FileModel::loadMeasurementFile(MeasureDataFile &file, const QString &path) const
{
    const std::optional<QJsonObject> root = readObject(path);
    if (!root || !root->value(measureDataInfoKey).isObject() || !root->value(calcutateResultKey).isObject())
        return false;
    // A list with an element that is no number can be neither evaluated nor
    // drawn, and a setting that names no option would evaluate the profile
    // under settings it was never measured with: opening either would show a
    // measurement that does not exist.
    bool ok = true;
    const CalculateResult result = jsonToCalculateResult(root->value(calcutateResultKey).toObject(), &ok);
    const MeasureDataFileInfo info = jsonToMeasureDataFileInfo(root->value(measureDataInfoKey).toObject(), &ok);
    if (!ok)
        return false;
    file.measureDataInfo = info;
    file.calcutateResult = result;
    return true;
}

bool FileModel::saveMeasureDataInfoList(const QList<MeasureDataFileInfo> &list, const QString &path) const
{
    QJsonArray array;
    for (const MeasureDataFileInfo &info : list)
        array.append(measureDataFileInfoToJson(info));
    return writeObject(QJsonObject{{measureDataInfoKey, array}}, path);
}

bool FileModel::loadMeasureDataInfoList(QList<MeasureDataFileInfo> &list, const QString &path) const
{
    const std::optional<QJsonObject> root = readObject(path);
    if (!root)
        return false;
    list.clear();
    const QJsonArray array = root->value(measureDataInfoKey).toArray();
    for (const QJsonValue &element : array)
        list << jsonToMeasureDataFileInfo(element.toObject());
    return true;
}

bool FileModel::saveSystemConfig(const SystemConfig &config, const QString &path) const
{
    const AboutInfo &a = config.aboutInfo;
    const SettingsData &s = config.settingsData;
    const QStringList keys{"language",
                           "unit",
                           "isAutoSave",
                           "softwareName",
                           "softwareVersionNumber",
                           "equipmentName",
                           "equipmentModel",
                           "equipmentSerialNumber",
                           "calculateStandard",
                           "shapeRemoval",
                           "waveFilter",
                           "cutoffWavelengthS",
                           "cutoffWavelengthC",
                           "samplingLength",
                           "samplingNumber",
                           "measureRange",
                           "calibrationFactor"};
    const QList<QVariant> values{config.language,         config.unit,      config.isAutoSave, a.softwareName,
                                 a.softwareVersionNumber, a.equipmentName,  a.equipmentModel,  a.equipmentSerialNumber,
                                 s.calculateStandard,     s.shapeRemoval,   s.waveFilter,      s.cutoffWavelengthS,
                                 s.cutoffWavelengthC,     s.samplingLength, s.samplingNumber,  s.measureRange,
                                 config.calibrationFactor};
    const QJsonObject object = QJsonObject::fromVariantHash(listsToVariantHash(keys, values));
    return writeObject(QJsonObject{{systemConfigKey, object}}, path);
}

bool FileModel::loadSystemConfig(SystemConfig &config, const QString &path) const
{
    QJsonObject object;
    bool readable = false;
    if (QFile::exists(path)) {
        const std::optional<QByteArray> bytes = WholeFile::read(path);
        if (!bytes)
            return false;
        const std::optional<QJsonObject> root = parseObject(*bytes);
        if (root && root->value(systemConfigKey).isObject()) {
            object = root->value(systemConfigKey).toObject();
            readable = true;
        } else {
            // The file is rewritten at exit; keep what was there for a look later.
            const QString copy = WholeFile::keptName(path);
            if (QFile::copy(path, copy))
                qDebug() << "SystemConfig.json is not a configuration; kept as" << copy;
            else
                qDebug() << "SystemConfig.json is not a configuration and could not be kept as" << copy;
        }
    }

    SystemConfig read;
    read.language =
        readable ? std::clamp<int>(jsonInt(object.value("language")), LanguageCode::Chinese, LanguageCode::English)
                 : config.language;
    read.unit = std::clamp<int>(jsonInt(object.value("unit")), UnitCode::Metric, UnitCode::Imperial);
    read.isAutoSave = jsonBool(object.value("isAutoSave"));
    read.aboutInfo.softwareName = jsonText(object.value("softwareName"));
    read.aboutInfo.softwareVersionNumber = jsonText(object.value("softwareVersionNumber"));
    read.aboutInfo.equipmentName = jsonText(object.value("equipmentName"));
    read.aboutInfo.equipmentModel = jsonText(object.value("equipmentModel"));
    read.aboutInfo.equipmentSerialNumber = jsonText(object.value("equipmentSerialNumber"));
    read.settingsData = jsonToSettingsData(object);
    read.calibrationFactor = jsonDouble(object.value("calibrationFactor"));
    config = read;
    return true;
}

QString FileModel::measurementLengthText(const SettingsData &settings) const
{
    const QString length = samplingLengthNumbers.value(settings.samplingLength);
    const QString count = samplingNumberTexts.value(settings.samplingNumber);
    if (length.isEmpty() || count.isEmpty())
        return QString();
    return csvNumber(length.toDouble() * count.toInt()) + " mm";
}

bool FileModel::exportMeasurementData(const MeasureDataFile &file, int unit, const QString &path) const
{
    const CalculateResult &r = file.calcutateResult;
    const SettingsData &s = file.measureDataInfo.settingsData;

    QString text = "测量曲线,形状去除,波纹度轮廓,粗糙度轮廓,支承率曲线,振幅曲线,"
                   "测量速度,计算标准,形状去除,滤波器,λS,λC,测量范围,测量长度\n";

    const QList<const QList<double> *> curves{&r.measureDataList,           &r.shapeRemovalDataList_y,
                                              &r.wavinessDataList_y,        &r.roughnessDataList_y,
                                              &r.abbottFirestoneDataList_y, &r.amplitudeCurveDataList_y};
    int rows = 0;
    for (const QList<double> *curve : curves)
        rows = std::max(rows, curve->size());

    for (int i = 0; i < rows; ++i) {
        for (const QList<double> *curve : curves) {
            if (i < curve->size())
                text += csvNumber(curve->at(i));
            text += ',';
        }
        QStringList fields;
        if (i == 0) {
            // A stored measurement knows no measuring speed: its column stays empty.
            fields << QString() << calculateStandardTexts.value(s.calculateStandard)
                   << shapeRemovalTexts.value(s.shapeRemoval) << waveFilterTexts.value(s.waveFilter)
                   << cutoffWavelengthSTexts.value(s.cutoffWavelengthS)
                   << cutoffWavelengthCTexts.value(s.cutoffWavelengthC) << measureRangeTexts.value(s.measureRange)
                   << measurementLengthText(s);
        } else if (i == 2 || i == 3) {
            fields << QString();
            for (const ParameterEntry &entry : r.parameters) {
                if (i == 2)
                    fields << entry.paraName;
                else
                    fields << (unit == UnitCode::Imperial ? entry.valueAndUnit2 : entry.valueAndUnit1);
            }
        }
        for (const QString &field : qAsConst(fields))
            text += field + ',';
        text += '\n';
    }
    return writeGbk(text, path);
}

bool FileModel::exportExecutingMachineData(DATA_SAVE record, const QList<QPair<QString, QString>> &parameterRows,
                                           const InstrumentOptionLists &options, const QString &path) const
{
    QString text = "计算标准,取样长度,取样个数,测量范围,滤波器\n";
    text += options.standards.value(record.calculateStandard) + ',' +
            options.samplingLengths.value(record.samplingLength) + ',' + QString::number(record.samplingNumber) + ',' +
            options.ranges.value(record.measureRange) + ',' + options.filters.value(record.filter) + ",\n";
    text += '\n';
    for (const auto &row : parameterRows)
        text += row.first + ',';
    text += '\n';
    for (const auto &row : parameterRows)
        text += row.second + ',';
    text += '\n';
    text += QString(6, '\n');
    return writeGbk(text, path);
}
